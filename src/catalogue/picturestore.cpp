#include "catalogue/picturestore.h"

#include "catalogue/tiles.h"

#include <algorithm>

namespace catalogue {

void PictureStore::Open(qreal devicePixelRatio)
{
    if (open_)
        return;
    devicePixelRatio_ = devicePixelRatio;
    painted_ = false;
    pending_.fill(true);
    open_ = true;
}

void PictureStore::SetScale(qreal scale)
{
    if (scale == scale_)
        return;
    scale_ = scale;
    painted_ = false;
}

void PictureStore::Paint() const
{
    for (int i = 0; i < kElementCount; ++i)
        pictures_[i] = PaintTile(i, numbered_, devicePixelRatio_, scale_);
    painted_ = true;
}

void PictureStore::Close() { open_ = false; }

int PictureStore::PendingCount() const { return int(std::count(pending_.begin(), pending_.end(), true)); }

} // namespace catalogue
