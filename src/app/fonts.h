#pragma once

#include <QFont>
#include <QString>

namespace tarvelo {

// The windows name the fonts they were designed with; these map them to fonts that a
// Linux desktop has: "MS UI Gothic" to IPA P Gothic, Haettenschweiler to a condensed bold.
void InstallFontSubstitutions();

inline const QString kUiFontFamily = QStringLiteral("MS UI Gothic");
inline const QString kDisplayFontFamily = QStringLiteral("Haettenschweiler");

// The design's UI font at the given size in points.
QFont UiFont(double pointSize, bool bold = false);

}  // namespace tarvelo
