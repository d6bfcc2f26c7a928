#pragma once

#include <functional>
#include <optional>

// The direction in which the next cell is sought: the first word is the direction of each step,
// the second the direction taken when a line is exhausted.
enum T_nextcell {
    nc_rightdown = 0,
    nc_downright = 1,
    nc_leftdown = 2,
    nc_downleft = 3,
    nc_leftup = 4,
    nc_upleft = 5,
    nc_rightup = 6,
    nc_upright = 7
};

// What happens after the last cell: add a row or column, stay, or wrap to the first cell.
enum t_lastcell { lc_newcolrow = 0, lc_stop = 1, lc_first = 2 };

// A cell by column and row; (-1, -1), the default, stands for no cell.
struct GridCell {
    int Col = -1;
    int Row = -1;
    friend bool operator==(const GridCell &, const GridCell &) = default;
    bool IsReal() const { return Col >= 0 && Row >= 0; }
};

// The counts the walk needs; a grid with no non-fixed cell has no next cell at all.
struct GridExtent {
    int ColCount = 0;
    int RowCount = 0;
    int FixedCols = 0;
    int FixedRows = 0;
};

// One step's result. With lc_newcolrow past the end, the grid must first insert a column or row
// at InsertAt (InsertAt == the old count means appended); Cell is given in the grown grid.
struct NextCellStep {
    enum class Growth { None, Column, Row };
    GridCell Cell;
    Growth Grow = Growth::None;
    int InsertAt = -1;
};

// One step of the walk from `from`; no value when the walk stops (lc_stop past the end, or no
// non-fixed cell).
std::optional<NextCellStep> NextCellOf(const GridExtent &extent, T_nextcell direction, t_lastcell afterLast,
                                       GridCell from);

// The direction Shift+Tab uses: rightdown/leftup, downright/upleft, leftdown/rightup and
// downleft/upright swap.
T_nextcell Reversed(T_nextcell direction);

// Repeats `step` from `start` until `accept` takes a cell, the walk comes back to `start` or the
// step gives nothing. The walk gives up after `maxSteps` steps, so that a grid that grows on every
// pass cannot loop forever.
std::optional<GridCell> WalkToCell(GridCell start,
                                   const std::function<std::optional<GridCell>(GridCell)> &step,
                                   const std::function<bool(GridCell)> &accept, int maxSteps);
