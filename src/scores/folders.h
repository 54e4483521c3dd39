#pragma once
// Where the tables are kept: the folder, lock and file policy. Works on tables as texts; the score
// columns are the name entry's (scores/highscores.h).
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

// The four tables as the score columns show them, mode 0 first.
using Columns = std::array<Table, kModes>;

// How long a save waits for another game to release the folder's lock before it keeps the tables
// in the per-user folder instead.
constexpr std::chrono::milliseconds kLockWait{3000};

// Starts `run` afresh and reads each mode's table from the first folder that holds a whole file of
// it; a mode whose files are missing or damaged keeps its column. Then brings the rows earlier runs
// kept per user to the shared table, when its lock can be had soon.
void LoadTables(Columns& columns, RunScores& run);

// Writes the tables of the modes into the first folder that takes each, merged with the file as it
// stands, and brings the rows kept per user to the shared folder; the columns then show what the
// folder the tables go to holds. Returns what the player is to be told when a record entered in
// this run could be saved nowhere (once per record), else an empty text.
QString SaveTables(Columns& columns, RunScores& run, const QList<int>& modes);

// The mode's table as the folder it is written to holds it now, with this run's rows and the rows
// kept per user ranked in; the column when that folder holds no whole file.
Table CurrentTable(const Table& column, RunScores& run, int mode);

} // namespace scores
