#include <sys/resource.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "form2_entries.h"
#include "input/form2.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::Form2;
using tarvelo::InputSet;
using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::Fill;
using tarvelo::testing::kCompleteSet;
using tarvelo::testing::Pick;
using tarvelo::testing::ScriptedPlatform;
using tarvelo::testing::ShowActive;
using tarvelo::testing::Type;

namespace {

const QString kChangeMessage = QStringLiteral(
    "\r\n半角数字( 0～9 )及び小数点( . )のみ入力可能です。　　\r\n\r\n"
    "・ コピー＆ペーストの場合は元の値を確認して下さい。\r\n   ");
const QString kNotSaved = QStringLiteral("入力データを保存できませんでした。");
const QString kNotRead = QStringLiteral("入力データを読み込めませんでした。");

// "±" in code page 932, quoted as the file holds it.
const QByteArray kZeroOffsetLine("\"\x81\x7d\"");

// The 36 lines of a file that holds nothing but the given lines: 0 on a number line, an
// empty text on a direction line and "0" on a reserved line.
QByteArray FileWith(const QMap<int, QByteArray>& lines) {
    const QList<int> directions{3, 15, 27, 33};
    const QList<int> reserved{8, 9, 11, 12, 20, 21, 23, 24};
    QByteArray bytes;
    for (int line = 1; line <= 36; ++line) {
        QByteArray value = directions.contains(line) ? "\"\""
                           : reserved.contains(line) ? "\"0\""
                                                     : "0";
        bytes += lines.value(line, value) + "\r\n";
    }
    return bytes;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString Focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

void VerifyWarning(const Platform::Message& message, const QString& headline) {
    QCOMPARE(message.title, QStringLiteral("Tarvelo 2005"));
    QVERIFY(message.icon == Platform::Icon::Exclamation);
    QVERIFY(message.buttons == Platform::Buttons::Ok);
    // The headline, then the reason, then two ideographic spaces.
    QVERIFY2(message.text.startsWith(headline), qPrintable(message.text));
    QVERIFY2(message.text.endsWith(QStringLiteral("　　")), qPrintable(message.text));
    QVERIFY2(message.text.size() > headline.size() + 2, qPrintable(message.text));
}

// Lets writes of this process grow no file beyond a few bytes, as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace

class Form2FileTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        QVERIFY(dir_.isValid());
        platform_ = std::make_unique<ScriptedPlatform>();
        form_ = new Form2();
        QVERIFY(ShowActive(form_));
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
        QDir(dir_.path()).removeRecursively();
        QDir().mkpath(dir_.path());
    }

