#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace tarvelo {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption);
QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = QKeySequence());
QAction* AddMenuRule(QMenu* menu, const char* name);

// The help menu every mode window shares, with its five items and two rules.
QMenu* AddHelpMenu(QMenuBar* bar);

}  // namespace tarvelo
