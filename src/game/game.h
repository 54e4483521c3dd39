#pragma once
// Game play: the four game starts, ClearBoard, the draws, drops and the clock.
// May use: chart, catalogue, platform.
#include <QString>

namespace chart {
class Chart;
}
namespace catalogue {
class PictureStore;
}

namespace game {

using chart::Chart;

// GameMode 0 to 3 is the index of the visible score column; there is no game when none is visible.
constexpr int kNoMode = -1;
int ActiveMode(const Chart& chart);
bool ColumnShown(const Chart& chart, int mode);
catalogue::PictureStore& StoreOf(Chart& chart, int mode);

// Resets the chart to empty cells with no score column, clock, holder or legend label.
void ClearBoard(Chart& chart);

// Starts a game in mode 0 to 3, dropping any game in progress.
void StartGame(Chart& chart, int mode);

// The draw formulas: index from one uniform value r in [0, 1), always within 0 to 108.
int FirstDrawIndex(float r); // floor(r * 109 + 1) - 1: every index equally likely
int NextDrawIndex(float r);  // nearest(r * 108 + 1) - 1, ties to even: the two ends half as likely

// Board reactions to the dragged tile.
// A drop on a cell, handled to its end inside the drop event: the tile placed and counted when the
// cell is its own, then the next draw; the drop that completes the game hides the holder and
// switches the clock off instead, and returns true: Congratulate is to follow once the event is over.
bool PlaceOnCell(Chart& chart, int cell);
// The end of a completed game: the congratulation box. Does nothing and returns false once a new
// game or a View entry has come in between; true when the high-score step is to follow.
bool Congratulate(const Chart& chart);
void DragOverBareWindow(Chart& chart);
void DropOnBareWindow(Chart& chart);
void DragEnded(Chart& chart, bool landed);

// Placing without dragging. Both ways end in the same drop on a cell as a drag does.
// A tile can be picked up while a game runs and the holder offers it.
bool CanPickUp(const Chart& chart);
// The pointer: a click on the holder lifts the tile out of it (the holder hides, as under a drag
// over the bare window) when it can be picked up; PutBack shows it again with the same element.
bool PickUpWithPointer(Chart& chart);
void PutBack(Chart& chart);

// The keyboard: the mark on a cell stands for the holder's tile being placed; the holder keeps
// showing it. Picking up marks hydrogen's cell. The mark stays on after a drop, for the next tile, and goes
// when the game ends, a game starts, the chart is cleared, or EndKeyboardPlacement is called.
enum class Direction { Left, Right, Up, Down };
bool PickUpWithKeys(Chart& chart);
int MarkedCell(const Chart& chart); // -1 while the keyboard is not placing a tile
void MoveMark(Chart& chart, Direction direction);
void EndKeyboardPlacement(Chart& chart);
// The cell next to `cell` in a direction, in the chart's rows and columns, passing over grid places
// without a cell; up and down go to the same column of the nearest row that has one there, or
// else to the nearest cell of the next row; the two series rows lie below period 7, each series
// cell under the column it stands under. The cell itself where nothing lies that way.
int NeighbourCell(int cell, Direction direction);

// The clock.
constexpr int kMaxElapsedSeconds = 32767;
void Tick(Chart& chart);
QString MinutesText(int elapsedSeconds);
QString SecondsText(int elapsedSeconds);

} // namespace game
