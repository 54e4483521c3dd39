#pragma once
// The scale the client area is drawn at. The layout gives every control a rectangle in layout units
// and every label a point size; at a scale other than 1 each is multiplied by it, and the tiles are
// painted for the scaled cells. A surface smaller than the layout shows the whole chart at the scale
// that fits it; at the layout's size or larger the scale is the zoom (1 unless the player zooms in)
// and the window is as designed at that zoom.
#include <QSize>
#include <QString>

#include <array>

namespace chart {

class Chart;

// The largest scale, at most `largest`, at which the layout fits a surface of this size in logical
// pixels.
qreal FitScale(QSize surface, qreal largest = 1.0);

// The zoom steps, in the order Ctrl+Plus goes through them.
inline constexpr std::array<qreal, 7> kZoomSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
// The zoom that follows the window: the largest scale at which the layout fits the surface, no
// larger than kLargestFit (a chart 4770 pixels wide, past any screen's width, whose tiles still take
// only some tens of megabytes).
inline constexpr qreal kFitToWindow = 0;
inline constexpr qreal kLargestFit = 6.0;

// The next step up or down from a zoom, or from the scale a zoom that fits the window gives (the
// step beyond it); the ends stay where they are.
qreal ZoomIn(qreal scale);
qreal ZoomOut(qreal scale);

// The zoom as it is stored: the percentage of a step, or "fit"; and read back, where any other
// text is the default zoom, 1.
QString ZoomText(qreal zoom);
qreal ZoomFromText(const QString& text);

// Sets the zoom and draws the chart at the scale it gives for the surface's size.
void SetZoom(Chart& chart, qreal zoom);

// The smallest scale the client area is drawn at, where a tile's symbol can still be read. A
// surface smaller than the layout at this scale (397 by 255 pixels) shows part of the chart.
inline constexpr qreal kSmallestScale = 0.5;

// Draws the client area at `scale` (no smaller than kSmallestScale): lays every control out again,
// paints both tile sets for the scaled cells and gives the cells, the holder and the carried tile
// the same tiles at the new size. Does nothing at the scale the window already has.
void ApplyScale(Chart& chart, qreal scale);

// The surface's size changed: draw the client area at the zoom, or the scale that fits it where
// that is smaller.
void FitToSurface(Chart& chart);

} // namespace chart
