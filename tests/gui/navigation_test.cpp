#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "input/form2.h"
#include "results/form4.h"
#include "scriptedplatform.h"
#include "sheets.h"
#include "windows.h"

using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;
using tarvelo::testing::ShowActive;
using tarvelo::testing::ShownWindows;
using tarvelo::testing::Windows;

namespace {

// A mode window as the user meets it: the input form with an entry made, or the sheet of
// an analysis.
QWidget* OpenModeWindow(const QString& name) {
    QWidget* window = nullptr;
    if (name == u"Form2") {
        auto* form = new tarvelo::Form2();
        Control<QComboBox>(form, "Combo11")->setCurrentIndex(3);
        window = form;
    } else {
        auto* sheet = new tarvelo::Form4();
        sheet->ShowResults(tarvelo::testing::ExampleSheet());
        window = sheet;
    }
    if (!ShowActive(window)) qFatal("window not shown");
    return window;
}

// What the window holds that a cancelled confirmation must leave alone.
QString Contents(QWidget* window) {
    if (window->objectName() == u"Form2") {
        return Control<QComboBox>(window, "Combo11")->currentText();
    }
    return Control<QLineEdit>(window, "F4_TD_FA_New_TXT")->text();
}

const QString kQuit =
    QStringLiteral("全てのプログラムを終了しようとしています。 全終了しますか？　　");

}  // namespace

class NavigationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { platform_ = std::make_unique<ScriptedPlatform>(); }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void confirmations_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("shownAfter");
        const QString leaveInput =
            QStringLiteral("入力モードを閉じてトップメニューへ戻ります。 よろしいですか？　　");
        const QString leaveSheet =
            QStringLiteral("解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？　　");
        QTest::newRow("input mode to top menu, OK")
            << "Form2"
            << "mnuFileClose" << leaveInput << true << QStringList{"Form1"};
        QTest::newRow("input mode to top menu, Cancel")
            << "Form2"
            << "mnuFileClose" << leaveInput << false << QStringList{"Form2"};
        QTest::newRow("input mode quit, OK") << "Form2"
                                             << "mnuFileExit" << kQuit << true << QStringList{};
        QTest::newRow("input mode quit, Cancel")
            << "Form2"
            << "mnuFileExit" << kQuit << false << QStringList{"Form2"};
        QTest::newRow("sheet to top menu, OK")
            << "Form4"
            << "mnuFileClose" << leaveSheet << true << QStringList{"Form1"};
        QTest::newRow("sheet to top menu, Cancel")
            << "Form4"
            << "mnuFileClose" << leaveSheet << false << QStringList{"Form4"};
        QTest::newRow("sheet quit, OK") << "Form4"
                                        << "mnuFileExit" << kQuit << true << QStringList{};
        QTest::newRow("sheet quit, Cancel")
            << "Form4"
            << "mnuFileExit" << kQuit << false << QStringList{"Form4"};
    }
    void confirmations() {
        QFETCH(QString, window);
        QFETCH(QString, item);
        QFETCH(QString, question);
        QFETCH(bool, ok);
        QFETCH(QStringList, shownAfter);
        QWidget* mode = OpenModeWindow(window);
        const QString contents = Contents(mode);
        QVERIFY(!contents.isEmpty());
        platform_->AnswerNextMessage(ok ? Platform::Answer::Ok : Platform::Answer::Cancel);

        Control<QAction>(mode, item)->trigger();

        QCOMPARE(platform_->messages().size(), size_t{1});
        const Platform::Message& asked = platform_->messages().front();
        QCOMPARE(asked.text, question);
        QCOMPARE(asked.title, QStringLiteral("Tarvelo 2005"));
        QVERIFY(asked.icon == Platform::Icon::Exclamation);
        QVERIFY(asked.buttons == Platform::Buttons::OkCancel);
        QVERIFY(asked.defaultButton == Platform::Answer::Cancel);
        QCOMPARE(ShownWindows(), shownAfter);
        QCOMPARE(platform_->helpClosings(), ok ? 1 : 0);
        if (!ok) QCOMPARE(Contents(mode), contents);
    }

    void movesWithoutQuestion_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("shownAfter");
        QTest::newRow("トップメニュー") << "Form2"
                                        << "Command3"
                                        << "" << QStringList{"Form1"};
        QTest::newRow("sheet O K") << "Form4"
                                   << "F4_Command1"
                                   << "" << QStringList{"Form1"};
        QTest::newRow("入力モードに戻る") << "Form4"
                                          << "F4_Command2"
                                          << "" << QStringList{"Form2"};
        QTest::newRow("入力モードに戻る(&B)") << "Form4"
                                              << ""
                                              << "mnuInputMode" << QStringList{"Form2"};
    }
    void movesWithoutQuestion() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, item);
        QFETCH(QStringList, shownAfter);
        OpenModeWindow(window);
        QWidget* mode = Windows(window).front();
        if (!button.isEmpty())
            QTest::mouseClick(Control<QPushButton>(mode, button), Qt::LeftButton);
        if (!item.isEmpty()) Control<QAction>(mode, item)->trigger();

        QVERIFY(platform_->messages().empty());
        QCOMPARE(ShownWindows(), shownAfter);
        QCOMPARE(platform_->helpClosings(), 1);
        // The window reached is new: an empty input form, a top menu on input mode.
        QWidget* reached = Windows(shownAfter.front()).front();
        if (shownAfter.front() == u"Form2") {
            QCOMPARE(Control<QComboBox>(reached, "Combo11")->currentIndex(), -1);
        } else {
            QVERIFY(Control<QRadioButton>(reached, "Option1_1")->isChecked());
        }
    }

    void enterOnTheSheetGoesToTheTopMenu() {
        QWidget* sheet = OpenModeWindow("Form4");
        QTest::keyClick(Control<QLineEdit>(sheet, "F4_WTF_Kumiawase_Old_TXT"), Qt::Key_Return);
        QCOMPARE(ShownWindows(), QStringList{"Form1"});
    }

    void closeBoxClosesThatWindowOnly_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("input mode") << "Form2";
        QTest::newRow("sheet") << "Form4";
    }
    void closeBoxClosesThatWindowOnly() {
        QFETCH(QString, window);
        OpenModeWindow(window)->close();
        QVERIFY(platform_->messages().empty());
        QCOMPARE(ShownWindows(), QStringList{});
        QVERIFY(Windows(window).isEmpty());
        QCOMPARE(platform_->helpClosings(), 0);
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
