#pragma once

#include <QString>

class QWidget;

namespace tarvelo {

// Tells the user that a result file could not be saved or read, and why: the exclamation
// icon, one OK button, the headline followed by the reason.
void WarnFileFailed(QWidget* parent, const QString& title, const QString& headline,
                    const QString& reason);

}  // namespace tarvelo
