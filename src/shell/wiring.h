#pragma once
class frmMain;

namespace shell {
// Connects every event the window handles to its operation; called once by the window itself.
void WireEvents(frmMain& form);
} // namespace shell
