#pragma once
// Requests from outside to end the program: the signals by which the system, a terminal or the
// desktop asks a process to end (SIGTERM, SIGHUP, SIGINT). Each arrives as one call on the
// user-interface thread, from its event loop, so that the program can close as its window closes.
#include <functional>

namespace platform {

// Installs the signal handlers (once per process) and sets what runs when one arrives. With no
// handler a request is kept, not lost: it runs the handler that is set next. So the handlers can be
// installed at the very start, before there is anything that could close.
void OnEndRequest(std::function<void()> handler);

// A request has come since the handlers were installed (it may not have reached a handler yet).
bool EndRequested();

} // namespace platform
