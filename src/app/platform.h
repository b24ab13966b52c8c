#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace tarvelo {

// Everything modal or outside the program that a window asks for goes through this
// interface, so the windows can be driven without a person at the keyboard.
class Platform {
  public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        Icon icon = Icon::Exclamation;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
        QString title;
        QString text;
    };

    struct FileDialog {
        QString title;
        QString presetName;            // the file name the dialog starts with
        QString filter;                // one entry, e.g. "Input Data (*.ipw)"
        bool confirmOverwrite = true;  // save dialogs only
    };

    // The current printer as the print command needs it.
    struct PrinterSettings {
        QString name;
        int paperSizeCode = 9;  // the Windows paper-size code, 9 being A4
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        friend bool operator==(const PrinterSettings&, const PrinterSettings&) = default;
    };

    struct PrintJob {
        int copies = 1;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        friend bool operator==(const PrintJob&, const PrintJob&) = default;
    };

    virtual ~Platform() = default;

    // Shows a modal message box and returns the button pressed; closing the box counts as
    // the Cancel button where there is one, else as the default button.
    virtual Answer ShowMessage(QWidget* parent, const Message& message) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialog& dialog) = 0;
    virtual std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialog& dialog) = 0;

    // The program's printer: the system's default, or the one last chosen in the print
    // dialog. Nothing when there is no printer or its settings cannot be read.
    virtual std::optional<PrinterSettings> CurrentPrinter() = 0;
    // The print dialog (no "selection", no printing to a file), preset with the given job;
    // the printer chosen becomes the program's printer. Nothing when the user cancelled.
    virtual std::optional<PrintJob> ChoosePrintJob(QWidget* parent, const PrintJob& preset) = 0;
    // Prints the image at screen size, one page per copy; false when printing failed.
    virtual bool PrintImage(const QImage& image, const PrintJob& job) = 0;

    // The help viewer: opened at the default topic, never waited for.
    virtual void OpenHelp(QWidget* owner, const QString& helpFile) = 0;
    virtual void CloseAllHelp() = 0;

    // Starts a program as a separate process; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

// The platform the windows use. The program installs the Qt one at start; tests install
// a scripted one. The caller keeps ownership.
Platform& CurrentPlatform();
void SetCurrentPlatform(Platform* platform);

}  // namespace tarvelo
