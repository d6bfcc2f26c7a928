#include "controls/flatbutton/FlatButtonGeometry.h"

#include <gtest/gtest.h>

namespace {
using L = TFlatButtonLayout;
using A = TAlignment;

struct LayoutCase {
    const char *Name;
    FlatButtonGeometryInput Input;
    QPoint Glyph;
    QRect Text;
    QPoint PopupMark;
};

FlatButtonGeometryInput Input(QSize button, QSize glyph, QSize caption, L layout, A alignment,
                              bool popupMark = false, bool wordWrap = false)
{
    FlatButtonGeometryInput input;
    input.Button = button;
    input.Glyph = glyph;
    input.CaptionShown = caption.isValid();
    input.Caption = caption;
    input.Layout = layout;
    input.Alignment = alignment;
    input.PopupMark = popupMark;
    input.WordWrap = wordWrap;
    return input;
}

class FlatButtonGeometryTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(FlatButtonGeometryTable, PlacesGlyphCaptionAndMark)
{
    const LayoutCase &c = GetParam();
    const FlatButtonGeometry layout = LayOutFlatButton(c.Input);
    EXPECT_EQ(layout.Glyph, c.Glyph);
    EXPECT_EQ(layout.Text.topLeft(), c.Text.topLeft());
    EXPECT_EQ(layout.Text.width(), c.Text.width());
    EXPECT_EQ(layout.Text.height(), c.Text.height());
    EXPECT_EQ(layout.PopupMark, c.PopupMark);
}

const QSize Button(50, 40);
const QSize Glyph(20, 20);
const QSize NoCaption;

INSTANTIATE_TEST_SUITE_P(
    Layouts, FlatButtonGeometryTable,
    testing::Values(LayoutCase{"TopCentred",
                               Input(Button, Glyph, {30, 14}, L::blBitmapTop, A::taCenter),
                               {15, 2},
                               {10, 24, 30, 14},
                               {38, 12}},
                    LayoutCase{"TopLeft",
                               Input(Button, Glyph, {30, 14}, L::blBitmapTop, A::taLeftJustify),
                               {3, 2},
                               {3, 24, 30, 14},
                               {26, 12}},
                    LayoutCase{"BottomRight",
                               Input(Button, Glyph, {30, 14}, L::blBitmapBottom, A::taRightJustify),
                               {27, 18},
                               {17, 2, 30, 14},
                               {50, 28}},
                    LayoutCase{"TopCaptionWiderThanButton",
                               Input(Button, Glyph, {60, 14}, L::blBitmapTop, A::taCenter),
                               {15, 2},
                               {2, 24, 46, 14},
                               {38, 12}},
                    // Halving truncates toward zero: (20 - 47) / 2 is -13, not -14.
                    LayoutCase{"TopGlyphTallerThanButton",
                               Input({50, 20}, {20, 31}, {10, 14}, L::blBitmapTop, A::taCenter),
                               {15, -13},
                               {20, 20, 10, 14},
                               {38, 2}},
                    LayoutCase{"IconOnlyToolbarButton",
                               Input({25, 24}, {18, 18}, NoCaption, L::blBitmapTop, A::taCenter),
                               {3, 3},
                               {12, 21, 0, 0},
                               {24, 12}},
                    LayoutCase{"WideCloseButtonGlyphLeft",
                               Input({216, 29}, {18, 18}, NoCaption, L::blBitmapLeft, A::taCenter),
                               {99, 5},
                               {117, 14, 0, 0},
                               {120, 14}},
                    LayoutCase{"LeftCentredWithMark",
                               Input({93, 24}, {16, 16}, {60, 14}, L::blBitmapLeft, A::taCenter, true),
                               {2, 4},
                               {30, 5, 60, 14},
                               {21, 12}},
                    LayoutCase{"LeftCaptionShortened",
                               Input(Button, Glyph, {40, 14}, L::blBitmapLeft, A::taLeftJustify),
                               {3, 10},
                               {25, 13, 24, 14},
                               {26, 20}},
                    LayoutCase{"LeftRight",
                               Input(Button, Glyph, {10, 14}, L::blBitmapLeft, A::taRightJustify),
                               {15, 10},
                               {37, 13, 10, 14},
                               {38, 20}},
                    LayoutCase{"RightLeft",
                               Input(Button, Glyph, {10, 14}, L::blBitmapRight, A::taLeftJustify),
                               {15, 10},
                               {3, 13, 10, 14},
                               {38, 20}},
                    LayoutCase{"RightRight",
                               Input(Button, Glyph, {10, 14}, L::blBitmapRight, A::taRightJustify),
                               {27, 10},
                               {15, 13, 10, 14},
                               {50, 20}},
                    LayoutCase{"RightCentred",
                               Input(Button, Glyph, {10, 14}, L::blBitmapRight, A::taCenter),
                               {21, 10},
                               {9, 13, 10, 14},
                               {44, 20}},
                    LayoutCase{"WordWrapKeepsFiveFromTheRight",
                               Input(Button, Glyph, {30, 28}, L::blBitmapLeft, A::taLeftJustify, false, true),
                               {3, 10},
                               {25, 6, 20, 28},
                               {26, 20}},
                    LayoutCase{"CaptionOnlyLeft",
                               Input(Button, {}, {20, 14}, L::blBitmapTop, A::taLeftJustify),
                               {0, 0},
                               {3, 13, 20, 14},
                               {26, 20}},
                    LayoutCase{"CaptionOnlyRightWithMark",
                               Input(Button, {}, {20, 14}, L::blBitmapTop, A::taRightJustify, true),
                               {0, 0},
                               {17, 13, 20, 14},
                               {40, 20}},
                    // Placed as 50 wide, drawn at most 36 wide: the mark follows the shortened caption.
                    LayoutCase{"CaptionOnlyCentredWithMark",
                               Input(Button, {}, {40, 14}, L::blBitmapTop, A::taCenter, true),
                               {0, 0},
                               {0, 13, 36, 14},
                               {39, 20}}),
    [](const testing::TestParamInfo<LayoutCase> &info) { return std::string(info.param.Name); });

TEST(PopupMarkRows, AreSevenFiveThreeAndOnePixelsWide)
{
    const QList<QRect> rows = PopupMarkRows({10, 20});
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], QRect(QPoint(10, 19), QPoint(16, 19)));
    EXPECT_EQ(rows[1], QRect(QPoint(11, 20), QPoint(15, 20)));
    EXPECT_EQ(rows[2], QRect(QPoint(12, 21), QPoint(14, 21)));
    EXPECT_EQ(rows[3], QRect(QPoint(13, 22), QPoint(13, 22)));
}

