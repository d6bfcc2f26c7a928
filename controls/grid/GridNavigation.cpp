#include "controls/grid/GridNavigation.h"

namespace {
using Growth = NextCellStep::Growth;

bool StepsAlongRow(T_nextcell direction)
{
    return direction == nc_rightdown || direction == nc_leftdown || direction == nc_leftup ||
           direction == nc_rightup;
}

// +1 or -1 for the step along the line, and for the move to the next line.
int StepSign(T_nextcell direction)
{
    switch (direction) {
    case nc_rightdown:
    case nc_downright:
    case nc_downleft:
    case nc_rightup:
        return +1;
    default:
        return -1;
    }
}

int LineSign(T_nextcell direction)
{
    switch (direction) {
    case nc_rightdown:
    case nc_downright:
    case nc_leftdown:
    case nc_upright:
        return +1;
    default:
        return -1;
    }
}

GridCell FirstCell(const GridExtent &e, T_nextcell direction)
{
    switch (direction) {
    case nc_rightdown:
    case nc_downright:
        return {e.FixedCols, e.FixedRows};
    case nc_leftdown:
    case nc_downleft:
        return {e.ColCount - 1, e.FixedRows};
    case nc_leftup:
    case nc_upleft:
        return {e.ColCount - 1, e.RowCount - 1};
    case nc_rightup:
    case nc_upright:
        return {e.FixedCols, e.RowCount - 1};
    }
    return {};
}

// The inserted line and the cell that becomes the next one, both in the grown grid.
NextCellStep NewLine(const GridExtent &e, T_nextcell direction)
{
    const int lastCol = e.ColCount; // the last column once one is appended
    const int lastRow = e.RowCount;
    switch (direction) {
    case nc_rightdown:
        return {{e.FixedCols, lastRow}, Growth::Row, e.RowCount};
    case nc_downright:
        return {{lastCol, e.FixedRows}, Growth::Column, e.ColCount};
    case nc_leftdown:
        return {{e.ColCount - 1, lastRow}, Growth::Row, e.RowCount};
    case nc_downleft:
        return {{e.FixedCols, e.FixedRows}, Growth::Column, e.FixedCols};
    case nc_leftup:
        return {{e.ColCount - 1, e.FixedRows}, Growth::Row, e.FixedRows};
    case nc_upleft:
        return {{e.FixedCols, e.RowCount - 1}, Growth::Column, e.FixedCols};
    case nc_rightup:
        return {{e.FixedCols, e.FixedRows}, Growth::Row, e.FixedRows};
    case nc_upright:
        return {{lastCol, e.RowCount - 1}, Growth::Column, e.ColCount};
    }
    return {};
}
} // namespace

std::optional<NextCellStep> NextCellOf(const GridExtent &e, T_nextcell direction, t_lastcell afterLast,
                                       GridCell from)
{
    if (e.ColCount <= e.FixedCols || e.RowCount <= e.FixedRows)
        return std::nullopt;
    const bool alongRow = StepsAlongRow(direction);
    int &along = alongRow ? from.Col : from.Row;
    int &across = alongRow ? from.Row : from.Col;
    const int alongFirst = alongRow ? e.FixedCols : e.FixedRows;
    const int alongCount = alongRow ? e.ColCount : e.RowCount;
    const int acrossFirst = alongRow ? e.FixedRows : e.FixedCols;
    const int acrossCount = alongRow ? e.RowCount : e.ColCount;

    along += StepSign(direction);
    if (along >= alongCount || along < alongFirst) {
        along = StepSign(direction) > 0 ? alongFirst : alongCount - 1;
        across += LineSign(direction);
    }
    if (across >= acrossFirst && across < acrossCount)
        return NextCellStep{from};

    switch (afterLast) {
    case lc_stop:
        return std::nullopt;
    case lc_first:
        return NextCellStep{FirstCell(e, direction)};
    case lc_newcolrow:
        return NewLine(e, direction);
    }
    return std::nullopt;
}

T_nextcell Reversed(T_nextcell direction)
{
    switch (direction) {
    case nc_rightdown:
        return nc_leftup;
    case nc_leftup:
        return nc_rightdown;
    case nc_downright:
        return nc_upleft;
    case nc_upleft:
        return nc_downright;
    case nc_leftdown:
        return nc_rightup;
    case nc_rightup:
        return nc_leftdown;
    case nc_downleft:
        return nc_upright;
    case nc_upright:
        return nc_downleft;
    }
    return direction;
}

std::optional<GridCell> WalkToCell(GridCell start,
                                   const std::function<std::optional<GridCell>(GridCell)> &step,
                                   const std::function<bool(GridCell)> &accept, int maxSteps)
{
    GridCell cell = start;
    for (int taken = 0; taken < maxSteps; ++taken) {
        const std::optional<GridCell> next = step(cell);
        if (!next)
            return std::nullopt;
        cell = *next;
        if (accept(cell) || cell == start)
            return cell;
    }
    return std::nullopt;
}
