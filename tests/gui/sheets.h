#pragma once

#include "analysis/runanalysis.h"

namespace tarvelo::testing {

// The engine's sheet for 205/55-16 ＋45 before and 215/45-17 －12 after on both axles, with
// clearances 10, 10, 7 and 5.
inline ResultSheet ExampleSheet() {
    InputSet set;
    set.beforeFront = {QStringLiteral("16"), QStringLiteral("6.5"), kOffsetPlus,
                       QStringLiteral("45"), QStringLiteral("205"), QStringLiteral("55")};
    set.beforeRear = set.beforeFront;
    set.afterFront = {QStringLiteral("17"), QStringLiteral("7.5"), kOffsetMinus,
                      QStringLiteral("12"), QStringLiteral("215"), QStringLiteral("45")};
    set.afterRear = set.afterFront;
    set.clearanceMm = {QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("7"),
                       QStringLiteral("5")};
    return *RunAnalysis(set).sheet;
}

}  // namespace tarvelo::testing
