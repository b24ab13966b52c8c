#include "app/pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

// The pictures live in a static library: their registration must be pulled in by name.
static void RegisterPictureResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace tarvelo {

QByteArray ResourcePictureBytes(int resourceId) {
    RegisterPictureResources();
    QFile file(QStringLiteral(":/pictures/%1").arg(resourceId));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

namespace {

QImage DecodePicture(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

}  // namespace

bool LoadResourcePicture(int resourceId, const QList<QLabel*>& areas) {
    const QByteArray bytes = ResourcePictureBytes(resourceId);
    const QImage picture = bytes.isEmpty() ? QImage() : DecodePicture(bytes);
    for (QLabel* area : areas) {
        if (area == nullptr) continue;
        if (picture.isNull()) {
            if (!area->pixmap().isNull()) area->setPixmap(QPixmap());
            continue;
        }
        area->setPixmap(QPixmap::fromImage(picture));
        area->setGeometry(area->x(), area->y(), picture.width(), picture.height());
    }
    return !picture.isNull();
}

bool LoadResourcePicture(int resourceId, std::initializer_list<QLabel*> areas) {
    return LoadResourcePicture(resourceId, QList<QLabel*>(areas));
}

void ClearPictureArea(QLabel* area) {
    if (area != nullptr) area->clear();
}

QIcon ProgramIcon() {
    RegisterPictureResources();
    return QIcon(QStringLiteral(":/icon/tarvelo.png"));
}

}  // namespace tarvelo
