#include "input/form2_warning.h"

#include "app/navigation.h"
#include "app/platform.h"

namespace tarvelo {

void ShowWarning(QWidget* parent, const QString& text) {
    Platform::Message warning;
    warning.icon = Platform::Icon::Exclamation;
    warning.buttons = Platform::Buttons::Ok;
    warning.defaultButton = Platform::Answer::Ok;
    warning.title = kProgramTitle;
    warning.text = text;
    CurrentPlatform().ShowMessage(parent, warning);
}

}  // namespace tarvelo
