#include "tests/controls/grid/GridTestSupport.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {
// A point inside a cell that text never reaches: bottom left, clear of the edges.
QPoint Background(const TStyledGrid &grid, int col, int row)
{
    const QRect rect = CellInImage(grid, col, row);
    return QPoint(rect.left() + 3, rect.bottom() - 2);
}

class FilledGrid : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.Active);
        grid = window.Grid;
        SetUpFilledGrid(*grid);
        window.Window.resize(600, 320);
        window.Other->setFocus();
    }
    GridWindow window;
    TStyledGrid *grid = nullptr;
};

TEST_F(FilledGrid, SelectedCellUsesSelectedColoursOnlyWithoutFocus)
{
    grid->SetSelectedCellColor(clAqua);
    grid->SetSelectedFontColor(clRed);
    const QRect inside = CellInImage(*grid, 4, 6).adjusted(2, 2, -2, -2);

    QImage image = RenderGrid(*grid);
    EXPECT_EQ(image.pixelColor(Background(*grid, 4, 6)), clAqua);
    EXPECT_TRUE(HasPixel(image, inside, clRed));

    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());
    image = RenderGrid(*grid);
    EXPECT_EQ(image.pixelColor(Background(*grid, 4, 6)), clYellow); // column 4's brush
    EXPECT_TRUE(HasPixel(image, inside, clBlack));                  // the grid's font colour
    EXPECT_FALSE(HasPixel(image, inside, clRed));
}

TEST_F(FilledGrid, FocusedCurrentCellHasASolidFrameTwoPixelsWideInTheTextColour)
{
    QPalette palette = grid->palette();
    palette.setColor(QPalette::WindowText, clNavy);
    grid->setPalette(palette);
    grid->setFocus();
    ASSERT_TRUE(grid->hasFocus());
    const QRect cell = CellInImage(*grid, 4, 6);
    const QImage image = RenderGrid(*grid);
    for (const QPoint &onFrame : {cell.topLeft(), cell.topLeft() + QPoint(1, 1), cell.bottomRight(),
                                  cell.bottomRight() - QPoint(1, 1), QPoint(cell.center().x(), cell.top()),
                                  QPoint(cell.left() + 1, cell.center().y())})
        EXPECT_EQ(image.pixelColor(onFrame), clNavy) << onFrame.x() << ", " << onFrame.y();
    EXPECT_EQ(image.pixelColor(Background(*grid, 4, 6)), clYellow); // inside the frame

    window.Other->setFocus();
    EXPECT_FALSE(HasPixel(RenderGrid(*grid), cell, clNavy));
}

TEST_F(FilledGrid, TextsAreCentredTwoPixelsBelowTheCellTop)
{
    const QImage image = RenderGrid(*grid);
    const QFontMetrics metrics(grid->font());
    for (const auto &[col, row] : {std::pair{2, 3}, std::pair{0, 9}, std::pair{7, 11}}) {
        SCOPED_TRACE(testing::Message() << "cell " << col << ", " << row);
        const QRect cell = CellInImage(*grid, col, row);
        const QString text = grid->Cells(col, row);
        const QColor background = image.pixelColor(Background(*grid, col, row));
        const QRect ink = InkBounds(image, cell.adjusted(1, 1, -1, -1), background);
        const QRect glyphs = metrics.tightBoundingRect(text);
        const int x = cell.left() + (cell.width() - metrics.horizontalAdvance(text)) / 2;
        EXPECT_EQ(ink.top(), cell.top() + 2 + metrics.ascent() + glyphs.top());
        EXPECT_NEAR(ink.left(), x + glyphs.left(), 1);
    }
}

