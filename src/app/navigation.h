#pragma once

#include <QString>

class QWidget;

namespace tarvelo {

// The moves between the program's windows. Every move creates the window it goes to
// afresh and destroys the one it leaves; the program ends when its last window closes.

void ShowTopMenu();
void ShowInputMode();
// Opens the result viewer, empty.
void ShowViewer();

// Asks with the warning icon, OK and Cancel, Cancel preselected; true only for OK.
bool ConfirmMove(QWidget* parent, const QString& text, const QString& title);

void GoToTopMenu(QWidget* window);
void GoToInputMode(QWidget* window);
void QuitProgram(QWidget* window);

// Closes every window of the program, which then ends.
void UnloadAllWindows();

// The question of "終了(&X)" on every mode window, and the title of the program's boxes.
inline const QString kQuitQuestion =
    QStringLiteral("全てのプログラムを終了しようとしています。 全終了しますか？　　");
inline const QString kProgramTitle = QStringLiteral("Tarvelo 2005");

}  // namespace tarvelo
