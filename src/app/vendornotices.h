#pragma once

class QWidget;

namespace tarvelo {

// The two notices of the help menu, each a short text and "O K", shown modally.
// "ショップにてご利用のユーザー様へ(&U)": for shops that use the program at their counter.
void ShowShopNotice(QWidget* owner);
// The product notice: the project's other programs.
void ShowProductNotice(QWidget* owner);

}  // namespace tarvelo
