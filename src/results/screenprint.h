#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>

#include "app/platform.h"

class QMainWindow;

namespace tarvelo {

// The name the settings message gives a paper-size code.
QString PaperSizeName(int code);
QString OrientationName(QPageLayout::Orientation orientation);

// The text of the message "印刷設定の確認".
QString PrintSettingsText(const Platform::PrinterSettings& settings);
inline const QString kPrintSettingsTitle = QStringLiteral("印刷設定の確認");

// The window's content below its menu bar, status bar included, as on the screen.
QImage WindowContentImage(QMainWindow* window);

// "印刷(&P)...": the settings message, the print dialog, then one page per copy with the
// window's image. Nothing is shown when the printer cannot be read; a cancelled dialog
// prints nothing.
void PrintScreen(QMainWindow* window);

}  // namespace tarvelo
