#pragma once

#include <QWidget>

class QRadioButton;

namespace tarvelo {

// The top menu: starts input mode or the result viewer.
class Form1 final : public QWidget {
  public:
    Form1();

    // Shows the menu centred, with the focus, and so the selection, on the input-mode option.
    void ShowLoaded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Command1_Click();
    void Command2_Click();

    QRadioButton* inputOption_;
    QRadioButton* viewerOption_;
};

}  // namespace tarvelo
