#include "app/form1.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/frmsplash.h"
#include "app/module1.h"
#include "results/form4.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::Form1;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;
using tarvelo::testing::ShowActive;
using tarvelo::testing::ShownWindows;
using tarvelo::testing::Windows;

class Form1Test : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { platform_ = std::make_unique<ScriptedPlatform>(); }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void opensOnInputMode() {
        auto* menu = new Form1();
        menu->ShowLoaded();
        QCOMPARE(menu->windowTitle(), QStringLiteral("Tarvelo 2005 Standard Edition"));
        QVERIFY(Control<QRadioButton>(menu, "Option1_1")->isChecked());
        QVERIFY(!Control<QRadioButton>(menu, "Option1_2")->isChecked());
        QCOMPARE(menu->focusWidget()->objectName(), QStringLiteral("Option1_1"));
        auto* ok = Control<QPushButton>(menu, "Command1");
        QCOMPARE(ok->text(), QStringLiteral("O K"));
        QVERIFY(ok->font().bold());
        QCOMPARE(Control<QPushButton>(menu, "Command2")->text(), QStringLiteral("終  了"));
        QCOMPARE(menu->size(), QSize(377, 426));
    }

    void enterOpensAnEmptyInputForm() {
        auto* menu = new Form1();
        menu->ShowLoaded();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QTest::keyClick(menu->focusWidget(), Qt::Key_Return);
        QCOMPARE(ShownWindows(), QStringList{"Form2"});
        QVERIFY(Windows("Form1").isEmpty());
    }

    void focusSelectsTheOption() {
        auto* menu = new Form1();
        QVERIFY(ShowActive(menu));
        Control<QRadioButton>(menu, "Option1_2")->setFocus(Qt::TabFocusReason);
        QVERIFY(Control<QRadioButton>(menu, "Option1_2")->isChecked());
        QVERIFY(!Control<QRadioButton>(menu, "Option1_1")->isChecked());
    }

    void viewerOptionClosesTheMenu() {
        auto* menu = new Form1();
        menu->ShowLoaded();
        Control<QRadioButton>(menu, "Option1_2")->setChecked(true);
        QTest::mouseClick(Control<QPushButton>(menu, "Command1"), Qt::LeftButton);
        QVERIFY(Windows("Form1").isEmpty());
        QVERIFY(Windows("Form2").isEmpty());
    }

    void noOptionOpensNothing() {
        // A menu never shown has had no focus, so neither option is selected.
        auto* menu = new Form1();
        QVERIFY(!Control<QRadioButton>(menu, "Option1_1")->isChecked());
        QVERIFY(!Control<QRadioButton>(menu, "Option1_2")->isChecked());
        Control<QPushButton>(menu, "Command1")->click();
        QVERIFY(Windows("Form1").isEmpty());
        QCOMPARE(ShownWindows(), QStringList{});
    }

    void quitClosesEveryWindowWithoutQuestion() {
        (new tarvelo::Form4())->show();
        auto* menu = new Form1();
        menu->ShowLoaded();
        QTest::mouseClick(Control<QPushButton>(menu, "Command2"), Qt::LeftButton);
        QCOMPARE(ShownWindows(), QStringList{});
        QVERIFY(platform_->messages().empty());
    }

    void tabOrder() {
        auto* menu = new Form1();
        QStringList chain;
        QWidget* w = Control<QWidget>(menu, "Option1_1");
        do {
            if (w->focusPolicy() & Qt::TabFocus) chain << w->objectName();
            w = w->nextInFocusChain();
        } while (w != Control<QWidget>(menu, "Option1_1"));
        QCOMPARE(chain, (QStringList{"Option1_1", "Option1_2", "Command1", "Command2"}));
        delete menu;
    }

    void splash() {
        tarvelo::frmSplash splash;
        QCOMPARE(Control<QLabel>(&splash, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(Control<QWidget>(&splash, "fraMainFrame")->palette().color(QPalette::Window),
                 QColor(239, 187, 141));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.size(), QSize(497, 307));
    }

    void startUpShowsTheSplashThenTheTopMenu() {
        QElapsedTimer clock;
        clock.start();
        tarvelo::Module1_Main();
        QVERIFY(clock.elapsed() >= 1200);
        QVERIFY(Windows("frmSplash").isEmpty());
        QCOMPARE(ShownWindows(), QStringList{"Form1"});
        QVERIFY(Control<QRadioButton>(Windows("Form1").front(), "Option1_1")->isChecked());
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
