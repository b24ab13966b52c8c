#pragma once

#include <QString>
#include <array>

namespace tarvelo {

// Index of the selected item of an offset direction list ("＋", "－", "±"), or none.
enum OffsetDirection : int {
    kNoDirection = -1,
    kOffsetPlus = 0,
    kOffsetMinus = 1,
    kOffsetZero = 2,
};

// One axle's wheel and tyre in one state, as the input form holds it: each list as the
// text of its selected item (empty when nothing is selected), the offset amount as the
// text of its box.
struct WheelTyreSpec {
    QString rimDiameterInch;
    QString rimWidthInch;
    int offsetDirection = kNoDirection;
    QString offsetMm;
    QString tyreWidthMm;
    QString aspectRatioPct;
    friend bool operator==(const WheelTyreSpec&, const WheelTyreSpec&) = default;
};

enum Corner : int { kFL = 0, kFR = 1, kRL = 2, kRR = 3 };
inline constexpr std::array<Corner, 4> kCorners{kFL, kFR, kRL, kRR};

// Every entry of input mode.
struct InputSet {
    WheelTyreSpec beforeFront;
    WheelTyreSpec beforeRear;
    WheelTyreSpec afterFront;
    WheelTyreSpec afterRear;
    // While set, the rear wheel (rim diameter, rim width, offset) of that state is the
    // front wheel and the rear wheel's own entries are not used; the rear tyre still is.
    bool rearSameAsFrontBefore = false;
    bool rearSameAsFrontAfter = false;
    // Fender clearance measured before the change, by Corner, as number texts.
    std::array<QString, 4> clearanceMm;
    friend bool operator==(const InputSet&, const InputSet&) = default;
};

}  // namespace tarvelo
