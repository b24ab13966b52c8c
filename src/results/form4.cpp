#include "results/form4.h"

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

QPushButton* MakeButton(const char* name, const QString& caption, const QFont& font,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(font);
    button->setMinimumHeight(30);
    return button;
}

}  // namespace

Form4::Form4() {
    setObjectName(QStringLiteral("Form4"));
    setFont(UiFont(9));
    BuildMenus();

    auto* outer = new QGroupBox(this);
    outer->setObjectName(QStringLiteral("Frame0"));
    QLabel* done = MakePictureArea(QStringLiteral("Image9"), QStringLiteral("解析完了"), outer);
    done->setAutoFillBackground(true);
    done->adjustSize();
    done->move(8, 0);
    auto* column = new QVBoxLayout(outer);
    column->setContentsMargins(6, 14, 6, 4);
    column->setSpacing(3);

    panel_ = new ResultPanel(QStringLiteral("F4_"), outer);
    column->addWidget(panel_, 1);
    column->addWidget(BuildVerdictLegend(outer));

    auto* bottom = new QHBoxLayout();
    QLabel* banner =
        MakePictureArea(QStringLiteral("Image4"), QStringLiteral("Tarvelo 2005 Standard"), outer);
    banner->setFont(UiFont(14, true));
    QPushButton* back =
        MakeButton("F4_Command2", QStringLiteral("入力モードに戻る"), UiFont(9), outer);
    auto* verdictCaption = new QLabel(QStringLiteral("総合判定"), outer);
    verdictCaption->setObjectName(QStringLiteral("Label54"));
    verdictCaption->setFont(UiFont(12.75, true));
    QLineEdit* verdict = panel_->VerdictField();
    verdict->setFixedWidth(90);
    verdict->setMinimumHeight(30);
    QPushButton* ok = MakeButton("F4_Command1", QStringLiteral("O K"), UiFont(11.25, true), outer);
    ok->setMinimumWidth(110);
    bottom->addWidget(banner);
    bottom->addStretch(1);
    bottom->addWidget(back);
    bottom->addSpacing(12);
    bottom->addWidget(verdictCaption);
    bottom->addWidget(verdict);
    bottom->addSpacing(12);
    bottom->addWidget(ok);
    column->addLayout(bottom);

    BuildNotesPanel(outer);
    setCentralWidget(outer);
    setStatusBar(
        new ModeStatusBar(QStringLiteral("Mode : Tarvelo 2005 Analytical Result Mode"), this));

    connect(ok, &QPushButton::clicked, this, [this] { GoToTopMenu(this); });
    connect(back, &QPushButton::clicked, this, [this] { GoToInputMode(this); });
    new EnterPressesButton(this, ok);

    panel_->Fill(ResultSheet::Fresh());
    MakeFixedMainWindow(this, TwipsSize(11820, 7755));
    setWindowTitle(QStringLiteral("Tarvelo 2005 Standard Edition - 解析結果モード"));
    ok->setFocus();
}

void Form4::BuildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    AddMenuItem(file, "mnuFileSave", QStringLiteral("解析結果の保存(&S)..."),
                QKeySequence(Qt::CTRL | Qt::Key_S));
    AddMenuRule(file, "mnuFileBar0");
    QAction* inputMode = AddMenuItem(file, "mnuInputMode", QStringLiteral("入力モードに戻る(&B)"));
    QAction* close = AddMenuItem(file, "mnuFileClose", QStringLiteral("トップメニューへ戻る(&C)"));
    AddMenuRule(file, "mnuFileBar1");
    QAction* print = AddMenuItem(file, "mnuFilePrint", QStringLiteral("印刷(&P)..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_P));
    AddMenuRule(file, "mnuFileBar2");
    QAction* exit = AddMenuItem(file, "mnuFileExit", QStringLiteral("終了(&X)"));
    AddHelpMenu(bar);
    ConnectHelpMenu(this, frmAbout::Edition::Standard);

    connect(inputMode, &QAction::triggered, this, [this] { GoToInputMode(this); });
    connect(print, &QAction::triggered, this, [this] { PrintScreen(this); });
    connect(close, &QAction::triggered, this, &Form4::mnuFileClose_Click);
    connect(exit, &QAction::triggered, this, &Form4::mnuFileExit_Click);
}

void Form4::ShowResults(const ResultSheet& sheet) {
    panel_->Fill(sheet);
}

ResultSheet Form4::Contents() const {
    return panel_->Contents();
}

void Form4::mnuFileClose_Click() {
    if (ConfirmMove(
            this,
            QStringLiteral("解析結果モードを閉じてトップメニューへ戻ります。 よろしいですか？　　"),
            kProgramTitle)) {
        GoToTopMenu(this);
    }
}

void Form4::mnuFileExit_Click() {
    if (ConfirmMove(this, kQuitQuestion, kProgramTitle)) QuitProgram(this);
}

}  // namespace tarvelo