    // Both dialogs start with "*.ipw" and the one filter entry; cancelling does nothing.
    void cancelledDialog_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("save");
        QTest::newRow("save") << "mnuFileSave" << true;
        QTest::newRow("open") << "mnuFileOpen" << false;
    }
    void cancelledDialog() {
        QFETCH(QString, command);
        QFETCH(bool, save);
        Fill(form_, {{"Combo11", "15"}, {"Combo1", "±"}});
        const InputSet before = form_->CurrentInput();
        platform_->ReturnNextFile(std::nullopt);

        Control<QAction>(form_, command)->trigger();

        QCOMPARE(platform_->fileDialogs().size(), size_t{1});
        const Platform::FileDialog& dialog = platform_->fileDialogs().front();
        QCOMPARE(dialog.title, QString());
        QCOMPARE(dialog.presetName, QStringLiteral("*.ipw"));
        QCOMPARE(dialog.filter, QStringLiteral("InputData(*.ipw)"));
        if (save) QVERIFY(dialog.confirmOverwrite);
        QVERIFY(platform_->messages().empty());
        QVERIFY(form_->CurrentInput() == before);
        QCOMPARE(Focused(), QStringLiteral("Combo1"));
        QVERIFY(QDir(dir_.path()).isEmpty());
    }

    // Saved with Ctrl+S under a name without extension, opened with Ctrl+O into a fresh
    // form: every list and box comes back and the focus ends on "O K".
    void roundTrip() {
        Fill(form_, kCompleteSet);
        const InputSet saved = form_->CurrentInput();
        const QString path = dir_.filePath(QStringLiteral("car"));
        platform_->ReturnNextFile(path);
        QTest::keyClick(Control<QWidget>(form_, "Text28"), Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{"car"});
        const QByteArray bytes = Contents(path);
        QVERIFY(
            bytes.startsWith("15\r\n6.5\r\n\"\x81\x7b\"\r\n45\r\n195\r\n55\r\n12.5\r\n"
                             "\"0\"\r\n\"0\"\r\n10\r\n\"0\"\r\n\"0\"\r\n16\r\n7\r\n"
                             "\"\x81\x7c\"\r\n8\r\n"));
        QCOMPARE(bytes.count("\r\n"), 36);
        tarvelo::testing::CloseAll();

        auto* fresh = new Form2();
        QVERIFY(ShowActive(fresh));
        platform_->ReturnNextFile(path);
        QTest::keyClick(Control<QWidget>(fresh, "Combo11"), Qt::Key_O, Qt::ControlModifier);

        QVERIFY(fresh->CurrentInput() == saved);
        QCOMPARE(Control<QLineEdit>(fresh, "Text23")->text(), QStringLiteral("0"));
        QVERIFY(Control<QLineEdit>(fresh, "Text23")->isReadOnly());
        QVERIFY(!Control<QLineEdit>(fresh, "Text13")->isReadOnly());
        QCOMPARE(Focused(), QStringLiteral("Command1"));
        QVERIFY(platform_->messages().empty());
        QCOMPARE(platform_->fileDialogs().size(), size_t{2});
    }

    // The box is not stored: a form with Check1 clear keeps its own before-rear wheel lists
    // where the file holds 0 and no direction, and its amount box gets "0".
    void fileSavedWithCheck1() {
        Fill(form_, kCompleteSet);
        Control<QCheckBox>(form_, "Check1")->click();
        const QString path = dir_.filePath(QStringLiteral("same.ipw"));
        platform_->ReturnNextFile(path);
        Control<QAction>(form_, "mnuFileSave")->trigger();
        QVERIFY(Contents(path).contains("\r\n0\r\n0\r\n\"\"\r\n0\r\n205\r\n50\r\n"));
        tarvelo::testing::CloseAll();

        auto* fresh = new Form2();
        QVERIFY(ShowActive(fresh));
        Fill(fresh, {{"Combo16", "18"}, {"Combo17", "8"}, {"Combo2", "－"}, {"Text18", "33"}});
        platform_->ReturnNextFile(path);
        Control<QAction>(fresh, "mnuFileOpen")->trigger();

        QCOMPARE(Control<QComboBox>(fresh, "Combo16")->currentText(), QStringLiteral("18"));
        QCOMPARE(Control<QComboBox>(fresh, "Combo17")->currentText(), QStringLiteral("8"));
        QCOMPARE(Control<QComboBox>(fresh, "Combo2")->currentText(), QStringLiteral("－"));
        QCOMPARE(Control<QLineEdit>(fresh, "Text18")->text(), QStringLiteral("0"));
        QCOMPARE(Control<QComboBox>(fresh, "Combo19")->currentText(), QStringLiteral("205"));
        QVERIFY(!Control<QCheckBox>(fresh, "Check1")->isChecked());
        QVERIFY(platform_->messages().empty());
    }

    // Files written by hand, opened into a form whose Combo11 holds 15.
    void fileContents_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("locked");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("11 as a rim diameter") << FileWith({{1, "11"}}) << "Combo11"
                                              << "15" << false << QStringList{};
        QTest::newRow("-5 as an offset amount") << FileWith({{4, "-5"}}) << "Text13"
                                                << "" << false << QStringList{kChangeMessage};
        QTest::newRow("± on line 3 with the amount of line 4")
            << FileWith({{3, kZeroOffsetLine}, {4, "12"}}) << "Text13"
            << "12" << true << QStringList{};
        QTest::newRow("point five") << FileWith({{7, ".5"}}) << "F2_FC_FL_Hikikomi_Old_TXT"
                                    << "0.5" << false << QStringList{};
        QTest::newRow("more digits than a box holds")
            << FileWith({{22, "123.25"}}) << "F2_FC_RR_Hikikomi_Old_TXT"
            << "123." << false << QStringList{};
        QTest::newRow("fewer than 36 fields, missing amounts count as 0")
            << QByteArray("16\r\n7\r\n") << "Text28"
            << "0" << false << QStringList{};
        QTest::newRow("fewer than 36 fields, present ones used")
            << QByteArray("16\r\n7\r\n") << "Combo11"
            << "16" << false << QStringList{};
    }
    void fileContents() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, control);
        QFETCH(QString, text);
        QFETCH(bool, locked);
        QFETCH(QStringList, messages);
        Pick(form_, "Combo11", "15");
        const QString path = dir_.filePath(QStringLiteral("fixture.ipw"));
        QVERIFY(Write(path, bytes));
        platform_->ReturnNextFile(path);

        Control<QAction>(form_, "mnuFileOpen")->trigger();

        if (auto* list = form_->findChild<QComboBox*>(control)) {
            QCOMPARE(list->currentText(), text);
        } else {
            auto* box = Control<QLineEdit>(form_, control);
            QCOMPARE(box->text(), text);
            QCOMPARE(box->isReadOnly(), locked);
        }
        QStringList shown;
        for (const Platform::Message& m : platform_->messages()) shown << m.text;
        QCOMPARE(shown, messages);
        QCOMPARE(Focused(), QStringLiteral("Command1"));
    }

    // A save that fails says so, and an earlier file keeps every byte.
    void failedSave_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("folder that does not exist") << "no-such-folder/car.ipw" << false;
        QTest::newRow("name of a folder") << "folder" << false;
        QTest::newRow("disk full over an earlier file") << "car.ipw" << true;
    }
    void failedSave() {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
        const QByteArray earlier = FileWith({{1, "13"}, {2, "5"}});
        QVERIFY(Write(dir_.filePath(QStringLiteral("car.ipw")), earlier));
        Fill(form_, kCompleteSet);
        platform_->ReturnNextFile(dir_.filePath(name));
        {
            std::optional<FileSizeLimit> limit;
            if (diskFull) limit.emplace(16);
            Control<QAction>(form_, "mnuFileSave")->trigger();
        }

        QCOMPARE(platform_->messages().size(), size_t{1});
        VerifyWarning(platform_->messages().front(), kNotSaved);
        QCOMPARE(Contents(dir_.filePath(QStringLiteral("car.ipw"))), earlier);
        QCOMPARE(
            QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList{"car.ipw", "folder"}));
        QVERIFY(QDir(dir_.filePath(QStringLiteral("folder"))).isEmpty());
    }

    // A file that cannot be read leaves the entries, the locks and the focus as they were.
    void failedOpen_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing file") << "missing.ipw";
        QTest::newRow("folder") << "folder";
    }
    void failedOpen() {
        QFETCH(QString, name);
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
        Fill(form_, {{"Combo11", "15"}, {"Combo1", "±"}, {"Combo2", "＋"}, {"Text18", "45"}});
        Type(form_, "F2_FC_FL_Hikikomi_Old_TXT", "3");
        Control<QWidget>(form_, "F2_FC_FL_Hikikomi_Old_TXT")->setFocus();
        const InputSet before = form_->CurrentInput();
        platform_->ReturnNextFile(dir_.filePath(name));

        Control<QAction>(form_, "mnuFileOpen")->trigger();

        QCOMPARE(platform_->messages().size(), size_t{1});
        VerifyWarning(platform_->messages().front(), kNotRead);
        QVERIFY(form_->CurrentInput() == before);
        QVERIFY(Control<QLineEdit>(form_, "Text13")->isReadOnly());
        QCOMPARE(Control<QLineEdit>(form_, "Text28")->text(), QString());
        QCOMPARE(Focused(), QStringLiteral("F2_FC_FL_Hikikomi_Old_TXT"));
    }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<ScriptedPlatform> platform_;
    Form2* form_ = nullptr;
};

QTEST_MAIN(Form2FileTest)
#include "form2_file_test.moc"
