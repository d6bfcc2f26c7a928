#pragma once

#include "controls/grid/GridNavigation.h"

class TStyledGrid;
struct TGridRect;

// What assistive technology sees of a styled grid: a table of ColCount x RowCount cells (the fixed
// ones included), each cell with its text; the fixed rows' cells are column headers, the fixed
// columns' cells row headers; the current cell is the focused one while the grid has the focus, and
// the selection is the selected cells. Every grid's constructor installs it.
void InstallStyledGridAccessibility();

// What the grid tells assistive technology; each does nothing while none listens.
// The current cell or the selection changed from `previousCurrent` and `previousSelection`: the cells
// that left and joined the selection, and, while the grid has the focus, the new current cell.
void AnnounceGridSelection(TStyledGrid &grid, GridCell previousCurrent, const TGridRect &previousSelection);
// The grid took the focus: its current cell is the focused one.
void AnnounceGridFocus(TStyledGrid &grid);
void AnnounceCellText(TStyledGrid &grid, int col, int row);
// Columns or rows came, went or moved: any cell may hold another text now.
void AnnounceGridShape(TStyledGrid &grid);
