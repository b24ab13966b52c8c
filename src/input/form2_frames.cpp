#include "input/form2_frames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "app/fonts.h"
#include "app/picturearea.h"
#include "input/form2_numberbox.h"
#include "input/valuelists.h"

namespace tarvelo {

namespace {

constexpr int kListWidth = 62;

QString Choose(const WheelFrameLayout& layout, const char* item) {
    return QStringLiteral("%1の%2%3を選択して下さい")
        .arg(QString::fromUtf8(layout.state), QString::fromUtf8(layout.axle),
             QString::fromUtf8(item));
}

QComboBox* MakeList(const char* name, const QString& toolTip, const QStringList& items,
                    QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setToolTip(toolTip);
    list->setFont(UiFont(9, true));
    list->setEditable(false);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setFixedWidth(kListWidth);
    return list;
}

QLabel* MakeRowLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFont(UiFont(9));
    return label;
}

}  // namespace

QGroupBox* MakeHeadedFrame(const char* name, const char* heading, const QString& headingText,
                           QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    QLabel* picture = MakePictureArea(QString::fromLatin1(heading), headingText, frame);
    // The heading covers the border line it sits on.
    picture->setAutoFillBackground(true);
    picture->adjustSize();
    picture->move(8, 0);
    return frame;
}

WheelFrame BuildWheelFrame(const WheelFrameLayout& layout, QWidget* parent) {
    WheelFrame w;
    w.frame = MakeHeadedFrame(layout.frame, layout.heading, QString::fromUtf8(layout.headingText),
                              parent);
    auto* grid = new QGridLayout(w.frame);
    grid->setContentsMargins(6, 16, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    auto* sameAsFront = new QCheckBox(QStringLiteral("前輪ホイールと同じ"), w.frame);
    sameAsFront->setFont(UiFont(9));
    if (layout.sameAsFront != nullptr) {
        sameAsFront->setObjectName(QString::fromLatin1(layout.sameAsFront));
        sameAsFront->setToolTip(
            QStringLiteral("後輪に装着するホイールが前輪と全く同じ場合はチェックして下さい。 "
                           "入力が省略でき便利です。"));
        grid->addWidget(sameAsFront, 0, 0, 1, 3);
        w.sameAsFront = sameAsFront;
    } else {
        // The front frames leave the check box's line empty, so that the rows of the
        // front and rear frames side by side line up.
        auto* gap = new QWidget(w.frame);
        gap->setFixedHeight(sameAsFront->sizeHint().height());
        grid->addWidget(gap, 0, 0, 1, 3);
        delete sameAsFront;
    }

    const SpecControls& c = layout.controls;
    w.rimDiameter =
        MakeList(c.rimDiameter, Choose(layout, "ホイールリム径"), RimDiameterItems(), w.frame);
    w.rimWidth = MakeList(c.rimWidth, Choose(layout, "ホイールリム幅"), RimWidthItems(), w.frame);
    w.offsetDirection = MakeList(c.offsetDirection, Choose(layout, "ホイールオフセット方向"),
                                 OffsetDirectionItems(), w.frame);
    w.offsetAmount =
        MakeNumberBox(QString::fromLatin1(c.offsetAmount),
                      QStringLiteral("%1の%2ホイールオフセット量を直接入力して下さい")
                          .arg(QString::fromUtf8(layout.state), QString::fromUtf8(layout.axle)),
                      w.frame);
    w.tyreWidth =
        MakeList(c.tyreWidth, Choose(layout, "タイヤ断面幅サイズ"), TyreWidthItems(), w.frame);
    w.aspectRatio =
        MakeList(c.aspectRatio, Choose(layout, "タイヤ扁平率"), AspectRatioItems(), w.frame);

    grid->addWidget(MakeRowLabel("ホイールリム径（inch）", w.frame), 1, 0);
    grid->addWidget(w.rimDiameter, 1, 1);
    grid->addWidget(MakeRowLabel("ホイールリム幅（inch）", w.frame), 2, 0);
    grid->addWidget(w.rimWidth, 2, 1);
    grid->addWidget(MakeRowLabel("ホイールオフセット（mm）", w.frame), 3, 0);
    grid->addWidget(w.offsetDirection, 3, 1);
    grid->addWidget(w.offsetAmount, 3, 2);
    grid->addWidget(MakeRowLabel("タイヤ断面幅サイズ（mm）", w.frame), 4, 0);
    grid->addWidget(w.tyreWidth, 4, 1);
    grid->addWidget(MakeRowLabel("タイヤ扁平率（%）", w.frame), 5, 0);
    grid->addWidget(w.aspectRatio, 5, 1);
    grid->setColumnStretch(0, 1);
    // Extra height goes below the rows, keeping the rows of neighbouring frames level.
    grid->setRowStretch(6, 1);
    return w;
}

QGroupBox* BuildClearanceFrame(const ClearanceFrameLayout& layout, QWidget* parent) {
    auto* frame = new QGroupBox(QString::fromUtf8(layout.caption), parent);
    frame->setObjectName(QString::fromLatin1(layout.frame));
    frame->setFont(UiFont(9));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 4);
    const auto addSide = [&](const char* name, const char* side) {
        const QString toolTip =
            QStringLiteral("変更前の%1%2フェンダークリアランス引込量を直接入力して下さい")
                .arg(QString::fromUtf8(layout.axle), QString::fromUtf8(side));
        auto* label = new QLabel(QStringLiteral("%1 ： 引込").arg(QString::fromUtf8(side)), frame);
        label->setFont(UiFont(9));
        row->addWidget(label);
        row->addWidget(MakeNumberBox(QString::fromLatin1(name), toolTip, frame));
    };
    addSide(layout.left, "左");
    row->addStretch(1);
    addSide(layout.right, "右");
    return frame;
}

}  // namespace tarvelo
