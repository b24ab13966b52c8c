#pragma once

#include <QString>

namespace tarvelo {

// The rights notice of the splash and the version dialogs.
inline const QString kLegalNotice = QStringLiteral(
    "警告：このプログラムは著作権法および国際条約により保護されています。"
    "このプログラムの全部または一部を無断で複製・配布することは禁じられています。");

}  // namespace tarvelo
