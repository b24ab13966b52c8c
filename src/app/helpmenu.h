#pragma once

#include "app/frmabout.h"

class QWidget;

namespace tarvelo {

// Wires the help menu of a mode window (made by AddHelpMenu): the help pages (F1), the two
// notices and the version dialog of the given edition.
void ConnectHelpMenu(QWidget* window, frmAbout::Edition edition);

// The help operations of a mode window.
void OpenHelpFile(QWidget* window);
void CloseHelpViewer(QWidget* window);

}  // namespace tarvelo
