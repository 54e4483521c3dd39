#pragma once
// High scores: the four nine-place tables shown in the score columns, and their files.
#include <QString>

class frmMain;

namespace scores {

// After a completed game: rank the finishing time, ask for a name, enter the row.
void EnterHighScore(frmMain& form);

// Read the four tables into the score columns / write them back, mode 0 first.
void LoadAllTables(frmMain& form);
void SaveAllTables(frmMain& form);

// Tests: use this folder in place of the shared score folder (and a per-user fallback inside it).
void UseScoreFolder(const QString& folder);

} // namespace scores
