#pragma once

#include <memory>

#include "app/platform.h"

class QPrinter;

namespace tarvelo {

// The platform of the running program: Qt's message boxes, file and print dialogs.
class QtPlatform final : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    Answer ShowMessage(QWidget* parent, const Message& message) override;
    std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialog& dialog) override;
    std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialog& dialog) override;
    std::optional<PrinterSettings> CurrentPrinter() override;
    std::optional<PrintJob> ChoosePrintJob(QWidget* parent, const PrintJob& preset) override;
    bool PrintImage(const QImage& image, const PrintJob& job) override;
    void OpenHelp(QWidget* owner, const QString& helpFile) override;
    void CloseAllHelp() override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;

    // Makes the given printer the program's printer (a PDF file, for instance).
    void SetPrinter(std::unique_ptr<QPrinter> printer);

  private:
    // The program's printer; made on first use from the system's default printer.
    QPrinter* Printer();

    std::unique_ptr<QPrinter> printer_;
};

}  // namespace tarvelo
