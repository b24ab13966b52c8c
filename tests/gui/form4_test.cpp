#include "results/form4.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "scriptedplatform.h"
#include "sheets.h"
#include "windows.h"

using tarvelo::Field;
using tarvelo::Form4;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;

namespace {

QColor Base(QWidget* w) {
    return w->palette().color(QPalette::Base);
}

QRect InWindow(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

}  // namespace

class Form4Test : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        platform_ = std::make_unique<ScriptedPlatform>();
        sheet_ = new Form4();
        sheet_->show();
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void window() {
        QCOMPARE(sheet_->windowTitle(),
                 QStringLiteral("Tarvelo 2005 Standard Edition - 解析結果モード"));
        QCOMPARE(Control<QLabel>(sheet_, "Panel1")->text(),
                 QStringLiteral("Mode : Tarvelo 2005 Analytical Result Mode"));
        QCOMPARE(sheet_->width(), 788);
        QCOMPARE(sheet_->height() - sheet_->menuBar()->height(), 517);
    }

    void designValues() {
        for (int i = 1; i <= 16; ++i) {
            auto* placeholder = Control<QLineEdit>(sheet_, QStringLiteral("F4_UV%1").arg(i));
            QCOMPARE(placeholder->text(), QStringLiteral("未解析"));
            QVERIFY(placeholder->isReadOnly());
            QVERIFY(!placeholder->isVisible());
        }
        for (const char* name : {"F4_TD_FA_JG_TXT", "F4_FC_RR_Hikikomi_JG_TXT", "F4_RESULT_TXT"}) {
            auto* field = Control<QLineEdit>(sheet_, name);
            QVERIFY(field->text().isEmpty());
            QCOMPARE(Base(field), QColor(Qt::white));
        }
        QVERIFY(Control<QLabel>(sheet_, "F4_TD_RA_JGCOM_LBL")->text().isEmpty());
        QVERIFY(sheet_->Contents() == tarvelo::ResultSheet::Fresh());
    }

