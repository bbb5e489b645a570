// The windows are laid out in twips, 1440 to the inch, as their designs were drawn: 15 twips
// make one device-independent pixel at 96 dots per inch. Qt scales from there on displays
// of other densities.
#pragma once

#include <QRect>
#include <QSize>

namespace tempidex {

inline constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

constexpr QSize TwipsSize(int width, int height) {
    return {TwipsToPixels(width), TwipsToPixels(height)};
}

static_assert(TwipsSize(6270, 2175) == QSize(418, 145));
// Rounded to the nearest pixel, a half up: "For information:" is 1255 twips, 83.7 pixels.
static_assert(TwipsToPixels(1255) == 84 && TwipsToPixels(7) == 0 && TwipsToPixels(8) == 1);

} // namespace tempidex
