#pragma once
// The main window's load and unload, and its remembered placement.
#include <QRect>

class frmMain;

namespace shell {

void MainLoad(frmMain& form);
void MainUnload(frmMain& form);

// The end of a completed game (its congratulation and name box), run from the event loop after the
// drop that completed it. Should the process end from inside either box, the record still goes in
// on the way out, as a signal would have it.
void FinishGame(frmMain& form);

// Every other way the program can end runs the same unload: the signals that ask a process to end,
// the desktop session's end, a quit of the application (the process then exits with 0), and the
// display going away. Called once the window is loaded.
void WireProgramEnd(frmMain& form);

// The stored placement in layout units, each value its default when absent or not a number and
// held within a range that no conversion can overflow; all four defaults for a size that is not
// positive. A rectangle that lies wholly outside every screen goes to the default position with
// its size, and the size is never larger than the available room of the screen it lands on.
QRect StoredPlacement();

} // namespace shell