    void fieldLooks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        const int centre = Qt::AlignHCenter;
        const int right = Qt::AlignRight;
        QTest::newRow("combination before")
            << "F4_WTR_Kumiawase_Old_TXT" << true << centre << 8.25 << false;
        QTest::newRow("combination after")
            << "F4_WTF_Kumiawase_New_TXT" << true << centre << 8.25 << true;
        QTest::newRow("diameter before") << "F4_TD_RA_Old_TXT" << false << right << 9.0 << false;
        QTest::newRow("diameter after") << "F4_TD_FA_New_TXT" << false << right << 9.0 << true;
        QTest::newRow("judgement") << "F4_FC_RL_Hikikomi_JG_TXT" << false << centre << 9.0 << true;
        QTest::newRow("clearance before")
            << "F4_FC_FR_Hikikomi_Old_TXT" << false << right << 9.0 << false;
        QTest::newRow("movement") << "F4_FC_RR_ZOUKA_New_TXT" << false << right << 9.0 << true;
        QTest::newRow("placeholder") << "F4_UV9" << false << right << 8.25 << false;
        QTest::newRow("verdict") << "F4_RESULT_TXT" << true << centre << 14.25 << true;
    }
    void fieldLooks() {
        QFETCH(QString, field);
        QFETCH(bool, editable);
        QFETCH(int, alignment);
        QFETCH(double, points);
        QFETCH(bool, bold);
        auto* box = Control<QLineEdit>(sheet_, field);
        QCOMPARE(!box->isReadOnly(), editable);
        QCOMPARE(int(box->alignment() & Qt::AlignHorizontal_Mask), alignment);
        QCOMPARE(box->font().pointSizeF(), points);
        QCOMPARE(box->font().bold(), bold);
        // Typing reaches only the editable fields; the sheet holds what was typed.
        const QString before = box->text();
        QTest::keyClicks(box, "x");
        QCOMPARE(box->text(), editable ? before + "x" : before);
        const auto name = tarvelo::FieldFromName(field, u"F4_");
        QVERIFY(name.has_value());
        QCOMPARE(sheet_->Contents()[*name].text, box->text());
    }

    void commentLines() {
        for (const char* name : {"F4_TD_FA_JGCOM_LBL", "F4_TD_RA_JGCOM_LBL",
                                 "F4_FC_FL_Hikikomi_JGCOM_LBL", "F4_FC_RR_Hikikomi_JGCOM_LBL"}) {
            auto* line = Control<QLabel>(sheet_, name);
            QVERIFY(line->isVisible());
            QCOMPARE(line->font().pointSizeF(), 9.0);
        }
    }

    void fillsTextsAndColours() {
        tarvelo::ResultSheet sheet = tarvelo::testing::ExampleSheet();
        sheet[Field::TD_RA_JGCOM_LBL].foreground = tarvelo::colours::AlarmRed;
        sheet_->ShowResults(sheet);
        QVERIFY(sheet_->Contents() == sheet);
        QCOMPARE(
            Control<QLabel>(sheet_, "F4_TD_RA_JGCOM_LBL")->palette().color(QPalette::WindowText),
            QColor(250, 0, 0));
    }

    void legend_data() {
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("blue") << "Notice_Blue_TXT" << QColor(145, 175, 250) << "Label_Verdict_0"
                              << "全く問題なし";
        QTest::newRow("green") << "Notice_Yellow_TXT" << QColor(155, 255, 155) << "Label_Verdict_1"
                               << "問題なし(変更点留意)";
        QTest::newRow("yellow") << "Text4" << QColor(250, 250, 145) << "Label_Verdict_2"
                                << "チェックが必要";
        QTest::newRow("pink") << "Notice_Red_TXT" << QColor(250, 145, 175) << "Label_Verdict_3"
                              << "再検討が必要";
    }
    void legend() {
        QFETCH(QString, swatch);
        QFETCH(QColor, colour);
        QFETCH(QString, label);
        QFETCH(QString, text);
        auto* box = Control<QLineEdit>(sheet_, swatch);
        auto* caption = Control<QLabel>(sheet_, label);
        QVERIFY(box->isReadOnly());
        QVERIFY(box->text().isEmpty());
        QCOMPARE(Base(box), colour);
        QCOMPARE(caption->text(), text);
        QCOMPARE(caption->font().pointSizeF(), 8.25);
        QVERIFY(InWindow(caption).left() > InWindow(box).right());
        // An analysis leaves the legend as it is.
        sheet_->ShowResults(tarvelo::testing::ExampleSheet());
        QCOMPARE(Base(box), colour);
    }

    void legendOrder() {
        int x = -1;
        for (const char* name :
             {"Notice_Blue_TXT", "Notice_Yellow_TXT", "Text4", "Notice_Red_TXT"}) {
            const int left = InWindow(Control<QWidget>(sheet_, name)).left();
            QVERIFY(left > x);
            x = left;
        }
    }

    // The panel's rows top to bottom and a row's columns left to right, all inside the window.
    void layoutOrder() {
        const QStringList rows{"Label_WT_Kumiawase",
                               "Label3",
                               "Label9",
                               "Label_Old",
                               "Label0",
                               "Label1",
                               "Label10",
                               "Label4",
                               "Label2",
                               "Label13",
                               "Label7",
                               "Label14",
                               "Label15",
                               "Label20",
                               "Notice_Blue_TXT",
                               "Label54"};
        int y = -1;
        for (const QString& name : rows) {
            const QRect r = InWindow(Control<QWidget>(sheet_, name));
            QVERIFY2(r.top() > y, qPrintable(name));
            QVERIFY2(sheet_->rect().contains(r), qPrintable(name));
            y = r.top();
        }
        const QStringList columns{"Label7", "F4_FC_RL_Hikikomi_Old_TXT",
                                  "F4_FC_RL_Hikikomi_New_TXT", "F4_FC_RL_Hikikomi_JG_TXT",
                                  "F4_FC_RL_Hikikomi_JGCOM_LBL"};
        int x = -1;
        for (const QString& name : columns) {
            const QRect r = InWindow(Control<QWidget>(sheet_, name));
            QVERIFY2(r.left() > x, qPrintable(name));
            QVERIFY2(sheet_->rect().contains(r), qPrintable(name));
            x = r.right();
        }
        const QStringList bottom{"F4_Command2", "Label54", "F4_RESULT_TXT", "F4_Command1"};
        x = -1;
        for (const QString& name : bottom) {
            const QRect r = InWindow(Control<QWidget>(sheet_, name));
            QVERIFY2(r.left() > x, qPrintable(name));
            x = r.right();
        }
    }

    void buttonsAndCaptions() {
        auto* ok = Control<QPushButton>(sheet_, "F4_Command1");
        QCOMPARE(ok->text(), QStringLiteral("O K"));
        QCOMPARE(ok->font().pointSizeF(), 11.25);
        QVERIFY(ok->font().bold());
        QCOMPARE(Control<QPushButton>(sheet_, "F4_Command2")->text(),
                 QStringLiteral("入力モードに戻る"));
        auto* verdict = Control<QLabel>(sheet_, "Label54");
        QCOMPARE(verdict->text(), QStringLiteral("総合判定"));
        QCOMPARE(verdict->font().pointSizeF(), 12.75);
        QCOMPARE(Control<QLabel>(sheet_, "Label21")->text(),
                 QStringLiteral(
                     "移動します。　（移動量大の場合は、実車でﾀｲﾔ内側ｸﾘｱﾗﾝｽをﾁｪｯｸして下さい）"));
        QCOMPARE(Control<QLabel>(sheet_, "Label20")->text(),
                 QStringLiteral("ﾀｲﾔ内側移動　 後輪（右）：内側"));
        QCOMPARE(Control<QLabel>(sheet_, "Label_Arrow_0")->text(), QStringLiteral("≫"));
    }

    void notesPanelIsNeverSeen() {
        QVERIFY(!Control<QWidget>(sheet_, "Frame2")->isVisible());
        const QStringList lines =
            Control<QPlainTextEdit>(sheet_, "Text1")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[2], QStringLiteral("3）車検を通過するには、メーター誤差が＋15%以下で－10%"
                                          "以上の範囲内にあることが求められます。"));
        for (const char* name : {"Text2", "Text3"}) {
            auto* box = Control<QLineEdit>(sheet_, name);
            QVERIFY(box->text().isEmpty());
            QCOMPARE(Base(box), QColor(255, 192, 192));
        }
    }

    void menus_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("save") << "mnuFileSave"
                              << "解析結果の保存(&S)..." << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("input mode") << "mnuInputMode"
                                    << "入力モードに戻る(&B)" << QKeySequence();
        QTest::newRow("close") << "mnuFileClose"
                               << "トップメニューへ戻る(&C)" << QKeySequence();
        QTest::newRow("print") << "mnuFilePrint"
                               << "印刷(&P)..." << QKeySequence(Qt::CTRL | Qt::Key_P);
        QTest::newRow("exit") << "mnuFileExit"
                              << "終了(&X)" << QKeySequence();
        QTest::newRow("help") << "mnuHelpContents"
                              << "Tarvelo 2005 ヘルプ(&H)" << QKeySequence(Qt::Key_F1);
        QTest::newRow("about") << "mnuHelpAbout"
                               << "ﾊﾞｰｼﾞｮﾝ情報(&A)" << QKeySequence();
    }
    void menus() {
        QFETCH(QString, item);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        auto* action = Control<QAction>(sheet_, item);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
    Form4* sheet_ = nullptr;
};

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
