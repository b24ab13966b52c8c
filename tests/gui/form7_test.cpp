#include "results/form7.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/form1.h"
#include "common/datafile.h"
#include "results/form4.h"
#include "results/resultfile.h"
#include "scriptedplatform.h"
#include "sheets.h"
#include "windows.h"

Q_DECLARE_METATYPE(std::optional<QString>)

using tarvelo::Field;
using tarvelo::Form7;
using tarvelo::Platform;
using tarvelo::ResultSheet;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;
using tarvelo::testing::ShowActive;
using tarvelo::testing::ShownWindows;
using tarvelo::testing::Windows;

namespace {

const QColor kTan(239, 187, 141);
const QColor kBlue(145, 175, 250);
const QColor kGreen(155, 255, 155);
const QColor kYellow(250, 250, 145);
const QColor kPink(250, 145, 175);
const QColor kAlarm(250, 0, 0);
const QColor kRearAlarm(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// The stored numbers of a result file; the combinations, placeholders and movements are
// fixed.
struct StoredNumbers {
    QString frontBefore = QStringLiteral("612.3");
    QString frontAfter = QStringLiteral("630.1");
    QString rearBefore = QStringLiteral("612.3");
    QString rearAfter = QStringLiteral("630.1");
    std::array<QString, 4> clearances{QStringLiteral("20.0"), QStringLiteral("20.0"),
                                      QStringLiteral("20.0"), QStringLiteral("20.0")};
};

// The 36 lines of a result file, as the sheet writes them.
QByteArray FileBytes(const StoredNumbers& n) {
    const QString uv = QStringLiteral("未解析");
    const QString combinationBefore = QStringLiteral("ﾎｲｰﾙ：6.5×16 +45  ﾀｲﾔ：205/55-16");
    const QString combinationAfter = QStringLiteral("ﾎｲｰﾙ：7×17 +48  ﾀｲﾔ：215/45-17");
    QStringList values{combinationBefore, combinationAfter, combinationBefore, combinationAfter,
                       n.frontBefore,     n.frontAfter,     n.rearBefore,      n.rearAfter};
    // Each corner: the clearance before and after, then its four placeholders.
    for (const QString& clearance : n.clearances) {
        values << QStringLiteral("10.0") << clearance << uv << uv << uv << uv;
    }
    values << QStringLiteral("+1.0") << QStringLiteral("+2.0") << QStringLiteral("+3.0")
           << QStringLiteral("+4.0");
    QByteArray bytes;
    for (const QString& value : values) bytes += '"' + *tarvelo::EncodeCp932(value) + "\"\r\n";
    return bytes;
}

// What a field shows: its text, and for a box its background and text colour, for a
// comment line its text colour.
struct Shown {
    QString text;
    QColor background;
    QColor foreground;
    friend bool operator==(const Shown&, const Shown&) = default;
};

Shown ShownIn(QWidget* window, const QString& name) {
    auto* widget = Control<QWidget>(window, name);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        return {box->text(), box->palette().color(QPalette::Base),
                box->palette().color(QPalette::Text)};
    }
    auto* line = qobject_cast<QLabel*>(widget);
    return {line->text(), QColor(), line->palette().color(QPalette::WindowText)};
}

QString Describe(const Shown& s) {
    return QStringLiteral("%1 %2 %3").arg(s.text, s.background.name(), s.foreground.name());
}

// Every field of the window with the given prefix, as shown.
QList<Shown> Picture(QWidget* window, QStringView prefix) {
    QList<Shown> all;
    for (Field field : tarvelo::AllFields()) all << ShownIn(window, FieldName(field, prefix));
    return all;
}

}  // namespace

