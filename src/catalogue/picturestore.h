#pragma once
// A picture store keeps one tile set, 109 pictures, with a pending flag per element: true while the
// element still waits to be placed in the current game of a mode that uses this set.
#include <QPixmap>

#include <array>

#include "catalogue/elements.h"

namespace catalogue {

class PictureStore {
public:
    explicit PictureStore(bool numbered) : numbered_(numbered) {}

    // Opens the store with every pending flag true, for tiles at this device pixel ratio. The set
    // is painted, for the chart at the scale last set, when a picture of it is first asked for:
    // the plain set of a run that never plays a plain-tile game is never painted.
    void Open(qreal devicePixelRatio);
    void Close();
    bool isOpen() const { return open_; }
    // The scale the chart is drawn at: the set is painted for it when a picture is next asked for
    // (the pending flags stay).
    void SetScale(qreal scale);
    qreal scale() const { return scale_; }
    bool numbered() const { return numbered_; }

    // The tile of element `index`; the first question paints the whole set.
    const QPixmap& Picture(int index) const
    {
        if (!painted_)
            Paint();
        return pictures_[index];
    }
    // Whether `picture` is the tile of element `index` of this open set, without painting the set:
    // a set not painted yet has given no picture out.
    bool IsTile(const QPixmap& picture, int index) const
    {
        return open_ && painted_ && !picture.isNull() && picture.cacheKey() == pictures_[index].cacheKey();
    }
    bool Pending(int index) const { return pending_[index]; }
    void SetPending(int index, bool pending) { pending_[index] = pending; }
    int PendingCount() const;

private:
    void Paint() const;

    bool numbered_;
    bool open_ = false;
    qreal devicePixelRatio_ = 1.0;
    qreal scale_ = 1.0;
    // The pictures for the ratio and scale above, once asked for.
    mutable bool painted_ = false;
    mutable std::array<QPixmap, kElementCount> pictures_;
    std::array<bool, kElementCount> pending_{};
};

} // namespace catalogue
