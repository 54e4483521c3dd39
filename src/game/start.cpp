// Game starts, ClearBoard and the first draw.
#include "game/game.h"

#include "catalogue/families.h"
#include "platform/random.h"
#include "shell/frmMain.h"

#include <algorithm>
#include <cmath>

using catalogue::kElementCount;
using catalogue::PictureStore;

namespace game {
namespace {

struct ModeRules {
    bool plainTiles;   // frmHold2 instead of frmHold
    bool commonOnly;   // the 50 common elements; the other 59 count as placed
    bool hideLegends;  // hide the 14 legend labels
    bool hideNumber;   // hide lblNumber and lblAtomicnum for the rest of the run
    bool clearFirst;   // run ClearBoard before anything else
};

constexpr ModeRules kModes[4] = {
    {false, false, false, false, false}, // 0 "P&lay All"
    {false, true, true, true, false},    // 1 "Play &Common Elements"
    {true, false, true, false, true},    // 2 "Play &All w/o Atomic Number"
    {true, true, true, false, false},    // 3 "Play C&ommon w/o Atomic Number"
};

constexpr int kCommonPlacedAtStart = kElementCount - catalogue::kCommonCount; // 59

void ShowColumn(frmMain& form, int mode, bool shown)
{
    for (int rank = 1; rank <= 9; ++rank) {
        form.NameLabel(rank, mode)->setShown(shown);
        form.MinLabel(rank, mode)->setShown(shown);
        form.SecLabel(rank, mode)->setShown(shown);
    }
}

void HideLegends(frmMain& form)
{
    for (catalogue::Group group : catalogue::kLegendOrder)
        form.LegendLabel(group)->setShown(false);
}

void ResetClockTexts(frmMain& form)
{
    form.ElapsedSeconds = 0;
    form.lblMin->setCaption(QStringLiteral("00"));
    form.lblSec->setCaption(QStringLiteral("00"));
}

void FirstDraw(frmMain& form, PictureStore& store, bool untilPending)
{
    do {
        platform::Randomize();
        form.CurrentElement = qint16(FirstDrawIndex(platform::Rnd()));
        form.imgHolder->setPicture(store.Picture(form.CurrentElement));
    } while (untilPending && !store.Pending(form.CurrentElement) && store.PendingCount() > 0);
    form.imgHolder->setDragImage(form.imgHolder->picture());
}

} // namespace

int FirstDrawIndex(float r)
{
    // In double precision r * 109 is exact, so the floor cannot be pushed up by rounding.
    const int number = int(std::floor(double(r) * 109.0 + 1.0));
    return std::clamp(number - 1, 0, kElementCount - 1);
}

bool ColumnShown(const frmMain& form, int mode) { return form.lblFirstName[mode]->shown(); }

int ActiveMode(const frmMain& form)
{
    for (int k = 0; k < 4; ++k)
        if (ColumnShown(form, k))
            return k;
    return kNoMode;
}

PictureStore& StoreOf(frmMain& form, int mode) { return kModes[mode].plainTiles ? form.frmHold2 : form.frmHold; }

void ClearBoard(frmMain& form)
{
    EndKeyboardPlacement(form); // no tile is offered any more
    for (int k = 0; k < 4; ++k)
        ShowColumn(form, k, false);
    ResetClockTexts(form);
    for (Label* label : {form.lblTime, form.lblMin, form.lblSec, form.lblColon})
        label->setShown(false);
    // Nothing shows the hidden clock until the next start resets it, so it need not tick meanwhile.
    form.Timer1->setEnabled(false);
    form.imgHolder->setShown(false);
    HideLegends(form);
    for (int i = 0; i < kElementCount; ++i)
        form.Image1[i]->setPicture(form.Image2->picture());
}

void StartGame(frmMain& form, int mode)
{
    const ModeRules& rules = kModes[mode];
    EndKeyboardPlacement(form); // the tile it was placing belongs to the game that ends here
    if (rules.clearFirst)
        ClearBoard(form);

    for (int k = 0; k < 4; ++k)
        ShowColumn(form, k, k == mode);
    if (rules.hideLegends)
        HideLegends(form);

    ResetClockTexts(form);
    for (Label* label : {form.lblColon, form.lblTime, form.lblMin, form.lblSec})
        label->setShown(true);
    form.Timer1->setEnabled(true); // restarts the interval: the first tick comes a full second later

    if (rules.hideNumber) {
        form.lblNumber->setShown(false);
        form.lblAtomicnum->setShown(false);
    }

    PictureStore& store = StoreOf(form, mode);
    store.Open(form.devicePixelRatioF());
    form.imgHolder->setShown(true);
    form.PlacedCount = rules.commonOnly ? qint16(kCommonPlacedAtStart) : qint16(0);
    // Every element of the game waits and its cell is emptied; in the common games the other 59
    // count as placed and show their tiles of this game's set from the start.
    for (int i = 0; i < kElementCount; ++i) {
        const bool played = !rules.commonOnly || catalogue::IsCommon(i);
        store.SetPending(i, played);
        form.Image1[i]->setPicture(played ? form.Image2->picture() : store.Picture(i));
    }

    FirstDraw(form, store, rules.commonOnly);
}

} // namespace game
