#include "app/form1.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "app/enterkey.h"
#include "app/fixedwindow.h"
#include "app/fonts.h"
#include "app/navigation.h"
#include "app/picturearea.h"
#include "app/twips.h"
#include "app/windowpictures.h"

namespace tarvelo {

namespace {

struct OptionRow {
    const char* name;     // the option button; the design's Option1 of this index
    int top;              // twips inside Frame2
    const char* picture;  // the picture area that labels it
    const char* pictureText;
};

constexpr OptionRow kOptions[] = {
    {"Option1_1", 400, "Image7", "Tarvelo 2005 を起動する"},
    {"Option1_2", 850, "Image4", "Tarvelo 2005 Viewer を起動する"},
};

constexpr PictureLoad kMenuPictures[] = {
    {160, "Image3"}, {101, "Image2"}, {130, "Image9"},
    {172, "Image5"}, {143, "Image7"}, {144, "Image4"},
};

QPushButton* MakeButton(const char* name, const QString& caption, QRect twips, bool bold,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(UiFont(9, bold));
    button->setGeometry(twips);
    return button;
}

}  // namespace

Form1::Form1() {
    setObjectName(QStringLiteral("Form1"));
    MakeFixedWindow(this, TwipsSize(5655, 6390));
    setFont(UiFont(9));
    setWindowTitle(QStringLiteral("Tarvelo 2005 Standard Edition"));

    QLabel* banner =
        MakePictureArea(QStringLiteral("Image3"), QStringLiteral("Tarvelo 2005 Standard"), this);
    banner->setFont(UiFont(18, true));
    banner->setAlignment(Qt::AlignCenter);
    banner->setGeometry(TwipsRect(487, 330, 4680, 540));

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(TwipsRect(330, 1150, 5025, 1570));
    QLabel* heading =
        MakePictureArea(QStringLiteral("Image9"), QStringLiteral("起動オプション"), frame);
    // The heading sits on the frame's top border and hides the line behind it.
    heading->setAutoFillBackground(true);
    heading->setGeometry(TwipsRect(150, 0, 1650, 240));

    auto* group = new QButtonGroup(this);
    std::array<QRadioButton*, 2> options{};
    for (size_t i = 0; i < std::size(kOptions); ++i) {
        const OptionRow& row = kOptions[i];
        auto* option = new QRadioButton(frame);
        option->setObjectName(QString::fromLatin1(row.name));
        option->setGeometry(TwipsRect(350, row.top, 200, 375));
        option->installEventFilter(this);
        group->addButton(option);
        QLabel* label = MakePictureArea(QString::fromLatin1(row.picture),
                                        QString::fromUtf8(row.pictureText), frame);
        // The option labels are 12 pixels high: level with the middle of their button.
        label->setGeometry(TwipsRect(650, row.top + 97, 4200, 180));
        label->setBuddy(option);
        options[i] = option;
    }
    inputOption_ = options[0];
    viewerOption_ = options[1];

    QPushButton* ok =
        MakeButton("Command1", QStringLiteral("O K"), TwipsRect(1142, 3050, 1500, 450), true, this);
    QPushButton* quit = MakeButton("Command2", QStringLiteral("終  了"),
                                   TwipsRect(3043, 3050, 1500, 450), false, this);
    connect(ok, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(quit, &QPushButton::clicked, this, &Form1::Command2_Click);
    new EnterPressesButton(this, ok);

    MakePictureArea(QStringLiteral("Image5"), QString(), this)
        ->setGeometry(TwipsRect(300, 3830, 5055, 1845));
    MakePictureArea(QStringLiteral("Image2"), QString(), this)
        ->setGeometry(TwipsRect(3465, 5925, 2085, 375));

    setTabOrder(inputOption_, viewerOption_);
    setTabOrder(viewerOption_, ok);
    setTabOrder(ok, quit);

    LoadWindowPictures(this, kMenuPictures);
}

void Form1::ShowLoaded() {
    ShowCentred(this);
    setWindowTitle(QStringLiteral("Tarvelo 2005 Standard Edition"));
    inputOption_->setFocus(Qt::OtherFocusReason);
    // An inactive window gets its focus-in only once activated; the selection that the
    // focus brings is wanted at once.
    inputOption_->setChecked(true);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // An option button that receives the focus becomes selected.
    if (event->type() == QEvent::FocusIn) {
        if (auto* option = qobject_cast<QRadioButton*>(watched)) option->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Command1_Click() {
    if (inputOption_->isChecked()) ShowInputMode();
    if (viewerOption_->isChecked()) ShowViewer();
    close();
}

void Form1::Command2_Click() {
    UnloadAllWindows();
}

}  // namespace tarvelo
