#pragma once

#include <QLabel>

namespace tarvelo {

// An area that the embedded pictures fill. Until its picture is loaded it shows the
// picture's own words in plain text, so that the window still tells the user what each
// frame and option is.
QLabel* MakePictureArea(const QString& name, const QString& pictureText, QWidget* parent,
                        bool bold = true);

}  // namespace tarvelo