class SmallGrid : public testing::Test {
protected:
    void SetUp() override
    {
        grid.SetColCount(3);
        grid.SetRowCount(3);
        grid.SetDefaultColWidth(60);
        grid.SetDefaultRowHeight(40);
        grid.SetColor(clWhite);
        grid.SetFontColor(clBlack);
        grid.setFont(CrispArial(12));
        grid.SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine);
        grid.SetScrollBars(ssNone);
        grid.resize(200, 140);
        grid.SelectCell(2, 2); // keeps the probed cell (1, 1) unselected
    }
    QRect Cell() const { return CellInImage(grid, 1, 1); }
    QRect Ink(const QImage &image) const { return InkBounds(image, Cell(), clWhite); }
    TStyledGrid grid;
};

TEST_F(SmallGrid, RightAlignedLineEndsTwoPixelsFromTheRightEdge)
{
    grid.SetAlignment(alRight);
    grid.SetCells(1, 1, "H");
    const QFontMetrics metrics(grid.font());
    const QRect ink = Ink(RenderGrid(grid));
    const int right = Cell().left() + Cell().width(); // the cell's exclusive right edge
    const int lineStart = right - 2 - metrics.horizontalAdvance("H");
    EXPECT_EQ(ink.right(), lineStart + metrics.tightBoundingRect("H").right());
    EXPECT_LE(ink.right(), right - 3);
}

TEST_F(SmallGrid, LeftAlignedLineStartsTwoPixelsIn)
{
    grid.SetAlignment(alLeft);
    grid.SetCells(1, 1, "H");
    const QFontMetrics metrics(grid.font());
    const QRect ink = Ink(RenderGrid(grid));
    EXPECT_EQ(ink.left(), Cell().left() + 2 + metrics.tightBoundingRect("H").left());
    EXPECT_EQ(ink.top(), Cell().top() + 2 + metrics.ascent() + metrics.tightBoundingRect("H").top());
}

TEST_F(SmallGrid, CarriageReturnLineFeedDrawsASecondLineOneLineHeightLower)
{
    grid.SetCells(1, 1, "H\r\nH");
    const QFontMetrics metrics(grid.font());
    const QImage image = RenderGrid(grid);
    const QRect ink = Ink(image);
    const QRect oneLine = metrics.tightBoundingRect("H");
    EXPECT_EQ(ink.height(), metrics.height() + oneLine.height());
    // Both lines start at the same x: each line is aligned by itself.
    const QRect top =
        InkBounds(image, QRect(Cell().left(), ink.top(), Cell().width(), oneLine.height()), clWhite);
    const QRect bottom = InkBounds(
        image, QRect(Cell().left(), ink.bottom() - oneLine.height() + 1, Cell().width(), oneLine.height()),
        clWhite);
    EXPECT_EQ(top.left(), bottom.left());
}

TEST_F(SmallGrid, TextEndingInCarriageReturnDrawsOneLine)
{
    grid.SetCells(1, 1, "H\r");
    const QFontMetrics metrics(grid.font());
    EXPECT_EQ(Ink(RenderGrid(grid)).height(), metrics.tightBoundingRect("H").height());
}

TEST_F(SmallGrid, EmptyTextDrawsOnlyTheBackground)
{
    grid.SetColorCell(1, 1, clAqua);
    const QImage image = RenderGrid(grid);
    EXPECT_TRUE(InkBounds(image, Cell(), clAqua).isNull());
}

TEST_F(SmallGrid, CentredLineWiderThanTheCellIsClippedOnBothSides)
{
    grid.SetAlignment(alCenter);
    grid.SetCells(1, 1, QString(30, 'W'));
    const QImage image = RenderGrid(grid);
    const QRect ink = Ink(image);
    EXPECT_EQ(ink.left(), Cell().left());
    EXPECT_EQ(ink.right(), Cell().right());
    // The neighbours left and right stay clean (grid lines aside).
    EXPECT_TRUE(InkBounds(image, CellInImage(grid, 2, 1).adjusted(0, 0, -1, -1), clWhite).isNull());
    EXPECT_TRUE(InkBounds(image, CellInImage(grid, 0, 1).adjusted(2, 2, -2, -2), grid.FixedColor()).isNull());
}

