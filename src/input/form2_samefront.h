#pragma once

#include <QColor>
#include <array>

#include "input/form2_frames.h"

class QWidget;

namespace tarvelo {

// The background of a rear wheel group while the rear wheel is the front wheel.
inline constexpr QColor kGreyedBackground(190, 190, 190);

// The four controls of a rear wheel that drop out while it is the front wheel, in the
// order they are disabled and coloured: direction, rim diameter, rim width, amount.
std::array<QWidget*, 4> SameAsFrontGroup(const WheelFrame& rear);

// Enables the group with the normal background of entry fields, or disables and greys it.
void SetGroupInUse(const WheelFrame& rear, bool inUse);

}  // namespace tarvelo
