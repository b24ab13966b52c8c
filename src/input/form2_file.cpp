#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/platform.h"
#include "input/form2.h"
#include "app/warning.h"
#include "input/inputfile.h"

namespace tarvelo {

namespace {

// Both commands start the dialog afresh: no title, no folder, no default extension.
Platform::FileDialog InputFileDialog() {
    Platform::FileDialog dialog;
    dialog.presetName = QStringLiteral("*.ipw");
    dialog.filter = QStringLiteral("InputData(*.ipw)");
    dialog.confirmOverwrite = true;
    return dialog;
}

// The chosen path, or the empty text when the dialog was cancelled or no name was chosen.
QString ChosenPath(const std::optional<QString>& choice) {
    return choice.value_or(QString());
}

QStringList ItemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

}  // namespace

void Form2::ConnectFileCommands() {
    connect(findChild<QAction*>(QStringLiteral("mnuFileSave")), &QAction::triggered, this,
            &Form2::mnuFileSave_Click);
    connect(findChild<QAction*>(QStringLiteral("mnuFileOpen")), &QAction::triggered, this,
            &Form2::mnuFileOpen_Click);
}

// A save that fails says so: the user must not leave input mode believing the entries
// were kept. The writer replaces an earlier file only by a complete new one.
void Form2::mnuFileSave_Click() {
    const QString path = ChosenPath(CurrentPlatform().ChooseSaveFile(this, InputFileDialog()));
    if (path.isEmpty()) return;
    const QString reason = SaveInputFile(path, CurrentInput());
    if (reason.isEmpty()) return;
    WarnFileFailed(this, kProgramTitle, QStringLiteral("入力データを保存できませんでした。"),
                   reason);
}

// A file that cannot be read leaves the form as it was, so the entries on it are not lost.
void Form2::mnuFileOpen_Click() {
    const QString path = ChosenPath(CurrentPlatform().ChooseOpenFile(this, InputFileDialog()));
    if (path.isEmpty()) return;
    const InputFileRead read = ReadInputFile(path);
    if (!read.error.isEmpty()) {
        WarnFileFailed(this, kProgramTitle, QStringLiteral("入力データを読み込めませんでした。"),
                       read.error);
        return;
    }
    PutIntoForm(read.content);
    command1_->setFocus(Qt::OtherFocusReason);
}

// Each value goes in through its control, so the reactions run as if the user had made
// the entry: a direction list locks or unlocks its amount box, which the next line then
// fills, and a box's change check refuses a text such as a negative number. A value that
// matches no item leaves the list as it was.
void Form2::PutIntoForm(const InputFileContent& content) {
    for (const FileLineTarget& target : FileLinesIntoForm()) {
        const QString name = QString::fromLatin1(target.control);
        switch (target.kind) {
            case ControlKind::NumberList: {
                auto* list = findChild<QComboBox*>(name);
                const int index = ListIndexForNumber(ItemsOf(list), content.Number(target.line));
                if (index >= 0) list->setCurrentIndex(index);
                break;
            }
            case ControlKind::DirectionList: {
                const int index = DirectionIndexForText(content.Text(target.line));
                if (index >= 0) findChild<QComboBox*>(name)->setCurrentIndex(index);
                break;
            }
            case ControlKind::NumberBox:
                findChild<QLineEdit*>(name)->setText(BoxTextForNumber(content.Number(target.line)));
                break;
        }
    }
}

}  // namespace tarvelo