TEST_F(SmallGrid, ColumnBrushBeatsRowBrushAndFixedCellsIgnoreBoth)
{
    grid.SetColorCol(1, clYellow);
    grid.SetColorRow(1, clBlue);
    grid.SetColorRow(2, clBlue);
    const QImage image = RenderGrid(grid);
    EXPECT_EQ(image.pixelColor(Background(grid, 1, 1)), clYellow);
    EXPECT_EQ(image.pixelColor(Background(grid, 1, 2)), clYellow);
    EXPECT_EQ(image.pixelColor(Background(grid, 0, 1)), grid.FixedColor());
    EXPECT_EQ(image.pixelColor(Background(grid, 1, 0)), grid.FixedColor());
}

TEST_F(SmallGrid, CellFontAndFontColourApply)
{
    grid.SetCells(1, 1, "H");
    grid.Attributes().FontCol(1).SetColor(clRed);
    const QImage image = RenderGrid(grid);
    EXPECT_TRUE(HasPixel(image, Cell(), clRed));
    EXPECT_FALSE(HasPixel(image, Cell(), clBlack));
}

TEST_F(SmallGrid, DrawSelectionOffKeepsTheCellBrush)
{
    grid.SelectCell(1, 1);
    grid.SetSelectedCellColor(clAqua);
    EXPECT_EQ(RenderGrid(grid).pixelColor(Background(grid, 1, 1)), clAqua);
    grid.SetDrawSelection(false);
    EXPECT_EQ(RenderGrid(grid).pixelColor(Background(grid, 1, 1)), clWhite);
}

TEST_F(SmallGrid, OnDrawCellRunsAfterEachCellWithItsState)
{
    std::vector<std::pair<GridCell, TGridDrawState>> drawn;
    grid.OnDrawCell = [&drawn](QObject *, int col, int row, const QRect &, TGridDrawState state, QPainter &) {
        drawn.push_back({{col, row}, state});
    };
    RenderGrid(grid);
    ASSERT_EQ(drawn.size(), 9u);
    for (const auto &[cell, state] : drawn) {
        EXPECT_EQ(state.testFlag(gdFixed), cell.Col == 0 || cell.Row == 0);
        EXPECT_EQ(state.testFlag(gdSelected), cell == (GridCell{2, 2}));
        EXPECT_FALSE(state.testFlag(gdFocused)); // the grid has no focus
    }
}

TEST_F(SmallGrid, WithoutDefaultDrawingOnlyTheOwnerDraws)
{
    grid.SetCells(1, 1, "H");
    grid.SetDefaultDrawing(false);
    grid.OnDrawCell = [](QObject *, int, int, const QRect &rect, TGridDrawState, QPainter &painter) {
        painter.fillRect(rect, clOlive);
    };
    const QImage image = RenderGrid(grid);
    EXPECT_TRUE(InkBounds(image, Cell(), clOlive).isNull());
}

TEST(StyledGridScrolling, ScrollBarsAppearOnlyWhenTheCellsDoNotFit)
{
    TStyledGrid grid;
    grid.SetColCount(8);
    grid.SetRowCount(12);
    grid.resize(200, 120);
    grid.show();
    QCoreApplication::processEvents();
    EXPECT_GT(grid.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(grid.verticalScrollBar()->maximum(), 0);
    grid.resize(2000, 2000);
    QCoreApplication::processEvents(); // a shown window's new size arrives through the event loop
    EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
}

TEST(StyledGridScrolling, MovingToAHiddenCellScrollsItIntoView)
{
    TStyledGrid grid;
    grid.SetColCount(8);
    grid.SetRowCount(12);
    grid.resize(200, 120);
    grid.show();
    QCoreApplication::processEvents();
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.Col(), 7);
    EXPECT_EQ(grid.Row(), 11);
    EXPECT_GT(grid.LeftCol(), 1);
    const QRect rect = grid.CellRect(7, 11);
    ASSERT_FALSE(rect.isNull());
    EXPECT_TRUE(grid.viewport()->rect().contains(rect));
}
} // namespace
