#include "app/PaymentChartGrid.h"

#include "design/ColorNames.h"
#include "design/DesignFont.h"

TStyledGrid *NewPaymentChartGrid(QWidget *parent)
{
    auto *grid = new TStyledGrid(parent);
    grid->resize(PaymentChartGridSize);
    grid->setFixedHeight(PaymentChartGridSize.height());
    grid->SetColCount(PaymentChart::ColumnCount);
    grid->SetRowCount(PaymentChart::RowCount);
    grid->SetFixedCols(1);
    grid->SetFixedRows(1);
    grid->SetDefaultColWidth(PaymentChartColumnWidth);
    grid->SetDefaultRowHeight(PaymentChartRowHeight);
    grid->SetColor(clWhite);
    grid->SetFixedColor(clSilver);
    grid->setFont(Arial(TFontSize::Pt8));
    grid->SetFontColor(clBlack);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
    grid->SetScrollBars(ssNone);
    grid->SetBorderStyle(bsSingle);
    grid->SetAlignment(alCenter);
    grid->SetShowCellHints(false);
    grid->SetSelectedCellColor(clYellow);
    grid->SetSelectedFontColor(clBlack);
    grid->SetNextCellEdit(nc_leftup);
    grid->SetNextCellTab(nc_leftup);
    grid->SetAfterLastCellEdit(lc_stop);
    grid->SetAfterLastCellTab(lc_stop);
    grid->setFocusPolicy(Qt::ClickFocus);
    grid->setAccessibleName(QStringLiteral("Payment chart"));
    return grid;
}

void HighlightEnteredCell(TStyledGrid &grid)
{
    grid.SelectCell(PaymentChart::EnteredColumn, PaymentChart::EnteredRow);
    grid.SetColorCol(PaymentChart::EnteredColumn, clYellow);
    grid.SetColorRow(PaymentChart::EnteredRow, clYellow);
}

void ShowChartTexts(TStyledGrid &grid, const PaymentChart &chart)
{
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        for (int column = 0; column < PaymentChart::ColumnCount; ++column)
            grid.SetCells(column, row, QString::fromStdString(chart.Cell(column, row)));
    }
}

QString EnteredCellAnnouncement(const PaymentChart &chart)
{
    const auto cell = [&chart](int column, int row) {
        return QString::fromStdString(chart.Cell(column, row)).trimmed();
    };
    constexpr int column = PaymentChart::EnteredColumn;
    constexpr int row = PaymentChart::EnteredRow;
    return QStringLiteral("%1 at %2: %3 a month").arg(cell(0, row), cell(column, 0), cell(column, row));
}
