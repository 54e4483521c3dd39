#pragma once
// High scores: the four nine-place tables shown in the score columns, and their files.
// May use: chart, catalogue, platform.
//
// The files live in one folder shared by all users (VELMOR08_SCORE_DIR at build time), created when
// it is missing and can be. Where this user cannot write there, the tables are kept in the per-user
// application data folder instead and that is said once on standard error. The folder the tables
// are written to is read first; the other one is read when a file is not whole or not there.
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

namespace chart {
class Chart;
}

namespace scores {

using chart::Chart;

// What a run has done to the tables beyond what their files held: the rows it entered, each with
// the folders whose file already has it, and whether a completed game filled the empty times.
struct EnteredRow {
    Row row;
    QStringList writtenTo;
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
// `mode` is the active GameMode, or -1 when no game is on (the empty times are filled all the same).
void EnterHighScore(Chart& chart, RunScores& run, int mode);

// Read the four tables into the score columns / write the changed ones back, mode 0 first. Each
// file is read on its own: one that is missing or damaged leaves only its own column as it was.
// The load starts `run` afresh.
void LoadAllTables(Chart& chart, RunScores& run);
void SaveAllTables(Chart& chart, RunScores& run);

} // namespace scores
