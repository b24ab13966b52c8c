#pragma once

#include <QWidget>

#include <span>

namespace tarvelo {

// One step of a window's picture loading: the embedded picture with this number goes into
// the named picture area, and into a second one where a heading is shared by two frames.
struct PictureLoad {
    int resourceId;
    const char* area;
    const char* secondArea = nullptr;
};

// Loads a window's pictures in the order given, finding each area by its name among the
// window's children. An area the window lacks is passed over.
void LoadWindowPictures(QWidget* window, std::span<const PictureLoad> loads);

}  // namespace tarvelo
