#include "controls/common/FailureGuard.h"
#include "controls/grid/CellEditor.h"
#include "tests/controls/grid/GridTestSupport.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
// A 5 x 4 grid, one fixed column and row: non-fixed columns 1..4, rows 1..3.
void SetUpSmall(TStyledGrid &grid)
{
    grid.SetColCount(5);
    grid.SetRowCount(4);
    grid.SetDefaultColWidth(50);
    grid.SetDefaultRowHeight(20);
    grid.SetScrollBars(ssNone);
    grid.resize(300, 120);
}

class GridClicks : public testing::Test {
protected:
    void SetUp() override
    {
        SetUpSmall(grid);
        grid.SelectCell(1, 1);
        grid.OnClick = [this](QObject *sender, TClickCause cause) {
            EXPECT_EQ(sender, &grid);
            causes.push_back(cause);
            ++clicks;
        };
    }
    TStyledGrid grid;
    int clicks = 0;
    std::vector<TClickCause> causes;
};

TEST_F(GridClicks, ClickOnACellSelectsItAndNotifiesOnRelease)
{
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 3, 2));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 3, 2));
    EXPECT_EQ(causes, std::vector{TClickCause::Mouse});
    EXPECT_EQ(grid.Selection(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(GridClicks, ReleaseOutsideTheCellStillCompletesTheClick)
{
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 2, 3));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(295, 115));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(grid.Col(), 2);
}

TEST_F(GridClicks, ClickOnAFixedCellNeitherMovesNorNotifies)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 0, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 3, 0));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(GridClicks, ArrowKeysMoveTheCurrentCellAndNotifyOnlyWhenItMoves)
{
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(causes, std::vector(2, TClickCause::Key));
    QTest::keyClick(&grid, Qt::Key_Home);
    QTest::keyClick(&grid, Qt::Key_Left); // already in the first non-fixed column
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up); // already in the first non-fixed row
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(clicks, 4);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 3);
}

TEST_F(GridClicks, SettingTheSelectionInCodeDoesNotNotify)
{
    grid.SelectCell(4, 3);
    grid.SetCol(2);
    grid.SetRow(1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 1, 2, 1}));
}

TEST_F(GridClicks, ShiftArrowExtendsTheSelectionOnlyWithRangeSelect)
{
    QTest::keyClick(&grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 1}));
    grid.SetOptions(grid.Options() & ~TGridOptions(goRangeSelect));
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.Selection(), (TGridRect{2, 2, 2, 2}));
}

TEST_F(GridClicks, FailingClickHandlerReachesTheFailureHandler)
{
    std::string reported;
    SetFailureHandler([&reported](const std::exception &failure) { reported = failure.what(); });
    grid.OnClick = [](QObject *, TClickCause) { throw std::runtime_error("chart failed"); };
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 2, 2));
    SetFailureHandler({});
    EXPECT_EQ(reported, "chart failed");
}

struct TabCase {
    const char *Name;
    T_nextcell Direction;
    t_lastcell AfterLast;
    bool Shift;
    GridCell From;
    GridCell Expected;
};

void PrintTo(const TabCase &c, std::ostream *out)
{
    *out << c.Name;
}

class TabKey : public testing::TestWithParam<TabCase> {};

TEST_P(TabKey, MovesToTheNextCell)
{
    const TabCase &c = GetParam();
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetOptions(grid.Options() | goTabs);
    grid.SetNextCellTab(c.Direction);
    grid.SetAfterLastCellTab(c.AfterLast);
    grid.SelectCell(c.From.Col, c.From.Row);
    QTest::keyClick(&grid, Qt::Key_Tab, c.Shift ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(grid.Col(), c.Expected.Col);
    EXPECT_EQ(grid.Row(), c.Expected.Row);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, TabKey,
    testing::Values(
        TabCase{"RightDown", nc_rightdown, lc_first, false, {1, 1}, {2, 1}},
        TabCase{"RightDownWrapsToTheNextRow", nc_rightdown, lc_first, false, {4, 1}, {1, 2}},
        TabCase{"ShiftTabMovesLeftToTheEndOfTheRowAbove", nc_rightdown, lc_first, true, {1, 2}, {4, 1}},
        TabCase{"LastCellWrapsWithFirst", nc_rightdown, lc_first, false, {4, 3}, {1, 1}},
        TabCase{"LastCellStaysWithStop", nc_rightdown, lc_stop, false, {4, 3}, {4, 3}},
        TabCase{"LeftUpFromTheFirstCellWrapsToTheLast", nc_leftup, lc_first, false, {1, 1}, {4, 3}},
        TabCase{"LeftUpFromTheFirstCellStaysWithStop", nc_leftup, lc_stop, false, {1, 1}, {1, 1}},
        TabCase{"DownRight", nc_downright, lc_first, false, {2, 3}, {3, 1}},
        TabCase{"ShiftTabReversesUpLeft", nc_upleft, lc_first, true, {2, 3}, {3, 1}}),
    [](const testing::TestParamInfo<TabCase> &info) { return info.param.Name; });

TEST(TabKeyRules, SkipsColumnsThatAreNoTabStops)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetOptions(grid.Options() | goTabs);
    grid.SetTabStops(2, false);
    grid.SetTabStops(3, false);
    grid.SelectCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 4);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 2);
}

