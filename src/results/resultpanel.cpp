#include "results/resultpanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/fonts.h"
#include "app/picturearea.h"

namespace tarvelo {

namespace {

enum class Widget { Editable, ReadOnly, CommentLine };

struct FieldLook {
    Widget widget;
    Qt::Alignment alignment;
    double pointSize;
    bool bold;
    bool hidden;
};

// How each field looks on the sheet, from what its name says it is.
FieldLook LookOf(Field field) {
    const QString name = FieldName(field, u"");
    const bool after = name.contains(u"_New_");
    switch (KindOf(field)) {
        case FieldKind::Verdict:
            return {Widget::Editable, Qt::AlignCenter, 14.25, true, false};
        case FieldKind::Judgement:
            return {Widget::ReadOnly, Qt::AlignCenter, 9, true, false};
        case FieldKind::Comment:
            return {Widget::CommentLine, Qt::AlignLeft | Qt::AlignVCenter, 9, false, false};
        case FieldKind::Text:
            break;
    }
    if (name.contains(u"Kumiawase")) return {Widget::Editable, Qt::AlignCenter, 8.25, after, false};
    if (name.startsWith(u"UV")) return {Widget::ReadOnly, Qt::AlignRight, 8.25, false, true};
    return {Widget::ReadOnly, Qt::AlignRight | Qt::AlignVCenter, 9, after, false};
}

QColor ToColor(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}
Rgb ToRgb(const QColor& color) {
    return Rgb{color.red(), color.green(), color.blue()};
}

QLabel* MakeCaption(const QString& name, const QString& text, QWidget* parent, bool bold = false,
                    double pointSize = 9) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(UiFont(pointSize, bold));
    return label;
}

struct CornerCaptions {
    const char* clearanceName;
    const char* clearance;
    const char* movementName;
    const char* movement;
    const char* inwardName;  // "元位置から内側に"
    const char* movesName;   // "移動します。…"
};

constexpr CornerCaptions kCornerCaptions[] = {
    {"Label10", "ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（左）：引込", "Label4", "ﾀｲﾔ内側移動　 前輪（左）：内側",
     "Label19", "Label21"},
    {"Label2", "ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 前輪（右）：引込", "Label13", "ﾀｲﾔ内側移動　 前輪（右）：内側",
     "Label18", "Label17"},
    {"Label7", "ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（左）：引込", "Label14", "ﾀｲﾔ内側移動　 後輪（左）：内側",
     "Label5", "Label11"},
    {"Label15", "ﾌｪﾝﾀﾞｰｸﾘｱﾗﾝｽ 後輪（右）：引込", "Label20", "ﾀｲﾔ内側移動　 後輪（右）：内側",
     "Label12", "Label16"},
};

// Grid columns: caption, before, mm, arrow, after, mm, judgement, comment.
enum Column { kCaption, kBefore, kBeforeMm, kArrow, kAfter, kAfterMm, kJudgement, kComment };

}  // namespace

