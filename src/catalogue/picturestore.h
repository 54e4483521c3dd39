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

    // Paints the set once, the first time it is needed, with every pending flag true, for the
    // chart at the scale last set.
    void Open(qreal devicePixelRatio);
    void Close();
    bool isOpen() const { return open_; }
    // The scale the chart is drawn at: an open set is painted again for it (the pending flags
    // stay), a closed one is painted for it when it opens.
    void SetScale(qreal scale);
    qreal scale() const { return scale_; }
    bool numbered() const { return numbered_; }

    const QPixmap& Picture(int index) const { return pictures_[index]; }
    bool Pending(int index) const { return pending_[index]; }
    void SetPending(int index, bool pending) { pending_[index] = pending; }
    int PendingCount() const;

private:
    void Paint();

    bool numbered_;
    bool open_ = false;
    qreal devicePixelRatio_ = 1.0;
    qreal scale_ = 1.0;
    std::array<QPixmap, kElementCount> pictures_;
    std::array<bool, kElementCount> pending_{};
};

} // namespace catalogue
