#include "cli/report.h"

#include <array>

#include "analysis/runanalysis.h"

namespace tarvelo::cli {

namespace {

void AppendJsonString(QByteArray& out, const QString& text) {
    out += '"';
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u < 0x20) {
            out += QString::asprintf("\\u%04x", static_cast<unsigned>(u)).toLatin1();
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            out += QString(c).toUtf8();
        }
    }
    out += '"';
}

void AppendColour(QByteArray& out, const char* key, const Rgb& colour) {
    out += ",\"";
    out += key;
    out += "\":\"";
    out += colour.Hex().toLatin1();
    out += '"';
}

void AppendFields(QByteArray& out, const ResultSheet& sheet, QStringView prefix) {
    out += "\"fields\":{";
    bool first = true;
    for (Field field : AllFields()) {
        if (!first) out += ',';
        first = false;
        AppendJsonString(out, FieldName(field, prefix));
        out += ":{\"text\":";
        AppendJsonString(out, sheet[field].text);
        const FieldKind kind = KindOf(field);
        if (kind == FieldKind::Judgement || kind == FieldKind::Verdict)
            AppendColour(out, "background", sheet[field].background);
        if (kind != FieldKind::Text) AppendColour(out, "foreground", sheet[field].foreground);
        out += '}';
    }
    out += '}';
}

void AppendFile(QByteArray& out, const QString& file) {
    out += "{\"file\":";
    AppendJsonString(out, file);
}

QByteArray Utf8(const QString& text) { return text.toUtf8(); }
QByteArray Utf8(QStringView text) { return text.toUtf8(); }

// "10.0 mm ≫ 8.0 mm  OK  comment"
QByteArray Row(const ResultSheet& s, Field before, Field after, Field judgement, Field comment) {
    return Utf8(s[before].text + u" mm ≫ " + s[after].text + u" mm  " + s[judgement].text +
                u"  " + s[comment].text);
}

}  // namespace

QByteArray JsonSheet(const QString& file, const ResultSheet& sheet, QStringView prefix) {
    QByteArray out;
    AppendFile(out, file);
    out += ',';
    AppendFields(out, sheet, prefix);
    out += "}\n";
    return out;
}

QByteArray JsonAnalysis(const QString& file, bool complete, const QStringList& missing,
                        const ResultSheet* sheet) {
    QByteArray out;
    AppendFile(out, file);
    out += complete ? ",\"complete\":true,\"missing\":[" : ",\"complete\":false,\"missing\":[";
    for (qsizetype i = 0; i < missing.size(); ++i) {
        if (i > 0) out += ',';
        AppendJsonString(out, missing[i]);
    }
    out += "],";
    if (sheet) {
        AppendFields(out, *sheet, u"F4_");
    } else {
        out += "\"fields\":{}";
    }
    out += "}\n";
    return out;
}

QByteArray JsonError(const QString& file, const QString& error) {
    QByteArray out;
    AppendFile(out, file);
    out += ",\"error\":";
    AppendJsonString(out, error);
    out += "}\n";
    return out;
}

QByteArray TableSheet(const QString& file, const ResultSheet& s) {
    struct CornerCaption {
        Corner corner;
        const char16_t* clearance;
        const char16_t* movement;
    };
    static constexpr std::array<CornerCaption, 4> kCaptions{{
        {kFL, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（左）：引込", u"ﾀｲﾔ内側移動　 前輪（左）：内側"},
        {kFR, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（右）：引込", u"ﾀｲﾔ内側移動　 前輪（右）：内側"},
        {kRL, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（左）：引込", u"ﾀｲﾔ内側移動　 後輪（左）：内側"},
        {kRR, u"ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（右）：引込", u"ﾀｲﾔ内側移動　 後輪（右）：内側"},
    }};
    QByteArray out = Utf8(u"== " + file + u" ==\n");
    out += Utf8(u"◆ 変更前と変更後のホイールおよびタイヤの組み合わせ\n");
    out += Utf8(u"前輪 ： 変更前 " + s[Field::WTF_Kumiawase_Old_TXT].text + u" ≫ 変更後 " +
                s[Field::WTF_Kumiawase_New_TXT].text + u"\n");
    out += Utf8(u"後輪 ： 変更前 " + s[Field::WTR_Kumiawase_Old_TXT].text + u" ≫ 変更後 " +
                s[Field::WTR_Kumiawase_New_TXT].text + u"\n");
    for (const auto& [axle, caption] :
         {std::pair{kFrontAxle, u"タイヤ外径：前輪  "}, std::pair{kRearAxle, u"タイヤ外径：後輪  "}}) {
        out += Utf8(QString::fromUtf16(caption));
        out += Row(s, axle.before, axle.after, axle.judgement, axle.comment) + '\n';
    }
    for (const CornerCaption& c : kCaptions) {
        const CornerFields& f = FieldsOf(c.corner);
        out += Utf8(QString::fromUtf16(c.clearance) + u"  ");
        out += Row(s, f.before, f.after, f.judgement, f.comment) + '\n';
        out += Utf8(QString::fromUtf16(c.movement) + u"  元位置から内側に " + s[f.movement].text +
                    u" mm 移動します。\n");
    }
    out += Utf8(u"総合判定  " + s[Field::RESULT_TXT].text + u"\n");
    return out;
}

QByteArray TableIncomplete(const QString& file, const QStringList& missing) {
    return Utf8(u"== " + file + u" ==\n" + kIncompleteWarning +
                u"\n未入力: " + missing.join(u", ") + u"\n");
}

}  // namespace tarvelo::cli
