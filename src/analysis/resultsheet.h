#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "analysis/colours.h"
#include "analysis/inputset.h"

namespace tarvelo {

// The fields of a result sheet, named as on the sheet without its prefix ("F4_" on the
// result sheet, "F7_" in the viewer), in the order the sheet lists them.
#define TARVELO_SHEET_FIELDS(X)                                                        \
    X(WTF_Kumiawase_Old_TXT) X(WTF_Kumiawase_New_TXT) X(WTR_Kumiawase_Old_TXT)         \
    X(WTR_Kumiawase_New_TXT)                                                           \
    X(TD_FA_Old_TXT) X(TD_FA_New_TXT) X(TD_FA_JG_TXT) X(TD_FA_JGCOM_LBL)               \
    X(TD_RA_Old_TXT) X(TD_RA_New_TXT) X(TD_RA_JG_TXT) X(TD_RA_JGCOM_LBL)               \
    X(FC_FL_Hikikomi_Old_TXT) X(FC_FL_Hikikomi_New_TXT) X(FC_FL_Hikikomi_JG_TXT)       \
    X(FC_FL_Hikikomi_JGCOM_LBL) X(FC_FL_ZOUKA_New_TXT)                                 \
    X(UV1) X(UV2) X(UV3) X(UV4)                                                        \
    X(FC_FR_Hikikomi_Old_TXT) X(FC_FR_Hikikomi_New_TXT) X(FC_FR_Hikikomi_JG_TXT)       \
    X(FC_FR_Hikikomi_JGCOM_LBL) X(FC_FR_ZOUKA_New_TXT)                                 \
    X(UV5) X(UV6) X(UV7) X(UV8)                                                        \
    X(FC_RL_Hikikomi_Old_TXT) X(FC_RL_Hikikomi_New_TXT) X(FC_RL_Hikikomi_JG_TXT)       \
    X(FC_RL_Hikikomi_JGCOM_LBL) X(FC_RL_ZOUKA_New_TXT)                                 \
    X(UV9) X(UV10) X(UV11) X(UV12)                                                     \
    X(FC_RR_Hikikomi_Old_TXT) X(FC_RR_Hikikomi_New_TXT) X(FC_RR_Hikikomi_JG_TXT)       \
    X(FC_RR_Hikikomi_JGCOM_LBL) X(FC_RR_ZOUKA_New_TXT)                                 \
    X(UV13) X(UV14) X(UV15) X(UV16)                                                    \
    X(RESULT_TXT)

enum class Field : int {
#define TARVELO_ENUM_ENTRY(name) name,
    TARVELO_SHEET_FIELDS(TARVELO_ENUM_ENTRY)
#undef TARVELO_ENUM_ENTRY
};

inline constexpr int kFieldCount = static_cast<int>(Field::RESULT_TXT) + 1;

// What a field is: a plain text, a judgement or the verdict (text, background and text
// colour), or a comment line (text and text colour).
enum class FieldKind { Text, Judgement, Comment, Verdict };

FieldKind KindOf(Field field);
// The field's name on a sheet with the given prefix: FieldName(Field::TD_FA_JG_TXT, u"F4_")
// is "F4_TD_FA_JG_TXT".
QString FieldName(Field field, QStringView prefix);
std::optional<Field> FieldFromName(QStringView name, QStringView prefix);
const std::array<Field, kFieldCount>& AllFields();

struct AxleFields {
    Field before;
    Field after;
    Field judgement;
    Field comment;
};
inline constexpr AxleFields kFrontAxle{Field::TD_FA_Old_TXT, Field::TD_FA_New_TXT,
                                       Field::TD_FA_JG_TXT, Field::TD_FA_JGCOM_LBL};
inline constexpr AxleFields kRearAxle{Field::TD_RA_Old_TXT, Field::TD_RA_New_TXT,
                                      Field::TD_RA_JG_TXT, Field::TD_RA_JGCOM_LBL};

struct CornerFields {
    Field before;
    Field after;
    Field judgement;
    Field comment;
    Field movement;
    std::array<Field, 4> placeholders;
};
const CornerFields& FieldsOf(Corner corner);

// The six judgements that decide the overall verdict, in the order they are read.
inline constexpr std::array<Field, 6> kVerdictJudgements{
    Field::TD_FA_JG_TXT,          Field::TD_RA_JG_TXT,          Field::FC_FL_Hikikomi_JG_TXT,
    Field::FC_FR_Hikikomi_JG_TXT, Field::FC_RL_Hikikomi_JG_TXT, Field::FC_RR_Hikikomi_JG_TXT};

// The text of the sixteen hidden placeholders on a fresh sheet.
inline const QString kNotAnalysedText = QStringLiteral("未解析");

struct FieldValue {
    QString text;
    Rgb background = colours::White;
    Rgb foreground = colours::Black;
    friend bool operator==(const FieldValue&, const FieldValue&) = default;
};

// The results of one analysis as named fields.
class ResultSheet {
public:
    // A fresh result sheet: every text empty but the placeholders ("未解析"), white
    // backgrounds, black texts.
    static ResultSheet Fresh();
    // The viewer's fields at start: everything empty, placeholders included.
    static ResultSheet Blank();

    FieldValue& operator[](Field field) { return values_[static_cast<size_t>(field)]; }
    const FieldValue& operator[](Field field) const {
        return values_[static_cast<size_t>(field)];
    }
    friend bool operator==(const ResultSheet&, const ResultSheet&) = default;

private:
    std::array<FieldValue, kFieldCount> values_{};
};

}  // namespace tarvelo
