#include "analysis/clearance.h"

#include <array>

#include "analysis/numbers.h"

namespace tarvelo {

namespace {

const std::array<QString, 6> kComments{
    QString(),
    QStringLiteral("車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）"),
    QStringLiteral("車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕小）"),
    QStringLiteral("注意！計測誤差等によってはﾀｲﾔが車体外側の可能性も有。"),
    QStringLiteral("注意！ほぼﾂﾗｲﾁ状態ですが、ﾀｲﾔが車体外側の可能性も有。"),
    QStringLiteral("タイヤが車体外側となっており、道交法違反の対象になります。"),
};

int ClearanceBand(double n) {
    if (n >= 15) return 1;
    if (n >= 10) return 2;
    if (n >= 5) return 3;
    if (n >= 0) return 4;
    return 5;
}

double D(float v) { return static_cast<double>(v); }

}  // namespace

float NewClearanceMm(double c, const SpecValues& before, const SpecValues& after) {
    double n = c + D(before.tyreWidthMm) / 2;
    n = n - D(before.offsetMm);
    n = n + D(after.offsetMm);
    n = n - D(after.tyreWidthMm) / 2;
    return static_cast<float>(n);
}

float InwardMovementMm(double c, const SpecValues& before, const SpecValues& after) {
    double a = c + D(before.tyreWidthMm) / 2;
    a = a - D(before.offsetMm);
    a = a + D(after.offsetMm);
    a = a + D(after.tyreWidthMm) / 2;
    const double b = c + D(before.tyreWidthMm);
    return static_cast<float>(a - b);
}

const QString& ClearanceComment(int band) { return kComments[static_cast<size_t>(band)]; }

Judgement JudgeClearance(double newClearance) {
    static const std::array<Rgb, 6> kBackgrounds{colours::White,  colours::Blue,
                                                 colours::Green,  colours::Yellow,
                                                 colours::Yellow, colours::Pink};
    Judgement j;
    j.band = ClearanceBand(newClearance);
    j.text = j.band <= 4 ? kOkText : kNgText;
    j.background = kBackgrounds[static_cast<size_t>(j.band)];
    j.alarm = j.band == 5;
    j.comment = kComments[static_cast<size_t>(j.band)];
    return j;
}

std::optional<QString> InwardMovementText(float z) {
    if (z >= 1) return QStringLiteral("+") + FormatOneDecimal(z);
    if (z == 0) return QStringLiteral("±") + FormatOneDecimal(z);
    if (z < 0) return FormatOneDecimal(z);
    return std::nullopt;
}

}  // namespace tarvelo
