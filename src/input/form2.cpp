#include "input/form2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/runanalysis.h"
#include "app/enterkey.h"
#include "app/fixedwindow.h"
#include "app/fonts.h"
#include "app/helpmenu.h"
#include "app/menuitems.h"
#include "app/modestatusbar.h"
#include "app/navigation.h"
#include "app/picturearea.h"
#include "app/platform.h"
#include "app/twips.h"
#include "results/screenprint.h"
#include "app/windowpictures.h"
#include "input/form2_guidance.h"
#include "input/form2_numberbox.h"
#include "input/form2_validation.h"
#include "results/form4.h"

namespace tarvelo {

namespace {

constexpr WheelFrameLayout kWheelFrames[] = {
    {"Frame1", "変更前", "前輪", kBeforeFrontControls, nullptr, "Image6", "前輪タイヤ"},
    {"Frame2", "変更前", "後輪", kBeforeRearControls, "Check1", "Image7", "後輪タイヤ"},
    {"Frame3", "変更後", "前輪", kAfterFrontControls, nullptr, "Image5", "前輪タイヤ"},
    {"Frame4", "変更後", "後輪", kAfterRearControls, "Check2", "Image8", "後輪タイヤ"},
};

constexpr ClearanceFrameLayout kClearanceFrames[] = {
    {"Frame7", "前輪フェンダークリアランス（mm）", "前輪", "F2_FC_FL_Hikikomi_Old_TXT",
     "F2_FC_FR_Hikikomi_Old_TXT"},
    {"Frame6", "後輪フェンダークリアランス（mm）", "後輪", "F2_FC_RL_Hikikomi_Old_TXT",
     "F2_FC_RR_Hikikomi_Old_TXT"},
};

constexpr PictureLoad kInputPictures[] = {
    {157, "Image4"},           {101, "Image2"}, {120, "Image5", "Image6"},
    {121, "Image7", "Image8"}, {122, "Image9"}, {123, "Image10"},
    {124, "Image11"},
};

constexpr const char* kTabOrder[] = {
    "Combo11",
    "Combo12",
    "Combo1",
    "Text13",
    "Combo14",
    "Combo15",
    "F2_FC_FL_Hikikomi_Old_TXT",
    "F2_FC_FR_Hikikomi_Old_TXT",
    "Check1",
    "Combo16",
    "Combo17",
    "Combo2",
    "Text18",
    "Combo19",
    "Combo20",
    "F2_FC_RL_Hikikomi_Old_TXT",
    "F2_FC_RR_Hikikomi_Old_TXT",
    "Combo21",
    "Combo22",
    "Combo3",
    "Text23",
    "Combo24",
    "Combo25",
    "Check2",
    "Combo26",
    "Combo27",
    "Combo4",
    "Text28",
    "Combo29",
    "Combo30",
    "Command1",
    "Command2",
    "Command3",
};

WheelTyreSpec ReadFrame(const WheelFrame& w) {
    WheelTyreSpec wheel;
    wheel.rimDiameterInch = w.rimDiameter->currentText();
    wheel.rimWidthInch = w.rimWidth->currentText();
    wheel.offsetDirection = w.offsetDirection->currentIndex();
    wheel.offsetMm = w.offsetAmount->text();
    wheel.tyreWidthMm = w.tyreWidth->currentText();
    wheel.aspectRatioPct = w.aspectRatio->currentText();
    return wheel;
}

QPushButton* MakeButton(const char* name, const QString& caption, QFont font, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setMinimumHeight(28);
    return button;
}

}  // namespace

Form2::Form2() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Tarvelo 2005"));
    setFont(UiFont(9));
    BuildMenus();

    auto* client = new QWidget(this);
    auto* columns = new QHBoxLayout(client);
    columns->setContentsMargins(4, 2, 4, 2);
    columns->setSpacing(4);
    auto* blocks = new QVBoxLayout();
    blocks->setSpacing(2);
    blocks->addWidget(BuildBeforeBlock(client));
    blocks->addWidget(BuildAfterBlock(client));
    columns->addLayout(blocks);
    columns->addWidget(BuildGuidancePanel(client), 1);
    setCentralWidget(client);
    setStatusBar(new ModeStatusBar(QStringLiteral("Mode : Tarvelo 2005 Input Mode"), this));

