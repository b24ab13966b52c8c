#include "results/viewerjudgement.h"

#include <cmath>
#include <optional>

#include "analysis/clearance.h"
#include "analysis/metererror.h"
#include "analysis/numbers.h"
#include "analysis/runanalysis.h"

namespace tarvelo {

namespace {

std::optional<double> StoredNumber(const QString& text) {
    if (!IsDecimalNumberText(text)) return std::nullopt;
    const double value = LeadingNumber(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

void SetUnjudged(ResultSheet& sheet, Field judgement, Field comment) {
    sheet[judgement] = FieldValue{};
    sheet[comment].text.clear();
    sheet[comment].foreground = colours::Black;
}

void WorkOutMeterError(ResultSheet& sheet, const AxleFields& axle, bool rear) {
    const std::optional<double> before = StoredNumber(sheet[axle.before].text);
    const std::optional<double> after = StoredNumber(sheet[axle.after].text);
    if (!before || !after || *before == 0) {
        SetUnjudged(sheet, axle.judgement, axle.comment);
        return;
    }
    const QString errorText = FormatOneDecimal((*after / *before - 1) * 100);
    const int band = MeterErrorBand(LeadingNumber(errorText));
    const bool ng = band >= 4;
    FieldValue& judgement = sheet[axle.judgement];
    judgement.text = MeterBandText(band);
    judgement.foreground = ng ? colours::AlarmRed : colours::Black;
    judgement.background = MeterBandBackground(band);
    FieldValue& comment = sheet[axle.comment];
    comment.foreground = !ng ? colours::Black : rear ? colours::ViewerRearRed : colours::AlarmRed;
    const QString closing = rear && band == 5 ? QStringLiteral(" %）") : QStringLiteral("%）");
    comment.text = MeterCommentOpening(band) + errorText + closing;
}

void WorkOutClearance(ResultSheet& sheet, const CornerFields& corner) {
    const std::optional<double> clearance = StoredNumber(sheet[corner.after].text);
    if (!clearance) {
        SetUnjudged(sheet, corner.judgement, corner.comment);
        return;
    }
    const Judgement j = JudgeClearance(*clearance);
    const Rgb textColour = j.alarm ? colours::AlarmRed : colours::Black;
    sheet[corner.judgement] = FieldValue{j.text, j.background, textColour};
    sheet[corner.comment].text = j.comment;
    sheet[corner.comment].foreground = textColour;
}

}  // namespace

void WorkOutStoredResults(ResultSheet& sheet) {
    WorkOutMeterError(sheet, kFrontAxle, false);
    WorkOutMeterError(sheet, kRearAxle, true);
    for (Corner c : kCorners) WorkOutClearance(sheet, FieldsOf(c));
    SetVerdict(sheet);
}

}  // namespace tarvelo
