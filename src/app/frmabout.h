#pragma once

#include <QDialog>

namespace tarvelo {

// The version dialog in its two dressings: frmAbout for the standard edition (input mode
// and the result sheet), frmAbout1 for the viewer.
class frmAbout final : public QDialog {
public:
    enum class Edition { Standard, Viewer };

    frmAbout(Edition edition, QWidget* owner);

    // Starts the desktop's system-information program, or says that there is none.
    void StartSysInfo();

private:
    Edition edition_;
};

// Shows the version dialog modally, owned by the window.
void ShowVersionDialog(QWidget* owner, frmAbout::Edition edition);

// "Version  1 . 0 . 0"
QString VersionDialogText();

// The programs tried, in this order, for "ｼｽﾃﾑ情報(&S)...".
const QStringList& SystemInfoPrograms();

inline const QString kNoSystemInfoText = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");
inline const QString kStandardTitle = QStringLiteral("Tarvelo 2005 Standard Edition");

}  // namespace tarvelo
