#include "shell/scale.h"

#include "platform/units.h"
#include "shell/frmMain.h"

#include <algorithm>

namespace shell {
namespace {

// The set whose tile of element `index` a picture is, if it is one of them.
catalogue::PictureStore* StoreShowing(frmMain& form, const QPixmap& picture, int index)
{
    if (picture.isNull())
        return nullptr;
    for (catalogue::PictureStore* store : {&form.frmHold, &form.frmHold2})
        if (store->isOpen() && picture.cacheKey() == store->Picture(index).cacheKey())
            return store;
    return nullptr;
}

} // namespace

qreal FitScale(QSize surface)
{
    const qreal across = qreal(platform::PixelsToUnits(surface.width())) / frmMain::kClientWidth;
    const qreal down = qreal(platform::PixelsToUnits(surface.height())) / frmMain::kSurfaceHeight;
    return std::min({across, down, 1.0});
}

void ApplyScale(frmMain& form, qreal scale)
{
    scale = std::max(scale, kSmallestScale);
    if (scale == form.Surface->scale())
        return;
    // What each cell and the holder show, by set, before the sets are painted anew: a picture
    // stands for its tile, and the same tile is put back at the new size.
    std::array<catalogue::PictureStore*, catalogue::kElementCount> cells{};
    for (int i = 0; i < catalogue::kElementCount; ++i)
        cells[i] = StoreShowing(form, form.Image1[i]->picture(), i);
    PictureBox* holder = form.imgHolder;
    catalogue::PictureStore* held = StoreShowing(form, holder->picture(), form.CurrentElement);
    const bool dragImageHeld = held && holder->dragImage().cacheKey() == holder->picture().cacheKey();

    form.Surface->setScale(scale);
    form.frmHold.SetScale(scale);
    form.frmHold2.SetScale(scale);

    for (int i = 0; i < catalogue::kElementCount; ++i)
        if (cells[i])
            form.Image1[i]->setPicture(cells[i]->Picture(i));
    if (held) {
        holder->setPicture(held->Picture(form.CurrentElement));
        if (dragImageHeld)
            holder->setDragImage(holder->picture());
    }
    form.Carry->setTile(holder->dragImage());
}

void FitToSurface(frmMain& form) { ApplyScale(form, FitScale(form.Surface->size())); }

} // namespace shell
