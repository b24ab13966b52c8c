#pragma once

#include <QString>

namespace tarvelo {

// A colour as red, green and blue, 0 to 255 each. The core has no QColor (Qt Gui).
struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
    // Lowercase "#rrggbb".
    QString Hex() const { return QString::asprintf("#%02x%02x%02x", r, g, b); }
};

namespace colours {
// The judgement colours, shown in the legend as 全く問題なし, 問題なし(変更点留意),
// チェックが必要 and 再検討が必要.
inline constexpr Rgb Blue{145, 175, 250};
inline constexpr Rgb Green{155, 255, 155};
inline constexpr Rgb Yellow{250, 250, 145};
inline constexpr Rgb Pink{250, 145, 175};
// Text of a judgement in the alarm band.
inline constexpr Rgb AlarmRed{250, 0, 0};
// The viewer writes the rear axle's "NG" comments in this slightly different red.
inline constexpr Rgb ViewerRearRed{255, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
}  // namespace colours

}  // namespace tarvelo
