#pragma once
// Game play: the four game starts, ClearBoard, the draws, drops and the clock.
#include <QString>

class frmMain;
namespace catalogue {
class PictureStore;
}

namespace game {

// GameMode 0 to 3 is the index of the visible score column; there is no game when none is visible.
constexpr int kNoMode = -1;
int ActiveMode(const frmMain& form);
bool ColumnShown(const frmMain& form, int mode);
catalogue::PictureStore& StoreOf(frmMain& form, int mode);

// Resets the chart to empty cells with no score column, clock, holder or legend label.
void ClearBoard(frmMain& form);

// Starts a game in mode 0 to 3, dropping any game in progress.
void StartGame(frmMain& form, int mode);

// The draw formulas: index from one uniform value r in [0, 1), always within 0 to 108.
int FirstDrawIndex(float r); // floor(r * 109 + 1) - 1: every index equally likely
int NextDrawIndex(float r);  // nearest(r * 108 + 1) - 1, ties to even: the two ends half as likely

// Board reactions to the dragged tile.
// A drop on a cell, handled to its end inside the drop event: the tile placed and counted when the
// cell is its own, then the next draw; the drop that completes the game hides the holder and
// switches the clock off instead, and returns true: CompleteGame is to follow once the event is over.
bool PlaceOnCell(frmMain& form, int cell);
// The end of a completed game: the congratulation box, then the high-score step. Does nothing once
// a new game or a View entry has come in between.
void CompleteGame(frmMain& form);
// Both at once, for callers that run outside any platform event loop of their own.
void DropOnCell(frmMain& form, int cell);
void DragOverBareWindow(frmMain& form);
void DropOnBareWindow(frmMain& form);
void DragEnded(frmMain& form, bool landed);

// Placing without dragging. Both ways end in the same drop on a cell as a drag does.
// A tile can be picked up while a game runs and the holder offers it.
bool CanPickUp(const frmMain& form);
// The pointer: a click on the holder lifts the tile out of it (the holder hides, as under a drag
// over the bare window) when it can be picked up; PutBack shows it again with the same element.
bool PickUpWithPointer(frmMain& form);
void PutBack(frmMain& form);

// The keyboard: the mark on a cell stands for the holder's tile being placed; the holder keeps
// showing it. Picking up marks hydrogen's cell; each mark shows its element in the information
// panel, as pointing at the cell does. The mark stays on after a drop, for the next tile, and goes
// when the game ends, a game starts, the chart is cleared, or EndKeyboardPlacement is called.
enum class Direction { Left, Right, Up, Down };
bool PickUpWithKeys(frmMain& form);
int MarkedCell(const frmMain& form); // -1 while the keyboard is not placing a tile
void MoveMark(frmMain& form, Direction direction);
void EndKeyboardPlacement(frmMain& form);
// The cell next to `cell` in a direction, in the chart's rows and columns, passing over grid places
// without a cell; up and down go to the same column of the nearest row that has one there, or
// else to the nearest cell of the next row; the two series rows lie below period 7, each series
// cell under the column it stands under. The cell itself where nothing lies that way.
int NeighbourCell(int cell, Direction direction);

// The clock.
constexpr int kMaxElapsedSeconds = 32767;
void Tick(frmMain& form);
QString MinutesText(int elapsedSeconds);
QString SecondsText(int elapsedSeconds);

} // namespace game
