#include "app/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QPointer>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

#include "app/fonts.h"

namespace tarvelo {

namespace {

QList<QPointer<QTextBrowser>>& HelpWindows() {
    static QList<QPointer<QTextBrowser>> windows;
    return windows;
}

QString MissingPageText(const QString& helpFile) {
    return QStringLiteral(
               "<h2>ヘルプファイルが見つかりません</h2>"
               "<p>次の場所にヘルプファイルがないため、ヘルプを表示できません。</p><p>%1</p>"
               "<p>プログラムはこのままお使いいただけます。</p>")
        .arg(helpFile.toHtmlEscaped());
}

}  // namespace

QString DefaultHelpFile() {
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help/index.html"));
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QStandardPaths::locate(QStandardPaths::AppDataLocation,
                                                     QStringLiteral("help/index.html"));
    return installed.isEmpty() ? beside : installed;
}

void OpenHelpWindow(const QString& helpFile) {
    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("HelpWindow"));
    browser->setAttribute(Qt::WA_DeleteOnClose);
    // The help stands beside the program: it neither keeps the program running when the
    // last mode window closes nor ends it when closed itself.
    browser->setAttribute(Qt::WA_QuitOnClose, false);
    browser->setWindowTitle(QStringLiteral("Tarvelo 2005 ヘルプ"));
    browser->setFont(UiFont(10));
    browser->setOpenExternalLinks(false);
    browser->resize(720, 600);
    if (QFileInfo(helpFile).isReadable()) {
        browser->setSource(QUrl::fromLocalFile(helpFile));
    } else {
        browser->setHtml(MissingPageText(helpFile));
    }
    HelpWindows().append(browser);
    browser->show();
}

void CloseHelpWindows() {
    for (const QPointer<QTextBrowser>& window : HelpWindows()) {
        if (window) window->close();
    }
    HelpWindows().clear();
}

int OpenHelpWindowCount() {
    int count = 0;
    for (const QPointer<QTextBrowser>& window : HelpWindows()) count += window ? 1 : 0;
    return count;
}

}  // namespace tarvelo
