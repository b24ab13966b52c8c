#include "results/sheetwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/enterkey.h"
#include "app/fixedwindow.h"
#include "app/fonts.h"
#include "app/helpmenu.h"
#include "app/menuitems.h"
#include "app/modestatusbar.h"
#include "app/navigation.h"
#include "app/picturearea.h"
#include "app/twips.h"
#include "results/resultpanel.h"
#include "results/screenprint.h"
#include "results/sheetparts.h"

namespace tarvelo {

namespace {

QPushButton* MakeButton(const QString& name, const QString& caption, const QFont& font,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(font);
    button->setMinimumHeight(30);
    return button;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

SheetWindow::SheetWindow(const SheetWindowLook& look)
    : closeQuestion_(look.closeQuestion), closeTitle_(look.closeTitle) {
    setObjectName(QString::fromLatin1(look.formName));
    setFont(UiFont(9));
    BuildMenus(look);

    auto* outer = new QGroupBox(this);
    outer->setObjectName(QStringLiteral("Frame0"));
    QLabel* done = MakePictureArea(QStringLiteral("Image9"), QStringLiteral("解析完了"), outer);
    done->setAutoFillBackground(true);
    done->adjustSize();
    done->move(8, 0);
    auto* column = new QVBoxLayout(outer);
    column->setContentsMargins(6, 14, 6, 4);
    column->setSpacing(3);

    panel_ = new ResultPanel(look.prefix, outer);
    column->addWidget(panel_, 1);
    column->addWidget(BuildVerdictLegend(outer));
    BuildBottomRow(look, outer);

    BuildNotesPanel(outer);
    setCentralWidget(outer);
    setStatusBar(new ModeStatusBar(look.modeText, this));
    if (look.background.isValid()) Paint(look.background);

    connect(ok_, &QPushButton::clicked, this, [this] { GoToTopMenu(this); });
    new EnterPressesButton(this, ok_);

    MakeFixedMainWindow(this, TwipsSize(11820, 7755));
    setWindowTitle(look.title);
    ok_->setFocus();
}

void SheetWindow::BuildBottomRow(const SheetWindowLook& look, QWidget* outer) {
    auto* bottom = new QHBoxLayout();
    QLabel* banner = MakePictureArea(QStringLiteral("Image4"), look.bannerText, outer);
    banner->setFont(UiFont(14, true));
    secondButton_ = MakeButton(QString::fromLatin1(look.secondButtonName), look.secondButtonCaption,
                               UiFont(look.secondButtonPoints), outer);
    auto* verdictCaption = new QLabel(QStringLiteral("総合判定"), outer);
    verdictCaption->setObjectName(QStringLiteral("Label54"));
    verdictCaption->setFont(UiFont(12.75, true));
    QLineEdit* verdict = panel_->VerdictField();
    verdict->setFixedWidth(90);
    verdict->setMinimumHeight(30);
    ok_ = MakeButton(look.prefix + QStringLiteral("Command1"), QStringLiteral("O K"),
                     UiFont(11.25, true), outer);
    ok_->setMinimumWidth(110);
    bottom->addWidget(banner);
    bottom->addStretch(1);
    bottom->addWidget(secondButton_);
    bottom->addSpacing(12);
    bottom->addWidget(verdictCaption);
    bottom->addWidget(verdict);
    bottom->addSpacing(12);
    bottom->addWidget(ok_);
    static_cast<QVBoxLayout*>(outer->layout())->addLayout(bottom);
}

void SheetWindow::BuildMenus(const SheetWindowLook& look) {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, look.fileMenuName, QStringLiteral("ﾌｧｲﾙ(&F)"));
    firstItem_ =
        AddMenuItem(file, look.firstItem.name, look.firstItem.caption, look.firstItem.shortcut);
    AddMenuRule(file, "mnuFileBar0");
    secondItem_ =
        AddMenuItem(file, look.secondItem.name, look.secondItem.caption, look.secondItem.shortcut);
    QAction* close = AddMenuItem(file, "mnuFileClose", QStringLiteral("トップメニューへ戻る(&C)"));
    AddMenuRule(file, "mnuFileBar1");
    QAction* print = AddMenuItem(file, "mnuFilePrint", QStringLiteral("印刷(&P)..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_P));
    AddMenuRule(file, "mnuFileBar2");
    QAction* exit = AddMenuItem(file, "mnuFileExit", QStringLiteral("終了(&X)"));
    AddHelpMenu(bar);
    ConnectHelpMenu(this, look.edition);

    connect(print, &QAction::triggered, this, [this] { PrintScreen(this); });
    connect(close, &QAction::triggered, this, &SheetWindow::mnuFileClose_Click);
    connect(exit, &QAction::triggered, this, &SheetWindow::mnuFileExit_Click);
}

// The colour reaches the window, its frames and buttons; the fields keep their white, and
// the comment lines, which would show the colour through, are given white as well. The menu
// bar and the status bar stay in the desktop's colours.
void SheetWindow::Paint(const QColor& background) {
    SetColour(this, QPalette::Window, background);
    setAutoFillBackground(true);
    for (const char* frame : {"Frame0", "Frame1"}) {
        auto* box = findChild<QGroupBox*>(QString::fromLatin1(frame));
        SetColour(box, QPalette::Window, background);
        box->setAutoFillBackground(true);
    }
    for (QPushButton* button : {ok_, secondButton_}) {
        SetColour(button, QPalette::Button, background);
    }
    for (Field field : AllFields()) {
        if (KindOf(field) != FieldKind::Comment) continue;
        QWidget* line = panel_->FieldWidget(field);
        SetColour(line, QPalette::Window, Qt::white);
        line->setAutoFillBackground(true);
    }
    menuBar()->setPalette(QApplication::palette(menuBar()));
    statusBar()->setPalette(QApplication::palette(statusBar()));
}

QLabel* SheetWindow::PictureArea(const char* name) const {
    return findChild<QLabel*>(QString::fromLatin1(name));
}

void SheetWindow::mnuFileClose_Click() {
    if (ConfirmMove(this, closeQuestion_, closeTitle_)) GoToTopMenu(this);
}

void SheetWindow::mnuFileExit_Click() {
    if (ConfirmMove(this, kQuitQuestion, kProgramTitle)) QuitProgram(this);
}

}  // namespace tarvelo