struct MarksCase {
    const char *Name;
    const char *Caption;
    const char *Stripped;
    int Accelerator;
};

class AcceleratorMarks : public testing::TestWithParam<MarksCase> {};

TEST_P(AcceleratorMarks, AreStrippedAndTheMarkedLetterFound)
{
    const MarksCase &c = GetParam();
    EXPECT_EQ(StripAcceleratorMarks(QString::fromUtf8(c.Caption)), QString::fromUtf8(c.Stripped));
    EXPECT_EQ(AcceleratorIndex(QString::fromUtf8(c.Caption)), c.Accelerator);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AcceleratorMarks,
    testing::Values(MarksCase{"Print", "&Print", "Print", 0}, MarksCase{"Exit", "E&xit", "Exit", 1},
                    MarksCase{"DoubledAmpersand", "A&&B", "A&B", -1},
                    MarksCase{"LoneAmpersandAtEnd", "Save&", "Save&", -1},
                    MarksCase{"DoubledThenMarked", "&&&x", "&x", 1},
                    MarksCase{"LeadingBlank", " Zoom &Out", " Zoom Out", 6}, MarksCase{"Empty", "", "", -1}),
    [](const testing::TestParamInfo<MarksCase> &info) { return std::string(info.param.Name); });
} // namespace
