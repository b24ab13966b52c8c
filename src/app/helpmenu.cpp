#include "app/helpmenu.h"

#include <QAction>
#include <functional>
#include <QWidget>

#include "app/helpwindow.h"
#include "app/platform.h"
#include "app/vendornotices.h"

namespace tarvelo {

namespace {

void OnAction(QWidget* window, const char* name, const std::function<void()>& handler) {
    if (auto* action = window->findChild<QAction*>(QString::fromLatin1(name)))
        QObject::connect(action, &QAction::triggered, window, handler);
}

}  // namespace

void OpenHelpFile(QWidget* window) { CurrentPlatform().OpenHelp(window, DefaultHelpFile()); }

void CloseHelpViewer(QWidget*) { CurrentPlatform().CloseAllHelp(); }

void ConnectHelpMenu(QWidget* window, frmAbout::Edition edition) {
    OnAction(window, "mnuHelpContents", [window] { OpenHelpFile(window); });
    OnAction(window, "mnuCustomizing", [window] { ShowShopNotice(window); });
    OnAction(window, "mnuInformation", [window] { ShowProductNotice(window); });
    OnAction(window, "mnuHelpAbout", [window, edition] { ShowVersionDialog(window, edition); });
}

}  // namespace tarvelo
