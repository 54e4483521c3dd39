#pragma once
// Layout positions are given in units of 1/1440 inch; 15 of them make one logical pixel at 96 dpi.
// Qt's high-DPI scaling maps logical pixels onto the screen, so nothing else converts.
#include <QRect>
#include <QString>
#include <cmath>

namespace platform {

constexpr int kUnitsPerPixel = 15;

// Rounds to the nearest pixel (halves away from zero) so that negative window positions convert too.
constexpr int UnitsToPixels(int units)
{
    return units >= 0 ? (units + kUnitsPerPixel / 2) / kUnitsPerPixel
                      : -((-units + kUnitsPerPixel / 2) / kUnitsPerPixel);
}

constexpr int PixelsToUnits(int pixels) { return pixels * kUnitsPerPixel; }

inline QRect UnitsRect(int left, int top, int width, int height)
{
    return QRect(UnitsToPixels(left), UnitsToPixels(top), UnitsToPixels(width), UnitsToPixels(height));
}

// Decimal text with leading zeros to at least two digits ("00" as format pattern).
inline QString TwoDigits(int value)
{
    return value < 0 ? QString::number(value) : QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace platform
