#pragma once

#include <QString>

class QWidget;

namespace tarvelo {

// Keeps the eight number boxes of the input form to half-width digits and points, in two
// layers: a keystroke filter that refuses other characters before they reach a box, and a
// change check that empties a box whose text holds anything else, however it got there.
void GuardNumberBoxes(QWidget* form);

}  // namespace tarvelo
