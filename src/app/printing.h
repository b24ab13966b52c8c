#pragma once

#include <QImage>
#include <QPageSize>
#include <functional>

class QPaintDevice;

namespace tarvelo {

// The Windows paper-size code of a page size: 8 A3, 9 A4, 11 A5, 12 B4 (JIS), 13 B5 (JIS),
// 256 a size of the user's own, 0 any other.
int PaperSizeCode(const QPageSize& size);

// Paints the image at its screen size (96 pixels to the inch) at the top left of a page,
// once per copy; newPage starts each page after the first.
bool PaintScreenPages(QPaintDevice& device, const QImage& image, int copies,
                      const std::function<bool()>& newPage);

}  // namespace tarvelo