TEST(TabKeyRules, NewColRowAppendsARowAfterTheLastCell)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetOptions(grid.Options() | goTabs);
    grid.SetAfterLastCellTab(lc_newcolrow);
    grid.SetCells(4, 3, "last");
    grid.SelectCell(4, 3);
    int clicks = 0;
    grid.OnClick = [&clicks](QObject *, TClickCause) { ++clicks; };
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 4);
    EXPECT_EQ(grid.Cells(4, 3), "last");
    EXPECT_EQ(clicks, 1);
}

TEST(TabKeyRules, WithoutGoTabsTheCellStays)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SelectCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(GridNextCell, NewColRowInsertsTheLineInTheGrid)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetCells(1, 1, "first");
    const auto next = grid.NextCell(nc_leftup, lc_newcolrow, 1, 1);
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, (GridCell{4, 1}));
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 2), "first");
    EXPECT_EQ(grid.Cells(1, 1), "");
}

TEST(GridInsert, InsertColMovesTextsAndAttributesRight)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    for (int row = 0; row < 4; ++row)
        grid.SetCells(2, row, QString("c2r%1").arg(row));
    grid.SetColorCol(2, clYellow);
    grid.Attributes().SetAlignCell(2, 1, alRight);
    grid.InsertCol(2);
    EXPECT_EQ(grid.ColCount(), 6);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(grid.Cells(3, row), QString("c2r%1").arg(row));
        EXPECT_EQ(grid.Cells(2, row), "");
    }
    EXPECT_EQ(grid.CellBrushColor(3, 1), clYellow);
    EXPECT_EQ(grid.CellBrushColor(2, 1), grid.Color());
    EXPECT_EQ(grid.CellAlignment(3, 1), alRight);
}

TEST(GridInsert, InsertRowInsideTheFixedAreaInsertsAtTheFirstNonFixedRow)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetCells(1, 0, "heading");
    grid.SetCells(1, 1, "row 1");
    grid.SetColorRow(1, clYellow);
    grid.InsertRow(0);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 0), "heading");
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(1, 2), "row 1");
    EXPECT_EQ(grid.CellBrushColor(2, 2), clYellow);
    EXPECT_EQ(grid.CellBrushColor(2, 1), grid.Color());
}

TEST(GridMove, DraggingAColumnHeadingMovesTextsSizesAndAttributes)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetOptions(grid.Options() | goColMoving);
    grid.SetCells(1, 2, "moved");
    grid.SetColWidths(1, 30);
    grid.SetColorCol(1, clYellow);
    grid.SelectCell(1, 2);
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 1, 0));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 3, 0));
    EXPECT_EQ(grid.Cells(3, 2), "moved");
    EXPECT_EQ(grid.Cells(1, 2), "");
    EXPECT_EQ(grid.ColWidths(3), 30);
    EXPECT_EQ(grid.CellBrushColor(3, 1), clYellow);
    EXPECT_EQ(grid.Col(), 3); // the current cell stays on its column
}

