#pragma once

#include <QObject>

class QPushButton;
class QWidget;

namespace tarvelo {

// Makes Enter anywhere in a window press its default button, as a dialog's default
// button does: an entry, list or check box with the focus leaves Enter unhandled and it
// reaches the window. An open drop-down list keeps Enter for itself; a push button with
// the focus is pressed itself.
class EnterPressesButton final : public QObject {
  public:
    EnterPressesButton(QWidget* window, QPushButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPushButton* button_;
};

}  // namespace tarvelo
