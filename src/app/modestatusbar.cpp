#include "app/modestatusbar.h"

#include <QDateTime>
#include <QLabel>
#include <QTimer>

namespace tarvelo {

namespace {

QLabel* AddPanel(QStatusBar* bar, const QString& name, const QString& text, int stretch) {
    auto* panel = new QLabel(text, bar);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setContentsMargins(4, 0, 4, 0);
    bar->addPermanentWidget(panel, stretch);
    return panel;
}

}  // namespace

ModeStatusBar::ModeStatusBar(const QString& modeText, QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(false);
    AddPanel(this, QStringLiteral("Panel1"), modeText, 1);
    date_ = AddPanel(this, QStringLiteral("Panel2"), QString(), 0);
    time_ = AddPanel(this, QStringLiteral("Panel3"), QString(), 0);
    date_->setMinimumWidth(90);
    time_->setMinimumWidth(70);
    date_->setAlignment(Qt::AlignCenter);
    time_->setAlignment(Qt::AlignCenter);
    Refresh();
    // Half a second keeps the clock from lagging a whole second behind.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &ModeStatusBar::Refresh);
    timer->start(500);
}

QString ModeStatusBar::DateText(const QDateTime& now) {
    return now.toString(QStringLiteral("yyyy/MM/dd"));
}

QString ModeStatusBar::TimeText(const QDateTime& now) {
    return now.toString(QStringLiteral("H:mm"));
}

void ModeStatusBar::Refresh() {
    const QDateTime now = QDateTime::currentDateTime();
    date_->setText(DateText(now));
    time_->setText(TimeText(now));
}

}  // namespace tarvelo
