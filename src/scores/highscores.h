#pragma once
// High scores: the four nine-place tables shown in the score columns, and their files.
//
// The files live in one folder shared by all users (VELMOR08_SCORE_DIR at build time), created when
// it is missing and can be. Where this user cannot write there, the tables are kept in the per-user
// application data folder instead and that is said once on standard error. The folder the tables
// are written to is read first; the other one is read when a file is not whole or not there.
#include <QString>

class frmMain;

namespace scores {

// After a completed game: rank the finishing time, ask for a name, enter the row and save its
// table at once, so that the record outlives a run that ends without a clean close.
void EnterHighScore(frmMain& form);

// Read the four tables into the score columns / write them back, mode 0 first. Each file is read on
// its own: one that is missing or damaged leaves only its own column as it was.
void LoadAllTables(frmMain& form);
void SaveAllTables(frmMain& form);

// Tests: use this folder in place of the shared score folder. The per-user folder stays the
// application data location, which tests move with XDG_DATA_HOME.
void UseScoreFolder(const QString& folder);

} // namespace scores
