#pragma once

#include <QByteArray>
#include <QIcon>
#include <QLabel>
#include <QList>

#include <initializer_list>

namespace tarvelo {

// The bytes of the embedded picture with this number (a complete GIF or JPEG file);
// empty if the program has no such picture.
QByteArray ResourcePictureBytes(int resourceId);

// Puts the embedded picture with this number into each area, in the order given: every
// area gets its own copy and takes the picture's size, its left and top staying where
// they are. The format is recognised from the picture's bytes. A picture that is missing
// or cannot be decoded puts no picture into the areas (an earlier one is removed; the
// words an area shows in place of its picture stay) and returns false, so the window
// goes on without it.
bool LoadResourcePicture(int resourceId, const QList<QLabel*>& areas);
bool LoadResourcePicture(int resourceId, std::initializer_list<QLabel*> areas);

// Takes the picture (and any words) out of an area; its position and size stay.
void ClearPictureArea(QLabel* area);

// The 32 x 32 icon every window carries.
QIcon ProgramIcon();

}  // namespace tarvelo
