#include "app/fonts.h"

#include <QStringList>

namespace tarvelo {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(kUiFontFamily,
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("IPA Pゴシック")});
    QFont::insertSubstitutions(kDisplayFontFamily, {QStringLiteral("DejaVu Sans Condensed"),
                                                    QStringLiteral("Liberation Sans Narrow")});
}

QFont UiFont(double pointSize, bool bold) {
    QFont font(kUiFontFamily);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace tarvelo
