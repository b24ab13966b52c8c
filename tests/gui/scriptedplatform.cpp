#include "scriptedplatform.h"

namespace tarvelo::testing {

ScriptedPlatform::ScriptedPlatform() { SetCurrentPlatform(this); }

ScriptedPlatform::~ScriptedPlatform() { SetCurrentPlatform(nullptr); }

Platform::Answer ScriptedPlatform::ShowMessage(QWidget*, const Message& message) {
    messages_.push_back(message);
    if (answers_.empty()) return message.defaultButton;
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPlatform::NextFile() {
    if (files_.empty()) return std::nullopt;
    std::optional<QString> path = files_.front();
    files_.pop_front();
    return path;
}

std::optional<QString> ScriptedPlatform::ChooseOpenFile(QWidget*, const FileDialog&) {
    return NextFile();
}

std::optional<QString> ScriptedPlatform::ChooseSaveFile(QWidget*, const FileDialog&) {
    return NextFile();
}

}  // namespace tarvelo::testing