class Form7Test : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(tarvelo::Cp932Available());
    }
    void init() {
        platform_ = std::make_unique<ScriptedPlatform>();
        dir_ = std::make_unique<QTemporaryDir>();
        viewer_ = new Form7();
        QVERIFY(ShowActive(viewer_));
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        dir_.reset();
        platform_.reset();
    }

    void window() {
        QCOMPARE(viewer_->windowTitle(),
                 QStringLiteral("Tarvelo 2005 Viewer - 解析結果ビューワモード"));
        QCOMPARE(Control<QLabel>(viewer_, "Panel1")->text(),
                 QStringLiteral("Mode : Tarvelo 2005 Viewer Mode"));
        QCOMPARE(viewer_->width(), 788);
        QCOMPARE(viewer_->height() - viewer_->menuBar()->height(), 517);
        QCOMPARE(viewer_->palette().color(QPalette::Window), kTan);
        for (const char* frame : {"Frame0", "Frame1"}) {
            auto* box = Control<QGroupBox>(viewer_, frame);
            QVERIFY(box->autoFillBackground());
            QCOMPARE(box->palette().color(QPalette::Window), kTan);
        }
        // The comment lines are white, so a comment reads as on paper.
        auto* comment = Control<QLabel>(viewer_, "F7_FC_RL_Hikikomi_JGCOM_LBL");
        QVERIFY(comment->autoFillBackground());
        QCOMPARE(comment->palette().color(QPalette::Window), kWhite);
        QCOMPARE(Control<QLabel>(viewer_, "Label54")->text(), QStringLiteral("総合判定"));
        QVERIFY(!Control<QWidget>(viewer_, "Frame2")->isVisible());
        QCOMPARE(Control<QLabel>(viewer_, "Label_Verdict_1")->text(),
                 QStringLiteral("問題なし(変更点留意)"));
    }

    void buttons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("isDefault");
        QTest::newRow("O K") << "F7_Command1"
                             << "O K" << 11.25 << true << true;
        QTest::newRow("データクリア") << "F7_Command2"
                                      << "データクリア" << 9.75 << false << false;
    }
    void buttons() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, isDefault);
        auto* button = Control<QPushButton>(viewer_, name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->font().pointSizeF(), points);
        QCOMPARE(button->font().bold(), bold);
        QCOMPARE(button->isDefault(), isDefault);
        QCOMPARE(button->palette().color(QPalette::Button), kTan);
    }

    void menus_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("open") << "mnuFileOpen"
                              << "解析結果データ読込み(&O)..."
                              << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("clear") << "mnuDataClear"
                               << "データクリア(&D)" << QKeySequence();
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
        auto* action = Control<QAction>(viewer_, item);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QCOMPARE(Control<QMenu>(viewer_, "mnufile")->title(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    }

    void startsEmpty() {
        for (Field field : tarvelo::AllFields()) {
            const Shown shown = ShownIn(viewer_, FieldName(field, u"F7_"));
            QVERIFY2(shown.text.isEmpty(), qPrintable(FieldName(field, u"F7_")));
        }
        for (const char* name : {"F7_TD_FA_JG_TXT", "F7_FC_RR_Hikikomi_JG_TXT", "F7_RESULT_TXT"})
            QCOMPARE(ShownIn(viewer_, name).background, kWhite);
        QVERIFY(viewer_->Contents() == ResultSheet::Blank());
    }

    void pictures_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Image4, picture 171") << "Image4" << QSize(285, 36);
        QTest::newRow("Image1, picture 102") << "Image1" << QSize(95, 17);
        QTest::newRow("Image9, picture 125") << "Image9" << QSize(62, 15);
        QTest::newRow("Image5, picture 126") << "Image5" << QSize(55, 13);
    }
    void pictures() {
        QFETCH(QString, area);
        QFETCH(QSize, size);
        QCOMPARE(Control<QLabel>(viewer_, area)->pixmap().size(), size);
    }

    void openDialog() {
        platform_->ReturnNextFile(std::nullopt);
        Control<QAction>(viewer_, "mnuFileOpen")->trigger();
        QCOMPARE(platform_->fileDialogs().size(), size_t{1});
        const Platform::FileDialog& dialog = platform_->fileDialogs().front();
        QCOMPARE(dialog.presetName, QStringLiteral("*.rdw"));
        QCOMPARE(dialog.filter, QStringLiteral("ResultData(*.rdw)"));
    }

    // A cancelled dialog, an empty name and a file that cannot be read leave the viewer as
    // it was; only the unreadable file is reported.
    void openThatChangesNothing_data() {
        QTest::addColumn<std::optional<QString>>("choice");
        QTest::addColumn<bool>("warned");
        QTest::newRow("cancel") << std::optional<QString>() << false;
        QTest::newRow("empty name") << std::optional<QString>(QString()) << false;
        QTest::newRow("missing file") << std::optional<QString>("missing.rdw") << true;
        QTest::newRow("folder") << std::optional<QString>(".") << true;
    }
    void openThatChangesNothing() {
        QFETCH(std::optional<QString>, choice);
        QFETCH(bool, warned);
        Open(Write("ok.rdw", StoredNumbers{}));
        const QList<Shown> before = Picture(viewer_, u"F7_");
        std::optional<QString> path = choice;
        if (path && !path->isEmpty()) path = dir_->filePath(*path);

        platform_->ReturnNextFile(path);
        Control<QAction>(viewer_, "mnuFileOpen")->trigger();

        QCOMPARE(Picture(viewer_, u"F7_"), before);
        QCOMPARE(platform_->messages().size(), size_t(warned ? 1 : 0));
        if (!warned) return;
        const Platform::Message& m = platform_->messages().front();
        QCOMPARE(m.title, QStringLiteral("Tarvelo 2005 Viewer"));
        QVERIFY(m.icon == Platform::Icon::Exclamation);
        QVERIFY(m.buttons == Platform::Buttons::Ok);
        QCOMPARE(m.text, QStringLiteral("解析結果データを読み込めませんでした。") +
                             tarvelo::ReadResultFile(*path).error + QStringLiteral("　　"));
        QVERIFY(!tarvelo::ReadResultFile(*path).error.isEmpty());
    }

    void meterError_data() {
        QTest::addColumn<bool>("rear");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("judgement");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QColor>("colour");
        const QString same = QStringLiteral("変更前と同サイズです。（誤差：");
        const QString within = QStringLiteral("推奨値の±3%以内です。（誤差：");
        const QString advise = QStringLiteral("可能ならば±3%以内を推奨。（誤差：");
        const QString notAdvised = QStringLiteral("車検範囲内も推奨できません。（誤差：");
        const QString large = QStringLiteral("誤差大につき、要再検討。（誤差：");
        QTest::newRow("equal") << false << "612.3"
                               << "612.3"
                               << "OK" << kBlue << same + "0.0%）" << kBlack;
        QTest::newRow("2.9") << false << "612.3"
                             << "630.1"
                             << "OK" << kBlue << within + "2.9%）" << kBlack;
        QTest::newRow("3.0") << false << "600.0"
                             << "618.0"
                             << "OK" << kBlue << within + "3.0%）" << kBlack;
        QTest::newRow("5.0") << false << "600.0"
                             << "630.0"
                             << "OK" << kGreen << advise + "5.0%）" << kBlack;
        QTest::newRow("15.0") << false << "600.0"
                              << "690.0"
                              << "NG" << kYellow << notAdvised + "15.0%）" << kAlarm;
        QTest::newRow("16.7") << false << "600.0"
                              << "700.0"
                              << "NG" << kPink << large + "16.7%）" << kAlarm;
        QTest::newRow("-3.0") << false << "600.0"
                              << "582.0"
                              << "OK" << kBlue << within + "-3.0%）" << kBlack;
        QTest::newRow("-5.0") << false << "600.0"
                              << "570.0"
                              << "OK" << kGreen << advise + "-5.0%）" << kBlack;
        QTest::newRow("-10.0") << false << "600.0"
                               << "540.0"
                               << "NG" << kYellow << notAdvised + "-10.0%）" << kAlarm;
        QTest::newRow("rear 3.0") << true << "600.0"
                                  << "618.0"
                                  << "OK" << kBlue << within + "3.0%）" << kBlack;
        QTest::newRow("rear -10.0") << true << "600.0"
                                    << "540.0"
                                    << "NG" << kYellow << notAdvised + "-10.0%）" << kRearAlarm;
        QTest::newRow("rear -10.1") << true << "600.0"
                                    << "539.4"
                                    << "NG" << kPink << large + "-10.1 %）" << kRearAlarm;
        QTest::newRow("rear 16.7") << true << "600.0"
                                   << "700.0"
                                   << "NG" << kPink << large + "16.7 %）" << kRearAlarm;
    }
    void meterError() {
        QFETCH(bool, rear);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, judgement);
        QFETCH(QColor, background);
        QFETCH(QString, comment);
        QFETCH(QColor, colour);
        StoredNumbers n;
        (rear ? n.rearBefore : n.frontBefore) = before;
        (rear ? n.rearAfter : n.frontAfter) = after;
        Open(Write("meter.rdw", n));
        const QString axle = rear ? QStringLiteral("F7_TD_RA_") : QStringLiteral("F7_TD_FA_");
        const QColor text = judgement == u"OK" ? kBlack : kAlarm;
        QCOMPARE(ShownIn(viewer_, axle + "JG_TXT"), (Shown{judgement, background, text}));
        QCOMPARE(ShownIn(viewer_, axle + "JGCOM_LBL"), (Shown{comment, QColor(), colour}));
        const bool ok = judgement == u"OK";
        QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").text, QString(ok ? "O K" : "N G"));
        QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").background, ok ? kBlue : kPink);
    }

    void clearance_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("judgement");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QString>("comment");
        QTest::newRow("15.0") << "15.0"
                              << "OK" << kBlue
                              << "車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）";
        QTest::newRow("10.0") << "10.0"
                              << "OK" << kGreen
                              << "車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕小）";
        QTest::newRow("5.0") << "5.0"
                             << "OK" << kYellow
                             << "注意！計測誤差等によってはﾀｲﾔが車体外側の可能性も有。";
        QTest::newRow("0.0") << "0.0"
                             << "OK" << kYellow
                             << "注意！ほぼﾂﾗｲﾁ状態ですが、ﾀｲﾔが車体外側の可能性も有。";
        QTest::newRow("-0.1") << "-0.1"
                              << "NG" << kPink
                              << "タイヤが車体外側となっており、道交法違反の対象になります。";
    }
    void clearance() {
        QFETCH(QString, stored);
        QFETCH(QString, judgement);
        QFETCH(QColor, background);
        QFETCH(QString, comment);
        // Each corner in turn holds the value; the others have a large margin.
        const QStringList corners{"FL", "FR", "RL", "RR"};
        for (int i = 0; i < 4; ++i) {
            StoredNumbers n;
            n.clearances[static_cast<size_t>(i)] = stored;
            Open(Write("clearance.rdw", n));
            const QString prefix = QStringLiteral("F7_FC_%1_Hikikomi_").arg(corners[i]);
            const QColor text = judgement == u"OK" ? kBlack : kAlarm;
            QCOMPARE(ShownIn(viewer_, prefix + "JG_TXT"), (Shown{judgement, background, text}));
            QCOMPARE(ShownIn(viewer_, prefix + "JGCOM_LBL"), (Shown{comment, QColor(), text}));
            QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").text,
                     QString(judgement == u"OK" ? "O K" : "N G"));
        }
    }

    void textsFromTheFile() {
        Open(Write("texts.rdw", StoredNumbers{}));
        QCOMPARE(ShownIn(viewer_, "F7_WTF_Kumiawase_New_TXT").text,
                 QStringLiteral("ﾎｲｰﾙ：7×17 +48  ﾀｲﾔ：215/45-17"));
        QCOMPARE(ShownIn(viewer_, "F7_FC_RL_Hikikomi_Old_TXT").text, QStringLiteral("10.0"));
        QCOMPARE(ShownIn(viewer_, "F7_FC_RR_ZOUKA_New_TXT").text, QStringLiteral("+4.0"));
        QCOMPARE(Control<QLineEdit>(viewer_, "F7_UV16")->text(), QStringLiteral("未解析"));
        QVERIFY(!Control<QLineEdit>(viewer_, "F7_UV16")->isVisible());
    }

    // Nothing of an alarming file's red survives a file whose results are all "OK".
    void okFileAfterNgFile() {
        StoredNumbers ng;
        ng.frontAfter = ng.rearAfter = QStringLiteral("700.0");
        ng.clearances = {"-1.0", "-2.0", "-3.0", "-4.0"};
        Open(Write("ng.rdw", ng));
        QCOMPARE(ShownIn(viewer_, "F7_TD_RA_JGCOM_LBL").foreground, kRearAlarm);
        QCOMPARE(ShownIn(viewer_, "F7_FC_RR_Hikikomi_JG_TXT").foreground, kAlarm);

        Open(Write("ok.rdw", StoredNumbers{}));
        for (const char* axle : {"F7_TD_FA_", "F7_TD_RA_"}) {
            QCOMPARE(ShownIn(viewer_, QString::fromLatin1(axle) + "JG_TXT").foreground, kBlack);
            QCOMPARE(ShownIn(viewer_, QString::fromLatin1(axle) + "JGCOM_LBL").foreground, kBlack);
        }
        for (const char* corner : {"FL", "FR", "RL", "RR"}) {
            const QString prefix = QStringLiteral("F7_FC_%1_Hikikomi_").arg(corner);
            QCOMPARE(ShownIn(viewer_, prefix + "JG_TXT"), (Shown{"OK", kBlue, kBlack}));
            QCOMPARE(ShownIn(viewer_, prefix + "JGCOM_LBL").foreground, kBlack);
        }
        QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT"), (Shown{"O K", kBlue, kBlack}));
    }

    void dataClear_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("データクリア") << false;
        QTest::newRow("データクリア(&D)") << true;
    }
    void dataClear() {
        QFETCH(bool, byMenu);
        StoredNumbers ng;
        ng.rearAfter = QStringLiteral("700.0");
        ng.clearances[2] = QStringLiteral("-3.0");
        const QString path = Write("ng.rdw", ng);
        Open(path);
        const QList<Shown> opened = Picture(viewer_, u"F7_");

        if (byMenu) {
            Control<QAction>(viewer_, "mnuDataClear")->trigger();
        } else {
            QTest::mouseClick(Control<QPushButton>(viewer_, "F7_Command2"), Qt::LeftButton);
        }

        for (Field field : tarvelo::AllFields()) {
            const QString name = FieldName(field, u"F7_");
            const Shown was = opened[static_cast<int>(field)];
            const Shown now = ShownIn(viewer_, name);
            const bool placeholder = name.startsWith(u"F7_UV");
            QCOMPARE(now.text, placeholder ? QStringLiteral("未解析") : QString());
            QVERIFY2(now.foreground == was.foreground, qPrintable(name));
            const tarvelo::FieldKind kind = tarvelo::KindOf(field);
            const bool whitened =
                kind == tarvelo::FieldKind::Judgement || kind == tarvelo::FieldKind::Verdict;
            QVERIFY2(now.background == (whitened ? kWhite : was.background), qPrintable(name));
        }
        // The red of the rear axle's comment is kept while its text is gone.
        QCOMPARE(ShownIn(viewer_, "F7_TD_RA_JG_TXT"), (Shown{QString(), kWhite, kAlarm}));
        QVERIFY(platform_->messages().empty());

        Open(path);
        QCOMPARE(Picture(viewer_, u"F7_"), opened);
    }

    // A number the file lacks, or a diameter of 0 before the change, gives no judgement
    // for that axle or corner, and the verdict cannot be "O K".
    void valuesThatCannotBeJudged_data() {
        QTest::addColumn<QString>("frontBefore");
        QTest::addColumn<QString>("clearance");
        QTest::addColumn<QString>("unjudged");
        QTest::newRow("diameter not a number") << "abc"
                                               << "20.0"
                                               << "F7_TD_FA_";
        QTest::newRow("empty diameter") << ""
                                        << "20.0"
                                        << "F7_TD_FA_";
        QTest::newRow("diameter 0") << "0.0"
                                    << "20.0"
                                    << "F7_TD_FA_";
        QTest::newRow("clearance not a number") << "612.3"
                                                << "x"
                                                << "F7_FC_FR_Hikikomi_";
    }
    void valuesThatCannotBeJudged() {
        QFETCH(QString, frontBefore);
        QFETCH(QString, clearance);
        QFETCH(QString, unjudged);
        StoredNumbers ng;
        ng.frontAfter = ng.rearAfter = QStringLiteral("700.0");
        ng.clearances = {"-1.0", "-2.0", "-3.0", "-4.0"};
        Open(Write("ng.rdw", ng));

        StoredNumbers n;
        n.frontBefore = frontBefore;
        n.clearances[1] = clearance;
        Open(Write("odd.rdw", n));

        QCOMPARE(ShownIn(viewer_, unjudged + "JG_TXT"), (Shown{QString(), kWhite, kBlack}));
        QCOMPARE(ShownIn(viewer_, unjudged + "JGCOM_LBL"), (Shown{QString(), QColor(), kBlack}));
        QCOMPARE(ShownIn(viewer_, "F7_TD_RA_JG_TXT"), (Shown{"OK", kBlue, kBlack}));
        QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").text, QStringLiteral("N G"));
        QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").background, kPink);
        QVERIFY(platform_->messages().empty());
    }

    // A file that ends early fills the fields it has, in order, and leaves the rest empty.
    void shortFile() {
        Open(Write("full.rdw", StoredNumbers{}));
        QByteArray bytes = FileBytes(StoredNumbers{});
        bytes.truncate(bytes.indexOf("\"10.0\""));  // the first eight values
        const QString path = dir_->filePath("short.rdw");
        WriteBytes(path, bytes);
        Open(path);
        QCOMPARE(ShownIn(viewer_, "F7_TD_RA_New_TXT").text, QStringLiteral("630.1"));
        QCOMPARE(ShownIn(viewer_, "F7_TD_RA_JG_TXT").text, QStringLiteral("OK"));
        QCOMPARE(ShownIn(viewer_, "F7_FC_FL_Hikikomi_Old_TXT").text, QString());
        QCOMPARE(ShownIn(viewer_, "F7_UV1").text, QString());
        QCOMPARE(ShownIn(viewer_, "F7_FC_RR_ZOUKA_New_TXT").text, QString());
        QCOMPARE(ShownIn(viewer_, "F7_FC_FL_Hikikomi_JG_TXT"), (Shown{QString(), kWhite, kBlack}));
        QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").text, QStringLiteral("N G"));
    }

    // A file saved from the sheet shows the sheet's judgements and colours; its combination
    // texts, edited with a comma, read back whole. Only a clearance that the sheet showed
    // rounded across a band edge is judged from the rounded number: 14.96 is stored as 15.0.
    void fileSavedFromTheSheet() {
        tarvelo::InputSet set;
        set.beforeFront = {"16", "6.5", tarvelo::kOffsetPlus, "45", "205", "55"};
        set.afterFront = set.beforeFront;
        set.beforeRear = set.beforeFront;
        set.afterRear = {"17", "7", tarvelo::kOffsetPlus, "48", "215", "45"};
        set.clearanceMm = {"14.96", "10", "20", "9"};
        auto* sheet = new tarvelo::Form4();
        sheet->ShowResults(*tarvelo::RunAnalysis(set).sheet);
        QVERIFY(ShowActive(sheet));
        auto* combination = Control<QLineEdit>(sheet, "F4_WTR_Kumiawase_New_TXT");
        combination->selectAll();
        QTest::keyClicks(combination, "215/45-17, 7.5J");
        const QString path = dir_->filePath("saved.rdw");
        platform_->ReturnNextFile(path);
        Control<QAction>(sheet, "mnuFileSave")->trigger();
        QVERIFY(platform_->messages().empty());

        Open(path);
        QCOMPARE(ShownIn(viewer_, "F7_WTR_Kumiawase_New_TXT").text,
                 QStringLiteral("215/45-17, 7.5J"));
        QCOMPARE(ShownIn(sheet, "F4_FC_FL_Hikikomi_New_TXT").text, QStringLiteral("15.0"));
        QCOMPARE(ShownIn(sheet, "F4_FC_FL_Hikikomi_JG_TXT").background, kGreen);
        QCOMPARE(ShownIn(viewer_, "F7_FC_FL_Hikikomi_JG_TXT"), (Shown{"OK", kBlue, kBlack}));
        QCOMPARE(ShownIn(viewer_, "F7_FC_FL_Hikikomi_JGCOM_LBL").text,
                 QStringLiteral("車体内側（ﾌｪﾝﾀﾞｰ内）にタイヤ側面部が収まります。（余裕大）"));
        // Judgements and the verdict in full; the comments' colours, and the clearance
        // comments' texts, which the two windows word alike.
        const QStringList judgements{"TD_FA_JG_TXT",
                                     "TD_RA_JG_TXT",
                                     "FC_FR_Hikikomi_JG_TXT",
                                     "FC_RL_Hikikomi_JG_TXT",
                                     "FC_RR_Hikikomi_JG_TXT",
                                     "RESULT_TXT",
                                     "FC_FR_Hikikomi_JGCOM_LBL",
                                     "FC_RL_Hikikomi_JGCOM_LBL",
                                     "FC_RR_Hikikomi_JGCOM_LBL"};
        for (const QString& field : judgements) {
            const Shown onSheet = ShownIn(sheet, "F4_" + field);
            const Shown inViewer = ShownIn(viewer_, "F7_" + field);
            QVERIFY2(inViewer == onSheet,
                     qPrintable(field + ": " + Describe(inViewer) + " / " + Describe(onSheet)));
        }
        for (const char* comment : {"TD_FA_JGCOM_LBL", "TD_RA_JGCOM_LBL"}) {
            QCOMPARE(ShownIn(viewer_, QStringLiteral("F7_") + comment).foreground,
                     ShownIn(sheet, QStringLiteral("F4_") + comment).foreground);
        }
        QCOMPARE(ShownIn(viewer_, "F7_FC_RR_Hikikomi_JG_TXT").background, kYellow);
    }

    void print() {
        Control<QAction>(viewer_, "mnuFilePrint")->trigger();
        QCOMPARE(platform_->printouts().size(), size_t{1});
    }

    void leaving_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("shownAfter");
        const QString leave = QStringLiteral(
            "解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？　　");
        const QString quit =
            QStringLiteral("全てのプログラムを終了しようとしています。 全終了しますか？　　");
        QTest::newRow("to top menu, OK")
            << "mnuFileClose" << leave << "Tarvelo 2005 Viewer" << true << QStringList{"Form1"};
        QTest::newRow("to top menu, Cancel")
            << "mnuFileClose" << leave << "Tarvelo 2005 Viewer" << false << QStringList{"Form7"};
        QTest::newRow("quit, OK") << "mnuFileExit" << quit << "Tarvelo 2005" << true
                                  << QStringList{};
        QTest::newRow("quit, Cancel")
            << "mnuFileExit" << quit << "Tarvelo 2005" << false << QStringList{"Form7"};
    }
    void leaving() {
        QFETCH(QString, item);
        QFETCH(QString, question);
        QFETCH(QString, title);
        QFETCH(bool, ok);
        QFETCH(QStringList, shownAfter);
        Open(Write("ok.rdw", StoredNumbers{}));
        platform_->AnswerNextMessage(ok ? Platform::Answer::Ok : Platform::Answer::Cancel);

        Control<QAction>(viewer_, item)->trigger();

        QCOMPARE(platform_->messages().size(), size_t{1});
        const Platform::Message& asked = platform_->messages().front();
        QCOMPARE(asked.text, question);
        QCOMPARE(asked.title, title);
        QVERIFY(asked.icon == Platform::Icon::Exclamation);
        QVERIFY(asked.buttons == Platform::Buttons::OkCancel);
        QVERIFY(asked.defaultButton == Platform::Answer::Cancel);
        QCOMPARE(ShownWindows(), shownAfter);
        QCOMPARE(platform_->helpClosings(), ok ? 1 : 0);
        if (!ok) QCOMPARE(ShownIn(viewer_, "F7_RESULT_TXT").text, QStringLiteral("O K"));
    }

    void okGoesToTheTopMenu_data() {
        QTest::addColumn<bool>("enter");
        QTest::newRow("O K") << false;
        QTest::newRow("Enter") << true;
    }
    void okGoesToTheTopMenu() {
        QFETCH(bool, enter);
        if (enter) {
            QTest::keyClick(Control<QLineEdit>(viewer_, "F7_WTF_Kumiawase_Old_TXT"),
                            Qt::Key_Return);
        } else {
            QTest::mouseClick(Control<QPushButton>(viewer_, "F7_Command1"), Qt::LeftButton);
        }
        QVERIFY(platform_->messages().empty());
        QCOMPARE(ShownWindows(), QStringList{"Form1"});
        QCOMPARE(platform_->helpClosings(), 1);
    }

    // Top menu, viewer, a file saved from the sheet and its verdict, by the keyboard alone.
    void keyboardAlone() {
        viewer_->close();
        tarvelo::Form4 sheet;
        sheet.ShowResults(tarvelo::testing::ExampleSheet());
        const QString path = dir_->filePath("example.rdw");
        QCOMPARE(tarvelo::SaveResultFile(path, sheet.Contents()), QString());
        const QString verdict = Control<QLineEdit>(&sheet, "F4_RESULT_TXT")->text();

        auto* menu = new tarvelo::Form1();
        menu->ShowLoaded();
        QVERIFY(ShowActive(menu));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(Control<QRadioButton>(menu, "Option1_2")->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(ShownWindows(), QStringList{"Form7"});

        QWidget* viewer = Windows("Form7").front();
        QVERIFY(ShowActive(viewer));
        platform_->ReturnNextFile(path);
        QTest::keyClick(viewer, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(platform_->fileDialogs().size(), size_t{1});
        QCOMPARE(Control<QLineEdit>(viewer, "F7_RESULT_TXT")->text(), verdict);
    }

  private:
    QString Write(const QString& name, const StoredNumbers& numbers) {
        const QString path = dir_->filePath(name);
        WriteBytes(path, FileBytes(numbers));
        return path;
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    void Open(const QString& path) {
        platform_->ReturnNextFile(path);
        Control<QAction>(viewer_, "mnuFileOpen")->trigger();
    }

    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<QTemporaryDir> dir_;
    Form7* viewer_ = nullptr;
};

QTEST_MAIN(Form7Test)
#include "form7_test.moc"
