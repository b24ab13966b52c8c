#pragma once

#include <QString>

#include "analysis/judgement.h"
#include "analysis/specvalues.h"

namespace tarvelo {

// Tyre outer diameter in mm: both sidewalls plus the rim.
float OuterDiameterMm(const SpecValues& spec);

// Meter error of an axle in percent, rounded to one decimal: positive when the tyre after
// the change is larger.
float MeterErrorPct(float diameterBefore, float diameterAfter);

// The band of a meter error, with its comment ("推奨値の±3%以内です。（誤差：-1 %）").
Judgement JudgeMeterError(float error);

// The band 1 to 5 of an error, tested in order from band 1.
int MeterErrorBand(double error);
// The judgement text and background of a band.
const QString& MeterBandText(int band);
Rgb MeterBandBackground(int band);
// The opening text of a band's comment, up to "（誤差：".
const QString& MeterCommentOpening(int band);

}  // namespace tarvelo
