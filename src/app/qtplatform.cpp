#include "app/qtplatform.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

#include "app/helpwindow.h"
#include "app/printing.h"

namespace tarvelo {

namespace {

QMessageBox::Icon ToQt(Platform::Icon icon) {
    switch (icon) {
        case Platform::Icon::None:
            return QMessageBox::NoIcon;
        case Platform::Icon::Information:
            return QMessageBox::Information;
        case Platform::Icon::Exclamation:
            return QMessageBox::Warning;
        case Platform::Icon::Critical:
            return QMessageBox::Critical;
        case Platform::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Platform::Buttons buttons) {
    switch (buttons) {
        case Platform::Buttons::Ok:
            return QMessageBox::Ok;
        case Platform::Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Platform::Buttons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case Platform::Buttons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ToQt(Platform::Answer answer) {
    switch (answer) {
        case Platform::Answer::Ok:
            return QMessageBox::Ok;
        case Platform::Answer::Cancel:
            return QMessageBox::Cancel;
        case Platform::Answer::Yes:
            return QMessageBox::Yes;
        case Platform::Answer::No:
            return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Platform::Answer FromQt(int button, Platform::Answer fallback) {
    switch (button) {
        case QMessageBox::Ok:
            return Platform::Answer::Ok;
        case QMessageBox::Cancel:
            return Platform::Answer::Cancel;
        case QMessageBox::Yes:
            return Platform::Answer::Yes;
        case QMessageBox::No:
            return Platform::Answer::No;
        default:
            return fallback;
    }
}

bool HasCancel(Platform::Buttons buttons) {
    return buttons == Platform::Buttons::OkCancel || buttons == Platform::Buttons::YesNoCancel;
}

}  // namespace

Platform::Answer QtPlatform::ShowMessage(QWidget* parent, const Message& message) {
    QMessageBox box(ToQt(message.icon), message.title, message.text, ToQt(message.buttons), parent);
    box.setDefaultButton(ToQt(message.defaultButton));
    // Escape and the close box answer Cancel; a box without Cancel closes with its default.
    const Answer onEscape = HasCancel(message.buttons) ? Answer::Cancel : message.defaultButton;
    box.setEscapeButton(ToQt(onEscape));
    return FromQt(box.exec(), onEscape);
}

std::optional<QString> QtPlatform::ChooseOpenFile(QWidget* parent, const FileDialog& dialog) {
    const QString path =
        QFileDialog::getOpenFileName(parent, dialog.title, dialog.presetName, dialog.filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::ChooseSaveFile(QWidget* parent, const FileDialog& dialog) {
    const QFileDialog::Options options =
        dialog.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    const QString path = QFileDialog::getSaveFileName(parent, dialog.title, dialog.presetName,
                                                      dialog.filter, nullptr, options);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::SetPrinter(std::unique_ptr<QPrinter> printer) { printer_ = std::move(printer); }

QPrinter* QtPlatform::Printer() {
    if (!printer_) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return nullptr;
        printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    return printer_.get();
}

std::optional<Platform::PrinterSettings> QtPlatform::CurrentPrinter() {
    QPrinter* printer = Printer();
    if (!printer || !printer->isValid()) return std::nullopt;
    PrinterSettings settings;
    settings.name = printer->printerName();
    settings.paperSizeCode = PaperSizeCode(printer->pageLayout().pageSize());
    settings.orientation = printer->pageLayout().orientation();
    return settings;
}

std::optional<Platform::PrintJob> QtPlatform::ChoosePrintJob(QWidget* parent,
                                                             const PrintJob& preset) {
    QPrinter* printer = Printer();
    if (!printer) return std::nullopt;
    printer->setCopyCount(preset.copies);
    printer->setPageOrientation(preset.orientation);
    QPrintDialog dialog(printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return PrintJob{printer->copyCount(), printer->pageLayout().orientation()};
}

bool QtPlatform::PrintImage(const QImage& image, const PrintJob& job) {
    QPrinter* printer = Printer();
    if (!printer) return false;
    printer->setPageOrientation(job.orientation);
    // A printer that makes copies itself gets one page and the count; otherwise the pages
    // are painted once per copy.
    int pages = job.copies;
    if (printer->supportsMultipleCopies()) {
        printer->setCopyCount(job.copies);
        pages = 1;
    } else {
        printer->setCopyCount(1);
    }
    return PaintScreenPages(*printer, image, pages, [printer] { return printer->newPage(); });
}

void QtPlatform::OpenHelp(QWidget*, const QString& helpFile) { OpenHelpWindow(helpFile); }

void QtPlatform::CloseAllHelp() { CloseHelpWindows(); }

bool QtPlatform::StartProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

}  // namespace tarvelo
