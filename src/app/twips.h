#pragma once

#include <QRect>
#include <QSize>

namespace tarvelo {

// The windows are laid out in twips, 1/1440 inch: 15 twips to a pixel at 96 dots per inch.
constexpr int TwipsToPixels(int twips) {
    return (twips + 7) / 15;
}
constexpr QSize TwipsSize(int width, int height) {
    return QSize(TwipsToPixels(width), TwipsToPixels(height));
}
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

}  // namespace tarvelo
