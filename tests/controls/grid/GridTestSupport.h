#pragma once

#include "controls/grid/StyledGrid.h"
#include "design/ColorNames.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// Renders the grid as the screen would show it.
inline QImage RenderGrid(TStyledGrid &grid)
{
    QImage image(grid.size(), QImage::Format_RGB32);
    image.fill(clFuchsia);
    grid.render(&image);
    return image;
}

// A cell rectangle in the rendered image's coordinates.
inline QRect CellInImage(const TStyledGrid &grid, int col, int row)
{
    const QRect rect = grid.CellRect(col, row);
    return QRect(grid.viewport()->mapTo(&grid, rect.topLeft()), rect.size());
}

inline QPoint CellCenter(const TStyledGrid &grid, int col, int row)
{
    return grid.CellRect(col, row).center();
}

// The bounding box of every pixel in `area` that differs from `background` (null when none).
inline QRect InkBounds(const QImage &image, const QRect &area, QColor background)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

inline bool HasPixel(const QImage &image, const QRect &area, QColor color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

// A crisp font, so that ink pixels carry exactly the font colour.
inline QFont CrispArial(int pixelSize = 11)
{
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A filled 8 x 12 grid with one heading row and column, centred crisp text, column 4 and row 6
// yellow, cell (4, 6) selected. (The payment chart's own set-up is tested with the app.)
inline void SetUpFilledGrid(TStyledGrid &grid)
{
    grid.SetColCount(8);
    grid.SetRowCount(12);
    grid.SetFixedCols(1);
    grid.SetFixedRows(1);
    grid.SetDefaultColWidth(69);
    grid.SetDefaultRowHeight(20);
    grid.SetColor(clWhite);
    grid.SetFixedColor(clSilver);
    grid.setFont(CrispArial());
    grid.SetFontColor(clBlack);
    grid.SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
    grid.SetScrollBars(ssNone);
    grid.SetBorderStyle(bsSingle);
    grid.SetAlignment(alCenter);
    grid.SetShowCellHints(false);
    grid.SetSelectedCellColor(clYellow);
    grid.SetSelectedFontColor(clBlack);
    grid.SetNextCellEdit(nc_leftup);
    grid.SetNextCellTab(nc_leftup);
    grid.SetAfterLastCellEdit(lc_stop);
    grid.SetAfterLastCellTab(lc_stop);
    grid.setFocusPolicy(Qt::ClickFocus);
    grid.resize(564, 257);
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 12; ++row)
            if (col > 0 || row > 0)
                grid.SetCells(col, row, QString("%1.%2").arg(col * 1000 + row).arg(row, 2, 10, QChar('0')));
    grid.SelectCell(4, 6);
    grid.SetColorCol(4, clYellow);
    grid.SetColorRow(6, clYellow);
}

// A shown, active window holding the grid and another focusable field.
class GridWindow {
public:
    GridWindow()
    {
        auto *layout = new QVBoxLayout(&Window);
        Grid = new TStyledGrid;
        Other = new QLineEdit;
        layout->addWidget(Other);
        layout->addWidget(Grid);
        Window.resize(600, 400);
        Window.show();
        Window.activateWindow();
        Active = QTest::qWaitForWindowActive(&Window);
    }

    QWidget Window;
    TStyledGrid *Grid;
    QLineEdit *Other;
    bool Active = false;
};
