#include "app/frmabout.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

#include "app/fonts.h"
#include "app/legalnotice.h"
#include "app/picturearea.h"
#include "app/platform.h"
#include "app/twips.h"
#include "app/version.h"
#include "app/windowpictures.h"

namespace tarvelo {

namespace {

// What differs between the two dressings.
struct Dressing {
    const char* objectName;
    const char* caption;
    const char* okName;
    const char* sysInfoName;
    const char* banner;
    int versionLeft;
    int versionTop;
};

constexpr Dressing kStandard{"frmAbout",   "Tarvelo 2005 Standard Edition ﾊﾞｰｼﾞｮﾝ情報",
                             "cmdOK",      "cmdSysInfo",
                             "Tarvelo 2005 Standard", 6200, 950};
constexpr Dressing kViewer{"frmAbout1",  "Tarvelo 2005 Viewer ﾊﾞｰｼﾞｮﾝ情報",
                           "VcmdOK",     "VcmdSysInfo",
                           "Tarvelo 2005 Viewer", 5945, 860};

constexpr PictureLoad kStandardPictures[] = {
    {112, "Image3"}, {106, "Image4"}, {101, "Image2"}, {131, "Image5"}, {132, "Image6"},
};
constexpr PictureLoad kViewerPictures[] = {
    {111, "Image3"}, {135, "Image6"}, {101, "Image2"}, {131, "Image5"}, {110, "Image4"},
};

QPushButton* MakeButton(const char* name, const QString& caption, const QRect& geometry,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

}  // namespace

QString VersionDialogText() {
    return QStringLiteral("Version  %1 . %2 . %3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionRevision);
}

const QStringList& SystemInfoPrograms() {
    static const QStringList programs{
        QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
        QStringLiteral("gnome-system-monitor"), QStringLiteral("kinfocenter"),
        QStringLiteral("xfce4-taskmanager")};
    return programs;
}

frmAbout::frmAbout(Edition edition, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      edition_(edition) {
    const Dressing& d = edition == Edition::Standard ? kStandard : kViewer;
    setObjectName(QString::fromLatin1(d.objectName));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(6660, 5100));
    setFont(UiFont(9));
    setWindowTitle(QString::fromUtf8(d.caption));

    MakePictureArea(QStringLiteral("Image3"), QString(), this)
        ->setGeometry(TwipsRect(150, 90, 750, 3375));
    QLabel* banner = MakePictureArea(QStringLiteral("Image4"), QString::fromUtf8(d.banner), this);
    banner->move(TwipsToPixels(1180), TwipsToPixels(250));
    banner->adjustSize();

    auto* version = new QLabel(VersionDialogText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    QFont display(kDisplayFontFamily);
    display.setPointSizeF(20.25);
    display.setBold(true);
    version->setFont(display);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette blue = version->palette();
    blue.setColor(QPalette::WindowText, QColor(128, 128, 255));
    version->setPalette(blue);
    version->adjustSize();
    // Right-aligned: the label grows to the left of where its design puts its right edge.
    const int right = std::min(TwipsToPixels(d.versionLeft) + TwipsToPixels(300), width() - 8);
    version->move(right - version->width(), TwipsToPixels(d.versionTop));

    MakePictureArea(QStringLiteral("Image6"), QString(), this)
        ->setGeometry(TwipsRect(1180, 2850, 4350, 360));

    auto* warning = new QLabel(kLegalNotice, this);
    warning->setObjectName(QStringLiteral("lblWarning"));
    warning->setWordWrap(true);
    warning->setFont(UiFont(8));
    warning->setGeometry(TwipsRect(150, 3750, 4035, 720));

    QPushButton* ok =
        MakeButton(d.okName, QStringLiteral("O K"), TwipsRect(4350, 3700, 2200, 300), this);
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* sysInfo = MakeButton(d.sysInfoName, QStringLiteral("ｼｽﾃﾑ情報(&S)..."),
                                      TwipsRect(4350, 4100, 2200, 300), this);
    sysInfo->setAutoDefault(false);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    MakePictureArea(QStringLiteral("Image5"), QString(), this)
        ->move(TwipsToPixels(150), TwipsToPixels(4800));
    MakePictureArea(QStringLiteral("Image2"), QString(), this)
        ->move(TwipsToPixels(4450), TwipsToPixels(4600));
    LoadWindowPictures(this, edition == Edition::Standard ? std::span(kStandardPictures)
                                                          : std::span(kViewerPictures));
    ok->setFocus();
}

void frmAbout::StartSysInfo() {
    for (const QString& name : SystemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && CurrentPlatform().StartProgram(path, {})) return;
    }
    Platform::Message message;
    message.icon = Platform::Icon::None;
    message.buttons = Platform::Buttons::Ok;
    message.defaultButton = Platform::Answer::Ok;
    message.title = kStandardTitle;
    message.text = kNoSystemInfoText;
    CurrentPlatform().ShowMessage(this, message);
}

void ShowVersionDialog(QWidget* owner, frmAbout::Edition edition) {
    auto* dialog = new frmAbout(edition, owner);
    dialog->exec();
}

}  // namespace tarvelo
