#pragma once
// The main window's load and unload, and its remembered placement.
#include <QRect>

class frmMain;

namespace shell {

void MainLoad(frmMain& form);
void MainUnload(frmMain& form);

// Every other way the program can end runs the same unload: the signals that ask a process to end,
// the desktop session's end, a quit of the application (the process then exits with 0), and the
// display going away. Called once the window is loaded.
void WireProgramEnd(frmMain& form);

// The stored placement in layout units, each value its default when absent or not a number, and
// all four defaults when the rectangle lies wholly outside every screen.
QRect StoredPlacement();

} // namespace shell
