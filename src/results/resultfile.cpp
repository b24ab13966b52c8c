#include "results/resultfile.h"

#include "common/datafile.h"

namespace tarvelo {

namespace {

constexpr std::array<Field, kResultFileValues> kFileOrder{
    Field::WTF_Kumiawase_Old_TXT,  Field::WTF_Kumiawase_New_TXT,  Field::WTR_Kumiawase_Old_TXT,
    Field::WTR_Kumiawase_New_TXT,  Field::TD_FA_Old_TXT,          Field::TD_FA_New_TXT,
    Field::TD_RA_Old_TXT,          Field::TD_RA_New_TXT,          Field::FC_FL_Hikikomi_Old_TXT,
    Field::FC_FL_Hikikomi_New_TXT, Field::UV1,                    Field::UV2,
    Field::UV3,                    Field::UV4,                    Field::FC_FR_Hikikomi_Old_TXT,
    Field::FC_FR_Hikikomi_New_TXT, Field::UV5,                    Field::UV6,
    Field::UV7,                    Field::UV8,                    Field::FC_RL_Hikikomi_Old_TXT,
    Field::FC_RL_Hikikomi_New_TXT, Field::UV9,                    Field::UV10,
    Field::UV11,                   Field::UV12,                   Field::FC_RR_Hikikomi_Old_TXT,
    Field::FC_RR_Hikikomi_New_TXT, Field::UV13,                   Field::UV14,
    Field::UV15,                   Field::UV16,                   Field::FC_FL_ZOUKA_New_TXT,
    Field::FC_FR_ZOUKA_New_TXT,    Field::FC_RL_ZOUKA_New_TXT,    Field::FC_RR_ZOUKA_New_TXT,
};

}  // namespace

const std::array<Field, kResultFileValues>& ResultFileFields() { return kFileOrder; }

ResultFileBytes ResultFileBytesOf(const ResultSheet& sheet, QStringView prefix) {
    ResultFileBytes out;
    for (Field field : kFileOrder) {
        QString text = sheet[field].text;
        text.replace(u'"', u'＂');
        const std::optional<QByteArray> bytes = EncodeCp932(text);
        if (!bytes) {
            out.bytes.clear();
            out.error = QStringLiteral("「%1」にファイルに保存できない文字が含まれています。")
                            .arg(FieldName(field, prefix));
            return out;
        }
        out.bytes += '"' + *bytes + "\"\r\n";
    }
    return out;
}

QString SaveResultFile(const QString& path, const ResultSheet& sheet) {
    const ResultFileBytes file = ResultFileBytesOf(sheet);
    if (!file.error.isEmpty()) return file.error;
    return SaveDataFile(path, file.bytes);
}

ResultFileContent ParseResultFile(QByteArrayView bytes) {
    ResultFileContent content;
    const QList<FileValue> values = SplitValues(bytes, kResultFileValues);
    content.valueCount = static_cast<int>(values.size());
    for (int i = 0; i < content.valueCount; ++i) {
        content.texts[static_cast<size_t>(i)] = values[i].text;
        if (!values[i].decoded) content.undecodableValues << i + 1;
    }
    return content;
}

ResultFileRead ReadResultFile(const QString& path) {
    ResultFileRead read;
    const FileBytes file = ReadDataFile(path);
    read.error = file.error;
    if (read.error.isEmpty()) read.content = ParseResultFile(file.bytes);
    return read;
}

void PutIntoSheet(const ResultFileContent& content, ResultSheet& sheet) {
    for (size_t i = 0; i < kFileOrder.size(); ++i) sheet[kFileOrder[i]].text = content.texts[i];
}

}  // namespace tarvelo
