#include "results/screenprint.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QStringList>

namespace tarvelo {

QString PaperSizeName(int code) {
    switch (code) {
        case 8: return QStringLiteral("A3 (297mm x 420mm)");
        case 9: return QStringLiteral("A4 (210mm x 297mm)");
        case 11: return QStringLiteral("A5 (148mm x 210mm)");
        case 12: return QStringLiteral("B4 (250mm x 354mm)");
        case 13: return QStringLiteral("B5 (182mm x 257mm)");
        case 256: return QStringLiteral("ユーザー定義のサイズ");
        default: return QStringLiteral("不明なサイズ");
    }
}

QString OrientationName(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Portrait ? QStringLiteral("縦") : QStringLiteral("横");
}

QString PrintSettingsText(const Platform::PrinterSettings& settings) {
    return QStringList{
        QString(),
        QStringLiteral("画面印刷を行う前に、用紙設定をA4横に設定して下さい。　　　　"),
        QString(),
        QStringLiteral("【現在のプリンタ設定】"),
        QStringLiteral("  ・ プリンタ ： ") + settings.name,
        QStringLiteral("  ・ 用紙サイズ ： ") + PaperSizeName(settings.paperSizeCode),
        QStringLiteral("  ・ 用紙方向  ： ") + OrientationName(settings.orientation),
    }
        .join(QStringLiteral("\r\n"));
}

QImage WindowContentImage(QMainWindow* window) {
    const QMenuBar* bar = window->menuBar();
    const int top = bar && bar->isVisible() ? bar->geometry().bottom() + 1 : 0;
    return window->grab(QRect(0, top, window->width(), window->height() - top)).toImage();
}

void PrintScreen(QMainWindow* window) {
    Platform& platform = CurrentPlatform();
    const std::optional<Platform::PrinterSettings> settings = platform.CurrentPrinter();
    if (!settings) return;
    Platform::Message message;
    message.icon = Platform::Icon::Information;
    message.buttons = Platform::Buttons::Ok;
    message.defaultButton = Platform::Answer::Ok;
    message.title = kPrintSettingsTitle;
    message.text = PrintSettingsText(*settings);
    platform.ShowMessage(window, message);

    Platform::PrintJob preset;
    preset.orientation = settings->orientation;
    const std::optional<Platform::PrintJob> job = platform.ChoosePrintJob(window, preset);
    if (!job) return;
    platform.PrintImage(WindowContentImage(window), *job);
}

}  // namespace tarvelo
