#pragma once
// The main window's load and unload, and its remembered placement and zoom.
#include <QRect>

class frmMain;

namespace shell {

void MainLoad(frmMain& form);
void MainUnload(frmMain& form);

// Keeps where the window is for the next start, unless it is minimised.
void SavePlacement(const frmMain& form);

// Keeps the zoom for the next start; and the stored zoom, 1 when it is absent or not one of the
// zoom's values.
void SaveZoom(const frmMain& form);
qreal StoredZoom();

// The stored placement in layout units, each value its default when absent or not a number and
// held within a range that no conversion can overflow; all four defaults for a size that is not
// positive. A rectangle that lies wholly outside every screen goes to the default position with
// its size, and the size is never larger than the available room of the screen it lands on.
QRect StoredPlacement();

} // namespace shell
