#pragma once
// High scores: the four nine-place tables shown in the score columns, and their files.
//
// The files live in one folder shared by all users (VELMOR08_SCORE_DIR at build time), created when
// it is missing and can be. Where this user cannot write there, the tables are kept in the per-user
// application data folder instead and that is said once on standard error. The folder the tables
// are written to is read first; the other one is read when a file is not whole or not there.
//
// A row kept per user because the shared folder was out of reach (busy, full, not writable) is
// listed in a file beside the per-user table (br548.txt.pending for br548.txt). A later run of the
// user brings it to the shared table at its start, when it can have the lock at once, or at its
// next save there; a row the shared table already holds is that record brought before, so none is
// entered twice. Once brought, it leaves the list and the per-user table.
//
// Several games may share a folder at once. Every write takes the folder's lock, reads the file as
// it stands now and ranks this run's new rows into it, so a row another game wrote is never lost
// to a game that loaded its tables earlier; a table this run did not change is not written.
#include "scores/ranking.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <chrono>

class frmMain;

namespace scores {

// What a run has done to the tables beyond what their files held: the rows it entered, each with
// the folders whose file already has it, and whether a completed game filled the empty times.
struct EnteredRow {
    Row row;
    QStringList writtenTo;
    bool pending = false;  // listed in this user's file of rows kept for the shared folder
    bool toldLost = false; // the player was told that it could not be saved
};
struct RunScores {
    std::array<QList<EnteredRow>, kModes> entered;
    bool timesFilled = false;
};

// How long a save waits for another game to release the folder's lock before it keeps the tables
// in the per-user folder instead.
constexpr std::chrono::milliseconds kLockWait{3000};

// After a completed game: rank the finishing time against the table as it stands on disk, ask for
// a name, enter the row and save its table at once, so that the record outlives a run that ends
// without a clean close.
void EnterHighScore(frmMain& form);

// Read the four tables into the score columns / write the changed ones back, mode 0 first. Each
// file is read on its own: one that is missing or damaged leaves only its own column as it was.
void LoadAllTables(frmMain& form);
void SaveAllTables(frmMain& form);

// Tests: use this folder in place of the shared score folder, as a new run would find it. The
// per-user folder stays the application data location, which tests move with XDG_DATA_HOME.
void UseScoreFolder(const QString& folder);
// Tests: wait this long for a folder's lock instead of kLockWait.
void UseLockWait(std::chrono::milliseconds wait);

} // namespace scores
