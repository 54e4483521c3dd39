#include "scores/highscores.h"

namespace scores {

void EnterHighScore(frmMain&) {}
void LoadAllTables(frmMain&) {}
void SaveAllTables(frmMain&) {}
void UseScoreFolder(const QString&) {}

} // namespace scores
