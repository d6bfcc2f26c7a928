#include "app/PaymentChartGrid.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
// The main window's payment chart with the entered cell highlighted.
std::unique_ptr<TStyledGrid> MakeChartGrid()
{
    std::unique_ptr<TStyledGrid> grid(NewPaymentChartGrid());
    HighlightEnteredCell(*grid);
    return grid;
}

// Writes all 95 texts (7 rate headings, 11 amount headings, 77 payments), different each round.
void WriteChartTexts(TStyledGrid &grid, int round)
{
    const double shift = (round % 2) * 0.125;
    for (int col = 1; col < 8; ++col)
        grid.SetCells(col, 0, QString::number(7.0 + col * 0.25 + shift, 'f', 3) + "%");
    for (int row = 1; row < 12; ++row) {
        grid.SetCells(0, row, QString("$%L1").arg(94000.0 + row * 1000 + shift, 0, 'f', 2));
        for (int col = 1; col < 8; ++col)
            grid.SetCells(col, row, QString("$%L1").arg(700.0 + col * 13.37 + row * 7.1 + shift, 0, 'f', 2));
    }
}

// The full repaint the main window sees after a chart rebuild: widget rendering included.
void BM_ChartRepaintAfterRebuild(benchmark::State &state)
{
    const auto grid = MakeChartGrid();
    QImage image(grid->size(), QImage::Format_RGB32);
    int round = 0;
    for (auto _ : state) {
        WriteChartTexts(*grid, ++round);
        grid->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ChartRepaintAfterRebuild)->Unit(benchmark::kMicrosecond);

// The cell drawing alone, without the widget rendering around it.
void BM_ChartPaintCells(benchmark::State &state)
{
    const auto grid = MakeChartGrid();
    QImage image(grid->viewport()->size(), QImage::Format_RGB32);
    int round = 0;
    for (auto _ : state) {
        WriteChartTexts(*grid, ++round);
        QPainter painter(&image);
        grid->PaintCells(painter, image.rect());
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ChartPaintCells)->Unit(benchmark::kMicrosecond);
} // namespace
