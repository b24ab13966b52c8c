#include "app/printing.h"

#include <QPainter>

namespace tarvelo {

int PaperSizeCode(const QPageSize& size) {
    switch (size.id()) {
        case QPageSize::A3: return 8;
        case QPageSize::A4: return 9;
        case QPageSize::A5: return 11;
        case QPageSize::JisB4: return 12;
        case QPageSize::JisB5: return 13;
        case QPageSize::Custom: return 256;
        default: return 0;
    }
}

bool PaintScreenPages(QPaintDevice& device, const QImage& image, int copies,
                      const std::function<bool()>& newPage) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double scale = device.logicalDpiX() / 96.0;
    const QRectF target(0, 0, image.width() * scale, image.height() * scale);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !newPage()) return false;
        painter.drawImage(target, image);
    }
    return painter.end();
}

}  // namespace tarvelo
