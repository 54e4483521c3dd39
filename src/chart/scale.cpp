#include "chart/scale.h"

#include "chart/chart.h"
#include "platform/units.h"

#include <algorithm>

namespace chart {
namespace {

// The set whose tile of element `index` a picture is, if it is one of them.
catalogue::PictureStore* StoreShowing(Chart& chart, const QPixmap& picture, int index)
{
    for (catalogue::PictureStore* store : {&chart.frmHold, &chart.frmHold2})
        if (store->IsTile(picture, index))
            return store;
    return nullptr;
}

} // namespace

qreal FitScale(QSize surface, qreal largest)
{
    const qreal across = qreal(platform::PixelsToUnits(surface.width())) / kClientWidth;
    const qreal down = qreal(platform::PixelsToUnits(surface.height())) / kSurfaceHeight;
    return std::min({across, down, largest});
}

qreal ZoomIn(qreal scale)
{
    for (qreal step : kZoomSteps)
        if (step > scale)
            return step;
    return kZoomSteps.back();
}

qreal ZoomOut(qreal scale)
{
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
        if (*step < scale)
            return *step;
    return kZoomSteps.front();
}

QString ZoomText(qreal zoom)
{
    return zoom == kFitToWindow ? QStringLiteral("fit") : QString::number(qRound(zoom * 100));
}

qreal ZoomFromText(const QString& text)
{
    const QString value = text.trimmed();
    if (value.compare(QStringLiteral("fit"), Qt::CaseInsensitive) == 0)
        return kFitToWindow;
    bool ok = false;
    const int percent = value.toInt(&ok);
    for (qreal step : kZoomSteps)
        if (ok && percent == qRound(step * 100))
            return step;
    return 1.0;
}

void SetZoom(Chart& chart, qreal zoom)
{
    chart.Zoom = zoom;
    FitToSurface(chart);
}

void ApplyScale(Chart& chart, qreal scale)
{
    scale = std::max(scale, kSmallestScale);
    if (scale == chart.Surface->scale())
        return;
    // What each cell and the holder show, by set, before the sets are painted anew: a picture
    // stands for its tile, and the same tile is put back at the new size.
    std::array<catalogue::PictureStore*, catalogue::kElementCount> cells{};
    for (int i = 0; i < catalogue::kElementCount; ++i)
        cells[i] = StoreShowing(chart, chart.Image1[i]->picture(), i);
    PictureBox* holder = chart.imgHolder;
    catalogue::PictureStore* held = StoreShowing(chart, holder->picture(), chart.CurrentElement);
    const bool dragImageHeld = held && holder->dragImage().cacheKey() == holder->picture().cacheKey();

    chart.Surface->setScale(scale);
    chart.frmHold.SetScale(scale);
    chart.frmHold2.SetScale(scale);

    for (int i = 0; i < catalogue::kElementCount; ++i)
        if (cells[i])
            chart.Image1[i]->setPicture(cells[i]->Picture(i));
    if (held) {
        holder->setPicture(held->Picture(chart.CurrentElement));
        if (dragImageHeld)
            holder->setDragImage(holder->picture());
    }
    chart.Carry->setTile(holder->dragImage());
}

void FitToSurface(Chart& chart)
{
    const qreal largest = chart.Zoom == kFitToWindow ? kLargestFit : chart.Zoom;
    ApplyScale(chart, FitScale(chart.Surface->size(), largest));
}

} // namespace chart
