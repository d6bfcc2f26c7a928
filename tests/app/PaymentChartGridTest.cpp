// The main window's payment chart grid as NewPaymentChartGrid sets it up, with a chart shown and
// the entered cell highlighted.
#include "app/PaymentChartGrid.h"

#include "design/ColorNames.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
class PaymentChartGrid : public testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        other = new QLineEdit;
        layout->addWidget(other);
        grid = NewPaymentChartGrid();
        layout->addWidget(grid);
        window.resize(PaymentChartGridSize.width(), 320);
        // Crisp text, so that ink pixels carry exactly the font colour.
        QFont font = grid->font();
        font.setStyleStrategy(QFont::NoAntialias);
        grid->setFont(font);
        PaymentChart chart;
        for (int column = 0; column < PaymentChart::ColumnCount; ++column)
            for (int row = 0; row < PaymentChart::RowCount; ++row)
                chart.SetCell(column, row, " $" + std::to_string(column * 100 + row) + ".00");
        ShowChartTexts(*grid, chart);
        HighlightEnteredCell(*grid);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }

    QImage Render() const
    {
        QImage image(grid->size(), QImage::Format_RGB32);
        grid->render(&image);
        return image;
    }
    QRect CellInImage(int column, int row) const
    {
        const QRect rect = grid->CellRect(column, row);
        return QRect(grid->viewport()->mapTo(grid, rect.topLeft()), rect.size());
    }
    // Bottom left inside the cell, where its top-aligned text never reaches.
    QColor Background(const QImage &image, int column, int row) const
    {
        const QRect rect = CellInImage(column, row);
        return image.pixelColor(rect.left() + 3, rect.bottom() - 2);
    }

    QWidget window;
    QLineEdit *other = nullptr;
    TStyledGrid *grid = nullptr;
};

TEST_F(PaymentChartGrid, HeadingsSilverEnteredColumnAndRowYellowOthersWhite)
{
    const QImage image = Render();
    for (int column = 0; column < PaymentChart::ColumnCount; ++column) {
        for (int row = 0; row < PaymentChart::RowCount; ++row) {
            SCOPED_TRACE(testing::Message() << "cell " << column << ", " << row);
            QColor expected = clWhite;
            if (column == 0 || row == 0)
                expected = clSilver;
            else if (column == PaymentChart::EnteredColumn || row == PaymentChart::EnteredRow)
                expected = clYellow;
            EXPECT_EQ(Background(image, column, row), expected);
        }
    }
    EXPECT_EQ(grid->Selection(), (TGridRect{4, 6, 4, 6}));
}

TEST_F(PaymentChartGrid, AllCellsFitWithoutScrollBars)
{
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    // 8 columns of 69 pixels plus their grid lines and the 2-pixel border on each side.
    EXPECT_EQ(grid->frameWidth(), 2);
    EXPECT_EQ(CellInImage(7, 0).right() + 1 + 1 + 2, PaymentChartGridSize.width());
    EXPECT_EQ(grid->height(), PaymentChartGridSize.height());
}

TEST_F(PaymentChartGrid, BorderAndHeadingBevelsAreInTheClassic3DColours)
{
    const QColor shadow(128, 128, 128);
    const QColor darkShadow(64, 64, 64);
    const QImage image = Render();
    const QPoint bottomRight(grid->width() - 1, grid->height() - 1);
    // Sunken border: shadow over highlight outside, dark 3-D over light 3-D (the face) inside.
    EXPECT_EQ(image.pixelColor(0, 40), shadow);
    EXPECT_EQ(image.pixelColor(40, 0), shadow);
    EXPECT_EQ(image.pixelColor(bottomRight.x(), 40), clWhite);
    EXPECT_EQ(image.pixelColor(40, bottomRight.y()), clWhite);
    EXPECT_EQ(image.pixelColor(1, 40), darkShadow);
    EXPECT_EQ(image.pixelColor(40, 1), darkShadow);
    EXPECT_EQ(image.pixelColor(bottomRight.x() - 1, 40), clSilver);
    EXPECT_EQ(image.pixelColor(40, bottomRight.y() - 1), clSilver);
    // A heading cell: highlight at its top and left, shadow at its bottom and right.
    const QRect heading = CellInImage(2, 0);
    EXPECT_EQ(image.pixelColor(heading.left() + 5, heading.top()), clWhite);
    EXPECT_EQ(image.pixelColor(heading.left(), heading.top() + 5), clWhite);
    EXPECT_EQ(image.pixelColor(heading.left() + 5, heading.bottom()), shadow);
    EXPECT_EQ(image.pixelColor(heading.right(), heading.top() + 5), shadow);
}

TEST_F(PaymentChartGrid, SelectedCellIsYellowWithBlackTextEitherWay)
{
    const QRect inside = CellInImage(4, 6).adjusted(2, 2, -2, -2);
    for (bool focused : {false, true}) {
        SCOPED_TRACE(focused ? "focused" : "not focused");
        if (focused)
            grid->setFocus();
        const QImage image = Render();
        EXPECT_EQ(Background(image, 4, 6), clYellow);
        bool black = false;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                black = black || image.pixelColor(x, y) == clBlack;
        EXPECT_TRUE(black);
    }
}

TEST_F(PaymentChartGrid, ShowsEveryCellOfTheChart)
{
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral(" $0.00"));
    EXPECT_EQ(grid->Cells(7, 11), QStringLiteral(" $711.00"));
    EXPECT_EQ(grid->Cells(3, 9), QStringLiteral(" $309.00"));
}
} // namespace
