#include "app/windowpictures.h"

#include <QLabel>

#include "app/pictures.h"

namespace tarvelo {

void LoadWindowPictures(QWidget* window, std::span<const PictureLoad> loads) {
    for (const PictureLoad& load : loads) {
        QList<QLabel*> areas;
        for (const char* name : {load.area, load.secondArea}) {
            if (name == nullptr) continue;
            if (auto* area = window->findChild<QLabel*>(QString::fromLatin1(name))) areas << area;
        }
        LoadResourcePicture(load.resourceId, areas);
    }
}

}  // namespace tarvelo
