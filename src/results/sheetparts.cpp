#include "results/sheetparts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "analysis/colours.h"
#include "app/fonts.h"
#include "app/twips.h"

namespace tarvelo {

namespace {

struct LegendEntry {
    const char* swatch;
    Rgb colour;
    const char* text;
};

constexpr LegendEntry kLegend[] = {
    {"Notice_Blue_TXT", colours::Blue, "全く問題なし"},
    {"Notice_Yellow_TXT", colours::Green, "問題なし(変更点留意)"},
    {"Text4", colours::Yellow, "チェックが必要"},
    {"Notice_Red_TXT", colours::Pink, "再検討が必要"},
};

const QString kNotes = QStringLiteral(
    "1）上記の他に、ホイールの取付ボルト本数、P.C.D、リム形状等の条件を合致させる必要があります。\n"
    "2) インチアップ（またはインチダウン）を行った結果、条件によっては車高が下がる場合があります。"
    "最低地上高に注意して下さい。\n"
    "3）車検を通過するには、メーター誤差が＋15%以下で－10%以上の範囲内にあることが求められます。");

void SetBase(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

}  // namespace

QWidget* BuildVerdictLegend(QWidget* parent) {
    auto* legend = new QWidget(parent);
    auto* row = new QHBoxLayout(legend);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addStretch(1);
    int index = 0;
    for (const LegendEntry& entry : kLegend) {
        auto* swatch = new QLineEdit(legend);
        swatch->setObjectName(QString::fromLatin1(entry.swatch));
        swatch->setReadOnly(true);
        swatch->setFocusPolicy(Qt::NoFocus);
        swatch->setFixedSize(34, 16);
        SetBase(swatch, QColor(entry.colour.r, entry.colour.g, entry.colour.b));
        auto* text = new QLabel(QString::fromUtf8(entry.text), legend);
        text->setObjectName(QStringLiteral("Label_Verdict_%1").arg(index++));
        text->setFont(UiFont(8.25));
        row->addWidget(swatch);
        row->addWidget(text);
        row->addSpacing(10);
    }
    return legend;
}

QWidget* BuildNotesPanel(QWidget* parent) {
    auto* notes = new QGroupBox(QStringLiteral("その他コメント"), parent);
    notes->setObjectName(QStringLiteral("Frame2"));
    auto* text1 = new QPlainTextEdit(kNotes, notes);
    text1->setObjectName(QStringLiteral("Text1"));
    text1->setGeometry(8, 20, 300, 90);
    for (const char* name : {"Text2", "Text3"}) {
        auto* box = new QLineEdit(notes);
        box->setObjectName(QString::fromLatin1(name));
        SetBase(box, QColor(255, 192, 192));
    }
    notes->setGeometry(TwipsToPixels(11820) + 20, 0, 320, 160);
    notes->hide();
    return notes;
}

}  // namespace tarvelo
