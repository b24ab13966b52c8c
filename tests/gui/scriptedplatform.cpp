#include "scriptedplatform.h"

namespace tarvelo::testing {

ScriptedPlatform::ScriptedPlatform() {
    SetCurrentPlatform(this);
}

ScriptedPlatform::~ScriptedPlatform() {
    SetCurrentPlatform(nullptr);
}

Platform::Answer ScriptedPlatform::ShowMessage(QWidget*, const Message& message) {
    messages_.push_back(message);
    if (answers_.empty()) return message.defaultButton;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::NextFile() {
    if (files_.empty()) return std::nullopt;
    // Taken apart rather than copied whole: GCC 12 at -O2 warns falsely on copying an
    // optional QString here.
    const bool chosen = files_.front().has_value();
    const QString path = files_.front().value_or(QString());
    files_.pop_front();
    if (!chosen) return std::nullopt;
    return path;
}

std::optional<QString> ScriptedPlatform::ChooseOpenFile(QWidget*, const FileDialog& dialog) {
    fileDialogs_.push_back(dialog);
    return NextFile();
}

std::optional<QString> ScriptedPlatform::ChooseSaveFile(QWidget*, const FileDialog& dialog) {
    fileDialogs_.push_back(dialog);
    return NextFile();
}

std::optional<Platform::PrintJob> ScriptedPlatform::ChoosePrintJob(QWidget*,
                                                                   const PrintJob& preset) {
    printDialogs_.push_back(preset);
    if (printJobs_.empty()) return preset;
    const std::optional<PrintJob> job = printJobs_.front();
    printJobs_.pop_front();
    return job;
}

}  // namespace tarvelo::testing
