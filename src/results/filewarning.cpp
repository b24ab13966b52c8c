#include "results/filewarning.h"

#include "app/platform.h"

namespace tarvelo {

void WarnFileFailed(QWidget* parent, const QString& title, const QString& headline,
                    const QString& reason) {
    Platform::Message warning;
    warning.icon = Platform::Icon::Exclamation;
    warning.buttons = Platform::Buttons::Ok;
    warning.defaultButton = Platform::Answer::Ok;
    warning.title = title;
    // The two ideographic spaces widen the box, as in the program's other messages.
    warning.text = headline + reason + QStringLiteral("　　");
    CurrentPlatform().ShowMessage(parent, warning);
}

}  // namespace tarvelo