ResultPanel::ResultPanel(const QString& prefix, QWidget* parent)
    : QGroupBox(parent), prefix_(prefix) {
    setObjectName(QStringLiteral("Frame1"));
    QLabel* heading = MakePictureArea(QStringLiteral("Image5"), QStringLiteral("比較結果"), this);
    heading->setAutoFillBackground(true);
    heading->adjustSize();
    heading->move(8, 0);
    QLabel* logo = MakePictureArea(QStringLiteral("Image1"), QString(), this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 14, 6, 4);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);

    grid->addWidget(
        MakeCaption(QStringLiteral("Label_WT_Kumiawase"),
                    QStringLiteral("◆ 変更前と変更後のホイールおよびタイヤの組み合わせ"), this),
        0, kCaption, 1, kComment + 1);
    // The small logo shares the first line with the caption, in the panel's top right corner.
    grid->addWidget(logo, 0, kComment, Qt::AlignRight | Qt::AlignTop);
    BuildCombinationRow(1, "Label3", "前輪 ： 変更前", "Label6", Field::WTF_Kumiawase_Old_TXT,
                        Field::WTF_Kumiawase_New_TXT);
    BuildCombinationRow(2, "Label9", "後輪 ： 変更前", "Label8", Field::WTR_Kumiawase_Old_TXT,
                        Field::WTR_Kumiawase_New_TXT);

    grid->addWidget(MakeCaption(QStringLiteral("Label_Old"), QStringLiteral("【 変更前 】"), this),
                    3, kBefore, 1, 2, Qt::AlignCenter);
    grid->addWidget(
        MakeCaption(QStringLiteral("Label_New"), QStringLiteral("【 変更後 】"), this, true), 3,
        kAfter, 1, 2, Qt::AlignCenter);
    grid->addWidget(MakeCaption(QStringLiteral("Label_JG"), QStringLiteral("【 判 定 】"), this), 3,
                    kJudgement, Qt::AlignCenter);
    grid->addWidget(
        MakeCaption(QStringLiteral("Label_JGCOM"), QStringLiteral("【 コメント 】"), this), 3,
        kComment, Qt::AlignCenter);

    BuildValueRow(4, "タイヤ外径：前輪", QStringLiteral("Label0"), kFrontAxle.before,
                  kFrontAxle.after, kFrontAxle.judgement, kFrontAxle.comment);
    BuildValueRow(5, "後輪", QStringLiteral("Label1"), kRearAxle.before, kRearAxle.after,
                  kRearAxle.judgement, kRearAxle.comment);
    int row = 6;
    for (Corner corner : kCorners) {
        BuildCornerRows(row, corner);
        row += 3;
    }
    grid->setColumnStretch(kComment, 1);

    Make(Field::RESULT_TXT);
}

QLineEdit* ResultPanel::VerdictField() const {
    return static_cast<QLineEdit*>(FieldWidget(Field::RESULT_TXT));
}

QWidget* ResultPanel::Make(Field field) {
    const FieldLook look = LookOf(field);
    QWidget* widget = nullptr;
    if (look.widget == Widget::CommentLine) {
        auto* line = new QLabel(this);
        // A grey line whatever the colour of the comment's text.
        line->setStyleSheet(
            QStringLiteral("QLabel { border: 1px solid #808080; padding: 0 2px; }"));
        line->setAlignment(look.alignment);
        widget = line;
    } else {
        auto* box = new QLineEdit(this);
        box->setReadOnly(look.widget == Widget::ReadOnly);
        box->setAlignment(look.alignment);
        widget = box;
    }
    widget->setObjectName(FieldName(field, prefix_));
    widget->setFont(UiFont(look.pointSize, look.bold));
    widget->setVisible(!look.hidden);
    fields_[static_cast<size_t>(field)] = widget;
    return widget;
}

QLabel* ResultPanel::MakeMm() {
    return MakeCaption(QStringLiteral("Label_mm_%1").arg(mmCount_++), QStringLiteral("mm"), this);
}

QLabel* ResultPanel::MakeArrow() {
    return MakeCaption(QStringLiteral("Label_Arrow_%1").arg(arrowCount_++), QStringLiteral("≫"),
                       this, false, 11.25);
}

void ResultPanel::BuildCombinationRow(int row, const char* captionName, const char* caption,
                                      const char* afterLabel, Field before, Field after) {
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(MakeCaption(QString::fromLatin1(captionName), QString::fromUtf8(caption), this),
                    row, kCaption);
    auto* line = new QHBoxLayout();
    line->setSpacing(3);
    line->addWidget(Make(before), 1);
    line->addWidget(MakeArrow());
    line->addWidget(
        MakeCaption(QString::fromLatin1(afterLabel), QStringLiteral("変更後"), this, true));
    line->addWidget(Make(after), 1);
    grid->addLayout(line, row, kBefore, 1, kComment);
}

