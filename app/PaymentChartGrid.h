#pragma once

#include "calc/Chart.h"
#include "controls/grid/StyledGrid.h"

// The design size of the payment chart's cells and of the whole grid, in 96-dpi pixels.
inline constexpr int PaymentChartColumnWidth = 69;
inline constexpr int PaymentChartRowHeight = 20;
inline constexpr QSize PaymentChartGridSize{564, 257};

// A new grid set up as the main window's payment chart, owned by `parent`: one cell per chart cell,
// one heading row and column, white cells, silver headings, centred Arial 11 px text in black, grid
// lines everywhere, no scroll bars, no editing, the selected cell yellow with black text. Not a tab
// stop, but a click gives it the focus. Its size is PaymentChartGridSize, the height fixed.
TStyledGrid *NewPaymentChartGrid(QWidget *parent = nullptr);

// Selects the entered cell (4, 6) and paints its column and row yellow.
void HighlightEnteredCell(TStyledGrid &grid);

// Writes the chart's cell texts into the grid (a cell whose text is unchanged is not repainted).
void ShowChartTexts(TStyledGrid &grid, const PaymentChart &chart);

// What a new chart says to assistive technology: its entered cell with the cell's headings,
// "$150,000.00 at 8.75%: $1,180.05 a month" (the cells' texts without their padding blanks).
QString EnteredCellAnnouncement(const PaymentChart &chart);
