#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "form2_entries.h"
#include "input/form2.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::Form2;
using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::Fill;
using tarvelo::testing::kCompleteSet;
using tarvelo::testing::kListNames;
using tarvelo::testing::kNumberBoxNames;
using tarvelo::testing::Pick;
using tarvelo::testing::ScriptedPlatform;
using tarvelo::testing::ShowActive;

namespace {

const QString kKeystrokeStart =
    QStringLiteral("\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。\r\n\r\n");
const QString kChangeMessage = QStringLiteral(
    "\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。　　\r\n\r\n"
    "・ コピー＆ペーストの場合は元の値を確認して下さい。\r\n   ");
const QColor kGrey(190, 190, 190);

// The rear wheel group of each same-as-front box: direction, rim diameter, rim width,
// amount.
const QStringList kBeforeGroup{"Combo2", "Combo16", "Combo17", "Text18"};
const QStringList kAfterGroup{"Combo4", "Combo26", "Combo27", "Text28"};

QColor Background(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

QString Focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

}  // namespace

class Form2EditingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        platform_ = std::make_unique<ScriptedPlatform>();
        form_ = new Form2();
        QVERIFY(ShowActive(form_));
        normal_ = Background(Control<QWidget>(form_, "Combo16"));
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    // --- Keystroke filter ---

