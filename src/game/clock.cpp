// The game clock: one tick a second, shown as whole minutes and seconds.
#include "game/game.h"

#include "platform/units.h"
#include "chart/chart.h"

namespace game {

QString MinutesText(int elapsedSeconds) { return platform::TwoDigits(elapsedSeconds / 60); }
QString SecondsText(int elapsedSeconds) { return platform::TwoDigits(elapsedSeconds % 60); }

void Tick(Chart& chart)
{
    // The count stops at its largest value instead of wrapping to a negative time.
    if (chart.ElapsedSeconds < kMaxElapsedSeconds)
        ++chart.ElapsedSeconds;
    chart.lblMin->setCaption(MinutesText(chart.ElapsedSeconds));
    chart.lblSec->setCaption(SecondsText(chart.ElapsedSeconds));
}

} // namespace game
