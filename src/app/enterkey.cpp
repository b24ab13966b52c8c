#include "app/enterkey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace tarvelo {

EnterPressesButton::EnterPressesButton(QWidget* window, QPushButton* button)
    : QObject(window), button_(button) {
    button->setDefault(true);
    window->installEventFilter(this);
}

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (!enter || mods != Qt::NoModifier) return QObject::eventFilter(watched, event);

    QPushButton* target = button_;
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        focused != nullptr && focused->window() == button_->window()) {
        target = focused;
    }
    if (target->isEnabled() && target->isVisible()) target->click();
    return true;
}

}  // namespace tarvelo
