#include "analysis/resultsheet.h"

namespace tarvelo {

namespace {

constexpr std::array<const char*, kFieldCount> kNames{
#define TARVELO_NAME_ENTRY(name) #name,
    TARVELO_SHEET_FIELDS(TARVELO_NAME_ENTRY)
#undef TARVELO_NAME_ENTRY
};

constexpr std::array<CornerFields, 4> kCornerFields{{
    {Field::FC_FL_Hikikomi_Old_TXT, Field::FC_FL_Hikikomi_New_TXT, Field::FC_FL_Hikikomi_JG_TXT,
     Field::FC_FL_Hikikomi_JGCOM_LBL, Field::FC_FL_ZOUKA_New_TXT,
     {Field::UV1, Field::UV2, Field::UV3, Field::UV4}},
    {Field::FC_FR_Hikikomi_Old_TXT, Field::FC_FR_Hikikomi_New_TXT, Field::FC_FR_Hikikomi_JG_TXT,
     Field::FC_FR_Hikikomi_JGCOM_LBL, Field::FC_FR_ZOUKA_New_TXT,
     {Field::UV5, Field::UV6, Field::UV7, Field::UV8}},
    {Field::FC_RL_Hikikomi_Old_TXT, Field::FC_RL_Hikikomi_New_TXT, Field::FC_RL_Hikikomi_JG_TXT,
     Field::FC_RL_Hikikomi_JGCOM_LBL, Field::FC_RL_ZOUKA_New_TXT,
     {Field::UV9, Field::UV10, Field::UV11, Field::UV12}},
    {Field::FC_RR_Hikikomi_Old_TXT, Field::FC_RR_Hikikomi_New_TXT, Field::FC_RR_Hikikomi_JG_TXT,
     Field::FC_RR_Hikikomi_JGCOM_LBL, Field::FC_RR_ZOUKA_New_TXT,
     {Field::UV13, Field::UV14, Field::UV15, Field::UV16}},
}};

constexpr std::array<Field, kFieldCount> MakeAllFields() {
    std::array<Field, kFieldCount> fields{};
    for (int i = 0; i < kFieldCount; ++i) fields[static_cast<size_t>(i)] = static_cast<Field>(i);
    return fields;
}
constexpr std::array<Field, kFieldCount> kAllFields = MakeAllFields();

bool IsPlaceholder(Field field) {
    const QLatin1StringView name(kNames[static_cast<size_t>(field)]);
    return name.startsWith(QLatin1StringView("UV"));
}

}  // namespace

FieldKind KindOf(Field field) {
    if (field == Field::RESULT_TXT) return FieldKind::Verdict;
    const QLatin1StringView name(kNames[static_cast<size_t>(field)]);
    if (name.endsWith(QLatin1StringView("_JG_TXT"))) return FieldKind::Judgement;
    if (name.endsWith(QLatin1StringView("_JGCOM_LBL"))) return FieldKind::Comment;
    return FieldKind::Text;
}

QString FieldName(Field field, QStringView prefix) {
    return prefix.toString() + QLatin1StringView(kNames[static_cast<size_t>(field)]);
}

std::optional<Field> FieldFromName(QStringView name, QStringView prefix) {
    if (!name.startsWith(prefix)) return std::nullopt;
    const QStringView rest = name.mid(prefix.size());
    for (Field field : kAllFields) {
        if (rest == QLatin1StringView(kNames[static_cast<size_t>(field)])) return field;
    }
    return std::nullopt;
}

const std::array<Field, kFieldCount>& AllFields() { return kAllFields; }

const CornerFields& FieldsOf(Corner corner) { return kCornerFields[static_cast<size_t>(corner)]; }

ResultSheet ResultSheet::Fresh() {
    static const ResultSheet fresh = [] {
        ResultSheet sheet;
        for (Field field : kAllFields) {
            if (IsPlaceholder(field)) sheet[field].text = kNotAnalysedText;
        }
        return sheet;
    }();
    return fresh;
}

ResultSheet ResultSheet::Blank() { return ResultSheet(); }

}  // namespace tarvelo