TEST(GridMove, MoveRowKeepsTablesAlignedAndSameIndexDoesNothing)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetCells(2, 3, "bottom");
    grid.SetColorRow(3, clBlue);
    grid.MoveRow(3, 3);
    EXPECT_EQ(grid.Cells(2, 3), "bottom");
    grid.MoveRow(3, 1);
    EXPECT_EQ(grid.Cells(2, 1), "bottom");
    EXPECT_EQ(grid.CellBrushColor(4, 1), clBlue);
    EXPECT_EQ(grid.CellBrushColor(4, 3), grid.Color());
}

TEST(GridSizes, WidthAndHeightChangesNotify)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.SetOptions(grid.Options() | goColSizing);
    int colNotices = 0;
    int rowNotices = 0;
    grid.OnColWidthsChanged = [&colNotices](QObject *) { ++colNotices; };
    grid.OnRowHeightsChanged = [&rowNotices](QObject *) { ++rowNotices; };
    grid.SetColWidths(2, 69);
    grid.SetColWidths(2, 69); // unchanged: no notice
    grid.SetRowHeights(1, 30);
    EXPECT_EQ(colNotices, 1);
    EXPECT_EQ(rowNotices, 1);

    // Dragging the line right of column 1's heading 10 pixels to the right, grabbed on either side.
    for (int grab : {-2, 0, 2}) {
        SCOPED_TRACE(testing::Message() << "grabbed at " << grab);
        grid.SetColWidths(1, 50);
        const int before = colNotices; // counted after the reset
        const QRect heading = grid.CellRect(1, 0);
        const QPoint press(heading.right() + 1 + grab, heading.center().y());
        const QPoint release = press + QPoint(10, 0);
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, press);
        QMouseEvent move(QEvent::MouseMove, QPointF(release), grid.viewport()->mapToGlobal(QPointF(release)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &move);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, release);
        EXPECT_EQ(grid.ColWidths(1), 60);
        EXPECT_EQ(grid.ColWidths(2), 69); // the neighbour keeps its width
        EXPECT_EQ(colNotices, before + 1);
    }
}

// ---- the in-place editor ----

class GridEditing : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.Active);
        grid = window.Grid;
        SetUpSmall(*grid);
        grid->SetOptions(grid->Options() | goEditing);
        grid->SetCells(1, 1, "old");
        grid->SetCells(2, 1, "two");
        grid->SelectCell(1, 1);
        grid->OnBeforeEdit = [this](QObject *, int col, int row) { Log("before", col, row); };
        grid->OnAfterEdit = [this](QObject *, int col, int row) { Log("after", col, row); };
        grid->OnCancelEdit = [this](QObject *, int col, int row) { Log("cancel", col, row); };
        grid->setFocus();
    }
    void Log(const char *what, int col, int row)
    {
        log.push_back(std::string(what) + " " + std::to_string(col) + "," + std::to_string(row));
    }
    TCellEditor *Editor() const { return grid->InplaceEditor(); }
    void RunQueued() { QCoreApplication::processEvents(); }

    GridWindow window;
    TStyledGrid *grid = nullptr;
    std::vector<std::string> log;
};

TEST_F(GridEditing, TypingOnTheGridOpensTheEditorWithThatCharacter)
{
    QTest::keyClick(grid, Qt::Key_X);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_TRUE(Editor()->hasFocus());
    EXPECT_EQ(grid->Cells(1, 1), "x");
    QTest::keyClicks(Editor(), "yz");
    EXPECT_EQ(grid->Cells(1, 1), "xyz");
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1"}));

    QTest::keyClick(Editor(), Qt::Key_Return);
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(log.size(), 1u); // the after-edit notice is queued
    RunQueued();
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "after 1,1"}));
}

TEST_F(GridEditing, EscapePutsTheSavedTextBackAndCancels)
{
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->text(), "old");
    QTest::keyClicks(Editor(), "new");
    EXPECT_EQ(grid->Cells(1, 1), "new");
    QTest::keyClick(Editor(), Qt::Key_Escape);
    EXPECT_EQ(grid->Cells(1, 1), "old");
    EXPECT_FALSE(Editor()->isVisible());
    RunQueued();
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "cancel 1,1", "after 1,1"}));
}

TEST_F(GridEditing, AutoEditNextCellMovesToTheNextEditableCell)
{
    grid->SetAutoEditNextCell(true);
    grid->Attributes().SetEditCell(2, 1, false);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(Editor(), Qt::Key_Return);
    RunQueued();
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(Editor()->isVisible());
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "after 1,1", "before 3,1"}));
}

