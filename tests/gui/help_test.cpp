#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "app/frmabout.h"
#include "app/helpwindow.h"
#include "app/navigation.h"
#include "app/qtplatform.h"
#include "input/form2.h"
#include "results/form4.h"
#include "results/form7.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::frmAbout;
using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;

namespace {

const QString kHelpPage = QStringLiteral(TARVELO_HELP_DIR "/index.html");

// Runs the action and, while the modal dialog it opens is up, hands it to `look` and then
// closes it.
void WithModalDialog(QAction* action, const std::function<void(QWidget*)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        seen = true;
        look(dialog);
        dialog->close();
    });
    action->trigger();
    QVERIFY(seen);
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { platform_ = std::make_unique<ScriptedPlatform>(); }
    void cleanup() {
        tarvelo::CloseHelpWindows();
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void f1OpensHelpFromEachModeWindow() {
        const std::vector<QWidget*> windows{new tarvelo::Form2(), new tarvelo::Form4(),
                                            new tarvelo::Form7()};
        int openings = 0;
        for (QWidget* window : windows) {
            QVERIFY(tarvelo::testing::ShowActive(window));
            QTest::keyClick(window, Qt::Key_F1);
            QCOMPARE(platform_->helpOpenings(), ++openings);
            window->close();
        }
    }

    void helpWindowShowsThePagesAndClosesWithAMove() {
        tarvelo::QtPlatform qt;
        tarvelo::SetCurrentPlatform(&qt);
        qt.OpenHelp(nullptr, kHelpPage);
        QCOMPARE(tarvelo::OpenHelpWindowCount(), 1);
        auto* browser = tarvelo::testing::Windows("HelpWindow").value(0);
        QVERIFY(browser != nullptr);
        auto* text = qobject_cast<QTextBrowser*>(browser);
        QVERIFY(text->toPlainText().contains(QStringLiteral("Tarvelo 2005 ヘルプ")));
        QVERIFY(text->toPlainText().contains(QStringLiteral("現在の車検・保安基準について")));
        QVERIFY(!browser->testAttribute(Qt::WA_QuitOnClose));

        auto* form = new tarvelo::Form2();
        form->show();
        tarvelo::GoToTopMenu(form);
        QCOMPARE(tarvelo::OpenHelpWindowCount(), 0);
        tarvelo::SetCurrentPlatform(platform_.get());
    }

    void rulesPageNamesTheTighterMeterRule() {
        QFile page(QStringLiteral(TARVELO_HELP_DIR "/rules.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        for (const char* words : {"2007年", "約6 %", "2017年", "10mm 未満", "計算結果"})
            QVERIFY2(html.contains(QString::fromUtf8(words)), words);
    }

    void missingHelpFileIsSaidInTheWindow() {
        tarvelo::OpenHelpWindow(QStringLiteral("/nonexistent/help/index.html"));
        auto* text = qobject_cast<QTextBrowser*>(tarvelo::testing::Windows("HelpWindow").value(0));
        QVERIFY(text != nullptr);
        QVERIFY(text->toPlainText().contains(QStringLiteral("ヘルプファイルが見つかりません")));
        QVERIFY(text->toPlainText().contains(QStringLiteral("/nonexistent/help/index.html")));
    }

    void versionDialogs_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("sysInfo");
        QTest::newRow("standard") << int(frmAbout::Edition::Standard) << "frmAbout"
                                  << "Tarvelo 2005 Standard Edition ﾊﾞｰｼﾞｮﾝ情報" << "cmdOK"
                                  << "cmdSysInfo";
        QTest::newRow("viewer") << int(frmAbout::Edition::Viewer) << "frmAbout1"
                                << "Tarvelo 2005 Viewer ﾊﾞｰｼﾞｮﾝ情報" << "VcmdOK"
                                << "VcmdSysInfo";
    }
    void versionDialogs() {
        QFETCH(int, edition);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, ok);
        QFETCH(QString, sysInfo);
        for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
            auto* dialog = new frmAbout(frmAbout::Edition(edition), nullptr);
            QPointer<frmAbout> alive(dialog);
            QCOMPARE(dialog->objectName(), name);
            QCOMPARE(dialog->windowTitle(), caption);
            QCOMPARE(dialog->size(), QSize(444, 340));
            auto* version = Control<QLabel>(dialog, "lblVersion");
            QCOMPARE(version->text(), QStringLiteral("Version  1 . 0 . 0"));
            QCOMPARE(version->palette().color(QPalette::WindowText), QColor(128, 128, 255));
            QCOMPARE(Control<QPushButton>(dialog, ok)->text(), QStringLiteral("O K"));
            QCOMPARE(Control<QPushButton>(dialog, sysInfo)->text(),
                     QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
            QVERIFY(Control<QLabel>(dialog, "lblWarning")->text().contains(u"著作権"));
            QVERIFY(tarvelo::testing::ShowActive(dialog));
            QTest::keyClick(dialog, Qt::Key(key));
            tarvelo::testing::Settle();
            QVERIFY2(alive.isNull(), "Enter and Escape close the dialog");
        }
    }

    void versionDialogFromTheMenu() {
        auto* form = new tarvelo::Form4();
        form->show();
        WithModalDialog(Control<QAction>(form, "mnuHelpAbout"), [form](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(dialog->parentWidget(), form);
        });
    }

    void systemInformation() {
        QTemporaryDir dir;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit());
        frmAbout dialog(frmAbout::Edition::Standard, nullptr);
        dialog.show();
        Control<QPushButton>(&dialog, "cmdSysInfo")->click();
        QCOMPARE(platform_->messages().size(), size_t(1));
        const Platform::Message& m = platform_->messages()[0];
        QCOMPARE(m.text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QCOMPARE(m.title, QStringLiteral("Tarvelo 2005 Standard Edition"));
        QCOMPARE(m.icon, Platform::Icon::None);
        QCOMPARE(m.buttons, Platform::Buttons::Ok);
        QVERIFY(dialog.isVisible());

        // With a system-information program on the path, it is started and nothing is said.
        QFile tool(dir.filePath("hardinfo"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n");
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Control<QPushButton>(&dialog, "cmdSysInfo")->click();
        qputenv("PATH", path);
        QCOMPARE(platform_->startedPrograms(), QStringList{dir.filePath("hardinfo")});
        QCOMPARE(platform_->messages().size(), size_t(1));
    }

    void vendorNotices_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("shops") << "mnuCustomizing" << "frmCustomizing";
        QTest::newRow("products") << "mnuInformation" << "frmInformation";
    }
    void vendorNotices() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        auto* form = new tarvelo::Form2();
        form->show();
        WithModalDialog(Control<QAction>(form, item), [&](QWidget* shown) {
            QCOMPARE(shown->objectName(), dialog);
            QCOMPARE(Control<QPushButton>(shown, "cmdOK")->text(), QStringLiteral("O K"));
            QVERIFY(!Control<QLabel>(shown, "lblNotice")->text().isEmpty());
        });
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
