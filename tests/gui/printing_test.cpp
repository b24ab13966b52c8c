#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "app/printing.h"
#include "app/qtplatform.h"
#include "input/form2.h"
#include "results/form4.h"
#include "results/screenprint.h"
#include "scriptedplatform.h"
#include "sheets.h"
#include "windows.h"

using tarvelo::Platform;
using tarvelo::testing::Control;
using tarvelo::testing::ScriptedPlatform;

namespace {

// The columns of an image that hold anything but white.
int InkWidth(const QImage& image) {
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right < left ? 0 : right - left + 1;
}

QString ExpectedSettings(const QString& paper, const QString& orientation) {
    return QStringLiteral(
               "\r\n画面印刷を行う前に、用紙設定をA4横に設定して下さい。　　　　\r\n\r\n"
               "【現在のプリンタ設定】\r\n  ・ プリンタ ： Test Printer\r\n"
               "  ・ 用紙サイズ ： %1\r\n  ・ 用紙方向  ： %2")
        .arg(paper, orientation);
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { platform_ = std::make_unique<ScriptedPlatform>(); }
    void cleanup() {
        tarvelo::testing::CloseAll();
        platform_.reset();
    }

    void paperCodesAndNames_data() {
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("A3") << int(QPageSize::A3) << 8 << "A3 (297mm x 420mm)";
        QTest::newRow("A4") << int(QPageSize::A4) << 9 << "A4 (210mm x 297mm)";
        QTest::newRow("A5") << int(QPageSize::A5) << 11 << "A5 (148mm x 210mm)";
        QTest::newRow("B4 JIS") << int(QPageSize::JisB4) << 12 << "B4 (250mm x 354mm)";
        QTest::newRow("B5 JIS") << int(QPageSize::JisB5) << 13 << "B5 (182mm x 257mm)";
        QTest::newRow("letter") << int(QPageSize::Letter) << 0 << "不明なサイズ";
        QTest::newRow("B4 ISO") << int(QPageSize::B4) << 0 << "不明なサイズ";
    }
    void paperCodesAndNames() {
        QFETCH(int, pageSize);
        QFETCH(int, code);
        QFETCH(QString, name);
        const int found = tarvelo::PaperSizeCode(QPageSize(QPageSize::PageSizeId(pageSize)));
        QCOMPARE(found, code);
        QCOMPARE(tarvelo::PaperSizeName(found), name);
        QCOMPARE(tarvelo::PaperSizeCode(QPageSize(QSizeF(100, 150), QPageSize::Millimeter)),
                 256);
        QCOMPARE(tarvelo::PaperSizeName(256), QStringLiteral("ユーザー定義のサイズ"));
    }

    void settingsMessageThenPrint() {
        auto* sheet = new tarvelo::Form4();
        sheet->ShowResults(tarvelo::testing::ExampleSheet());
        sheet->show();
        platform_->AnswerNextPrintDialog(Platform::PrintJob{2, QPageLayout::Landscape});
        tarvelo::PrintScreen(sheet);

        QCOMPARE(platform_->messages().size(), size_t(1));
        const Platform::Message& m = platform_->messages()[0];
        QCOMPARE(m.title, QStringLiteral("印刷設定の確認"));
        QCOMPARE(m.icon, Platform::Icon::Information);
        QCOMPARE(m.buttons, Platform::Buttons::Ok);
        QCOMPARE(m.text, ExpectedSettings(QStringLiteral("A4 (210mm x 297mm)"), "縦"));
        QCOMPARE(platform_->printDialogs().size(), size_t(1));
        QCOMPARE(platform_->printDialogs()[0].orientation, QPageLayout::Portrait);
        QCOMPARE(platform_->printouts().size(), size_t(1));
        QCOMPARE(platform_->printouts()[0].second, (Platform::PrintJob{2, QPageLayout::Landscape}));
        // The content area below the menu bar, status bar included: 788 x 517 pixels.
        QCOMPARE(platform_->printouts()[0].first.size(), QSize(788, 517));
    }

    void unknownPaperSizeAndLandscape() {
        auto* form = new tarvelo::Form2();
        form->show();
        platform_->SetPrinter(Platform::PrinterSettings{QStringLiteral("Test Printer"), 0,
                                                        QPageLayout::Landscape});
        tarvelo::PrintScreen(form);
        QCOMPARE(platform_->messages().at(0).text, ExpectedSettings("不明なサイズ", "横"));
        QCOMPARE(platform_->printouts().at(0).first.width(), 788);
    }

    void cancelledDialogPrintsNothing() {
        auto* sheet = new tarvelo::Form4();
        sheet->show();
        platform_->AnswerNextPrintDialog(std::nullopt);
        tarvelo::PrintScreen(sheet);
        QCOMPARE(platform_->messages().size(), size_t(1));
        QCOMPARE(platform_->printouts().size(), size_t(0));
    }

    void noPrinterShowsNothing() {
        auto* sheet = new tarvelo::Form4();
        sheet->show();
        platform_->RemovePrinter();
        tarvelo::PrintScreen(sheet);
        QCOMPARE(platform_->messages().size(), size_t(0));
        QCOMPARE(platform_->printDialogs().size(), size_t(0));
        QCOMPARE(platform_->printouts().size(), size_t(0));
    }

    void menuItemPrints() {
        auto* sheet = new tarvelo::Form4();
        QVERIFY(tarvelo::testing::ShowActive(sheet));
        QTest::keyClick(sheet, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(platform_->printouts().size(), size_t(1));
    }

    void printShowsTypedTextAndNoPlaceholders() {
        auto* sheet = new tarvelo::Form4();
        sheet->ShowResults(tarvelo::testing::ExampleSheet());
        sheet->show();
        auto* combination = Control<QLineEdit>(sheet, "F4_WTF_Kumiawase_Old_TXT");
        const QRect field(combination->mapTo(sheet, QPoint(0, 0)), combination->size());
        const QImage before = tarvelo::WindowContentImage(sheet);
        combination->setText(QStringLiteral("ﾎｲｰﾙ：8×18 +38  ﾀｲﾔ：225/40-18 店頭確認済"));
        const QImage after = tarvelo::WindowContentImage(sheet);
        const int menuBar = sheet->height() - before.height();  // not part of the printout
        const QRect inImage = field.translated(0, -menuBar);
        QVERIFY(before.copy(inImage) != after.copy(inImage));
        for (int i = 1; i <= 16; ++i)
            QVERIFY(!Control<QLineEdit>(sheet, QStringLiteral("F4_UV%1").arg(i))->isVisible());
    }

    void pageAtScreenSize() {
        // 300 dots to the inch: 788 screen pixels are 208.5 mm, that is 2462 dots.
        QImage page(2480, 3508, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(11811);
        page.setDotsPerMeterY(11811);
        QImage window(788, 517, QImage::Format_RGB32);
        window.fill(Qt::darkBlue);
        QVERIFY(tarvelo::PaintScreenPages(page, window, 1, [] { return true; }));
        const double mm = InkWidth(page) / 300.0 * 25.4;
        QVERIFY2(std::abs(mm - 208.5) <= 1.0, qPrintable(QString::number(mm)));
    }

    void onePagePerCopyInAPdf() {
        QTemporaryDir dir;
        auto* sheet = new tarvelo::Form4();
        sheet->show();
        const QImage window = tarvelo::WindowContentImage(sheet);
        for (int copies : {1, 2}) {
            const QString path = dir.filePath(QStringLiteral("print%1.pdf").arg(copies));
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            printer->setPageSize(QPageSize(QPageSize::A4));
            tarvelo::QtPlatform qt;
            qt.SetPrinter(std::move(printer));
            const std::optional<Platform::PrinterSettings> settings = qt.CurrentPrinter();
            QVERIFY(settings.has_value());
            QCOMPARE(settings->paperSizeCode, 9);
            QVERIFY(qt.PrintImage(window, Platform::PrintJob{copies, QPageLayout::Landscape}));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
            QCOMPARE(int(QString::fromLatin1(file.readAll()).count(page)), copies);
        }
    }

  private:
    std::unique_ptr<ScriptedPlatform> platform_;
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
