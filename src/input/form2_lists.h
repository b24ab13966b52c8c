#pragma once

#include <QStringList>

namespace tarvelo::form2lists {

// The items of the input form's lists, in display order; all four specs share them.
const QStringList& RimDiameter();
const QStringList& RimWidth();
const QStringList& TyreWidth();
const QStringList& AspectRatio();
const QStringList& OffsetDirection();

}  // namespace tarvelo::form2lists
