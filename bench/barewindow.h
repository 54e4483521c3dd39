#pragma once
// The bare main window the start-up is measured against: a QMainWindow of the game's client size
// (795 x 510 pixels above the status bar, the chart's design size) with the same menu bar (three
// menus, the same items, access keys, shortcut and unavailable entries) and a status bar with the
// same three panels, the date and time kept up to date. Nothing else: no controls, no tiles.
#include <QMainWindow>

#include <memory>

namespace bench {

std::unique_ptr<QMainWindow> BareMainWindow();

} // namespace bench
