#pragma once

#include <QString>
#include <optional>

#include "analysis/judgement.h"
#include "analysis/specvalues.h"

namespace tarvelo {

// Fender clearance after the change, from the clearance c measured before it.
float NewClearanceMm(double clearance, const SpecValues& before, const SpecValues& after);

// How far the inner sidewall moves towards the car's centre (positive inward).
float InwardMovementMm(double clearance, const SpecValues& before, const SpecValues& after);

// Judged on the value as computed, not on its one-decimal text.
Judgement JudgeClearance(double newClearance);

// "+8.0", "±0.0", "-0.5"; no text for a movement between 0 and 1 mm.
std::optional<QString> InwardMovementText(float movement);

// The comment of a clearance band 1 to 5 (index 0 unused).
const QString& ClearanceComment(int band);

}  // namespace tarvelo
