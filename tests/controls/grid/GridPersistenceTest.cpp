#include "controls/grid/GridPersistence.h"

#include "controls/grid/StyledGrid.h"
#include "design/ColorNames.h"

#include <gtest/gtest.h>

namespace {
// A 6 x 5 grid with an entry in every persisted table.
void Configure(TStyledGrid &grid)
{
    grid.SetColCount(6);
    grid.SetRowCount(5);
    GridAttributes &a = grid.Attributes();
    a.SetAlignCell(2, 3, alRight);
    a.SetAlignCol(4, alCenter);
    a.SetFixedAlignCol(0, alRight);
    a.SetAlignRow(1, alCenter);
    a.SetFixedAlignRow(0, alCenter);
    a.SetEditCell(3, 3, false);
    a.SetEditCol(5, false);
    a.SetEditRow(2, false);
    a.SetHintCell(1, 4, "Monthly payment");
    QFont font("Liberation Serif");
    font.setPixelSize(13);
    font.setBold(true);
    font.setItalic(true);
    a.FontCell(2, 2).SetFont(font);
    a.FontCell(2, 2).SetColor(clMaroon);
    font.setPointSize(9);
    font.setBold(false);
    a.FontCol(3).SetFont(font);
    a.FontRow(4).SetColor(clBlue);
    a.FontFixedCol(0).SetColor(clRed);
    a.FontFixedRow(0).SetColor(clPurple);
    a.BrushCell(1, 1).SetStyle(Qt::Dense3Pattern);
    grid.SetColorCol(4, clYellow);
    grid.SetColorRow(3, clYellow);
    grid.SetColorFixedCol(0, clGray);
    grid.SetColorFixedRow(0, clOlive);
    a.SetSelectedColorCell(5, 4, clAqua);
    a.SetSelectedColorCol(1, clFuchsia);
    a.SetSelectedColorRow(2, clNavy);
    grid.SetCells(1, 1, "100,000.00");
    grid.SetCells(3, 0, "8.750%");
    grid.SetCells(5, 4, "A\r\nB");
}

TEST(GridPersistence, RoundTripRestoresEveryAttributeAndText)
{
    TStyledGrid original;
    Configure(original);
    const QByteArray block = original.SaveKeys();

    TStyledGrid copy;
    copy.SetColCount(6);
    copy.SetRowCount(5);
    copy.SetCells(4, 4, "stale text");
    copy.LoadKeys(block);

    for (int col = 0; col < 6; ++col) {
        for (int row = 0; row < 5; ++row) {
            SCOPED_TRACE(testing::Message() << "cell " << col << ", " << row);
            EXPECT_EQ(copy.Cells(col, row), original.Cells(col, row));
            EXPECT_EQ(copy.CellAlignment(col, row), original.CellAlignment(col, row));
            EXPECT_EQ(copy.CellEditable(col, row), original.CellEditable(col, row));
            EXPECT_EQ(copy.CellBrush(col, row).Color(), original.CellBrush(col, row).Color());
            EXPECT_EQ(copy.CellBrush(col, row).Style(), original.CellBrush(col, row).Style());
            EXPECT_EQ(copy.CellFont(col, row).Color(), original.CellFont(col, row).Color());
            EXPECT_EQ(copy.CellFont(col, row).Font(), original.CellFont(col, row).Font());
            EXPECT_EQ(copy.SelectedCellColorAt(col, row), original.SelectedCellColorAt(col, row));
            EXPECT_EQ(copy.CellHint(col, row), original.CellHint(col, row));
        }
    }
    EXPECT_EQ(copy.SaveKeys(), block);
}

TEST(GridPersistence, RecordBlocksAreLittleEndianFiveAndThreeByteRecords)
{
    GridAttributes a;
    a.SetAlignCell(258, 3, alCenter);
    a.SetAlignCell(1, 2, alRight);
    a.SetEditRow(7, false);
    const QByteArray block = WriteGridKeys(
        a, [](int, int) { return QString(); }, 300, 10);

    DescriptionReader in(block);
    ASSERT_EQ(in.ReadKey(), "AlignCell");
    // Columns ascending, then rows: (1, 2) before (258, 3).
    EXPECT_EQ(in.ReadRecordBlock(), QByteArray("\x01\x00\x02\x00\x00"
                                               "\x02\x01\x03\x00\x02",
                                               10));
    ASSERT_EQ(in.ReadKey(), "EditRow");
    EXPECT_EQ(in.ReadRecordBlock(), QByteArray("\x07\x00\x00", 3));
    EXPECT_TRUE(in.AtEnd());
}

TEST(GridPersistence, WritesOnlyFlaggedKeysModifiedBrushesAndEntriesInsideTheGrid)
{
    GridAttributes a;
    a.BrushCol(2);                       // created but never changed: not written
    a.BrushCol(3).SetColor(clYellow);    // written
    a.BrushCol(40).SetColor(clYellow);   // outside a 10-column grid: not written
    a.Tables().AlignRow.Set(1, alRight); // no flag: key not written
    const QByteArray block = WriteGridKeys(
        a, [](int col, int row) { return col == 1 && row == 1 ? QString("x") : QString(); }, 10, 10);

    DescriptionReader in(block);
    ASSERT_EQ(in.ReadKey(), "BrushCol");
    in.BeginList();
    EXPECT_EQ(in.ReadInteger(), 3);
    EXPECT_EQ(ColorFromValue(in.ReadInteger()), clYellow);
    EXPECT_EQ(in.ReadInteger(), Qt::SolidPattern);
    EXPECT_TRUE(in.EndOfList());
    EXPECT_TRUE(in.AtEnd()); // no "Cells" key: its flag was never set
}

TEST(GridPersistence, ReadOnlyColourKeysSetTheBrushColour)
{
    DescriptionWriter out;
    out.BeginKey("ColorCol");
    out.BeginList();
    out.WriteInteger(4);
    out.WriteInteger(ColorToValue(clYellow));
    out.EndList();
    out.BeginKey("ColorCell");
    out.BeginList();
    out.WriteInteger(2);
    out.WriteInteger(3);
    out.WriteInteger(ColorToValue(clRed));
    out.EndList();
    out.BeginKey("SomethingElse");
    out.WriteRecordBlock(QByteArray("\x01\x02", 2));

    GridAttributes a;
    std::vector<StoredCellText> cells;
    ReadGridKeys(out.Data(), a, cells);
    EXPECT_EQ(a.CellBrush(4, 1, false).Color(), clYellow);
    EXPECT_EQ(a.CellBrush(2, 3, false).Color(), clRed);
    EXPECT_TRUE(a.HasData("ColorCol"));
    EXPECT_TRUE(a.HasData("BrushCol"));
}

TEST(GridPersistence, ColourValueKeepsRedInTheLowByte)
{
    EXPECT_EQ(ColorToValue(clRed), 0x0000ff);
    EXPECT_EQ(ColorToValue(clBlue), 0xff0000);
    EXPECT_EQ(ColorFromValue(0x00ffff), clYellow);
}

class MalformedBlock : public testing::TestWithParam<QByteArray> {};

TEST_P(MalformedBlock, RaisesTheDescriptionError)
{
    GridAttributes a;
    std::vector<StoredCellText> cells;
    EXPECT_THROW(ReadGridKeys(GetParam(), a, cells), GridDescriptionError);
}

INSTANTIATE_TEST_SUITE_P(Blocks, MalformedBlock,
                         testing::Values(QByteArray("\x09"
                                                    "AlignCe",
                                                    8), // key cut short
                                         QByteArray("\x08"
                                                    "AlignCol\x0a\x09\x00\x00\x00",
                                                    14), // block too long
                                         QByteArray("\x08"
                                                    "HintCell\x01\x06",
                                                    11), // string cut short
                                         QByteArray("\x08"
                                                    "BrushCol\x01\x04\x01\x00\x00\x00\x06",
                                                    16),
                                         QByteArray("\x08"
                                                    "AlignCol\x0a\x03\x00\x00\x00\xff\xff\x01",
                                                    17),
                                         // a column index far beyond any grid, which would take gigabytes
                                         QByteArray("\x08"
                                                    "HintCell\x01\x04\xff\xff\xff\x7f\x04\x00\x00\x00\x00"
                                                    "\x06\x00\x00\x00\x00\x00",
                                                    26),
                                         // a complete entry one row past the 16-bit reach
                                         QByteArray("\x07"
                                                    "FontRow\x01\x04\x00\x80\x00\x00\x04\x00\x00\x00\x00"
                                                    "\x04\xf5\xff\xff\xff\x06\x05\x00\x00\x00"
                                                    "Arial\x04\x00\x00\x00\x00\x04\x00\x00\x00\x00\x00",
                                                    45)));
} // namespace

namespace {
TEST(GridPersistence, MalformedBlockLeavesTheTextsAlone)
{
    TStyledGrid grid;
    grid.SetCells(1, 1, "kept");
    const QByteArray block = QByteArray("\x08"
                                        "AlignCol\x0a\x03\x00\x00\x00\x02\x00\x00",
                                        17) +
                             QByteArray("\x05"
                                        "Cells\x01\x04",
                                        8);
    EXPECT_THROW(grid.LoadKeys(block), GridDescriptionError);
    EXPECT_EQ(grid.Cells(1, 1), "kept");
    EXPECT_EQ(grid.CellAlignment(2, 1), alRight); // read before the fault
}
} // namespace
