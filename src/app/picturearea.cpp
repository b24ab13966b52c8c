#include "app/picturearea.h"

#include "app/fonts.h"

namespace tarvelo {

QLabel* MakePictureArea(const QString& name, const QString& pictureText, QWidget* parent,
                        bool bold) {
    auto* area = new QLabel(pictureText, parent);
    area->setObjectName(name);
    area->setFont(UiFont(9, bold));
    return area;
}

}  // namespace tarvelo
