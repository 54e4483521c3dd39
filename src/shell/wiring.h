#pragma once
// The wiring: which event calls which operation, what crosses between the subsystems, and every
// way the program ends. The start-up calls both, once per window.
class frmMain;

namespace shell {

// Connects every event of the window and its chart to its operation; the close runs the unload.
void WireEvents(frmMain& form);

// Every other way the program can end runs the same unload: the signals that ask a process to end,
// the desktop session's end, a quit of the application (the process then exits with 0), and the
// display going away.
void WireProgramEnd(frmMain& form);

} // namespace shell
