#pragma once
// The scale the client area is drawn at. The layout gives every control a rectangle in layout units
// and every label a point size; at a scale other than 1 each is multiplied by it, and the tiles are
// painted for the scaled cells. A surface smaller than the layout shows the whole chart at the scale
// that fits it; at the layout's size or larger the scale is 1 and the window is as designed.
#include <QSize>

namespace chart {

class Chart;

// The largest scale, at most 1, at which the layout fits a surface of this size in logical pixels.
qreal FitScale(QSize surface);

// The smallest scale the client area is drawn at, where a tile's symbol can still be read. A
// surface smaller than the layout at this scale (397 by 255 pixels) shows part of the chart.
inline constexpr qreal kSmallestScale = 0.5;

// Draws the client area at `scale` (no smaller than kSmallestScale): lays every control out again,
// paints both tile sets for the scaled cells and gives the cells, the holder and the carried tile
// the same tiles at the new size. Does nothing at the scale the window already has.
void ApplyScale(Chart& chart, qreal scale);

// The surface's size changed: draw the client area at the scale that fits it.
void FitToSurface(Chart& chart);

} // namespace chart
