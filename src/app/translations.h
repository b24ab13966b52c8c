#pragma once

class QCoreApplication;

namespace tarvelo {

// Qt's own texts (standard buttons, file and print dialogs) in Japanese.
void InstallJapaneseQtTranslations(QCoreApplication& app);

}  // namespace tarvelo
