#include "input/form2_validation.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <optional>

#include "analysis/numbers.h"
#include "app/warning.h"

namespace tarvelo {

namespace {

const QString kOnlyDigits = QStringLiteral("半角数字( 0～9 )及び小数点( . )のみ入力可能です。");
const QString kLineBreak = QStringLiteral("\r\n");

// The keystroke message ends in the line of the box that refused the key.
QString KeystrokeMessage(const QString& boxLine) {
    return kLineBreak + kOnlyDigits + kLineBreak + kLineBreak + boxLine;
}

const QString kChangeMessage =
    kLineBreak + kOnlyDigits + QStringLiteral("　　") + kLineBreak + kLineBreak +
    QStringLiteral("・ コピー＆ペーストの場合は元の値を確認して下さい。") + kLineBreak +
    QStringLiteral("   ");

struct GuardedBox {
    const char* name;
    const char* line;  // the last line of the box's keystroke message
};

constexpr GuardedBox kGuardedBoxes[] = {
    {"Text13", "・ 変更前前輪ホイールのオフセット量を入力して下さい。　　"},
    {"Text18", "・ 変更前後輪ホイールのオフセット量を入力して下さい。　　"},
    {"Text23", "・ 変更後前輪ホイールのオフセット量を入力して下さい。　　"},
    {"Text28", "・ 変更後後輪ホイールのオフセット量を入力して下さい。　　"},
    {"F2_FC_FL_Hikikomi_Old_TXT",
     "・ 変更前の前輪フェンダークリアランス / 左：引込量を入力して下さい。　　"},
    {"F2_FC_FR_Hikikomi_Old_TXT",
     "・ 変更前の前輪フェンダークリアランス / 右：引込量を入力して下さい。　　"},
    {"F2_FC_RL_Hikikomi_Old_TXT",
     "・ 変更前の後輪フェンダークリアランス / 左：引込量を入力して下さい。　　"},
    {"F2_FC_RR_Hikikomi_Old_TXT",
     "・ 変更前の後輪フェンダークリアランス / 右：引込量を入力して下さい。　　"},
};

// The character codes a box takes as typed: the digits, the point, and the control
// characters of Enter, Ctrl+L, paste, copy, cut and backspace.
bool PassesFilter(char16_t code) {
    if (code >= u'0' && code <= u'9') return true;
    switch (code) {
        case u'.':
        case 13:
        case 12:
        case 22:
        case 3:
        case 24:
        case 8:
            return true;
        default:
            return false;
    }
}

// The character a key press types, or nothing for keys that type none: moving the focus,
// deleting forwards, the arrows and the Alt combinations of the menus. Ctrl with a letter
// types its control character (Ctrl+V is 22) whatever text the platform attached.
std::optional<char16_t> TypedCharacter(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    const Qt::KeyboardModifiers mods = key.modifiers();
    if (mods & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    if ((mods & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
        return static_cast<char16_t>(key.key() - Qt::Key_A + 1);
    }
    if (key.text().isEmpty()) return std::nullopt;
    return key.text().front().unicode();
}

// The keystroke filter of one box. It watches key presses whether or not the box is
// locked, so a locked box still tells the user why a character is refused.
class KeystrokeFilter final : public QObject {
  public:
    KeystrokeFilter(QLineEdit* box, QString message) : QObject(box), message_(std::move(message)) {
        box->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const std::optional<char16_t> code = TypedCharacter(*static_cast<QKeyEvent*>(event));
        if (!code || PassesFilter(*code)) return QObject::eventFilter(watched, event);
        ShowWarning(static_cast<QWidget*>(watched)->window(), message_);
        return true;
    }

  private:
    QString message_;
};

// Runs after every change of the box's text. Emptying the box changes it once more; the
// empty text passes.
void CheckChange(QLineEdit* box) {
    if (IsNumberText(box->text())) return;
    ShowWarning(box->window(), kChangeMessage);
    box->clear();
}

}  // namespace

void GuardNumberBoxes(QWidget* form) {
    for (const GuardedBox& guarded : kGuardedBoxes) {
        auto* box = form->findChild<QLineEdit*>(QString::fromLatin1(guarded.name));
        new KeystrokeFilter(box, KeystrokeMessage(QString::fromUtf8(guarded.line)));
        QObject::connect(box, &QLineEdit::textChanged, box, [box] { CheckChange(box); });
    }
}

}  // namespace tarvelo
