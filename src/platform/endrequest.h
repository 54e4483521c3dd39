#pragma once
// Requests from outside to end the program: the signals by which the system, a terminal or the
// desktop asks a process to end (SIGTERM, SIGHUP, SIGINT). Each arrives as one call on the
// user-interface thread, from its event loop, so that the program can close as its window closes.
#include <functional>

namespace platform {

// Installs the signal handlers (once per process) and sets what runs when one arrives.
void OnEndRequest(std::function<void()> handler);

} // namespace platform
