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

    // Paints the set once, the first time it is needed, with every pending flag true.
    void Open(qreal devicePixelRatio);
    void Close();
    bool isOpen() const { return open_; }
    bool numbered() const { return numbered_; }

    const QPixmap& Picture(int index) const { return pictures_[index]; }
    bool Pending(int index) const { return pending_[index]; }
    void SetPending(int index, bool pending) { pending_[index] = pending; }
    int PendingCount() const;

private:
    bool numbered_;
    bool open_ = false;
    std::array<QPixmap, kElementCount> pictures_;
    std::array<bool, kElementCount> pending_{};
};

} // namespace catalogue
