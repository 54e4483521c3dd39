// Game starts, ClearBoard and the first draw.
#include "game/game.h"

#include "catalogue/families.h"
#include "platform/random.h"
#include "chart/chart.h"

#include <algorithm>
#include <cmath>

using catalogue::kElementCount;
using catalogue::PictureStore;
using chart::Label;

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

void ShowColumn(Chart& chart, int mode, bool shown)
{
    for (int rank = 1; rank <= 9; ++rank) {
        chart.NameLabel(rank, mode)->setShown(shown);
        chart.MinLabel(rank, mode)->setShown(shown);
        chart.SecLabel(rank, mode)->setShown(shown);
    }
}

void HideLegends(Chart& chart)
{
    for (catalogue::Group group : catalogue::kLegendOrder)
        chart.LegendLabel(group)->setShown(false);
}

void ResetClockTexts(Chart& chart)
{
    chart.ElapsedSeconds = 0;
    chart.lblMin->setCaption(QStringLiteral("00"));
    chart.lblSec->setCaption(QStringLiteral("00"));
}

void FirstDraw(Chart& chart, PictureStore& store, bool untilPending)
{
    do {
        platform::Randomize();
        chart.CurrentElement = qint16(FirstDrawIndex(platform::Rnd()));
        chart.imgHolder->setPicture(store.Picture(chart.CurrentElement));
    } while (untilPending && !store.Pending(chart.CurrentElement) && store.PendingCount() > 0);
    chart.imgHolder->setDragImage(chart.imgHolder->picture());
}

} // namespace

int FirstDrawIndex(float r)
{
    // In double precision r * 109 is exact, so the floor cannot be pushed up by rounding.
    const int number = int(std::floor(double(r) * 109.0 + 1.0));
    return std::clamp(number - 1, 0, kElementCount - 1);
}

bool ColumnShown(const Chart& chart, int mode) { return chart.lblFirstName[mode]->shown(); }

int ActiveMode(const Chart& chart)
{
    for (int k = 0; k < 4; ++k)
        if (ColumnShown(chart, k))
            return k;
    return kNoMode;
}

PictureStore& StoreOf(Chart& chart, int mode) { return kModes[mode].plainTiles ? chart.frmHold2 : chart.frmHold; }

void ClearBoard(Chart& chart)
{
    EndKeyboardPlacement(chart); // no tile is offered any more
    for (int k = 0; k < 4; ++k)
        ShowColumn(chart, k, false);
    ResetClockTexts(chart);
    for (Label* label : {chart.lblTime, chart.lblMin, chart.lblSec, chart.lblColon})
        label->setShown(false);
    // Nothing shows the hidden clock until the next start resets it, so it need not tick meanwhile.
    chart.Timer1->setEnabled(false);
    chart.imgHolder->setShown(false);
    HideLegends(chart);
    for (int i = 0; i < kElementCount; ++i)
        chart.Image1[i]->setPicture(chart.Image2->picture());
}

void StartGame(Chart& chart, int mode)
{
    const ModeRules& rules = kModes[mode];
    EndKeyboardPlacement(chart); // the tile it was placing belongs to the game that ends here
    if (rules.clearFirst)
        ClearBoard(chart);

    for (int k = 0; k < 4; ++k)
        ShowColumn(chart, k, k == mode);
    if (rules.hideLegends)
        HideLegends(chart);

    ResetClockTexts(chart);
    for (Label* label : {chart.lblColon, chart.lblTime, chart.lblMin, chart.lblSec})
        label->setShown(true);
    chart.Timer1->setEnabled(true); // restarts the interval: the first tick comes a full second later

    if (rules.hideNumber) {
        chart.lblNumber->setShown(false);
        chart.lblAtomicnum->setShown(false);
    }

    PictureStore& store = StoreOf(chart, mode);
    store.Open(chart.DevicePixelRatio());
    chart.imgHolder->setShown(true);
    chart.PlacedCount = rules.commonOnly ? qint16(kCommonPlacedAtStart) : qint16(0);
    // Every element of the game waits and its cell is emptied; in the common games the other 59
    // count as placed and show their tiles of this game's set from the start.
    for (int i = 0; i < kElementCount; ++i) {
        const bool played = !rules.commonOnly || catalogue::IsCommon(i);
        store.SetPending(i, played);
        chart.Image1[i]->setPicture(played ? chart.Image2->picture() : store.Picture(i));
    }

    FirstDraw(chart, store, rules.commonOnly);
}

} // namespace game
