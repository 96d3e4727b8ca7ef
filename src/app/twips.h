#pragma once

// Window positions and sizes are kept in twips, as the layout of the window is written; Qt gets
// pixels, 15 twips to a (logical) pixel.

#include <QRect>

#include <cmath>

constexpr int twipsJePixel = 15;

constexpr int tw(int twips)
{
    // Rounded to the nearest pixel, halves away from zero, so that -2000 and 2000 stay symmetric.
    return twips >= 0 ? (twips + twipsJePixel / 2) / twipsJePixel
                      : -((-twips + twipsJePixel / 2) / twipsJePixel);
}

inline QRect twRect(int left, int top, int width, int height)
{
    return QRect(tw(left), tw(top), tw(width), tw(height));
}
