#include "app/navigation.h"

#include <QApplication>
#include <QWidget>

#include "app/fixedwindow.h"
#include "app/form1.h"
#include "app/platform.h"
#include "input/form2.h"
#include "results/form7.h"

namespace tarvelo {

void ShowTopMenu() {
    (new Form1())->ShowLoaded();
}

void ShowInputMode() {
    ShowCentred(new Form2());
}

void ShowViewer() {
    ShowCentred(new Form7());
}

bool ConfirmMove(QWidget* parent, const QString& text, const QString& title) {
    Platform::Message message;
    message.icon = Platform::Icon::Exclamation;
    message.buttons = Platform::Buttons::OkCancel;
    message.defaultButton = Platform::Answer::Cancel;
    message.title = title;
    message.text = text;
    return CurrentPlatform().ShowMessage(parent, message) == Platform::Answer::Ok;
}

// Closing destroys the window once control is back in the event loop, so a move started
// from one of the window's own handlers finishes safely. A window shown right after the
// close keeps the program from ending.
void GoToTopMenu(QWidget* window) {
    CurrentPlatform().CloseAllHelp();
    window->close();
    ShowTopMenu();
}

void GoToInputMode(QWidget* window) {
    CurrentPlatform().CloseAllHelp();
    window->close();
    ShowInputMode();
}

void QuitProgram(QWidget*) {
    CurrentPlatform().CloseAllHelp();
    UnloadAllWindows();
}

void UnloadAllWindows() {
    QApplication::closeAllWindows();
}

}  // namespace tarvelo
