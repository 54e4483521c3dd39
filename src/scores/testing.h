#pragma once
// What tests may set in the high scores, and nothing else includes.
#include <QString>

#include <chrono>

namespace scores::testing {

// Use this folder in place of the shared score folder, as a new run would find it. The per-user
// folder stays the application data location, which tests move with XDG_DATA_HOME.
void UseScoreFolder(const QString& folder);
// Wait this long for a folder's lock instead of kLockWait.
void UseLockWait(std::chrono::milliseconds wait);

} // namespace scores::testing