    void refusedKeystroke_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("key");  // one character, typed with the modifiers
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("line");
        const QString text13 =
            QStringLiteral("・ 変更前前輪ホイールのオフセット量を入力して下さい。　　");
        const QString text18 =
            QStringLiteral("・ 変更前後輪ホイールのオフセット量を入力して下さい。　　");
        QTest::newRow("letter") << "Text13"
                                << ""
                                << "a" << 0 << text13;
        QTest::newRow("minus") << "Text13"
                               << ""
                               << "-" << 0 << text13;
        QTest::newRow("plus") << "Text13"
                              << ""
                              << "+" << 0 << text13;
        QTest::newRow("space") << "Text13"
                               << ""
                               << " " << 0 << text13;
        QTest::newRow("Ctrl+Z") << "Text13"
                                << "4"
                                << "z" << int{Qt::ControlModifier} << text13;
        QTest::newRow("percent") << "Text18"
                                 << "12"
                                 << "%" << 0 << text18;
        QTest::newRow("apostrophe") << "Text18"
                                    << "12"
                                    << "'" << 0 << text18;
        QTest::newRow("comma, after front")
            << "Text23"
            << "1"
            << "," << 0
            << QStringLiteral("・ 変更後前輪ホイールのオフセット量を入力して下さい。　　");
        QTest::newRow("letter, after rear")
            << "Text28"
            << ""
            << "e" << 0
            << QStringLiteral("・ 変更後後輪ホイールのオフセット量を入力して下さい。　　");
        QTest::newRow("front left clearance")
            << "F2_FC_FL_Hikikomi_Old_TXT"
            << ""
            << "x" << 0
            << QStringLiteral(
                   "・ 変更前の前輪フェンダークリアランス / 左：引込量を入力して下さい。　　");
        QTest::newRow("front right clearance")
            << "F2_FC_FR_Hikikomi_Old_TXT"
            << ""
            << "/" << 0
            << QStringLiteral(
                   "・ 変更前の前輪フェンダークリアランス / 右：引込量を入力して下さい。　　");
        QTest::newRow("rear left clearance")
            << "F2_FC_RL_Hikikomi_Old_TXT"
            << ""
            << "-" << 0
            << QStringLiteral(
                   "・ 変更前の後輪フェンダークリアランス / 左：引込量を入力して下さい。　　");
        QTest::newRow("rear right clearance, full box")
            << "F2_FC_RR_Hikikomi_Old_TXT"
            << "1234"
            << "q" << 0
            << QStringLiteral(
                   "・ 変更前の後輪フェンダークリアランス / 右：引込量を入力して下さい。　　");
    }
    void refusedKeystroke() {
        QFETCH(QString, box);
        QFETCH(QString, start);
        QFETCH(QString, key);
        QFETCH(int, modifiers);
        QFETCH(QString, line);
        auto* edit = Control<QLineEdit>(form_, box);
        edit->setText(start);
        edit->setFocus();

        QTest::keyClick(edit, key.at(0).toLatin1(), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(edit->text(), start);
        QCOMPARE(platform_->messages().size(), size_t{1});
        const Platform::Message& message = platform_->messages().front();
        QCOMPARE(message.text, kKeystrokeStart + line);
        QCOMPARE(message.title, QStringLiteral("Tarvelo 2005"));
        QVERIFY(message.icon == Platform::Icon::Exclamation);
        QVERIFY(message.buttons == Platform::Buttons::Ok);
        QCOMPARE(Focused(), box);
    }

    // "±" locks the amount box; typing into it still runs the filter.
    void lockedBoxStillFilters() {
        Pick(form_, "Combo1", "±");
        auto* edit = Control<QLineEdit>(form_, "Text13");
        QVERIFY(edit->isReadOnly());
        QTest::keyClick(edit, '5');
        QVERIFY(platform_->messages().empty());
        QTest::keyClick(edit, 'k');
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(platform_->messages().size(), size_t{1});
        QCOMPARE(platform_->messages().front().text,
                 kKeystrokeStart +
                     QStringLiteral("・ 変更前前輪ホイールのオフセット量を入力して下さい。　　"));
    }

    // Digits, the point and the editing keys reach the box; emptying it raises nothing.
    void editingKeysPass() {
        auto* edit = Control<QLineEdit>(form_, "F2_FC_FR_Hikikomi_Old_TXT");
        edit->setFocus();
        QTest::keyClicks(edit, "1.2.");
        QCOMPARE(edit->text(), QStringLiteral("1.2."));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("1.2"));
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("1."));
        QTest::keyClick(edit, Qt::Key_L, Qt::ControlModifier);

        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1."));
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString());
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("1."));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QVERIFY(platform_->messages().empty());

        // Enter passes the filter and presses "O K", which finds the form incomplete.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(platform_->messages().size(), size_t{1});
        QCOMPARE(platform_->messages().front().text,
                 QStringLiteral("項目に未選択または未入力の項目があります。　　"));
    }

    // --- Change check ---

    // A text that arrives whole, pasted or set by a command, is checked as a whole.
    void changeCheck_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("after");
        QTest::newRow("comma pasted") << "F2_FC_RL_Hikikomi_Old_TXT"
                                      << "1,5" << true << "";
        QTest::newRow("letter pasted") << "Text23"
                                       << "4a" << true << "";
        QTest::newRow("full-width digit pasted") << "Text28"
                                                 << "１2" << true << "";
        QTest::newRow("negative set") << "Text18"
                                      << "-5" << false << "";
        QTest::newRow("exponent set") << "F2_FC_FL_Hikikomi_Old_TXT"
                                      << "1E3" << false << "";
        QTest::newRow("points pass") << "Text13"
                                     << "1.2." << true << "1.2.";
        QTest::newRow("long paste cut to four") << "Text13"
                                                << "123456" << true << "1234";
    }
    void changeCheck() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(bool, paste);
        QFETCH(QString, after);
        auto* edit = Control<QLineEdit>(form_, box);
        edit->setText(QStringLiteral("9"));
        edit->setFocus();
        edit->selectAll();
        if (paste) {
            QApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            edit->setText(text);
        }

        QCOMPARE(edit->text(), after);
        if (after.isEmpty()) {
            QCOMPARE(platform_->messages().size(), size_t{1});
            const Platform::Message& message = platform_->messages().front();
            QCOMPARE(message.text, kChangeMessage);
            QCOMPARE(message.title, QStringLiteral("Tarvelo 2005"));
            QVERIFY(message.icon == Platform::Icon::Exclamation);
            QVERIFY(message.buttons == Platform::Buttons::Ok);
            QCOMPARE(Focused(), box);
        } else {
            QVERIFY(platform_->messages().empty());
        }
    }

    // --- Same as the front wheel ---

    void tickingDropsTheRearWheel_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("group");
        QTest::addColumn<QStringList>("tyre");
        QTest::newRow("before") << "Check1" << kBeforeGroup << QStringList{"Combo19", "Combo20"};
        QTest::newRow("after") << "Check2" << kAfterGroup << QStringList{"Combo29", "Combo30"};
    }
    void tickingDropsTheRearWheel() {
        QFETCH(QString, box);
        QFETCH(QStringList, group);
        QFETCH(QStringList, tyre);
        Fill(form_, kCompleteSet);
        const tarvelo::InputSet filled = form_->CurrentInput();
        auto* check = Control<QCheckBox>(form_, box);
        check->setFocus();

        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(check->isChecked());
        for (const QString& name : group) {
            auto* control = Control<QWidget>(form_, name);
            QVERIFY2(!control->isEnabled(), qPrintable(name));
            QCOMPARE(Background(control), kGrey);
            QCOMPARE(control->palette().color(QPalette::Button), kGrey);
        }
        for (const QString& name : tyre) {
            auto* list = Control<QComboBox>(form_, name);
            QVERIFY(list->isEnabled());
            QVERIFY(list->currentIndex() >= 0);
            QCOMPARE(Background(list), normal_);
        }

        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(!check->isChecked());
        for (const QString& name : group) {
            auto* control = Control<QWidget>(form_, name);
            QVERIFY(control->isEnabled());
            QCOMPARE(Background(control), normal_);
        }
        // What ticking erased stays erased; everything else is as it was.
        QCOMPARE(Control<QComboBox>(form_, group[0])->currentIndex(), -1);
        QCOMPARE(Control<QComboBox>(form_, group[1])->currentIndex(), -1);
        QCOMPARE(Control<QComboBox>(form_, group[2])->currentIndex(), -1);
        QCOMPARE(Control<QLineEdit>(form_, group[3])->text(), QString());
        tarvelo::InputSet expected = filled;
        tarvelo::WheelTyreSpec& rear = box == "Check1" ? expected.beforeRear : expected.afterRear;
        rear.rimDiameterInch.clear();
        rear.rimWidthInch.clear();
        rear.offsetDirection = tarvelo::kNoDirection;
        rear.offsetMm.clear();
        QVERIFY(form_->CurrentInput() == expected);
        QVERIFY(platform_->messages().empty());
    }

    // The menu item's mark follows its own commands only; the command goes by the box.
    void menuToggle_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("other");
        QTest::newRow("before") << "mnuBeforeSameFront"
                                << "Check1"
                                << "Check2";
        QTest::newRow("after") << "mnuAfterSameFront"
                               << "Check2"
                               << "Check1";
    }
    void menuToggle() {
        QFETCH(QString, item);
        QFETCH(QString, box);
        QFETCH(QString, other);
        auto* action = Control<QAction>(form_, item);
        auto* check = Control<QCheckBox>(form_, box);
        QVERIFY(action->isCheckable());
        QVERIFY(!action->isChecked());

        action->trigger();
        QVERIFY(check->isChecked());
        QVERIFY(action->isChecked());
        QVERIFY(!Control<QCheckBox>(form_, other)->isChecked());
        action->trigger();
        QVERIFY(!check->isChecked());
        QVERIFY(!action->isChecked());

        // Ticked by the menu, cleared by a click: the mark stays, and the menu ticks again.
        action->trigger();
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QVERIFY(!check->isChecked());
        QVERIFY(action->isChecked());
        action->trigger();
        QVERIFY(check->isChecked());
        QVERIFY(action->isChecked());

        // Ticked by a click: no mark appears, and the menu clears the box.
        action->trigger();
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
        QVERIFY(check->isChecked());
        QVERIFY(!action->isChecked());
        action->trigger();
        QVERIFY(!check->isChecked());
        QVERIFY(!action->isChecked());
        QVERIFY(Control<QWidget>(form_, box == "Check1" ? "Combo16" : "Combo26")->isEnabled());
    }

    // --- Data clear ---

    // Both boxes ticked (the first by the menu, so that its mark is on), every entry filled
    // and the front amount boxes locked by "±".
    void dataClear_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("boxesAfter");
        QTest::newRow("button") << "Command2" << false;
        QTest::newRow("menu item") << "mnuDataClear" << true;
    }
    void dataClear() {
        QFETCH(QString, command);
        QFETCH(bool, boxesAfter);
        Fill(form_, kCompleteSet);
        Pick(form_, "Combo1", "±");
        Control<QAction>(form_, "mnuBeforeSameFront")->trigger();
        Control<QCheckBox>(form_, "Check2")->click();
        Control<QWidget>(form_, "Combo30")->setFocus();

        if (command == "Command2") {
            Control<QPushButton>(form_, command)->click();
        } else {
            Control<QAction>(form_, command)->trigger();
        }

        for (const QString& name : kListNames) {
            QCOMPARE(Control<QComboBox>(form_, name)->currentIndex(), -1);
        }
        for (const QString& name : kNumberBoxNames) {
            QCOMPARE(Control<QLineEdit>(form_, name)->text(), QString());
        }
        QCOMPARE(Control<QCheckBox>(form_, "Check1")->isChecked(), boxesAfter);
        QCOMPARE(Control<QCheckBox>(form_, "Check2")->isChecked(), boxesAfter);
        for (const QString& name : kBeforeGroup + kAfterGroup) {
            auto* control = Control<QWidget>(form_, name);
            QCOMPARE(control->isEnabled(), !boxesAfter);
            QCOMPARE(Background(control), boxesAfter ? kGrey : normal_);
        }
        // Neither command touches the menu marks or the hidden fields.
        QVERIFY(Control<QAction>(form_, "mnuBeforeSameFront")->isChecked());
        QVERIFY(!Control<QAction>(form_, "mnuAfterSameFront")->isChecked());
        for (int i = 1; i <= 8; ++i) {
            QCOMPARE(Control<QLineEdit>(form_, QStringLiteral("F2_UV%1").arg(i))->text(),
                     QStringLiteral("0"));
        }
        QCOMPARE(Focused(), QStringLiteral("Combo11"));
        QVERIFY(platform_->messages().empty());
    }

    // Emptying a front direction list unlocks its box; a rear box stays locked until a
    // direction is chosen.
    void dataClearAndLockedBoxes() {
        for (const char* list : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
            Pick(form_, QString::fromLatin1(list), "±");
        }
        Control<QPushButton>(form_, "Command2")->click();
        QVERIFY(!Control<QLineEdit>(form_, "Text13")->isReadOnly());
        QVERIFY(!Control<QLineEdit>(form_, "Text23")->isReadOnly());
        QVERIFY(Control<QLineEdit>(form_, "Text18")->isReadOnly());
        QVERIFY(Control<QLineEdit>(form_, "Text28")->isReadOnly());
        Pick(form_, "Combo2", "＋");
        QVERIFY(!Control<QLineEdit>(form_, "Text18")->isReadOnly());
    }

    // --- The keyboard alone ---

    void keyboardAlone() {
        auto* check = Control<QCheckBox>(form_, "Check1");
        Control<QWidget>(form_, "F2_FC_FR_Hikikomi_Old_TXT")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Focused(), QStringLiteral("Check1"));
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(check->isChecked());
        // The disabled group is passed over: the next stop is the rear tyre width.
        QTest::keyClick(check, Qt::Key_Tab);
        QCOMPARE(Focused(), QStringLiteral("Combo19"));

        // The settings menu by its access keys.
        QTest::keyClick(form_, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_E);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QVERIFY(!check->isChecked());
        QVERIFY(!Control<QAction>(form_, "mnuBeforeSameFront")->isChecked());

        // Tab to the data clear button and press it with Enter.
        Control<QWidget>(form_, "Combo30")->setFocus();
        Pick(form_, "Combo30", "45");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(Focused(), QStringLiteral("Command2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Control<QComboBox>(form_, "Combo30")->currentIndex(), -1);
        QCOMPARE(Focused(), QStringLiteral("Combo11"));
        QVERIFY(platform_->messages().empty());
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
    Form2* form_ = nullptr;
    QColor normal_;
};

QTEST_MAIN(Form2EditingTest)
#include "form2_editing_test.moc"
