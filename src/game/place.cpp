// Placing the holder's tile without dragging it: picked up by a click or by a key, put down on a
// cell by the same drop on a cell as a drag.
#include "game/game.h"

#include "catalogue/elements.h"
#include "chart/chart.h"

#include <cstdlib>

using catalogue::kElementCount;

namespace game {
namespace {

constexpr int kHydrogen = 0;

// The chart column a cell stands under: the series rows 8 and 9 are set three columns in, under
// columns 4 to 17.
int GridColumn(const catalogue::ElementRecord& e) { return e.row >= 8 ? e.column + 3 : e.column; }

int CellAt(int row, int column)
{
    for (int i = 0; i < kElementCount; ++i)
        if (catalogue::Element(i).row == row && GridColumn(catalogue::Element(i)) == column)
            return i;
    return -1;
}

void Mark(Chart& chart, int cell) { chart.shpMark->markWidget(chart.Image1[cell]); }

} // namespace

int NeighbourCell(int cell, Direction direction)
{
    const catalogue::ElementRecord& from = catalogue::Element(cell);
    const int column = GridColumn(from);
    switch (direction) {
    case Direction::Left:
        for (int c = column - 1; c >= 1; --c)
            if (const int found = CellAt(from.row, c); found >= 0)
                return found;
        return cell;
    case Direction::Right:
        for (int c = column + 1; c <= 18; ++c)
            if (const int found = CellAt(from.row, c); found >= 0)
                return found;
        return cell;
    case Direction::Up:
    case Direction::Down: {
        const int step = direction == Direction::Down ? 1 : -1;
        for (int row = from.row + step; row >= 1 && row <= 9; row += step)
            if (const int found = CellAt(row, column); found >= 0)
                return found;
        // No cell in this column that way: the nearest of the next row (the left one of two).
        for (int row = from.row + step; row >= 1 && row <= 9; row += step) {
            int best = -1;
            for (int i = 0; i < kElementCount; ++i) {
                const catalogue::ElementRecord& e = catalogue::Element(i);
                if (e.row != row)
                    continue;
                const int distance = std::abs(GridColumn(e) - column);
                if (best < 0 || distance < std::abs(GridColumn(catalogue::Element(best)) - column))
                    best = i;
            }
            if (best >= 0)
                return best;
        }
        return cell;
    }
    }
    return cell;
}

bool CanPickUp(const Chart& chart)
{
    return ActiveMode(chart) != kNoMode && chart.PlacedCount != kElementCount && chart.imgHolder->shown();
}

bool PickUpWithPointer(Chart& chart)
{
    if (!CanPickUp(chart))
        return false;
    chart.imgHolder->setShown(false);
    return true;
}

void PutBack(Chart& chart)
{
    if (ActiveMode(chart) != kNoMode && chart.PlacedCount != kElementCount)
        chart.imgHolder->setShown(true);
}

bool PickUpWithKeys(Chart& chart)
{
    if (!CanPickUp(chart))
        return false;
    Mark(chart, kHydrogen);
    return true;
}

int MarkedCell(const Chart& chart)
{
    const QWidget* marked = chart.shpMark->marked();
    return marked && !chart.shpMark->isHidden() ? chart.CellOf(marked) : -1;
}

void MoveMark(Chart& chart, Direction direction)
{
    const int cell = MarkedCell(chart);
    if (cell >= 0)
        Mark(chart, NeighbourCell(cell, direction));
}

void EndKeyboardPlacement(Chart& chart)
{
    if (chart.shpMark->marked())
        chart.shpMark->markWidget(nullptr);
}

} // namespace game
