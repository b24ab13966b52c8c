#include "input/form2_samefront.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "input/form2.h"

namespace tarvelo {

namespace {

// A list without typing paints its face in the button colour, an entry field in the base
// colour; both are set so that every control of the group shows the same background.
constexpr QPalette::ColorRole kBackgroundRoles[] = {QPalette::Base, QPalette::Button};
constexpr QPalette::ColorGroup kColourGroups[] = {QPalette::Active, QPalette::Inactive,
                                                  QPalette::Disabled};

void SetGreyed(QWidget* control) {
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : kBackgroundRoles) palette.setColor(role, kGreyedBackground);
    control->setPalette(palette);
}

// The normal background is the system's, as the application's palette has it.
void SetNormal(QWidget* control) {
    const QPalette system = QApplication::palette(control);
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : kColourGroups) {
        for (QPalette::ColorRole role : kBackgroundRoles) {
            palette.setColor(group, role, system.color(group, role));
        }
    }
    control->setPalette(palette);
}

}  // namespace

std::array<QWidget*, 4> SameAsFrontGroup(const WheelFrame& rear) {
    return {rear.offsetDirection, rear.rimDiameter, rear.rimWidth, rear.offsetAmount};
}

void SetGroupInUse(const WheelFrame& rear, bool inUse) {
    const std::array<QWidget*, 4> group = SameAsFrontGroup(rear);
    for (QWidget* control : group) control->setEnabled(inUse);
    for (QWidget* control : group) inUse ? SetNormal(control) : SetGreyed(control);
}

void Form2::ConnectSameAsFront() {
    const std::pair<Wheel, const char*> toggles[] = {{kBeforeRear, "mnuBeforeSameFront"},
                                                     {kAfterRear, "mnuAfterSameFront"}};
    for (const auto& [rear, name] : toggles) {
        connect(wheels_[rear].sameAsFront, &QCheckBox::toggled, this,
                [this, rear] { SameAsFront_Click(rear); });
        auto* item = findChild<QAction*>(QString::fromLatin1(name));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this,
                [this, rear, item] { mnuSameFront_Click(rear, item); });
    }
}

void Form2::SameAsFront_Click(Wheel rear) {
    const WheelFrame& w = wheels_[rear];
    if (!w.sameAsFront->isChecked()) {
        SetGroupInUse(w, true);
        return;
    }
    SetGroupInUse(w, false);
    // The direction list's reaction runs and, with the box ticked, leaves the amount alone.
    w.offsetDirection->setCurrentIndex(-1);
    w.rimDiameter->setCurrentIndex(-1);
    w.rimWidth->setCurrentIndex(-1);
    w.offsetAmount->clear();
}

// The mark follows the box as the command leaves it. A checkable item has already flipped
// its own mark when this runs, which need not match the box: a click on the box itself
// changes the box but not the mark.
void Form2::mnuSameFront_Click(Wheel rear, QAction* item) {
    QCheckBox* box = wheels_[rear].sameAsFront;
    const bool tick = !box->isChecked();
    box->setChecked(tick);
    item->setChecked(tick);
}

}  // namespace tarvelo
