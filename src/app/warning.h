#pragma once

#include <QString>

#include "app/navigation.h"

class QWidget;

namespace tarvelo {

// A warning or refusal: exclamation icon, one OK button, the window's title.
void ShowWarning(QWidget* parent, const QString& text, const QString& title = kProgramTitle);

// Tells the user that a file could not be saved or read, and why: the headline, then the
// reason, then two ideographic spaces that widen the box like the program's other texts.
void WarnFileFailed(QWidget* parent, const QString& title, const QString& headline,
                    const QString& reason);

}  // namespace tarvelo
