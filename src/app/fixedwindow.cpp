#include "app/fixedwindow.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

namespace tarvelo {

void MakeFixedWindow(QWidget* window, QSize clientSize) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(clientSize);
}

void MakeFixedMainWindow(QMainWindow* window, QSize clientSize) {
    const int barHeight = window->menuBar()->sizeHint().height();
    MakeFixedWindow(window, QSize(clientSize.width(), clientSize.height() + barHeight));
}

void ShowCentred(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
}

}  // namespace tarvelo
