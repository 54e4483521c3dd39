#pragma once
// Exploration: the information panel and the View-menu reveals.
#include "catalogue/families.h"

#include <QString>

class frmMain;
class QLabel;

namespace explore {

void ShowElement(frmMain& form, int index);
void EmptyPanel(frmMain& form);

void RevealGroup(frmMain& form, catalogue::Group group);
void RevealAll(frmMain& form);
void ClickAlkalineLabel(frmMain& form);

// What a screen reader reads of the window. A cell with a tile says what the tile shows, "Iron,
// Fe, 26" (a plain tile has no number), an empty one says so with its place, "empty, row 4,
// column 8"; the holder says which element it offers.
QString CellName(const frmMain& form, int index);
QString CellPlace(int index); // "row 4, column 8", "lanthanide row, column 3"
QString HolderName(const frmMain& form);
QString HowToPlace(); // the keys and clicks that place a tile without dragging
// A value of the information panel under its heading: "Atomic Mass: 55.847".
QString PanelValueName(const QLabel& heading, const QLabel& value);
QString ClockName(const frmMain& form); // "Time 02:05"
// One row of a score column read as one: "Rank 1: Ann, 02:05", "Rank 2: vacant".
QString ScoreRowName(const frmMain& form, int rank, int mode);

} // namespace explore
