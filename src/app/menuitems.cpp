#include "app/menuitems.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tarvelo {

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // The owning window's shortcuts work while any of its controls has the focus.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* AddMenuRule(QMenu* menu, const char* name) {
    QAction* rule = menu->addSeparator();
    rule->setObjectName(QString::fromLatin1(name));
    return rule;
}

QMenu* AddHelpMenu(QMenuBar* bar) {
    QMenu* help = AddMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    AddMenuItem(help, "mnuHelpContents", QStringLiteral("Tarvelo 2005 ヘルプ(&H)"),
                QKeySequence(Qt::Key_F1));
    AddMenuItem(help, "mnuCustomizing", QStringLiteral("ショップにてご利用のユーザー様へ(&U)"));
    AddMenuRule(help, "mnuFileBar4");
    AddMenuItem(help, "mnuInformation", QStringLiteral("その他の製品のご案内(&I)"));
    AddMenuRule(help, "mnuFileBar6");
    AddMenuItem(help, "mnuHelpAbout", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));
    return help;
}

}  // namespace tarvelo
