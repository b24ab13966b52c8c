#pragma once

#include <QMainWindow>
#include <array>

#include "analysis/inputset.h"
#include "input/form2_frames.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvelo {

// Input mode: the wheels and tyres before and after the change and the measured fender
// clearances. The controls are the only copy of the entries.
class Form2 final : public QMainWindow {
  public:
    Form2();

    // The entries as they stand in the controls.
    InputSet CurrentInput() const;

  private:
    enum Wheel { kBeforeFront, kBeforeRear, kAfterFront, kAfterRear };

    void BuildMenus();
    QWidget* BuildBeforeBlock(QWidget* parent);
    QWidget* BuildAfterBlock(QWidget* parent);
    QWidget* BuildGuidancePanel(QWidget* parent);
    void SetTabOrder();

    // The reaction of an offset direction list to a change of its selection.
    void OffsetDirection_Change(Wheel wheel);

    void Command1_Click();
    void mnuFileClose_Click();
    void mnuFileExit_Click();

    std::array<WheelFrame, 4> wheels_;
    std::array<QLineEdit*, 4> clearances_{};
    QPushButton* command1_ = nullptr;
};

}  // namespace tarvelo