TEST_F(GridEditing, NotEditableCellSendsTheCharacterToOnKeyPress)
{
    grid->Attributes().SetEditCell(1, 1, false);
    std::vector<QChar> pressed;
    grid->OnKeyPress = [&pressed](QObject *, QChar &key) { pressed.push_back(key); };
    QTest::keyClick(grid, Qt::Key_Q);
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), "old");
    ASSERT_EQ(pressed.size(), 1u);
    EXPECT_EQ(pressed[0], QChar('q'));
    EXPECT_TRUE(log.empty());
}

TEST_F(GridEditing, ArrowAwayFromAnEditEndsIt)
{
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(Editor(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(Editor()->isVisible());
    RunQueued();
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "after 1,1"}));
}

TEST_F(GridEditing, LosingTheFocusEndsTheEditAtOnce)
{
    QTest::keyClick(grid, Qt::Key_F2);
    window.Other->setFocus();
    EXPECT_FALSE(Editor()->isVisible());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "after 1,1"}));
    RunQueued();
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(GridEditing, AlwaysShowEditorComesBackWithTheCaretWhereItWas)
{
    grid->SetOptions(grid->Options() | goAlwaysShowEditor);
    ASSERT_TRUE(Editor()->isVisible());
    Editor()->setSelection(1, 2);
    window.Other->setFocus();
    EXPECT_FALSE(Editor()->isVisible());
    grid->setFocus();
    RunQueued();
    ASSERT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->selectionStart(), 1);
    EXPECT_EQ(Editor()->selectionLength(), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "after 1,1", "before 1,1"}));
}

TEST_F(GridEditing, KeysTypedIntoAnEditorWithoutCellAreDropped)
{
    QTest::keyClick(grid, Qt::Key_F2);
    Editor()->ForgetCell();
    QTest::keyClicks(Editor(), "abc");
    EXPECT_EQ(Editor()->text(), "old");
    EXPECT_EQ(grid->Cells(1, 1), "old");
}

TEST_F(GridEditing, TabInTheEditorMovesToTheNextCell)
{
    grid->SetOptions(grid->Options() | goTabs | goAlwaysShowEditor);
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(Editor()->text(), "two");
    RunQueued();
    EXPECT_EQ(log, (std::vector<std::string>{"before 1,1", "before 2,1", "after 1,1"}));
}

TEST(GridHints, HintShowsTheCellHintOnlyWhenEnabled)
{
    TStyledGrid grid;
    SetUpSmall(grid);
    grid.show();
    grid.Attributes().SetHintCell(2, 1, "principal and interest");
    grid.Attributes().SetHintCell(3, 1, "rate");
    const auto hover = [&grid](int col, int row) {
        const QPoint inCell = CellCenter(grid, col, row);
        QHelpEvent help(QEvent::ToolTip, inCell, grid.viewport()->mapToGlobal(inCell));
        QCoreApplication::sendEvent(grid.viewport(), &help);
    };
    hover(2, 1);
    EXPECT_EQ(QToolTip::text(), "principal and interest");
    grid.SetShowCellHints(false);
    hover(3, 1);
    EXPECT_NE(QToolTip::text(), "rate");
    QToolTip::hideText();
}
} // namespace

namespace {
// No operation of the grid raises the comparisons; what can break is their reading the cells as they
// are when called, in the column or row they are given.
TEST(GridCompare, DefaultComparisonsReadTheCellsAsTheyAreNow)
{
    TStyledGrid grid;
    grid.SetCells(2, 1, "apple");
    grid.SetCells(2, 3, "pear");
    grid.SetCells(4, 1, "apple");
    EXPECT_EQ(grid.OnCompareRow(&grid, 2, 1, 3), rel_less);
    EXPECT_EQ(grid.OnCompareCol(&grid, 1, 2, 4), rel_equal);
    grid.MoveColumn(2, 3); // "apple" and "pear" now stand in column 3, column 2 is empty
    EXPECT_EQ(grid.OnCompareRow(&grid, 3, 3, 1), rel_greater);
    EXPECT_EQ(grid.OnCompareRow(&grid, 2, 1, 3), rel_equal);
    EXPECT_EQ(grid.OnCompareCol(&grid, 1, 3, 4), rel_equal);
}
} // namespace
