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

// A units rectangle in logical pixels with the whole layout drawn at `scale`. Each edge is rounded
// on its own, so that edges that meet or cross in units keep their order in pixels and rectangles
// of the same width stay within a pixel of each other. At scale 1 it is UnitsRect.
inline QRect ScaledUnitsRect(const QRect& units, qreal scale)
{
    if (scale == 1.0)
        return UnitsRect(units.x(), units.y(), units.width(), units.height());
    const auto edge = [scale](int at) { return int(std::lround(at * scale / kUnitsPerPixel)); };
    const int left = edge(units.x()), top = edge(units.y());
    return QRect(left, top, edge(units.x() + units.width()) - left, edge(units.y() + units.height()) - top);
}

// Decimal text with leading zeros to at least two digits ("00" as format pattern).
inline QString TwoDigits(int value)
{
    return value < 0 ? QString::number(value) : QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace platform
