#pragma once

#include <QImage>
#include <deque>
#include <utility>
#include <vector>

#include "app/platform.h"

namespace tarvelo::testing {

// A platform that answers from a script and records every call, so the windows can be
// driven without a person at the keyboard. A message box with no answer scripted answers
// with its default button.
class ScriptedPlatform final : public Platform {
  public:
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    void AnswerNextMessage(Answer answer) { answers_.push_back(answer); }
    void ReturnNextFile(std::optional<QString> path) { files_.push_back(std::move(path)); }

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<FileDialog>& fileDialogs() const { return fileDialogs_; }
    int helpClosings() const { return helpClosings_; }
    int helpOpenings() const { return helpOpenings_; }

    Answer ShowMessage(QWidget* parent, const Message& message) override;
    std::optional<QString> ChooseOpenFile(QWidget* parent, const FileDialog& dialog) override;
    std::optional<QString> ChooseSaveFile(QWidget* parent, const FileDialog& dialog) override;
    // The printer starts as A4 portrait named "Test Printer"; nothing means no printer.
    void SetPrinter(const PrinterSettings& printer) { printer_ = printer; }
    void RemovePrinter() { printer_.reset(); }
    // The next print dialog's choice; nothing means the user cancels it. Unscripted, the
    // dialog accepts its preset.
    void AnswerNextPrintDialog(std::optional<PrintJob> job) { printJobs_.push_back(job); }
    const std::vector<PrintJob>& printDialogs() const { return printDialogs_; }
    // What was printed, with the job it was printed with.
    const std::vector<std::pair<QImage, PrintJob>>& printouts() const { return printouts_; }

    std::optional<PrinterSettings> CurrentPrinter() override { return printer_; }
    std::optional<PrintJob> ChoosePrintJob(QWidget*, const PrintJob& preset) override;
    bool PrintImage(const QImage& image, const PrintJob& job) override {
        printouts_.emplace_back(image, job);
        return true;
    }
    void OpenHelp(QWidget*, const QString&) override { ++helpOpenings_; }
    void CloseAllHelp() override { ++helpClosings_; }
    // Programs started, by path; each start succeeds.
    const QStringList& startedPrograms() const { return started_; }
    bool StartProgram(const QString& program, const QStringList&) override {
        started_ << program;
        return true;
    }

  private:
    std::optional<QString> NextFile();

    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> files_;
    std::vector<Message> messages_;
    std::vector<FileDialog> fileDialogs_;
    std::optional<PrinterSettings> printer_ =
        PrinterSettings{QStringLiteral("Test Printer"), 9, QPageLayout::Portrait};
    std::deque<std::optional<PrintJob>> printJobs_;
    std::vector<PrintJob> printDialogs_;
    std::vector<std::pair<QImage, PrintJob>> printouts_;
    QStringList started_;
    int helpClosings_ = 0;
    int helpOpenings_ = 0;
};

}  // namespace tarvelo::testing
