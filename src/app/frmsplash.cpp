#include "app/frmsplash.h"

#include <QFrame>
#include <QLabel>

#include "app/fonts.h"
#include "app/legalnotice.h"
#include "app/picturearea.h"
#include "app/twips.h"
#include "app/version.h"
#include "app/windowpictures.h"

namespace tarvelo {

namespace {

constexpr PictureLoad kSplashPictures[] = {
    {159, "Image2"},
    {117, "Image3"},
    {137, "Image5"},
};

}  // namespace

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsSize(7455, 4605));
    setFont(UiFont(9));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setGeometry(rect());
    frame->setAutoFillBackground(true);
    QPalette tan = frame->palette();
    tan.setColor(QPalette::Window, QColor(239, 187, 141));
    tan.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(tan);

    QLabel* maker = MakePictureArea(QStringLiteral("Image5"), QString(), frame);
    maker->setGeometry(TwipsRect(240, 240, 2145, 255));

    QLabel* banner =
        MakePictureArea(QStringLiteral("Image3"), QStringLiteral("Tarvelo 2005 Standard"), frame);
    banner->setFont(UiFont(26, true));
    banner->setAlignment(Qt::AlignCenter);
    // The picture keeps the area's left, so the area starts where the centred banner does.
    banner->setGeometry(TwipsRect(360, 1500, 6735, 780));

    auto* version = new QLabel(QStringLiteral("Version"), frame);
    version->setObjectName(QStringLiteral("lblVersion"));
    QFont display(kDisplayFontFamily);
    display.setPointSize(18);
    display.setBold(true);
    version->setFont(display);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    version->setGeometry(TwipsRect(3900, 2400, 3300, 480));
    version->setText(VersionLabelText());

    auto* warning = new QLabel(kLegalNotice, frame);
    warning->setObjectName(QStringLiteral("lblWarning"));
    warning->setWordWrap(true);
    warning->setFont(UiFont(8));
    warning->setGeometry(TwipsRect(240, 3300, 4800, 900));

    QLabel* logo = MakePictureArea(QStringLiteral("Image2"), QString(), frame);
    logo->setGeometry(TwipsRect(5100, 4050, 2085, 375));

    LoadWindowPictures(this, kSplashPictures);
}

}  // namespace tarvelo
