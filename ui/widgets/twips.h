#pragma once

#include <QRect>

// Window geometry is laid down in twips (1/1440 inch); the screen shows 15 of them to a
// pixel at 96 dots per inch.
namespace Twips {

inline constexpr int PerPixel = 15;
inline constexpr int PerPoint = 20;

constexpr int toPixels(int twips) {
    return twips / PerPixel;
}

// A rectangle given as left, top, width and height in twips.
constexpr QRect toPixels(const QRect &twips) {
    return QRect(toPixels(twips.left()), toPixels(twips.top()), toPixels(twips.width()),
                 toPixels(twips.height()));
}

} // namespace Twips
