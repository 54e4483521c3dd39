// Drops on the board, the next draw and completion.
#include "game/game.h"

#include "platform/dialogs.h"
#include "platform/random.h"
#include "chart/chart.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using catalogue::kElementCount;
using catalogue::PictureStore;

namespace game {
namespace {

constexpr qint16 kAllPlaced = kElementCount;

void NextDraw(Chart& chart, int mode)
{
    PictureStore& store = StoreOf(chart, mode);
    if (store.PendingCount() == 0)
        return; // cannot happen while a game runs; never spin on an empty store
    do {
        platform::Randomize();
        chart.CurrentElement = qint16(NextDrawIndex(platform::Rnd()));
    } while (!store.Pending(chart.CurrentElement));
    chart.imgHolder->setPicture(store.Picture(chart.CurrentElement));
    chart.imgHolder->setDragImage(chart.imgHolder->picture());
}

} // namespace

int NextDrawIndex(float r)
{
    // r * 108 is exact in double precision; nearbyint rounds halfway cases to the even integer.
    const int number = int(std::nearbyint(double(r) * 108.0 + 1.0));
    return std::clamp(number - 1, 0, kElementCount - 1);
}

bool PlaceOnCell(Chart& chart, int cell)
{
    for (int k = 0; k < 4; ++k) {
        if (ColumnShown(chart, k) && chart.CurrentElement == cell) {
            PictureStore& store = StoreOf(chart, k);
            chart.Image1[cell]->setPicture(store.Picture(chart.CurrentElement));
            ++chart.PlacedCount;
            store.SetPending(chart.CurrentElement, false);
            chart.imgHolder->setShown(true);
        }
    }
    chart.imgHolder->setShown(true);

    if (chart.PlacedCount != kAllPlaced) {
        for (int k = 0; k < 4; ++k)
            if (ColumnShown(chart, k))
                NextDraw(chart, k);
        return false;
    }
    chart.imgHolder->setShown(false);
    chart.Timer1->setEnabled(false);
    EndKeyboardPlacement(chart);
    return true;
}

bool Congratulate(const Chart& chart)
{
    // Only the game that the drop completed: not one started, nor a chart cleared, in between.
    if (chart.PlacedCount != kAllPlaced || ActiveMode(chart) == kNoMode || chart.Timer1->enabled())
        return false;
    platform::MsgBox(QCoreApplication::translate("Game", "Congratulations for completing the Periodic Table"));
    return true;
}

void DragOverBareWindow(Chart& chart) { chart.imgHolder->setShown(false); }

void DropOnBareWindow(Chart& chart) { chart.imgHolder->setShown(true); }

void DragEnded(Chart& chart, bool landed)
{
    // A tile that no cell and no bare window took (released over a label, outside the window, or
    // given up with Escape) goes back to the holder, or the game could not be finished.
    if (!landed)
        PutBack(chart);
}

} // namespace game
