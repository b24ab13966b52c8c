#include "input/form2.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "results/form4.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::Form2;
using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;
using tarvelo::testing::ShowActive;
using tarvelo::testing::Windows;

namespace {

const QStringList kLists{"Combo11", "Combo12", "Combo14", "Combo15", "Combo16",
                         "Combo17", "Combo19", "Combo20", "Combo21", "Combo22",
                         "Combo24", "Combo25", "Combo26", "Combo27", "Combo29",
                         "Combo30", "Combo1",  "Combo2",  "Combo3",  "Combo4"};
const QStringList kNumberBoxes{"Text13",
                               "Text18",
                               "Text23",
                               "Text28",
                               "F2_FC_FL_Hikikomi_Old_TXT",
                               "F2_FC_FR_Hikikomi_Old_TXT",
                               "F2_FC_RL_Hikikomi_Old_TXT",
                               "F2_FC_RR_Hikikomi_Old_TXT"};

// One wheel's entries, in the order list, list, direction, amount, list, list.
struct Entries {
    const char* controls[6];
    const char* values[6];
};

void Pick(Form2* form, const QString& list, const QString& item) {
    auto* combo = Control<QComboBox>(form, list);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(list + " has no " + item));
    combo->setCurrentIndex(index);
}

void Type(Form2* form, const QString& box, const QString& text) {
    auto* edit = Control<QLineEdit>(form, box);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// 205/55-16 with offset ＋45 before, 215/45-17 with offset －12 after, on both axles;
// clearances 10, 10, "007" and 5.
void FillComplete(Form2* form) {
    const Entries wheels[] = {
        {{"Combo11", "Combo12", "Combo1", "Text13", "Combo14", "Combo15"},
         {"16", "6.5", "＋", "45", "205", "55"}},
        {{"Combo16", "Combo17", "Combo2", "Text18", "Combo19", "Combo20"},
         {"16", "6.5", "＋", "45", "205", "55"}},
        {{"Combo21", "Combo22", "Combo3", "Text23", "Combo24", "Combo25"},
         {"17", "7.5", "－", "12", "215", "45"}},
        {{"Combo26", "Combo27", "Combo4", "Text28", "Combo29", "Combo30"},
         {"17", "7.5", "－", "12", "215", "45"}},
    };
    for (const Entries& wheel : wheels) {
        for (int i = 0; i < 6; ++i) {
            if (i == 3) {
                Type(form, wheel.controls[i], QString::fromUtf8(wheel.values[i]));
            } else {
                Pick(form, wheel.controls[i], QString::fromUtf8(wheel.values[i]));
            }
        }
    }
    Type(form, "F2_FC_FL_Hikikomi_Old_TXT", "10");
    Type(form, "F2_FC_FR_Hikikomi_Old_TXT", "10");
    Type(form, "F2_FC_RL_Hikikomi_Old_TXT", "007");
    Type(form, "F2_FC_RR_Hikikomi_Old_TXT", "5");
}

QColor Base(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

}  // namespace

class Form2Test : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        platform_ = std::make_unique<ScriptedPlatform>();
        form_ = new Form2();
        QVERIFY(ShowActive(form_));
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void startsEmpty() {
        for (const QString& name : kLists) {
            QCOMPARE(Control<QComboBox>(form_, name)->currentIndex(), -1);
        }
        for (const QString& name : kNumberBoxes) {
            auto* box = Control<QLineEdit>(form_, name);
            QVERIFY(box->text().isEmpty());
            QVERIFY(!box->isReadOnly());
        }
        QVERIFY(!Control<QCheckBox>(form_, "Check1")->isChecked());
        QVERIFY(!Control<QCheckBox>(form_, "Check2")->isChecked());
        for (int i = 1; i <= 8; ++i) {
            auto* hidden = Control<QLineEdit>(form_, QStringLiteral("F2_UV%1").arg(i));
            QCOMPARE(hidden->text(), QStringLiteral("0"));
            QVERIFY(hidden->isReadOnly());
            QVERIFY(!hidden->isVisible());
        }
        QCOMPARE(form_->windowTitle(),
                 QStringLiteral("Tarvelo 2005 Standard Edition - 入力モード"));
    }

    void valueLists_data() {
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("rim diameter, no 11")
            << QStringList{"Combo11", "Combo16", "Combo21", "Combo26"}
            << QStringList{"10", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
        QTest::newRow("rim width")
            << QStringList{"Combo12", "Combo17", "Combo22", "Combo27"}
            << QStringList{"3",   "3.5", "4",   "4.5", "5",   "5.5", "6",    "6.5", "7",
                           "7.5", "8",   "8.5", "9",   "9.5", "10",  "10.5", "11",  "11.5"};
        QTest::newRow("tyre width")
            << QStringList{"Combo14", "Combo19", "Combo24", "Combo29"}
            << QStringList{"135", "145", "155", "165", "175", "185", "195", "205", "215",
                           "225", "235", "245", "255", "265", "275", "285", "295"};
        QTest::newRow("aspect ratio")
            << QStringList{"Combo15", "Combo20", "Combo25", "Combo30"}
            << QStringList{"30", "35", "40", "45", "50", "55", "60", "65", "70", "75", "80"};
        QTest::newRow("offset direction")
            << QStringList{"Combo1", "Combo2", "Combo3", "Combo4"}
            << QStringList{QStringLiteral("\uFF0B"), QStringLiteral("\uFF0D"),
                           QStringLiteral("\u00B1")};
    }
    void valueLists() {
        QFETCH(QStringList, controls);
        QFETCH(QStringList, items);
        for (const QString& name : controls) {
            auto* list = Control<QComboBox>(form_, name);
            QVERIFY(!list->isEditable());
            QStringList shown;
            for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
            QCOMPARE(shown, items);
        }
    }

    void tooltips_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("before front rim diameter")
            << "Combo11" << QStringLiteral("変更前の前輪ホイールリム径を選択して下さい");
        QTest::newRow("before rear rim width")
            << "Combo17" << QStringLiteral("変更前の後輪ホイールリム幅を選択して下さい");
        QTest::newRow("after front direction")
            << "Combo3" << QStringLiteral("変更後の前輪ホイールオフセット方向を選択して下さい");
        QTest::newRow("after rear amount")
            << "Text28" << QStringLiteral("変更後の後輪ホイールオフセット量を直接入力して下さい");
        QTest::newRow("after front tyre width")
            << "Combo24" << QStringLiteral("変更後の前輪タイヤ断面幅サイズを選択して下さい");
        QTest::newRow("before rear aspect ratio")
            << "Combo20" << QStringLiteral("変更前の後輪タイヤ扁平率を選択して下さい");
        QTest::newRow("rear right clearance")
            << "F2_FC_RR_Hikikomi_Old_TXT"
            << QStringLiteral("変更前の後輪右フェンダークリアランス引込量を直接入力して下さい");
        QTest::newRow("same as front")
            << "Check2"
            << QStringLiteral(
                   "後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 "
                   "入力が省略でき便利です。");
    }
    void tooltips() {
        QFETCH(QString, control);
        QFETCH(QString, tooltip);
        QCOMPARE(Control<QWidget>(form_, control)->toolTip(), tooltip);
    }

    void numberBoxes() {
        for (const QString& name : kNumberBoxes) {
            auto* box = Control<QLineEdit>(form_, name);
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
            QCOMPARE(box->maxLength(), 4);
            QVERIFY(!box->testAttribute(Qt::WA_InputMethodEnabled));
            QVERIFY(box->font().bold());
            QTest::keyClicks(box, "123456");
            QCOMPARE(box->text(), QStringLiteral("1234"));
        }
    }

    void tabOrder() {
        const QStringList expected{"Combo11",
                                   "Combo12",
                                   "Combo1",
                                   "Text13",
                                   "Combo14",
                                   "Combo15",
                                   "F2_FC_FL_Hikikomi_Old_TXT",
                                   "F2_FC_FR_Hikikomi_Old_TXT",
                                   "Check1",
                                   "Combo16",
                                   "Combo17",
                                   "Combo2",
                                   "Text18",
                                   "Combo19",
                                   "Combo20",
                                   "F2_FC_RL_Hikikomi_Old_TXT",
                                   "F2_FC_RR_Hikikomi_Old_TXT",
                                   "Combo21",
                                   "Combo22",
                                   "Combo3",
                                   "Text23",
                                   "Combo24",
                                   "Combo25",
                                   "Check2",
                                   "Combo26",
                                   "Combo27",
                                   "Combo4",
                                   "Text28",
                                   "Combo29",
                                   "Combo30",
                                   "Command1",
                                   "Command2",
                                   "Command3"};
        Control<QWidget>(form_, "Combo11")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo11"));
    }

    // The reaction of an offset direction list: picks in order, with the flags as given,
    // then "7" typed into the amount box.
    void offsetDirection_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("check1");
        QTest::addColumn<bool>("check2");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("afterTyping");

        QTest::newRow("front ± puts 0 and locks")
            << "Combo1"
            << "Text13" << false << false << QList<int>{2} << "0" << true << "Combo1"
            << "0";
        QTest::newRow("front ＋ after ± unlocks, 0 selected")
            << "Combo1"
            << "Text13" << false << false << QList<int>{2, 0} << "0" << false << "Text13"
            << "7";
        QTest::newRow("front cleared after ± unlocks")
            << "Combo1"
            << "Text13" << false << false << QList<int>{2, -1} << "0" << false << "Text13"
            << "7";
        QTest::newRow("after front ± locks")
            << "Combo3"
            << "Text23" << false << false << QList<int>{2} << "0" << true << "Combo3"
            << "0";
        QTest::newRow("the other state's flag plays no part")
            << "Combo3"
            << "Text23" << false << true << QList<int>{2} << "0" << true << "Combo3"
            << "0";
        QTest::newRow("rear ± with Check1 clear locks")
            << "Combo2"
            << "Text18" << false << false << QList<int>{2} << "0" << true << "Combo2"
            << "0";
        QTest::newRow("rear ± with Check1 set does nothing")
            << "Combo2"
            << "Text18" << true << false << QList<int>{2} << "" << false << "Combo11"
            << "";
        QTest::newRow("rear ＋ with Check1 clear and Check2 set moves the focus")
            << "Combo2"
            << "Text18" << false << true << QList<int>{0} << "" << false << "Text18"
            << "7";
        QTest::newRow("rear cleared after ± stays locked")
            << "Combo2"
            << "Text18" << false << false << QList<int>{2, -1} << "0" << true << "Combo2"
            << "0";
        QTest::newRow("rear － after ± unlocks")
            << "Combo2"
            << "Text18" << false << false << QList<int>{2, 1} << "0" << false << "Text18"
            << "7";
        QTest::newRow("after rear － with Check1 set and Check2 clear")
            << "Combo4"
            << "Text28" << true << false << QList<int>{1} << "" << false << "Text28"
            << "7";
        QTest::newRow("after rear ± with Check2 set does nothing")
            << "Combo4"
            << "Text28" << false << true << QList<int>{2} << "" << false << "Combo11"
            << "";
    }
    void offsetDirection() {
        QFETCH(QString, list);
        QFETCH(QString, box);
        QFETCH(bool, check1);
        QFETCH(bool, check2);
        QFETCH(QList<int>, picks);
        QFETCH(QString, text);
        QFETCH(bool, locked);
        QFETCH(QString, focus);
        QFETCH(QString, afterTyping);

        Control<QCheckBox>(form_, "Check1")->setChecked(check1);
        Control<QCheckBox>(form_, "Check2")->setChecked(check2);
        Control<QWidget>(form_, "Combo11")->setFocus();
        auto* combo = Control<QComboBox>(form_, list);
        auto* amount = Control<QLineEdit>(form_, box);
        for (int index : picks) combo->setCurrentIndex(index);

        QCOMPARE(amount->text(), text);
        QCOMPARE(amount->isReadOnly(), locked);
        // A ticked same-as-front box disables its rear amount box.
        const bool dropped = (box == "Text18" && check1) || (box == "Text28" && check2);
        QCOMPARE(amount->isEnabled(), !dropped);
        QVERIFY(!amount->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (focus == box) {
            QCOMPARE(amount->selectedText(), amount->text());
            QCOMPARE(amount->cursorPosition(), 0);
        }
        QTest::keyClicks(amount, "7");
        QCOMPARE(amount->text(), afterTyping);
    }

    void enterPressesOk_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("list") << "Combo11";
        QTest::newRow("direction list") << "Combo4";
        QTest::newRow("amount box") << "Text13";
        QTest::newRow("clearance box") << "F2_FC_RR_Hikikomi_Old_TXT";
        QTest::newRow("check box") << "Check2";
    }
    void enterPressesOk() {
        QFETCH(QString, focus);
        auto* control = Control<QWidget>(form_, focus);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
        // The empty form answers each "O K" with the warning.
        QCOMPARE(platform_->messages().size(), size_t{2});
    }

    void enterWithListOpenPicksTheItem() {
        auto* list = Control<QComboBox>(form_, "Combo12");
        list->setFocus();
        list->showPopup();
        QVERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QVERIFY(platform_->messages().empty());
        QVERIFY(list->currentIndex() >= 0);
    }

    void incompleteSetWarnsAndKeepsTheForm() {
        FillComplete(form_);
        Control<QComboBox>(form_, "Combo16")->setCurrentIndex(-1);
        Control<QWidget>(form_, "Text23")->setFocus();
        const tarvelo::InputSet before = form_->CurrentInput();
        QPointer<Form2> form(form_);

        QTest::keyClick(Control<QWidget>(form_, "Text23"), Qt::Key_Return);

        QCOMPARE(platform_->messages().size(), size_t{1});
        const Platform::Message& warning = platform_->messages().front();
        QCOMPARE(warning.text, QStringLiteral("項目に未選択または未入力の項目があります。　　"));
        QCOMPARE(warning.title, QStringLiteral("Tarvelo 2005"));
        QVERIFY(warning.icon == Platform::Icon::Exclamation);
        QVERIFY(warning.buttons == Platform::Buttons::Ok);
        QVERIFY(!form.isNull());
        QVERIFY(form->isVisible());
        QVERIFY(form->CurrentInput() == before);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text23"));
        QVERIFY(Windows("Form4").isEmpty());
    }

    void rearSameAsFrontLeavesTheRearWheelOut() {
        FillComplete(form_);
        Control<QCheckBox>(form_, "Check1")->setChecked(true);
        Control<QComboBox>(form_, "Combo16")->setCurrentIndex(-1);
        Control<QLineEdit>(form_, "Text18")->clear();
        const tarvelo::InputSet set = form_->CurrentInput();
        QVERIFY(set.rearSameAsFrontBefore);
        QVERIFY(!set.rearSameAsFrontAfter);

        QTest::mouseClick(Control<QPushButton>(form_, "Command1"), Qt::LeftButton);
        QVERIFY(platform_->messages().empty());
        QCOMPARE(Windows("Form4").size(), 1);
    }

    void completeSetHandsTheSheetOver() {
        FillComplete(form_);
        const tarvelo::InputSet set = form_->CurrentInput();
        QCOMPARE(set.afterFront.offsetDirection, int{tarvelo::kOffsetMinus});
        QCOMPARE(set.clearanceMm[tarvelo::kRL], QStringLiteral("007"));
        QPointer<Form2> form(form_);

        QTest::keyClick(Control<QWidget>(form_, "Combo30"), Qt::Key_Return);

        QVERIFY(platform_->messages().empty());
        QVERIFY(Windows("Form2").isEmpty());
        QVERIFY(form.isNull());
        // The move to the sheet leaves an open help viewer open.
        QCOMPARE(platform_->helpClosings(), 0);
        const QList<QWidget*> sheets = Windows("Form4");
        QCOMPARE(sheets.size(), 1);
        QWidget* sheet = sheets.front();
        QVERIFY(sheet->isVisible());
        // The sheet holds exactly what the engine computed for the form's entries.
        const tarvelo::AnalysisRun run = tarvelo::RunAnalysis(set);
        QVERIFY(run.sheet.has_value());
        QVERIFY(static_cast<tarvelo::Form4*>(sheet)->Contents() == *run.sheet);

        const auto text = [sheet](const char* name) {
            return Control<QLineEdit>(sheet, QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("F4_TD_FA_Old_TXT"), QStringLiteral("631.9"));
        QCOMPARE(text("F4_TD_FA_New_TXT"), QStringLiteral("625.3"));
        QCOMPARE(text("F4_FC_RL_Hikikomi_Old_TXT"), QStringLiteral("7.0"));
        QCOMPARE(text("F4_WTF_Kumiawase_New_TXT"),
                 QStringLiteral("ﾎｲｰﾙ：7.5×17 -12  ﾀｲﾔ：215/45-17"));
        QCOMPARE(text("F4_TD_FA_JG_TXT"), QStringLiteral("OK"));
        QCOMPARE(Base(Control<QWidget>(sheet, "F4_TD_FA_JG_TXT")), QColor(145, 175, 250));
        QCOMPARE(text("F4_RESULT_TXT"), QStringLiteral("N G"));
        QCOMPARE(Base(Control<QWidget>(sheet, "F4_RESULT_TXT")), QColor(250, 145, 175));
        QCOMPARE(text("F4_FC_FL_Hikikomi_JG_TXT"), QStringLiteral("NG"));
        QCOMPARE(Control<QWidget>(sheet, "F4_FC_FL_Hikikomi_JGCOM_LBL")
                     ->palette()
                     .color(QPalette::WindowText),
                 QColor(250, 0, 0));
        QCOMPARE(text("F4_UV16"), QStringLiteral("未解析"));
    }

    void statusBar() {
        QCOMPARE(Control<QLabel>(form_, "Panel1")->text(),
                 QStringLiteral("Mode : Tarvelo 2005 Input Mode"));
        QCOMPARE(Control<QLabel>(form_, "Panel2")->text(),
                 QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{1,2}:[0-9]{2}$"))
                    .match(Control<QLabel>(form_, "Panel3")->text())
                    .hasMatch());
    }

    void menus_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("file") << "mnuFile"
                              << "ﾌｧｲﾙ(&F)" << QKeySequence();
        QTest::newRow("open") << "mnuFileOpen"
                              << "Input Data 読込み(&O)..." << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("save") << "mnuFileSave"
                              << "現入力データ保存(&S)..." << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("clear") << "mnuDataClear"
                               << "データクリア(&D)" << QKeySequence();
        QTest::newRow("close") << "mnuFileClose"
                               << "トップメニューへ戻る(&C)" << QKeySequence();
        QTest::newRow("print") << "mnuFilePrint"
                               << "印刷(&P)..." << QKeySequence(Qt::CTRL | Qt::Key_P);
        QTest::newRow("exit") << "mnuFileExit"
                              << "終了(&X)" << QKeySequence();
        QTest::newRow("setting") << "mnuSetting"
                                 << "設定(&S)" << QKeySequence();
        QTest::newRow("before same")
            << "mnuBeforeSameFront"
            << "《変更前》 前輪ﾎｲｰﾙと同じ項目の有効/無効(&E)" << QKeySequence();
        QTest::newRow("after same")
            << "mnuAfterSameFront"
            << "【変更後】 前輪ﾎｲｰﾙと同じ項目の有効/無効(&F)" << QKeySequence();
        QTest::newRow("help") << "mnuHelp"
                              << "ﾍﾙﾌﾟ(&H)" << QKeySequence();
        QTest::newRow("help contents") << "mnuHelpContents"
                                       << "Tarvelo 2005 ヘルプ(&H)" << QKeySequence(Qt::Key_F1);
        QTest::newRow("shops") << "mnuCustomizing"
                               << "ショップにてご利用のユーザー様へ(&U)" << QKeySequence();
        QTest::newRow("about") << "mnuHelpAbout"
                               << "ﾊﾞｰｼﾞｮﾝ情報(&A)" << QKeySequence();
    }
    void menus() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        auto* action = Control<QAction>(form_, item);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QVERIFY(action->isEnabled());
        QVERIFY(!action->isChecked());
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
    Form2* form_ = nullptr;
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
