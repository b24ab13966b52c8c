#include "app/warning.h"

#include "app/platform.h"

namespace tarvelo {

void ShowWarning(QWidget* parent, const QString& text, const QString& title) {
    Platform::Message warning;
    warning.icon = Platform::Icon::Exclamation;
    warning.buttons = Platform::Buttons::Ok;
    warning.defaultButton = Platform::Answer::Ok;
    warning.title = title;
    warning.text = text;
    CurrentPlatform().ShowMessage(parent, warning);
}

void WarnFileFailed(QWidget* parent, const QString& title, const QString& headline,
                    const QString& reason) {
    ShowWarning(parent, headline + reason + QStringLiteral("　　"), title);
}

}  // namespace tarvelo
