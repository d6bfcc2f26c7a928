#include "controls/grid/GridAttributes.h"

#include "design/ColorNames.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {
// Which tables hold an entry for the probed cell (3, 2); each test row names the winner.
struct LookupCase {
    const char *Name;
    bool Cell, Col, Row, FixedCol, FixedRow;
    bool Fixed;           // whether the probed cell counts as fixed
    TCellAlign Expected;  // alignment that must win
    QColor ExpectedBrush; // brush colour that must win
};

void PrintTo(const LookupCase &c, std::ostream *out)
{
    *out << c.Name;
}

class AttributeLookup : public testing::TestWithParam<LookupCase> {
protected:
    void SetUp() override
    {
        const LookupCase &c = GetParam();
        a.SetAlignment(alLeft);
        a.GridBrush().SetColor(clWhite);
        a.FixedBrush().SetColor(clSilver);
        if (c.Cell)
            a.SetAlignCell(3, 2, alRight), a.BrushCell(3, 2).SetColor(clRed);
        if (c.Col)
            a.SetAlignCol(3, alCenter), a.BrushCol(3).SetColor(clYellow);
        if (c.Row)
            a.SetAlignRow(2, alRight), a.BrushRow(2).SetColor(clBlue);
        if (c.FixedCol)
            a.SetFixedAlignCol(3, alCenter), a.BrushFixedCol(3).SetColor(clAqua);
        if (c.FixedRow)
            a.SetFixedAlignRow(2, alRight), a.BrushFixedRow(2).SetColor(clMaroon);
    }
    GridAttributes a;
};

TEST_P(AttributeLookup, FirstPresentEntryWins)
{
    const LookupCase &c = GetParam();
    EXPECT_EQ(a.CellAlignment(3, 2, c.Fixed), c.Expected);
    EXPECT_EQ(a.CellBrush(3, 2, c.Fixed).Color(), c.ExpectedBrush);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AttributeLookup,
    testing::Values(
        LookupCase{"CellBeatsEverything", true, true, true, true, true, false, alRight, clRed},
        LookupCase{"ColumnBeatsRow", false, true, true, true, true, false, alCenter, clYellow},
        LookupCase{"RowBeatsDefault", false, false, true, true, true, false, alRight, clBlue},
        LookupCase{"FixedTablesIgnoredForNormalCell", false, false, false, true, true, false, alLeft,
                   clWhite},
        LookupCase{"FixedCellUsesFixedColumn", false, true, true, true, true, true, alCenter, clAqua},
        LookupCase{"FixedCellUsesFixedRow", false, true, true, false, true, true, alRight, clMaroon},
        LookupCase{"FixedCellIgnoresNormalTables", false, true, true, false, false, true, alLeft, clSilver},
        LookupCase{"FixedCellStillTakesCellEntry", true, false, false, true, true, true, alRight, clRed}),
    [](const testing::TestParamInfo<LookupCase> &info) { return info.param.Name; });

TEST(AttributeLookup, EditableAndSelectedColoursHaveNoFixedTables)
{
    GridAttributes a;
    a.SetSelectedCellColor(clYellow);
    a.SetSelectedColorRow(0, clRed);
    EXPECT_EQ(a.SelectedCellColorAt(4, 0), clRed); // a fixed row still uses the row table
    a.SetSelectedColorCol(4, clBlue);
    EXPECT_EQ(a.SelectedCellColorAt(4, 0), clBlue);
    a.SetSelectedColorCell(4, 0, clAqua);
    EXPECT_EQ(a.SelectedCellColorAt(4, 0), clAqua);
    EXPECT_EQ(a.SelectedCellColorAt(5, 1), clYellow);

    a.SetEditable(true);
    a.SetEditRow(2, false);
    EXPECT_FALSE(a.CellEditable(1, 2));
    a.SetEditCol(1, true);
    EXPECT_TRUE(a.CellEditable(1, 2));
    a.SetEditCell(1, 2, false);
    EXPECT_FALSE(a.CellEditable(1, 2));

    a.SetSelectedFontColor(clBlack);
    a.SetSelectedFontColorRow(3, clWhite);
    a.SetSelectedFontColorCol(2, clRed);
    EXPECT_EQ(a.SelectedFontColorAt(2, 3), clRed);
    EXPECT_EQ(a.SelectedFontColorAt(1, 3), clWhite);
}

TEST(AttributeLookup, ReadsOutsideTheTablesFallThrough)
{
    GridAttributes a;
    a.SetAlignCol(2, alRight);
    EXPECT_EQ(a.CellAlignment(-1, -5, false), a.Alignment());
    EXPECT_EQ(a.CellAlignment(1000, 3, false), a.Alignment());
    EXPECT_EQ(a.CellHint(-1, 0), QString());
    EXPECT_THROW(a.SetAlignCol(-1, alRight), std::out_of_range);
}

