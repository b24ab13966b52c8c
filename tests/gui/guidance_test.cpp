#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "app/pictures.h"
#include "input/form2.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::Form2;
using tarvelo::testing::Control;
using tarvelo::testing::ShowActive;

namespace {

QString Lines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

const QString kTyreWidth = Lines(
    {QStringLiteral("【タイヤ断面幅サイズ(mm)】"),
     QStringLiteral("タイヤ断面幅サイズをドロップダウンリストから選択して下さい。"), QString(),
     QStringLiteral("下図は代表的なタイヤサイズ表記の例を示していて、図中①の表記部分に該当します。"),
     QString(), QStringLiteral("【補足事項】"),
     QStringLiteral("断面幅とは、サイドウォールの文字や模様を含まないタイヤ幅のことです。")});

const QString kSameAsFront = Lines(
    {QStringLiteral("【前輪ホイールと同じ】"),
     QStringLiteral("後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 "
                    "入力が省略でき便利です。")});

bool Holds(QLabel* area, int id) {
    const QImage expected = QImage::fromData(tarvelo::ResourcePictureBytes(id));
    return !area->pixmap().isNull() &&
           area->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) ==
               expected.convertToFormat(QImage::Format_ARGB32) &&
           area->size() == expected.size();
}

}  // namespace

class GuidanceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        platform_ = std::make_unique<tarvelo::testing::ScriptedPlatform>();
        form_ = new Form2();
        QVERIFY(ShowActive(form_));
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void openingExplainsTheFrontRimDiameter() {
        const QString text = Control<QLabel>(form_, "Label_Kaisetsu")->text();
        QVERIFY(text.startsWith(QStringLiteral(
            "【ホイールリム径(inch)】\r\n変更前の前輪ホイールリム径をドロップダウンリストから選択して下さい。\r\n\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("\r\n  【図A-ホイール寸法について】")));
        QCOMPARE(text.split(QStringLiteral("\r\n")).size(), 24);
        QVERIFY(Holds(Control<QLabel>(form_, "Image12"), 162));
        QVERIFY(Holds(Control<QLabel>(form_, "Image13"), 163));
        QCOMPARE(Control<QLabel>(form_, "Image12")->pos(), QPoint(7, 145));
        QCOMPARE(Control<QLabel>(form_, "Image13")->pos(), QPoint(9, 292));
        QVERIFY(Control<QLabel>(form_, "Image3")->pixmap().isNull());
    }

    void tabFromRimWidthToOffsetMovesTheWheelFigureDown() {
        Control<QWidget>(form_, "Combo12")->setFocus(Qt::TabFocusReason);
        QCOMPARE(Control<QLabel>(form_, "Image12")->y(), 145);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));
        QCOMPARE(Control<QLabel>(form_, "Image12")->y(), 171);
        QVERIFY(Holds(Control<QLabel>(form_, "Image13"), 163));
    }

    void eachGroupShowsItsFiguresAndText() {
        for (const char* tyre : {"Combo14", "Combo19", "Combo24", "Combo29"}) {
            Control<QWidget>(form_, tyre)->setFocus(Qt::MouseFocusReason);
            QCOMPARE(Control<QLabel>(form_, "Label_Kaisetsu")->text(), kTyreWidth);
            QVERIFY(Holds(Control<QLabel>(form_, "Image3"), 119));
            QCOMPARE(Control<QLabel>(form_, "Image3")->pos(), QPoint(9, 193));
            QVERIFY(Control<QLabel>(form_, "Image12")->pixmap().isNull());
            QVERIFY(Control<QLabel>(form_, "Image13")->pixmap().isNull());
        }
        Control<QWidget>(form_, "F2_FC_RL_Hikikomi_Old_TXT")->setFocus(Qt::TabFocusReason);
        QVERIFY(Control<QLabel>(form_, "Label_Kaisetsu")
                    ->text()
                    .startsWith(QStringLiteral(
                        "【後輪フェンダークリアランス】\r\n変更前の後輪左側のﾌｪﾝﾀﾞｰ\r\n")));
        QVERIFY(Holds(Control<QLabel>(form_, "Image13"), 164));
        QCOMPARE(Control<QLabel>(form_, "Image13")->pos(), QPoint(9, 277));
        QVERIFY(Control<QLabel>(form_, "Image3")->pixmap().isNull());
        for (const char* check : {"Check1", "Check2"}) {
            Control<QWidget>(form_, check)->setFocus(Qt::TabFocusReason);
            QCOMPARE(Control<QLabel>(form_, "Label_Kaisetsu")->text(), kSameAsFront);
            for (const char* area : {"Image3", "Image12", "Image13"})
                QVERIFY(Control<QLabel>(form_, area)->pixmap().isNull());
        }
    }

    void buttonsLeaveThePanel() {
        Control<QWidget>(form_, "Combo24")->setFocus(Qt::TabFocusReason);
        for (const char* button : {"Command1", "Command2", "Command3"}) {
            Control<QWidget>(form_, button)->setFocus(Qt::MouseFocusReason);
            QCOMPARE(Control<QLabel>(form_, "Label_Kaisetsu")->text(), kTyreWidth);
            QVERIFY(Holds(Control<QLabel>(form_, "Image3"), 119));
        }
    }

  private:
    std::unique_ptr<tarvelo::testing::ScriptedPlatform> platform_;
    Form2* form_ = nullptr;
};

QTEST_MAIN(GuidanceTest)
#include "guidance_test.moc"
