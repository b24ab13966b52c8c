#include "input/form2_numberbox.h"

#include "app/fonts.h"
#include "input/valuelists.h"

namespace tarvelo {

namespace {

void TurnInputMethodOff(QLineEdit* box) {
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setInputMethodHints(Qt::ImhNone);
}

}  // namespace

QLineEdit* MakeNumberBox(const QString& name, const QString& toolTip, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(kNumberBoxMaxLength);
    box->setFont(UiFont(9, true));
    box->setFixedWidth(44);
    TurnInputMethodOff(box);
    return box;
}

void SetLocked(QLineEdit* box, bool locked) {
    box->setReadOnly(locked);
    TurnInputMethodOff(box);
}

void SelectText(QLineEdit* box) {
    const int length = static_cast<int>(box->text().size());
    box->setSelection(length, -length);
}

}  // namespace tarvelo
