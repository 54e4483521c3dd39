#pragma once
// The start-up procedure: splash up, main window created and loaded, splash closed, main window shown.
#include <functional>
#include <memory>

class frmMain;

namespace shell {

// Steps reported to an observer as they happen, for tests and measurements.
using StartUpObserver = std::function<void(const char* step)>;

std::unique_ptr<frmMain> StartUp(const StartUpObserver& observe = {});

} // namespace shell
