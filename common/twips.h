#pragma once

#include <QRect>
#include <QtMath>

// Window layouts are written in twips; 15 twips make one logical pixel.
constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

inline double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
