// The game clock: one tick a second, shown as whole minutes and seconds.
#include "game/game.h"

#include "platform/units.h"
#include "shell/frmMain.h"

namespace game {

QString MinutesText(int elapsedSeconds) { return platform::TwoDigits(elapsedSeconds / 60); }
QString SecondsText(int elapsedSeconds) { return platform::TwoDigits(elapsedSeconds % 60); }

void Tick(frmMain& form)
{
    // The count stops at its largest value instead of wrapping to a negative time.
    if (form.ElapsedSeconds < kMaxElapsedSeconds)
        ++form.ElapsedSeconds;
    form.lblMin->setCaption(MinutesText(form.ElapsedSeconds));
    form.lblSec->setCaption(SecondsText(form.ElapsedSeconds));
}

} // namespace game
