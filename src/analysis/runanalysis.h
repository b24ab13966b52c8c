#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "analysis/inputset.h"
#include "analysis/resultsheet.h"
#include "analysis/specvalues.h"

namespace tarvelo {

// The warning the input form shows when entries are missing.
inline const QString kIncompleteWarning =
    QStringLiteral("項目に未選択または未入力の項目があります。　　");

// The input form's control of each entry, as the completeness check names them.
struct SpecControls {
    const char* rimDiameter;
    const char* rimWidth;
    const char* offsetDirection;
    const char* offsetAmount;
    const char* tyreWidth;
    const char* aspectRatio;
};
inline constexpr SpecControls kBeforeFrontControls{"Combo11", "Combo12", "Combo1",
                                                   "Text13",  "Combo14", "Combo15"};
inline constexpr SpecControls kBeforeRearControls{"Combo16", "Combo17", "Combo2",
                                                  "Text18",  "Combo19", "Combo20"};
inline constexpr SpecControls kAfterFrontControls{"Combo21", "Combo22", "Combo3",
                                                  "Text23",  "Combo24", "Combo25"};
inline constexpr SpecControls kAfterRearControls{"Combo26", "Combo27", "Combo4",
                                                 "Text28",  "Combo29", "Combo30"};
inline constexpr std::array<const char*, 4> kClearanceControls{
    "F2_FC_FL_Hikikomi_Old_TXT", "F2_FC_FR_Hikikomi_Old_TXT", "F2_FC_RL_Hikikomi_Old_TXT",
    "F2_FC_RR_Hikikomi_Old_TXT"};

// The entries that the set still needs, by control name, in the form's tab order.
QStringList MissingEntries(const InputSet& set);

// The numbers of a spec; the offset is negative exactly when "－" is selected.
SpecValues ReadSpec(const WheelTyreSpec& spec);

// "ﾎｲｰﾙ：7.5×17 +45  ﾀｲﾔ：215/45-17"
QString CombinationText(const SpecValues& spec);

// "O K" on blue when all six judgements read "OK", else "N G" on pink; the text colour
// is left as it is.
void SetVerdict(ResultSheet& sheet);

struct AnalysisRun {
    QStringList missing;                // empty when the set was complete
    std::optional<ResultSheet> sheet;   // present when the set was complete
};

// Analyses one input set into a fresh result sheet. Shows nothing: for an incomplete set
// it returns the missing entries and the caller shows kIncompleteWarning.
AnalysisRun RunAnalysis(const InputSet& set);

}  // namespace tarvelo