TEST(GetOrCreate, NewColumnBrushCopiesTheGridBrushAndChangesOnlyItsColour)
{
    GridAttributes a;
    a.GridBrush().SetColor(clWhite);
    a.GridBrush().SetStyle(Qt::Dense4Pattern);
    a.BrushCol(4).SetColor(clYellow);
    const TCellBrush &brush = a.CellBrush(4, 1, false);
    EXPECT_EQ(brush.Color(), clYellow);
    EXPECT_EQ(brush.Style(), Qt::Dense4Pattern);
    EXPECT_TRUE(brush.Modified());
    EXPECT_TRUE(a.HasData("BrushCol"));
    // A second call finds the same brush instead of a fresh copy.
    a.BrushCol(4).SetStyle(Qt::SolidPattern);
    EXPECT_EQ(a.CellBrush(4, 1, false).Color(), clYellow);
}

TEST(GetOrCreate, ChangesCallTheRepaintHook)
{
    GridAttributes a;
    int repaints = 0;
    a.OnChange = [&repaints] { ++repaints; };
    TCellBrush &brush = a.BrushRow(6);
    EXPECT_FALSE(brush.Modified());
    brush.SetColor(clYellow);
    a.FontCell(1, 1).SetColor(clRed);
    a.SetAlignRow(1, alRight);
    EXPECT_EQ(repaints, 3);
}

// Column 2 and row 2 carry distinct entries in every kind of table; a probe reads them back.
void FillLine2(GridAttributes &a)
{
    a.SetAlignCell(2, 2, alRight);
    a.SetAlignCol(2, alCenter);
    a.SetAlignRow(2, alRight);
    a.BrushCol(2).SetColor(clYellow);
    a.BrushRow(2).SetColor(clBlue);
    a.SetEditCol(2, false);
    a.SetHintCell(2, 2, "hint");
    a.SetSelectedColorCell(2, 2, clRed);
}

TEST(InsertAndMove, InsertColShiftsColumnTablesAndCellTables)
{
    GridAttributes a;
    FillLine2(a);
    a.InsertCol(1);
    EXPECT_EQ(a.CellAlignment(3, 2, false), alRight); // the cell entry moved with its column
    EXPECT_EQ(a.CellAlignment(3, 1, false), alCenter);
    EXPECT_EQ(a.CellBrush(3, 1, false).Color(), clYellow);
    EXPECT_FALSE(a.CellEditable(3, 1));
    EXPECT_EQ(a.CellHint(3, 2), "hint");
    EXPECT_EQ(a.SelectedCellColorAt(3, 2), clRed);
    // Row tables stay: the old column 2 position now has only the row entries.
    EXPECT_EQ(a.CellAlignment(2, 2, false), alRight);
    EXPECT_EQ(a.CellBrush(2, 2, false).Color(), clBlue);
    EXPECT_EQ(a.CellHint(2, 2), QString());
}

TEST(InsertAndMove, InsertRowShiftsRowTablesAndInnerLists)
{
    GridAttributes a;
    FillLine2(a);
    a.InsertRow(2);
    EXPECT_EQ(a.CellHint(2, 3), "hint");
    EXPECT_EQ(a.CellBrush(1, 3, false).Color(), clBlue);
    EXPECT_EQ(a.CellBrush(2, 2, false).Color(), clYellow); // column entries stay in place
    EXPECT_EQ(a.CellHint(2, 2), QString());
}

TEST(InsertAndMove, MoveColCarriesEveryTableEntry)
{
    GridAttributes a;
    FillLine2(a);
    a.MoveCol(2, 5);
    EXPECT_EQ(a.CellHint(5, 2), "hint");
    EXPECT_EQ(a.CellBrush(5, 1, false).Color(), clYellow);
    EXPECT_EQ(a.CellAlignment(5, 1, false), alCenter);
    EXPECT_TRUE(a.CellEditable(2, 1));
    a.MoveCol(5, 0);
    EXPECT_EQ(a.CellHint(0, 2), "hint");
}

TEST(InsertAndMove, MoveRowCarriesRowTablesAndInnerLists)
{
    GridAttributes a;
    FillLine2(a);
    a.MoveRow(2, 4);
    EXPECT_EQ(a.CellHint(2, 4), "hint");
    EXPECT_EQ(a.CellBrush(1, 4, false).Color(), clBlue);
    EXPECT_EQ(a.SelectedCellColorAt(2, 4), clRed);
    EXPECT_EQ(a.CellBrush(2, 1, false).Color(), clYellow);
}
} // namespace
