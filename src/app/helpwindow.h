#pragma once

#include <QString>

namespace tarvelo {

// The program's own help: HTML pages installed beside the program, shown in a window of
// their own that stays open while the user works on.

// The default page of the help: the folder "help" beside the program, or the program's
// installed data folder.
QString DefaultHelpFile();

// Opens a help window at the page (not modal, never waited for). A missing page is said
// in the window itself.
void OpenHelpWindow(const QString& helpFile);
// Closes every help window the program opened.
void CloseHelpWindows();
// How many help windows are open.
int OpenHelpWindowCount();

}  // namespace tarvelo
