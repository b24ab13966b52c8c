#pragma once

#include <QLineEdit>

namespace tarvelo {

// A number box of the input form: centred bold text of at most 4 characters, typed as
// plain half-width characters with the input method off.
QLineEdit* MakeNumberBox(const QString& name, const QString& toolTip, QWidget* parent);

// Locks or unlocks a number box. A locked box keeps its colours and can take the focus but
// refuses typing. Changing the read-only state turns the input method back on, so it is
// switched off again.
void SetLocked(QLineEdit* box, bool locked);

// Puts the caret at the start of the box and selects its whole text.
void SelectText(QLineEdit* box);

}  // namespace tarvelo
