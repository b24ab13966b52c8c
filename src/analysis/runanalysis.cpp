#include "analysis/runanalysis.h"

#include <array>

#include "analysis/clearance.h"
#include "analysis/metererror.h"
#include "analysis/numbers.h"

namespace tarvelo {

namespace {

void NeedSpec(const WheelTyreSpec& spec, const SpecControls& names, bool wheelFromFront,
              QStringList& missing) {
    auto need = [&missing](bool empty, const char* name) {
        if (empty) missing << QLatin1StringView(name);
    };
    if (!wheelFromFront) {
        need(spec.rimDiameterInch.isEmpty(), names.rimDiameter);
        need(spec.rimWidthInch.isEmpty(), names.rimWidth);
        need(spec.offsetDirection == kNoDirection, names.offsetDirection);
        need(spec.offsetMm.isEmpty(), names.offsetAmount);
    }
    need(spec.tyreWidthMm.isEmpty(), names.tyreWidth);
    need(spec.aspectRatioPct.isEmpty(), names.aspectRatio);
}

float Number(const QString& text) { return static_cast<float>(LeadingNumber(text)); }

// The rear spec of a state; with its flag set the wheel comes from the front spec.
SpecValues ReadRear(const WheelTyreSpec& rear, const WheelTyreSpec& front, bool sameAsFront) {
    SpecValues values = ReadSpec(rear);
    if (sameAsFront) {
        const SpecValues wheel = ReadSpec(front);
        values.rimDiameterInch = wheel.rimDiameterInch;
        values.rimWidthInch = wheel.rimWidthInch;
        values.offsetMm = wheel.offsetMm;
    }
    return values;
}

void WriteMeterJudgement(ResultSheet& sheet, const AxleFields& axle, float error) {
    const Judgement j = JudgeMeterError(error);
    sheet[axle.judgement].text = j.text;
    if (j.alarm) {
        sheet[axle.judgement].foreground = colours::AlarmRed;
        sheet[axle.comment].foreground = colours::AlarmRed;
    }
    sheet[axle.judgement].background = j.background;
    sheet[axle.comment].text = j.comment;
}

void WriteClearanceJudgement(ResultSheet& sheet, const CornerFields& corner, float n) {
    const Judgement j = JudgeClearance(n);
    sheet[corner.judgement].text = j.text;
    if (j.alarm) sheet[corner.judgement].foreground = colours::AlarmRed;
    sheet[corner.judgement].background = j.background;
    sheet[corner.comment].text = j.comment;
    if (j.alarm) sheet[corner.comment].foreground = colours::AlarmRed;
}

}  // namespace

QStringList MissingEntries(const InputSet& set) {
    QStringList missing;
    NeedSpec(set.beforeFront, kBeforeFrontControls, false, missing);
    // The tab order puts the front clearances after the front spec of the state before.
    auto needClearance = [&](Corner corner) {
        if (set.clearanceMm[corner].isEmpty())
            missing << QLatin1StringView(kClearanceControls[corner]);
    };
    needClearance(kFL);
    needClearance(kFR);
    NeedSpec(set.beforeRear, kBeforeRearControls, set.rearSameAsFrontBefore, missing);
    needClearance(kRL);
    needClearance(kRR);
    NeedSpec(set.afterFront, kAfterFrontControls, false, missing);
    NeedSpec(set.afterRear, kAfterRearControls, set.rearSameAsFrontAfter, missing);
    return missing;
}

SpecValues ReadSpec(const WheelTyreSpec& spec) {
    SpecValues v;
    v.rimDiameterInch = Number(spec.rimDiameterInch);
    v.rimWidthInch = Number(spec.rimWidthInch);
    v.tyreWidthMm = Number(spec.tyreWidthMm);
    v.aspectRatioPct = Number(spec.aspectRatioPct);
    v.offsetMm = Number(spec.offsetMm);
    if (spec.offsetDirection == kOffsetMinus) v.offsetMm = -v.offsetMm;
    return v;
}

QString CombinationText(const SpecValues& spec) {
    QString sign;
    if (spec.offsetMm > 0) {
        sign = QStringLiteral("+");
    } else if (spec.offsetMm == 0) {
        sign = QStringLiteral("±");
    }
    const QString rim = ShortNumberText(spec.rimDiameterInch);
    return QStringLiteral("ﾎｲｰﾙ：") + ShortNumberText(spec.rimWidthInch) + QStringLiteral("×") +
           rim + QStringLiteral(" ") + sign + ShortNumberText(spec.offsetMm) +
           QStringLiteral("  ﾀｲﾔ：") + ShortNumberText(spec.tyreWidthMm) + QStringLiteral("/") +
           ShortNumberText(spec.aspectRatioPct) + QStringLiteral("-") + rim;
}

void SetVerdict(ResultSheet& sheet) {
    bool allOk = true;
    for (Field f : kVerdictJudgements) allOk = allOk && sheet[f].text == kOkText;
    FieldValue& verdict = sheet[Field::RESULT_TXT];
    verdict.text = allOk ? QStringLiteral("O K") : QStringLiteral("N G");
    verdict.background = allOk ? colours::Blue : colours::Pink;
}

AnalysisRun RunAnalysis(const InputSet& set) {
    AnalysisRun run;
    run.missing = MissingEntries(set);
    if (!run.missing.isEmpty()) return run;

    const SpecValues beforeFront = ReadSpec(set.beforeFront);
    const SpecValues beforeRear =
        ReadRear(set.beforeRear, set.beforeFront, set.rearSameAsFrontBefore);
    const SpecValues afterFront = ReadSpec(set.afterFront);
    const SpecValues afterRear = ReadRear(set.afterRear, set.afterFront, set.rearSameAsFrontAfter);
    std::array<double, 4> clearance{};
    for (Corner c : kCorners) clearance[c] = LeadingNumber(set.clearanceMm[c]);
    auto before = [&](Corner c) -> const SpecValues& {
        return c <= kFR ? beforeFront : beforeRear;
    };
    auto after = [&](Corner c) -> const SpecValues& { return c <= kFR ? afterFront : afterRear; };

    ResultSheet sheet = ResultSheet::Fresh();
    const float dBeforeFront = OuterDiameterMm(beforeFront);
    sheet[Field::TD_FA_Old_TXT].text = FormatOneDecimal(dBeforeFront);
    const float dBeforeRear = OuterDiameterMm(beforeRear);
    sheet[Field::TD_RA_Old_TXT].text = FormatOneDecimal(dBeforeRear);

    for (Corner c : kCorners) sheet[FieldsOf(c).before].text = FormatOneDecimal(clearance[c]);

    const float dAfterFront = OuterDiameterMm(afterFront);
    sheet[Field::TD_FA_New_TXT].text = FormatOneDecimal(dAfterFront);
    const float dAfterRear = OuterDiameterMm(afterRear);
    sheet[Field::TD_RA_New_TXT].text = FormatOneDecimal(dAfterRear);

    std::array<float, 4> newClearance{};
    for (Corner c : kCorners) {
        newClearance[c] = NewClearanceMm(clearance[c], before(c), after(c));
        sheet[FieldsOf(c).after].text = FormatOneDecimal(newClearance[c]);
    }
    for (Corner c : kCorners) {
        const float z = InwardMovementMm(clearance[c], before(c), after(c));
        if (const auto text = InwardMovementText(z)) sheet[FieldsOf(c).movement].text = *text;
    }

    WriteMeterJudgement(sheet, kFrontAxle, MeterErrorPct(dBeforeFront, dAfterFront));
    WriteMeterJudgement(sheet, kRearAxle, MeterErrorPct(dBeforeRear, dAfterRear));

    for (Corner c : kCorners) WriteClearanceJudgement(sheet, FieldsOf(c), newClearance[c]);

    sheet[Field::WTF_Kumiawase_Old_TXT].text = CombinationText(beforeFront);
    sheet[Field::WTF_Kumiawase_New_TXT].text = CombinationText(afterFront);
    sheet[Field::WTR_Kumiawase_Old_TXT].text = CombinationText(beforeRear);
    sheet[Field::WTR_Kumiawase_New_TXT].text = CombinationText(afterRear);

    SetVerdict(sheet);
    run.sheet = std::move(sheet);
    return run;
}

}  // namespace tarvelo
