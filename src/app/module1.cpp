#include "app/module1.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "app/fixedwindow.h"
#include "app/form1.h"
#include "app/frmsplash.h"
#include "app/pictures.h"

namespace tarvelo {

void Module1_Main() {
    // Set once for the application, so every window and dialog carries it.
    QApplication::setWindowIcon(ProgramIcon());
    auto* splash = new frmSplash();
    ShowCentred(splash);
    splash->repaint();

    // The pause takes no input but lets the splash repaint, should the desktop ask.
    QEventLoop pause;
    QTimer::singleShot(kSplashMilliseconds, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);

    auto* topMenu = new Form1();
    delete splash;
    topMenu->ShowLoaded();
}

}  // namespace tarvelo
