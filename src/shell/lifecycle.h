#pragma once
// The main window's load and unload, and its remembered placement.
#include <QRect>

class frmMain;

namespace shell {

void MainLoad(frmMain& form);
void MainUnload(frmMain& form);

// Keeps where the window is for the next start, unless it is minimised.
void SavePlacement(const frmMain& form);

// The stored placement in layout units, each value its default when absent or not a number, and
// all four defaults when the rectangle lies wholly outside every screen.
QRect StoredPlacement();

} // namespace shell
