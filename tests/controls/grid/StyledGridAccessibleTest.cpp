// The styled grid as assistive technology reads it: a table of every cell, headings, focus, selection
// and the events that announce their changes.
#include "tests/support/AccessibleEvents.h"
#include "tests/controls/grid/GridTestSupport.h"

#include <QAccessible>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The filled 8 x 12 grid of the chart's shape in a shown, active window, with assistive technology on.
class StyledGridAccessible : public testing::Test {
protected:
    void SetUp() override
    {
        SetUpFilledGrid(*window.Grid);
        ASSERT_TRUE(window.Active);
        window.Other->setFocus();
        grid = window.Grid;
        table = QAccessible::queryAccessibleInterface(grid);
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
        events.Clear();
    }

    QAccessibleInterface *Cell(int col, int row) const { return table->tableInterface()->cellAt(row, col); }
    int ChildOf(int col, int row) const { return row * grid->ColCount() + col; }
    // The children named by the events of `type` about the grid, in order.
    std::vector<int> Children(QAccessible::Event type) const
    {
        std::vector<int> children;
        for (const AccessibleEvents::Event &event : events.Of(grid, type))
            children.push_back(event.Child);
        return children;
    }

    AccessibleEvents events;
    GridWindow window;
    TStyledGrid *grid = nullptr;
    QAccessibleInterface *table = nullptr;
};

TEST_F(StyledGridAccessible, IsATableOfEveryCellWithTheFixedCellsAsHeadings)
{
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->tableInterface()->rowCount(), 12);
    EXPECT_EQ(table->tableInterface()->columnCount(), 8);
    EXPECT_EQ(table->childCount(), 96);
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 8; ++col) {
            SCOPED_TRACE(testing::Message() << "cell " << col << ", " << row);
            QAccessibleInterface *cell = Cell(col, row);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), grid->Cells(col, row));
            EXPECT_EQ(cell->parent(), table);
            EXPECT_EQ(table->child(table->indexOfChild(cell)), cell);
            const QAccessible::Role role = row == 0   ? QAccessible::ColumnHeader
                                           : col == 0 ? QAccessible::RowHeader
                                                      : QAccessible::Cell;
            EXPECT_EQ(cell->role(), role);
        }
    }
    QAccessibleTableCellInterface *entered = Cell(4, 6)->tableCellInterface();
    ASSERT_NE(entered, nullptr);
    EXPECT_EQ(entered->columnIndex(), 4);
    EXPECT_EQ(entered->rowIndex(), 6);
    EXPECT_EQ(entered->columnHeaderCells(), QList<QAccessibleInterface *>{Cell(4, 0)});
    EXPECT_EQ(entered->rowHeaderCells(), QList<QAccessibleInterface *>{Cell(0, 6)});
    // A column's heading is found through the cell in row 0, as AT-SPI asks for it.
    EXPECT_EQ(Cell(4, 0)->tableCellInterface()->columnHeaderCells(),
              QList<QAccessibleInterface *>{Cell(4, 0)});
    EXPECT_EQ(table->tableInterface()->columnDescription(4), grid->Cells(4, 0).trimmed());
    EXPECT_EQ(table->tableInterface()->rowDescription(6), grid->Cells(0, 6).trimmed());
    const QRect onScreen = Cell(4, 6)->rect();
    EXPECT_EQ(onScreen.size(), grid->CellRect(4, 6).size());
    EXPECT_EQ(table->childAt(onScreen.center().x(), onScreen.center().y()), Cell(4, 6));
}

TEST_F(StyledGridAccessible, TheCurrentCellIsFocusedOnlyWhileTheGridHasTheFocus)
{
    EXPECT_TRUE(Cell(4, 6)->state().selected);
    EXPECT_FALSE(Cell(4, 6)->state().focused);
    EXPECT_EQ(table->focusChild(), nullptr);
    grid->setFocus();
    EXPECT_TRUE(Cell(4, 6)->state().focused);
    EXPECT_EQ(table->focusChild(), Cell(4, 6));
    EXPECT_FALSE(Cell(0, 6)->state().focusable);
    EXPECT_FALSE(Cell(3, 6)->state().selected);
}

TEST_F(StyledGridAccessible, TakingTheFocusAnnouncesTheCurrentCellAfterTheGrid)
{
    grid->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(Children(QAccessible::Focus), (std::vector<int>{-1, ChildOf(4, 6)}));
}

TEST_F(StyledGridAccessible, MovingTheCurrentCellAnnouncesSelectionAndFocus)
{
    grid->setFocus();
    QCoreApplication::processEvents();
    events.Clear();
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(Children(QAccessible::SelectionRemove), std::vector<int>{ChildOf(4, 6)});
    EXPECT_EQ(Children(QAccessible::SelectionAdd), std::vector<int>{ChildOf(5, 6)});
    EXPECT_EQ(Children(QAccessible::Focus), std::vector<int>{ChildOf(5, 6)});
    EXPECT_EQ(Children(QAccessible::ActiveDescendantChanged), std::vector<int>{ChildOf(5, 6)});
    EXPECT_TRUE(Cell(5, 6)->state().focused);
    EXPECT_FALSE(Cell(4, 6)->state().selected);
}

TEST_F(StyledGridAccessible, WithoutTheFocusASelectionChangeAnnouncesNoFocus)
{
    grid->SelectCell(2, 3);
    EXPECT_EQ(Children(QAccessible::SelectionAdd), std::vector<int>{ChildOf(2, 3)});
    EXPECT_TRUE(Children(QAccessible::Focus).empty());
}

TEST_F(StyledGridAccessible, ARangeSelectionIsReadAsItsCellsAndWholeRows)
{
    grid->SetSelection({1, 2, 7, 3});
    QAccessibleTableInterface *tableInterface = table->tableInterface();
    EXPECT_EQ(tableInterface->selectedCellCount(), 14);
    EXPECT_EQ(tableInterface->selectedRows(), (QList<int>{2, 3}));
    EXPECT_TRUE(tableInterface->selectedColumns().isEmpty());
    EXPECT_EQ(Children(QAccessible::SelectionAdd).size(), 14u);
    EXPECT_EQ(Children(QAccessible::SelectionRemove), std::vector<int>{ChildOf(4, 6)});
}

TEST_F(StyledGridAccessible, ANewTextAndANewShapeAreAnnounced)
{
    grid->SetCells(3, 5, QStringLiteral("changed"));
    grid->SetCells(3, 5, QStringLiteral("changed")); // unchanged: nothing to tell
    EXPECT_EQ(Children(QAccessible::NameChanged), std::vector<int>{ChildOf(3, 5)});
    EXPECT_EQ(Cell(3, 5)->text(QAccessible::Name), QStringLiteral("changed"));

    grid->InsertRow(2);
    EXPECT_FALSE(events.Of(grid, QAccessible::TableModelChanged).empty());
    EXPECT_EQ(table->tableInterface()->rowCount(), 13);
    EXPECT_EQ(Cell(3, 6)->text(QAccessible::Name), QStringLiteral("changed"));
}
} // namespace
