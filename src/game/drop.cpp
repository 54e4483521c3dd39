// Drops on the board, the next draw and completion.
#include "game/game.h"

#include "platform/dialogs.h"
#include "platform/random.h"
#include "scores/highscores.h"
#include "shell/frmMain.h"

#include <algorithm>
#include <cmath>

using catalogue::kElementCount;
using catalogue::PictureStore;

namespace game {
namespace {

constexpr qint16 kAllPlaced = kElementCount;

void NextDraw(frmMain& form, int mode)
{
    PictureStore& store = StoreOf(form, mode);
    if (store.PendingCount() == 0)
        return; // cannot happen while a game runs; never spin on an empty store
    do {
        platform::Randomize();
        form.CurrentElement = qint16(NextDrawIndex(platform::Rnd()));
    } while (!store.Pending(form.CurrentElement));
    form.imgHolder->setPicture(store.Picture(form.CurrentElement));
    form.imgHolder->setDragImage(form.imgHolder->picture());
}

} // namespace

int NextDrawIndex(float r)
{
    // r * 108 is exact in double precision; nearbyint rounds halfway cases to the even integer.
    const int number = int(std::nearbyint(double(r) * 108.0 + 1.0));
    return std::clamp(number - 1, 0, kElementCount - 1);
}

bool PlaceOnCell(frmMain& form, int cell)
{
    for (int k = 0; k < 4; ++k) {
        if (ColumnShown(form, k) && form.CurrentElement == cell) {
            PictureStore& store = StoreOf(form, k);
            form.Image1[cell]->setPicture(store.Picture(form.CurrentElement));
            ++form.PlacedCount;
            store.SetPending(form.CurrentElement, false);
            form.imgHolder->setShown(true);
        }
    }
    form.imgHolder->setShown(true);

    if (form.PlacedCount != kAllPlaced) {
        for (int k = 0; k < 4; ++k)
            if (ColumnShown(form, k))
                NextDraw(form, k);
        return false;
    }
    form.imgHolder->setShown(false);
    form.Timer1->setEnabled(false);
    EndKeyboardPlacement(form);
    return true;
}

void CompleteGame(frmMain& form)
{
    // Only the game that the drop completed: not one started, nor a chart cleared, in between.
    if (form.PlacedCount != kAllPlaced || ActiveMode(form) == kNoMode || form.Timer1->enabled())
        return;
    platform::MsgBox(QStringLiteral("Congratulations for completing the Periodic Table"));
    scores::EnterHighScore(form);
}

void DropOnCell(frmMain& form, int cell)
{
    if (PlaceOnCell(form, cell))
        CompleteGame(form);
}

void DragOverBareWindow(frmMain& form) { form.imgHolder->setShown(false); }

void DropOnBareWindow(frmMain& form) { form.imgHolder->setShown(true); }

void DragEnded(frmMain& form, bool landed)
{
    // A tile that no cell and no bare window took (released over a label, outside the window, or
    // given up with Escape) goes back to the holder, or the game could not be finished.
    if (!landed)
        PutBack(form);
}

} // namespace game
