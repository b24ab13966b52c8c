#pragma once

#include <QColor>
#include <QKeySequence>
#include <QMainWindow>
#include <QString>

#include "app/frmabout.h"

class QAction;
class QLabel;
class QPushButton;

namespace tarvelo {

class ResultPanel;

// A menu item that differs between the result sheet and the viewer.
struct SheetMenuItem {
    const char* name;
    QString caption;
    QKeySequence shortcut;
};

// What sets the result sheet and the viewer apart; everything else they share.
struct SheetWindowLook {
    const char* formName;  // "Form4", "Form7"
    QString prefix;        // of the fields: "F4_", "F7_"
    QString title;
    QString modeText;    // the status bar's first panel
    QString bannerText;  // the words of Image4 until its picture is loaded
    const char* secondButtonName;
    QString secondButtonCaption;
    double secondButtonPoints;
    QColor background;  // of the window, both frames and both buttons; invalid: the style's
    const char* fileMenuName;
    SheetMenuItem firstItem;   // the file menu's first item, before the first rule
    SheetMenuItem secondItem;  // the item after that rule
    QString closeQuestion;     // asked by "トップメニューへ戻る(&C)"
    QString closeTitle;
    frmAbout::Edition edition;
};

// The window of the result sheet and of the viewer: the outer frame `Frame0` with the
// result panel, the legend, the bottom row with the banner, the second button, the verdict
// and "O K", the hidden notes panel, the status bar and the menus. "O K", "トップメニューへ
// 戻る(&C)", print, quit and help work alike in both; the window that builds on this one
// connects its second button and the two file-menu items of its own.
class SheetWindow : public QMainWindow {
  protected:
    explicit SheetWindow(const SheetWindowLook& look);

    ResultPanel* panel() const { return panel_; }
    QPushButton* secondButton() const { return secondButton_; }
    QAction* firstMenuItem() const { return firstItem_; }
    QAction* secondMenuItem() const { return secondItem_; }
    // The picture areas Image4, Image1, Image9 and Image5.
    QLabel* PictureArea(const char* name) const;

  private:
    void BuildMenus(const SheetWindowLook& look);
    void BuildBottomRow(const SheetWindowLook& look, QWidget* outer);
    void Paint(const QColor& background);

    void mnuFileClose_Click();
    void mnuFileExit_Click();

    QString closeQuestion_;
    QString closeTitle_;
    ResultPanel* panel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* secondButton_ = nullptr;
    QAction* firstItem_ = nullptr;
    QAction* secondItem_ = nullptr;
};

}  // namespace tarvelo
