#pragma once
// Exploration: the information panel, the View-menu reveals and the texts a screen reader reads.
// May use: game (a reveal ends a game), chart, catalogue, platform.
#include "catalogue/families.h"

#include <QString>

namespace chart {
class Chart;
}
class QLabel;

namespace explore {

using chart::Chart;

void ShowElement(Chart& chart, int index);
void EmptyPanel(Chart& chart);

void RevealGroup(Chart& chart, catalogue::Group group);
void RevealAll(Chart& chart);
void ClickAlkalineLabel(Chart& chart);

// What a screen reader reads of the window. A cell with a tile says what the tile shows, "Iron,
// Fe, 26" (a plain tile has no number), an empty one says so with its place, "empty, row 4,
// column 8"; the holder says which element it offers.
QString CellName(const Chart& chart, int index);
QString CellPlace(int index); // "row 4, column 8", "lanthanide row, column 3"
QString HolderName(const Chart& chart);
QString HowToPlace(); // the keys and clicks that place a tile without dragging
// A value of the information panel under its heading: "Atomic Mass: 55.847".
QString PanelValueName(const QLabel& heading, const QLabel& value);
QString ClockName(const Chart& chart); // "Time 02:05"
// One row of a score column read as one: "Rank 1: Ann, 02:05", "Rank 2: vacant".
QString ScoreRowName(const Chart& chart, int rank, int mode);

} // namespace explore
