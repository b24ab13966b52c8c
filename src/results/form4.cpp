#include "results/form4.h"

#include <QAction>
#include <QPushButton>

#include "app/navigation.h"
#include "app/platform.h"
#include "app/windowpictures.h"
#include "app/warning.h"
#include "results/resultfile.h"
#include "results/resultpanel.h"

namespace tarvelo {

namespace {

SheetWindowLook SheetLook() {
    return SheetWindowLook{
        .formName = "Form4",
        .prefix = QStringLiteral("F4_"),
        .title = QStringLiteral("Tarvelo 2005 Standard Edition - 解析結果モード"),
        .modeText = QStringLiteral("Mode : Tarvelo 2005 Analytical Result Mode"),
        .bannerText = QStringLiteral("Tarvelo 2005 Standard"),
        .secondButtonName = "F4_Command2",
        .secondButtonCaption = QStringLiteral("入力モードに戻る"),
        .secondButtonPoints = 9,
        .background = QColor(),
        .fileMenuName = "mnuFile",
        .firstItem = {"mnuFileSave", QStringLiteral("解析結果の保存(&S)..."),
                      QKeySequence(Qt::CTRL | Qt::Key_S)},
        .secondItem = {"mnuInputMode", QStringLiteral("入力モードに戻る(&B)"), QKeySequence()},
        .closeQuestion =
            QStringLiteral("解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？　　"),
        .closeTitle = kProgramTitle,
        .edition = frmAbout::Edition::Standard,
    };
}

constexpr PictureLoad kSheetPictures[] = {
    {157, "Image4"},
    {102, "Image1"},
    {125, "Image9"},
    {126, "Image5"},
};

}  // namespace

Form4::Form4() : SheetWindow(SheetLook()) {
    connect(firstMenuItem(), &QAction::triggered, this, &Form4::mnuFileSave_Click);
    connect(secondMenuItem(), &QAction::triggered, this, [this] { GoToInputMode(this); });
    connect(secondButton(), &QPushButton::clicked, this, [this] { GoToInputMode(this); });

    panel()->Fill(ResultSheet::Fresh());
    LoadWindowPictures(this, kSheetPictures);
}

void Form4::ShowResults(const ResultSheet& sheet) {
    panel()->Fill(sheet);
}

ResultSheet Form4::Contents() const {
    return panel()->Contents();
}

void Form4::mnuFileSave_Click() {
    Platform::FileDialog dialog;
    dialog.presetName = QStringLiteral("*.rdw");
    dialog.filter = QStringLiteral("ResultData(*.rdw)");
    dialog.confirmOverwrite = true;
    const std::optional<QString> path = CurrentPlatform().ChooseSaveFile(this, dialog);
    if (!path || path->isEmpty()) return;
    const QString error = SaveResultFile(*path, Contents());
    if (!error.isEmpty()) {
        WarnFileFailed(this, kProgramTitle, QStringLiteral("解析結果を保存できませんでした。"),
                       error);
    }
}

}  // namespace tarvelo