    for (int s = kBeforeFront; s <= kAfterRear; ++s) {
        connect(wheels_[s].offsetDirection, &QComboBox::currentIndexChanged, this,
                [this, s] { OffsetDirection_Change(static_cast<Wheel>(s)); });
    }
    SetTabOrder();
    new EnterPressesButton(this, command1_);
    new FieldGuidance(this);
    wheels_[kBeforeFront].rimDiameter->setFocus();
    GuardNumberBoxes(this);
    ConnectSameAsFront();
    ConnectDataClear();
    ConnectFileCommands();

    LoadWindowPictures(this, kInputPictures);
    MakeFixedMainWindow(this, TwipsSize(11820, 7785));
    setWindowTitle(QStringLiteral("Tarvelo 2005 Standard Edition - 入力モード"));
}

void Form2::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    AddMenuItem(file, "mnuFileOpen", QStringLiteral("Input Data 読込み(&O)..."),
                QKeySequence(Qt::CTRL | Qt::Key_O));
    AddMenuItem(file, "mnuFileSave", QStringLiteral("現入力データ保存(&S)..."),
                QKeySequence(Qt::CTRL | Qt::Key_S));
    AddMenuRule(file, "mnuFileBar0");
    AddMenuItem(file, "mnuDataClear", QStringLiteral("データクリア(&D)"));
    QAction* close = AddMenuItem(file, "mnuFileClose", QStringLiteral("トップメニューへ戻る(&C)"));
    AddMenuRule(file, "mnuFileBar1");
    QAction* print = AddMenuItem(file, "mnuFilePrint", QStringLiteral("印刷(&P)..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_P));
    AddMenuRule(file, "mnuFileBar2");
    QAction* exit = AddMenuItem(file, "mnuFileExit", QStringLiteral("終了(&X)"));

    QMenu* setting = AddMenu(bar, "mnuSetting", QStringLiteral("設定(&S)"));
    AddMenuItem(setting, "mnuBeforeSameFront",
                QStringLiteral("《変更前》 前輪ﾎｲｰﾙと同じ項目の有効/無効(&E)"));
    AddMenuItem(setting, "mnuAfterSameFront",
                QStringLiteral("【変更後】 前輪ﾎｲｰﾙと同じ項目の有効/無効(&F)"));
    AddHelpMenu(bar);
    ConnectHelpMenu(this, frmAbout::Edition::Standard);

    connect(close, &QAction::triggered, this, &Form2::mnuFileClose_Click);
    connect(print, &QAction::triggered, this, [this] { PrintScreen(this); });
    connect(exit, &QAction::triggered, this, &Form2::mnuFileExit_Click);
}

QWidget* Form2::BuildBeforeBlock(QWidget* parent) {
    QGroupBox* block =
        MakeHeadedFrame("Frame1_Main", "Image9", QStringLiteral("変更前データ入力"), parent);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(4, 16, 4, 4);
    grid->setSpacing(4);
    wheels_[kBeforeFront] = BuildWheelFrame(kWheelFrames[kBeforeFront], block);
    wheels_[kBeforeRear] = BuildWheelFrame(kWheelFrames[kBeforeRear], block);
    grid->addWidget(wheels_[kBeforeFront].frame, 0, 0);
    grid->addWidget(wheels_[kBeforeRear].frame, 0, 1);
    for (size_t i = 0; i < std::size(kClearanceFrames); ++i) {
        grid->addWidget(BuildClearanceFrame(kClearanceFrames[i], block), 1, static_cast<int>(i));
    }
    for (size_t c = 0; c < clearances_.size(); ++c) {
        clearances_[c] = block->findChild<QLineEdit*>(QString::fromLatin1(kClearanceControls[c]));
    }
    return block;
}

QWidget* Form2::BuildAfterBlock(QWidget* parent) {
    QGroupBox* block =
        MakeHeadedFrame("Frame2_Main", "Image10", QStringLiteral("変更後データ入力"), parent);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(4, 16, 4, 4);
    grid->setSpacing(4);
    wheels_[kAfterFront] = BuildWheelFrame(kWheelFrames[kAfterFront], block);
    wheels_[kAfterRear] = BuildWheelFrame(kWheelFrames[kAfterRear], block);
    grid->addWidget(wheels_[kAfterFront].frame, 0, 0);
    grid->addWidget(wheels_[kAfterRear].frame, 0, 1);

    auto* buttons = new QHBoxLayout();
    QPushButton* clear = MakeButton("Command2", QStringLiteral("データクリア"), UiFont(9), block);
    QPushButton* top = MakeButton("Command3", QStringLiteral("トップメニュー"), UiFont(9), block);
    command1_ = MakeButton("Command1", QStringLiteral("O K"), UiFont(11.25, true), block);
    command1_->setMinimumWidth(100);
    // The guidance panel leaves no room for the banner beside it: it sits by the buttons.
    QLabel* banner =
        MakePictureArea(QStringLiteral("Image4"), QStringLiteral("Tarvelo 2005 Standard"), block);
    banner->setFont(UiFont(14, true));
    banner->setAlignment(Qt::AlignCenter);
    buttons->addWidget(clear);
    buttons->addWidget(top);
    buttons->addStretch(1);
    buttons->addWidget(banner);
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    grid->addLayout(buttons, 1, 0, 1, 2);

    // Eight values that the input file carries along; nothing shows or changes them.
    for (int i = 1; i <= 8; ++i) {
        auto* hidden = new QLineEdit(QStringLiteral("0"), block);
        hidden->setObjectName(QStringLiteral("F2_UV%1").arg(i));
        hidden->setReadOnly(true);
        hidden->setFocusPolicy(Qt::NoFocus);
        hidden->hide();
    }

    connect(command1_, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(top, &QPushButton::clicked, this, [this] { GoToTopMenu(this); });
    return block;
}

void Form2::SetTabOrder() {
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        auto* next = findChild<QWidget*>(QString::fromLatin1(name));
        if (previous != nullptr) setTabOrder(previous, next);
        previous = next;
    }
}

InputSet Form2::CurrentInput() const {
    InputSet set;
    set.beforeFront = ReadFrame(wheels_[kBeforeFront]);
    set.beforeRear = ReadFrame(wheels_[kBeforeRear]);
    set.afterFront = ReadFrame(wheels_[kAfterFront]);
    set.afterRear = ReadFrame(wheels_[kAfterRear]);
    set.rearSameAsFrontBefore = wheels_[kBeforeRear].sameAsFront->isChecked();
    set.rearSameAsFrontAfter = wheels_[kAfterRear].sameAsFront->isChecked();
    for (size_t c = 0; c < clearances_.size(); ++c) set.clearanceMm[c] = clearances_[c]->text();
    return set;
}

void Form2::OffsetDirection_Change(Wheel wheel) {
    const WheelFrame& w = wheels_[wheel];
    QLineEdit* box = w.offsetAmount;
    const int index = w.offsetDirection->currentIndex();
    // A rear list of a wheel that is the front wheel leaves its box alone, and so does a
    // rear list losing its selection; a front list losing it unlocks the box.
    const bool rear = w.sameAsFront != nullptr;
    if (rear && w.sameAsFront->isChecked()) return;
    if (index == kOffsetZero) {
        box->setText(QStringLiteral("0"));
        SetLocked(box, true);
        w.offsetDirection->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (rear && index == kNoDirection) return;
    SetLocked(box, false);
    SelectText(box);
    box->setFocus(Qt::OtherFocusReason);
}

void Form2::Command1_Click() {
    const AnalysisRun run = RunAnalysis(CurrentInput());
    if (!run.sheet) {
        Platform::Message warning;
        warning.icon = Platform::Icon::Exclamation;
        warning.buttons = Platform::Buttons::Ok;
        warning.defaultButton = Platform::Answer::Ok;
        warning.title = kProgramTitle;
        warning.text = kIncompleteWarning;
        CurrentPlatform().ShowMessage(this, warning);
        return;
    }
    auto* sheet = new Form4();
    sheet->ShowResults(*run.sheet);
    close();
    ShowCentred(sheet);
}

void Form2::mnuFileClose_Click() {
    if (ConfirmMove(
            this,
            QStringLiteral("入力モードを閉じてトップメニューへ戻ります。 よろしいですか？　　"),
            kProgramTitle)) {
        GoToTopMenu(this);
    }
}

void Form2::mnuFileExit_Click() {
    if (ConfirmMove(this, kQuitQuestion, kProgramTitle)) QuitProgram(this);
}

}  // namespace tarvelo
