#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "analysis/runanalysis.h"
#include "common/datafile.h"
#include "results/form4.h"
#include "scriptedplatform.h"
#include "windows.h"

using tarvelo::Form4;
using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;

namespace {

// The inputs whose analysis the file analysed.rdw holds.
tarvelo::InputSet AnalysedSet() {
    tarvelo::InputSet set;
    set.beforeFront = {"16", "6.5", tarvelo::kOffsetPlus, "45", "205", "55"};
    set.beforeRear = set.beforeFront;
    set.afterFront = {"17", "7", tarvelo::kOffsetPlus, "48", "215", "45"};
    set.afterRear = set.afterFront;
    set.clearanceMm = {"10", "12.5", "20", "007"};
    return set;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

const QString kSaveFailed = QStringLiteral("解析結果を保存できませんでした。");

}  // namespace

class Form4SaveTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(tarvelo::Cp932Available());
    }
    void init() {
        platform_ = std::make_unique<ScriptedPlatform>();
        dir_ = std::make_unique<QTemporaryDir>();
        sheet_ = new Form4();
        sheet_->ShowResults(*tarvelo::RunAnalysis(AnalysedSet()).sheet);
        sheet_->show();
    }
    void cleanup() {
        tarvelo::testing::CloseAll();
        dir_.reset();
        platform_.reset();
    }

    void dialog() {
        platform_->ReturnNextFile(std::nullopt);
        Save();
        QCOMPARE(platform_->fileDialogs().size(), size_t{1});
        const Platform::FileDialog& asked = platform_->fileDialogs().front();
        QCOMPARE(asked.presetName, QStringLiteral("*.rdw"));
        QCOMPARE(asked.filter, QStringLiteral("ResultData(*.rdw)"));
        QVERIFY(asked.confirmOverwrite);
    }

    void savedStraightAfterAnAnalysis() {
        const QString path = dir_->filePath("analysed.rdw");
        platform_->ReturnNextFile(path);
        Save();
        QVERIFY(platform_->messages().empty());
        const QByteArray bytes = Bytes(path);
        QFile golden(QStringLiteral(TARVELO_TEST_DATA "/analysed.rdw"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(bytes, golden.readAll());
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 37);
        QCOMPARE(lines.back(), QByteArray());
        for (int line = 1; line <= 36; ++line) {
            const bool placeholder = (line >= 11 && line <= 14) || (line >= 17 && line <= 20) ||
                                     (line >= 23 && line <= 26) || (line >= 29 && line <= 32);
            const QByteArray& text = lines[line - 1];
            QVERIFY2(text.startsWith('"') && text.endsWith("\"\r"),
                     qPrintable(QString::number(line)));
            // "未解析" in code page 932.
            if (placeholder) QCOMPARE(text, QByteArray("\"\x96\xa2\x89\xf0\x90\xcd\"\r"));
        }
    }

    // What the user typed into a combination is what the file holds; the name is used as
    // given, without an extension added.
    void typedTextUnderAPlainName() {
        auto* combination = Control<QLineEdit>(sheet_, "F4_WTF_Kumiawase_Old_TXT");
        combination->selectAll();
        QTest::keyClicks(combination, "16x6.5J, 205/55");
        const QString path = dir_->filePath("result");
        platform_->ReturnNextFile(path);
        Save();
        QVERIFY(!QFile::exists(path + ".rdw"));
        QVERIFY(Bytes(path).startsWith("\"16x6.5J, 205/55\"\r\n\""));
    }

    void cancelWritesNothing() {
        platform_->ReturnNextFile(std::nullopt);
        Save();
        QVERIFY(platform_->messages().empty());
        QVERIFY(QDir(dir_->path()).isEmpty());
    }

    void failureIsReportedAndTheOldFileStays_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text outside code page 932")
            << "old.rdw"
            << "ﾀｲﾔ €"
            << "「F4_WTR_Kumiawase_New_TXT」にファイルに保存できない文字が含まれています。";
        // The reason is the system's own; only its presence is checked.
        QTest::newRow("folder that does not exist") << "missing/old.rdw"
                                                    << ""
                                                    << "";
    }
    void failureIsReportedAndTheOldFileStays() {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        const QString path = dir_->filePath(name);
        const QByteArray old("\"earlier\"\r\n");
        QFile earlier(path);
        if (earlier.open(QIODevice::WriteOnly)) earlier.write(old);
        earlier.close();
        if (!typed.isEmpty()) {
            Control<QLineEdit>(sheet_, "F4_WTR_Kumiawase_New_TXT")->setText(typed);
        }
        platform_->ReturnNextFile(path);
        Save();

        QCOMPARE(platform_->messages().size(), size_t{1});
        const Platform::Message& warning = platform_->messages().front();
        QCOMPARE(warning.title, QStringLiteral("Tarvelo 2005"));
        QVERIFY(warning.icon == Platform::Icon::Exclamation);
        QVERIFY(warning.buttons == Platform::Buttons::Ok);
        QVERIFY(warning.text.startsWith(kSaveFailed));
        QVERIFY(warning.text.endsWith(QStringLiteral("　　")));
        if (reason.isEmpty()) {
            QVERIFY(warning.text.size() > kSaveFailed.size() + 2);
            QVERIFY(!QFile::exists(path));
        } else {
            QCOMPARE(warning.text, kSaveFailed + reason + QStringLiteral("　　"));
            QCOMPARE(Bytes(path), old);
        }
    }

  private:
    void Save() { Control<QAction>(sheet_, "mnuFileSave")->trigger(); }

    std::unique_ptr<ScriptedPlatform> platform_;
    std::unique_ptr<QTemporaryDir> dir_;
    Form4* sheet_ = nullptr;
};

QTEST_MAIN(Form4SaveTest)
#include "form4_save_test.moc"
