#pragma once

#include <QString>

class QWidget;

namespace tarvelo {

// The input form's warnings and refusals: exclamation icon, one OK button and the
// program's title.
void ShowWarning(QWidget* parent, const QString& text);

}  // namespace tarvelo
