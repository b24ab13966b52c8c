#include "results/form7.h"

#include <QAction>
#include <QPushButton>

#include "app/platform.h"
#include "app/windowpictures.h"
#include "app/warning.h"
#include "results/resultfile.h"
#include "results/resultpanel.h"
#include "results/viewerjudgement.h"

namespace tarvelo {

namespace {

const QString kViewerTitle = QStringLiteral("Tarvelo 2005 Viewer");

SheetWindowLook ViewerLook() {
    return SheetWindowLook{
        .formName = "Form7",
        .prefix = QStringLiteral("F7_"),
        .title = QStringLiteral("Tarvelo 2005 Viewer - 解析結果ビューワモード"),
        .modeText = QStringLiteral("Mode : Tarvelo 2005 Viewer Mode"),
        .bannerText = kViewerTitle,
        .secondButtonName = "F7_Command2",
        .secondButtonCaption = QStringLiteral("データクリア"),
        .secondButtonPoints = 9.75,
        .background = QColor(239, 187, 141),
        .fileMenuName = "mnufile",
        .firstItem = {"mnuFileOpen", QStringLiteral("解析結果データ読込み(&O)..."),
                      QKeySequence(Qt::CTRL | Qt::Key_O)},
        .secondItem = {"mnuDataClear", QStringLiteral("データクリア(&D)"), QKeySequence()},
        .closeQuestion = QStringLiteral(
            "解析結果ビューワモードを閉じてトップメニューへ戻ります。 よろしいですか？　　"),
        .closeTitle = kViewerTitle,
        .edition = frmAbout::Edition::Viewer,
    };
}

constexpr PictureLoad kViewerPictures[] = {
    {171, "Image4"},
    {102, "Image1"},
    {125, "Image9"},
    {126, "Image5"},
};

bool IsPlaceholder(Field field) {
    return FieldName(field, u"").startsWith(u"UV");
}

}  // namespace

Form7::Form7() : SheetWindow(ViewerLook()) {
    LoadWindowPictures(this, kViewerPictures);
    panel()->Fill(ResultSheet::Blank());

    connect(firstMenuItem(), &QAction::triggered, this, &Form7::mnuFileOpen_Click);
    connect(secondMenuItem(), &QAction::triggered, this, &Form7::DataClear);
    connect(secondButton(), &QPushButton::clicked, this, &Form7::DataClear);
}

ResultSheet Form7::Contents() const {
    return panel()->Contents();
}

void Form7::mnuFileOpen_Click() {
    Platform::FileDialog dialog;
    dialog.presetName = QStringLiteral("*.rdw");
    dialog.filter = QStringLiteral("ResultData(*.rdw)");
    const std::optional<QString> path = CurrentPlatform().ChooseOpenFile(this, dialog);
    if (!path || path->isEmpty()) return;
    OpenResultFile(*path);
}

void Form7::OpenResultFile(const QString& path) {
    const ResultFileRead read = ReadResultFile(path);
    if (!read.error.isEmpty()) {
        WarnFileFailed(this, kViewerTitle, QStringLiteral("解析結果データを読み込めませんでした。"),
                       read.error);
        return;
    }
    // Starting from the fields as they stand keeps the verdict's text colour, which the
    // working-out leaves alone.
    ResultSheet sheet = Contents();
    PutIntoSheet(read.content, sheet);
    WorkOutStoredResults(sheet);
    panel()->Fill(sheet);
}

void Form7::DataClear() {
    ResultSheet sheet = Contents();
    for (Field field : AllFields()) {
        if (IsPlaceholder(field)) continue;
        FieldValue& value = sheet[field];
        value.text.clear();
        const FieldKind kind = KindOf(field);
        if (kind == FieldKind::Judgement || kind == FieldKind::Verdict) {
            value.background = colours::White;
        }
    }
    panel()->Fill(sheet);
}

}  // namespace tarvelo
