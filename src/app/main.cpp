#include <QApplication>

#include "app/fonts.h"
#include "app/module1.h"
#include "app/platform.h"
#include "app/qtplatform.h"
#include "app/translations.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelo 2005"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    // Matches the desktop entry, whose icon the desktop then shows for the program.
    QApplication::setDesktopFileName(QStringLiteral("tarvelo"));
    tarvelo::InstallFontSubstitutions();
    tarvelo::InstallJapaneseQtTranslations(app);

    tarvelo::QtPlatform platform;
    tarvelo::SetCurrentPlatform(&platform);

    tarvelo::Module1_Main();
    return QApplication::exec();
}
