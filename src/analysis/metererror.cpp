#include "analysis/metererror.h"

#include <array>

#include "analysis/numbers.h"

namespace tarvelo {

namespace {

const std::array<QString, 6> kOpenings{
    QString(),
    QStringLiteral("変更前と同サイズです。（誤差："),
    QStringLiteral("推奨値の±3%以内です。（誤差："),
    QStringLiteral("可能ならば±3%以内を推奨。（誤差："),
    QStringLiteral("車検範囲内も推奨できません。（誤差："),
    QStringLiteral("誤差大につき、要再検討。（誤差："),
};

const std::array<Rgb, 6> kBackgrounds{colours::White, colours::Blue,   colours::Blue,
                                       colours::Green, colours::Yellow, colours::Pink};

}  // namespace

int MeterErrorBand(double e) {
    if (e == 0) return 1;
    if ((e > 0 && e <= 3) || (e >= -3 && e < 0)) return 2;
    if ((e > 3 && e <= 5) || (e >= -5 && e < -3)) return 3;
    if ((e > 5 && e <= 15) || (e >= -10 && e < -5)) return 4;
    return 5;
}

const QString& MeterBandText(int band) { return band <= 3 ? kOkText : kNgText; }
Rgb MeterBandBackground(int band) { return kBackgrounds[static_cast<size_t>(band)]; }

float OuterDiameterMm(const SpecValues& spec) {
    double sidewalls = static_cast<double>(spec.tyreWidthMm) *
                       static_cast<double>(spec.aspectRatioPct) / 100.0 * 2.0;
    return static_cast<float>(sidewalls + static_cast<double>(spec.rimDiameterInch) * 25.4);
}

float MeterErrorPct(float diameterBefore, float diameterAfter) {
    const float e0 = static_cast<float>(
        (static_cast<double>(diameterAfter) / static_cast<double>(diameterBefore) - 1.0) * 100.0);
    return static_cast<float>(LeadingNumber(FormatOneDecimal(e0)));
}

const QString& MeterCommentOpening(int band) { return kOpenings[static_cast<size_t>(band)]; }

Judgement JudgeMeterError(float error) {
    Judgement j;
    j.band = MeterErrorBand(static_cast<double>(error));
    j.text = MeterBandText(j.band);
    j.background = MeterBandBackground(j.band);
    j.alarm = j.band == 5;
    j.comment = kOpenings[static_cast<size_t>(j.band)] + ShortNumberText(error) +
                QStringLiteral(" %）");
    return j;
}

}  // namespace tarvelo
