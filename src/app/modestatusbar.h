#pragma once

#include <QStatusBar>

class QLabel;

namespace tarvelo {

// The status bar `sbStatusBar` of a mode window: the mode text, the current date and the
// current time, the last two kept current by a timer.
class ModeStatusBar final : public QStatusBar {
  public:
    ModeStatusBar(const QString& modeText, QWidget* parent);

    static QString DateText(const QDateTime& now);
    static QString TimeText(const QDateTime& now);

  private:
    void Refresh();

    QLabel* date_;
    QLabel* time_;
};

}  // namespace tarvelo
