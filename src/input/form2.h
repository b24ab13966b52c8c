#pragma once

#include <QMainWindow>
#include <array>

#include "analysis/inputset.h"
#include "input/form2_frames.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvelo {

struct InputFileContent;

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
    void SetTabOrder();

    // The reaction of an offset direction list to a change of its selection.
    void OffsetDirection_Change(Wheel wheel);

    void Command1_Click();
    void mnuFileClose_Click();
    void mnuFileExit_Click();

    // Same-as-front linkage: a rear wheel that is the front wheel drops out of the form.
    void ConnectSameAsFront();
    void SameAsFront_Click(Wheel rear);
    void mnuSameFront_Click(Wheel rear, QAction* item);

    // Data clear: the button starts afresh, the menu item empties the entries only.
    void ConnectDataClear();
    void EmptyEntries();
    void Command2_Click();
    void mnuDataClear_Click();

    // The input data file.
    void ConnectFileCommands();
    void mnuFileSave_Click();
    void mnuFileOpen_Click();
    void PutIntoForm(const InputFileContent& content);

    std::array<WheelFrame, 4> wheels_;
    std::array<QLineEdit*, 4> clearances_{};
    QPushButton* command1_ = nullptr;
};

}  // namespace tarvelo
