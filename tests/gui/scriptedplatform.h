#pragma once

#include <deque>
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
    PrinterSettings CurrentPrinter() override { return {}; }
    std::optional<PrintJob> ChoosePrintJob(QWidget*, const PrintJob& preset) override {
        return preset;
    }
    bool PrintImage(const QImage&, const PrintJob&) override { return true; }
    void OpenHelp(QWidget*, const QString&) override { ++helpOpenings_; }
    void CloseAllHelp() override { ++helpClosings_; }
    bool StartProgram(const QString&, const QStringList&) override { return true; }

  private:
    std::optional<QString> NextFile();

    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> files_;
    std::vector<Message> messages_;
    std::vector<FileDialog> fileDialogs_;
    int helpClosings_ = 0;
    int helpOpenings_ = 0;
};

}  // namespace tarvelo::testing
