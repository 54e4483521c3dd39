#pragma once
// High scores: the four nine-place tables shown in the score columns, and the name entry. Where
// the tables are kept is scores/folders.h.
// May use: chart, catalogue, platform.
#include "scores/folders.h"

namespace chart {
class Chart;
}

namespace scores {

using chart::Chart;

// After a completed game: rank the finishing time against the table as it stands on disk, ask for
// a name, enter the row and save its table at once, so that the record outlives a run that ends
// without a clean close. `mode` is the active GameMode, or -1 when no game is on (the empty times
// are filled all the same). A record that no folder takes is told to the player.
void EnterHighScore(Chart& chart, RunScores& run, int mode);

// Read the four tables into the score columns / write the changed ones back, mode 0 first. Each
// file is read on its own: one that is missing or damaged leaves only its own column as it was.
// The load starts `run` afresh.
void LoadAllTables(Chart& chart, RunScores& run);
void SaveAllTables(Chart& chart, RunScores& run);

} // namespace scores
