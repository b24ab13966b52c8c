#pragma once

#include <QString>

#include "analysis/colours.h"

namespace tarvelo {

// One judgement of a meter error or of a new fender clearance.
struct Judgement {
    int band = 0;       // 1 (best) to 5
    QString text;       // "OK" or "NG"
    Rgb background;     // one of the judgement colours
    bool alarm = false; // judgement text and comment in red
    QString comment;
    friend bool operator==(const Judgement&, const Judgement&) = default;
};

inline const QString kOkText = QStringLiteral("OK");
inline const QString kNgText = QStringLiteral("NG");

}  // namespace tarvelo
