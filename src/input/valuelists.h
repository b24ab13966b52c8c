#pragma once

#include <QString>
#include <QStringList>

namespace tarvelo {

// The items of the input form's lists, in display order; all four specs use the same.
const QStringList& RimDiameterItems();     // 10 to 20 inch, no 11
const QStringList& RimWidthItems();        // 3 to 11.5 inch in steps of 0.5
const QStringList& TyreWidthItems();       // 135 to 295 mm in steps of 10
const QStringList& AspectRatioItems();     // 30 to 80 % in steps of 5
const QStringList& OffsetDirectionItems(); // "＋", "－", "±"

// A number box holds at most this many characters; a longer text is cut.
inline constexpr int kNumberBoxMaxLength = 4;

}  // namespace tarvelo
