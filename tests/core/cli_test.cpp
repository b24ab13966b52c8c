#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "analysis/resultsheet.h"
#include "printers.h"

using namespace tarvelo;

namespace {

const QString kData = QStringLiteral(TARVELO_TEST_DATA "/");

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun Cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(TARVELO_CLI), args);
    EXPECT_TRUE(process.waitForFinished(20000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QList<QJsonObject> JsonLines(const QByteArray& out) {
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty()) continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        objects << doc.object();
    }
    return objects;
}

QJsonObject FieldOf(const QJsonObject& object, const char* name) {
    return object["fields"].toObject()[QLatin1StringView(name)].toObject();
}

}  // namespace

TEST(Cli, AnalyseJsonForValidIncompleteAndUnreadableFiles) {
    const CliRun run = Cli({"analyse", "--json", kData + "complete.ipw", kData + "example.ipw",
                            kData + "nothing-here.ipw"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("nothing-here.ipw")) << run.err.toStdString();
    const QList<QJsonObject> lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 3);

    const QJsonObject& valid = lines[0];
    EXPECT_EQ(valid["file"].toString(), kData + "complete.ipw");
    EXPECT_TRUE(valid["complete"].toBool());
    EXPECT_EQ(valid["missing"].toArray().size(), 0);
    EXPECT_EQ(valid["fields"].toObject().size(), kFieldCount);
    const QJsonObject judgement = FieldOf(valid, "F4_TD_FA_JG_TXT");
    EXPECT_EQ(judgement["text"].toString(), "OK");
    EXPECT_EQ(judgement["background"].toString(), "#91affa");
    EXPECT_EQ(judgement["foreground"].toString(), "#000000");
    const QJsonObject ng = FieldOf(valid, "F4_FC_RR_Hikikomi_JG_TXT");
    EXPECT_EQ(ng["text"].toString(), "NG");
    EXPECT_EQ(ng["background"].toString(), "#fa91af");
    EXPECT_EQ(ng["foreground"].toString(), "#fa0000");
    const QJsonObject comment = FieldOf(valid, "F4_FC_RR_Hikikomi_JGCOM_LBL");
    EXPECT_EQ(comment["foreground"].toString(), "#fa0000");
    EXPECT_FALSE(comment.contains("background"));
    const QJsonObject diameter = FieldOf(valid, "F4_TD_FA_Old_TXT");
    EXPECT_EQ(diameter["text"].toString(), "631.9");
    EXPECT_EQ(diameter.size(), 1);
    EXPECT_EQ(FieldOf(valid, "F4_UV7")["text"].toString(), "未解析");
    EXPECT_EQ(FieldOf(valid, "F4_RESULT_TXT")["text"].toString(), "N G");

    const QJsonObject& incomplete = lines[1];
    EXPECT_FALSE(incomplete["complete"].toBool());
    EXPECT_EQ(incomplete["missing"].toArray(),
              QJsonArray({"Combo26", "Combo27", "Combo4", "Combo29", "Combo30"}));

    EXPECT_TRUE(lines[2].contains("error"));
}

TEST(Cli, IncompleteTableShowsTheWarningAndExitsOne) {
    const CliRun run = Cli({"analyse", kData + "example.ipw"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("項目に未選択または未入力の項目があります。　　"));
    EXPECT_TRUE(run.out.contains("Combo26, Combo27, Combo4, Combo29, Combo30"));
}

TEST(Cli, RearSameFlagsStandForTheCheckBoxes) {
    const CliRun run = Cli({"analyse", "--json", "--rear-same-after", kData + "example.ipw"});
    const QList<QJsonObject> lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0]["missing"].toArray(), QJsonArray({"Combo29", "Combo30"}));
}

TEST(Cli, SavedResultViewsWithTheSameJudgements) {
    QTemporaryDir dir;
    const QString result = dir.filePath("car.rdw");
    const CliRun analysed =
        Cli({"analyse", "--json", "--save-result", result, kData + "complete.ipw"});
    ASSERT_EQ(analysed.exitCode, 0) << analysed.err.toStdString();
    const CliRun viewed = Cli({"view", "--json", result});
    ASSERT_EQ(viewed.exitCode, 0) << viewed.err.toStdString();
    const QJsonObject sheet = JsonLines(analysed.out).value(0);
    const QJsonObject view = JsonLines(viewed.out).value(0);
    EXPECT_FALSE(view.contains("complete"));
    for (Field f : kVerdictJudgements) {
        const QJsonObject a = sheet["fields"].toObject()[FieldName(f, u"F4_")].toObject();
        const QJsonObject v = view["fields"].toObject()[FieldName(f, u"F7_")].toObject();
        EXPECT_EQ(v["text"], a["text"]) << FieldName(f, u"").toStdString();
        EXPECT_EQ(v["background"], a["background"]) << FieldName(f, u"").toStdString();
    }
    EXPECT_EQ(FieldOf(view, "F7_RESULT_TXT")["text"].toString(), "N G");
    EXPECT_EQ(FieldOf(view, "F7_TD_RA_JGCOM_LBL")["text"].toString(),
              "推奨値の±3%以内です。（誤差：-0.6%）");
}

TEST(Cli, ViewJsonOfAShortFile) {
    const CliRun run = Cli({"view", "--json", kData + "short.rdw"});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject view = JsonLines(run.out).value(0);
    EXPECT_EQ(FieldOf(view, "F7_TD_RA_Old_TXT")["text"].toString(), "631.9");
    EXPECT_EQ(FieldOf(view, "F7_TD_RA_JG_TXT")["text"].toString(), "");
    EXPECT_EQ(FieldOf(view, "F7_TD_RA_JG_TXT")["background"].toString(), "#ffffff");
    EXPECT_EQ(FieldOf(view, "F7_RESULT_TXT")["text"].toString(), "N G");
}

TEST(Cli, UsageErrors) {
    EXPECT_EQ(Cli({}).exitCode, 2);
    EXPECT_EQ(Cli({"frobnicate", "x"}).exitCode, 2);
    EXPECT_EQ(Cli({"analyse", "--bogus", kData + "complete.ipw"}).exitCode, 2);
    EXPECT_EQ(Cli({"analyse", "--save-result", "x.rdw", kData + "complete.ipw",
                   kData + "example.ipw"})
                  .exitCode,
              2);
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("Usage:"));
    EXPECT_TRUE(help.out.contains("使い方:"));
}

TEST(Cli, UndecodableValuesAreReported) {
    QTemporaryDir dir;
    QFile file(dir.filePath("bad.rdw"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"\x81\"\r\n\"631.9\"\r\n");
    file.close();
    const CliRun run = Cli({"view", "--json", file.fileName()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("value 1")) << run.err.toStdString();
    EXPECT_EQ(FieldOf(JsonLines(run.out).value(0), "F7_WTF_Kumiawase_New_TXT")["text"].toString(),
              "631.9");
}