void ResultPanel::BuildValueRow(int row, const char* caption, const QString& captionName,
                                Field before, Field after, Field judgement, Field comment) {
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(MakeCaption(captionName, QString::fromUtf8(caption), this), row, kCaption,
                    Qt::AlignRight | Qt::AlignVCenter);
    QWidget* beforeBox = Make(before);
    QWidget* afterBox = Make(after);
    QWidget* judgementBox = Make(judgement);
    beforeBox->setFixedWidth(56);
    afterBox->setFixedWidth(56);
    judgementBox->setFixedWidth(42);
    grid->addWidget(beforeBox, row, kBefore);
    grid->addWidget(MakeMm(), row, kBeforeMm);
    grid->addWidget(MakeArrow(), row, kArrow);
    grid->addWidget(afterBox, row, kAfter);
    grid->addWidget(MakeMm(), row, kAfterMm);
    grid->addWidget(judgementBox, row, kJudgement);
    grid->addWidget(Make(comment), row, kComment);
}

void ResultPanel::BuildCornerRows(int row, Corner corner) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const CornerFields& f = FieldsOf(corner);
    const CornerCaptions& c = kCornerCaptions[corner];

    // The placeholders stand hidden above the corner's judgement and comment.
    auto* placeholders = new QHBoxLayout();
    for (Field placeholder : f.placeholders) placeholders->addWidget(Make(placeholder));
    grid->addLayout(placeholders, row, kJudgement, 1, 2);

    BuildValueRow(row + 1, c.clearance, QString::fromLatin1(c.clearanceName), f.before, f.after,
                  f.judgement, f.comment);

    grid->addWidget(
        MakeCaption(QString::fromLatin1(c.movementName), QString::fromUtf8(c.movement), this),
        row + 2, kCaption, Qt::AlignRight | Qt::AlignVCenter);
    auto* line = new QHBoxLayout();
    line->setSpacing(3);
    line->addWidget(
        MakeCaption(QString::fromLatin1(c.inwardName), QStringLiteral("元位置から内側に"), this));
    QWidget* movement = Make(f.movement);
    movement->setFixedWidth(56);
    line->addWidget(movement);
    line->addWidget(MakeMm());
    line->addWidget(MakeCaption(
        QString::fromLatin1(c.movesName),
        QStringLiteral("移動します。　（移動量大の場合は、実車でﾀｲﾔ内側ｸﾘｱﾗﾝｽをﾁｪｯｸして下さい）"),
        this));
    line->addStretch(1);
    grid->addLayout(line, row + 2, kBefore, 1, kComment);
}

void ResultPanel::Fill(const ResultSheet& sheet) {
    for (Field field : AllFields()) {
        const FieldValue& value = sheet[field];
        QWidget* widget = FieldWidget(field);
        QPalette palette = widget->palette();
        if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            box->setText(value.text);
            box->setCursorPosition(0);
            palette.setColor(QPalette::Base, ToColor(value.background));
            palette.setColor(QPalette::Text, ToColor(value.foreground));
        } else if (auto* line = qobject_cast<QLabel*>(widget)) {
            line->setText(value.text);
            palette.setColor(QPalette::WindowText, ToColor(value.foreground));
        }
        widget->setPalette(palette);
    }
}

ResultSheet ResultPanel::Contents() const {
    ResultSheet sheet = ResultSheet::Blank();
    for (Field field : AllFields()) {
        FieldValue& value = sheet[field];
        const QWidget* widget = FieldWidget(field);
        const QPalette& palette = widget->palette();
        if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
            value.text = box->text();
            value.background = ToRgb(palette.color(QPalette::Base));
            value.foreground = ToRgb(palette.color(QPalette::Text));
        } else if (const auto* line = qobject_cast<const QLabel*>(widget)) {
            value.text = line->text();
            value.foreground = ToRgb(palette.color(QPalette::WindowText));
        }
    }
    return sheet;
}

}  // namespace tarvelo
