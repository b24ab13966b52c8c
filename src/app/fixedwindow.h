#pragma once

#include <QSize>

class QMainWindow;
class QWidget;

namespace tarvelo {

// A top-level window of the program: destroyed when closed, fixed border with a close box
// and no minimise or maximise button, fixed to the given client size.
void MakeFixedWindow(QWidget* window, QSize clientSize);
// The same for a window with a menu bar, whose bar sits above the given client area.
void MakeFixedMainWindow(QMainWindow* window, QSize clientSize);

// Centres the window on its screen and shows it, not modal.
void ShowCentred(QWidget* window);

}  // namespace tarvelo
