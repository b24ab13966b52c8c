#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "input/form2.h"
#include "input/form2_samefront.h"

namespace tarvelo {

namespace {

// A wheel's six entries, top to bottom as the frame shows them. Emptying a direction list
// runs its reaction.
void EmptyWheel(const WheelFrame& w) {
    w.rimDiameter->setCurrentIndex(-1);
    w.rimWidth->setCurrentIndex(-1);
    w.offsetDirection->setCurrentIndex(-1);
    w.offsetAmount->clear();
    w.tyreWidth->setCurrentIndex(-1);
    w.aspectRatio->setCurrentIndex(-1);
}

}  // namespace

// All 28 entries in the order of the form: each wheel of the before block followed by its
// axle's clearances, then the two wheels of the after block.
void Form2::EmptyEntries() {
    EmptyWheel(wheels_[kBeforeFront]);
    clearances_[kFL]->clear();
    clearances_[kFR]->clear();
    EmptyWheel(wheels_[kBeforeRear]);
    clearances_[kRL]->clear();
    clearances_[kRR]->clear();
    EmptyWheel(wheels_[kAfterFront]);
    EmptyWheel(wheels_[kAfterRear]);
}

void Form2::ConnectDataClear() {
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &Form2::Command2_Click);
    connect(findChild<QAction*>(QStringLiteral("mnuDataClear")), &QAction::triggered, this,
            &Form2::mnuDataClear_Click);
}

// The button starts afresh: both rear wheels back in use and both boxes cleared.
void Form2::Command2_Click() {
    EmptyEntries();
    SetGroupInUse(wheels_[kBeforeRear], true);
    SetGroupInUse(wheels_[kAfterRear], true);
    wheels_[kBeforeRear].sameAsFront->setChecked(false);
    wheels_[kAfterRear].sameAsFront->setChecked(false);
    wheels_[kBeforeFront].rimDiameter->setFocus(Qt::OtherFocusReason);
}

// The menu item empties the entries only; a ticked box keeps its wheel greyed.
void Form2::mnuDataClear_Click() {
    EmptyEntries();
    wheels_[kBeforeFront].rimDiameter->setFocus(Qt::OtherFocusReason);
}

}  // namespace tarvelo
