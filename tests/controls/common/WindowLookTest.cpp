#include "controls/common/WindowLook.h"

#include <gtest/gtest.h>
#include <string>

namespace {
template <class Case> std::string RowName(const testing::TestParamInfo<Case> &info)
{
    return info.param.Name;
}

struct CentringCase {
    const char *Name;
    QRect Area;
    QSize Size;
    QPoint Expected;
};

class CentredInTest : public testing::TestWithParam<CentringCase> {};

TEST_P(CentredInTest, PlacesTheTopLeftCorner)
{
    const CentringCase &c = GetParam();
    EXPECT_EQ(CentredIn(c.Area, c.Size), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CentredInTest,
    testing::Values(CentringCase{"OddSpareTruncates", {100, 50, 301, 201}, {100, 100}, {200, 100}},
                    // Halving truncates toward zero: -1 / 2 is 0, -3 / 2 is -1.
                    CentringCase{"LargerGoesPastTheEdge", {10, 10, 100, 100}, {103, 101}, {9, 10}}),
    RowName<CentringCase>);

// The available area of a 1280 x 1024 screen with a 30-pixel panel at the top, in device-independent
// pixels at the scale factors 1, 1.5 and 2.
struct Scale {
    const char *Name;
    QRect Screen;
    QRect Available;
};
const Scale Scale1{"Scale1", {0, 0, 1280, 1024}, {0, 30, 1280, 994}};
const Scale Scale15{"Scale15", {0, 0, 853, 683}, {0, 20, 853, 663}};
const Scale Scale2{"Scale2", {0, 0, 640, 512}, {0, 15, 640, 497}};

struct RatioCase {
    const char *Name;
    qreal Ratio;
    QRect Expected;
};

class WithinDevicePixelsTest : public testing::TestWithParam<RatioCase> {};

// 683 at 1.5 would end at device pixel 1024.5, past a 1024-pixel screen.
TEST_P(WithinDevicePixelsTest, KeepsRoundedFramesOnTheScreen)
{
    EXPECT_EQ(WithinDevicePixels(Scale15.Available, GetParam().Ratio), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, WithinDevicePixelsTest,
                         testing::Values(RatioCase{"Whole", 2, Scale15.Available},
                                         RatioCase{"OneAndAHalf", 1.5, {0, 20, 852, 662}},
                                         RatioCase{"OneAndAQuarter", 1.25, {0, 20, 852, 662}}),
                         RowName<RatioCase>);

struct KeptCase {
    const char *Name;
    QRect Frame;
    QRect Area;
    QRect Expected;
};

class KeptInsideTest : public testing::TestWithParam<KeptCase> {};

TEST_P(KeptInsideTest, LiesWhollyInsideTheArea)
{
    const KeptCase &c = GetParam();
    EXPECT_EQ(KeptInside(c.Frame, c.Area), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeptInsideTest,
    testing::Values(
        KeptCase{"InsideStays", {100, 100, 600, 480}, Scale1.Available, {100, 100, 600, 480}},
        KeptCase{
            "PastTheRightAndBottomMovesBack", {300, 300, 602, 505}, Scale2.Available, {38, 15, 602, 497}},
        KeptCase{"PastTheTopLeftMovesBack", {-5, 10, 574, 431}, Scale15.Available, {0, 20, 574, 431}},
        KeptCase{"LargerShrinksToTheArea", {10, 10, 900, 700}, Scale15.Available, {0, 20, 853, 663}}),
    RowName<KeptCase>);

struct ScreenCase {
    const char *Name;
    Scale On;
    QSize Frame;
    QRect Expected;
};

class CentredOnScreenTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(CentredOnScreenTest, CentresOnTheScreenInsideItsAvailableArea)
{
    const ScreenCase &c = GetParam();
    EXPECT_EQ(CentredOnScreen(c.On.Screen, c.On.Available, c.Frame), c.Expected);
}

// The main window's outer frame, 574 x 431.
INSTANTIATE_TEST_SUITE_P(
    Rows, CentredOnScreenTest,
    testing::Values(ScreenCase{"Scale1", Scale1, {574, 431}, {353, 296, 574, 431}},
                    ScreenCase{"Scale15", Scale15, {574, 431}, {139, 126, 574, 431}},
                    // Centred on the screen it would reach under the panel: below it instead.
                    ScreenCase{"Scale2", Scale2, {574, 500}, {33, 15, 574, 497}},
                    ScreenCase{"LargerThanTheArea", Scale2, {700, 600}, {0, 15, 640, 497}}),
    RowName<ScreenCase>);

struct BesideCase {
    const char *Name;
    QRect Owner;
    int MinimumWidth;
    int Cascade;
    QRect Expected;
};

class BesideWindowTest : public testing::TestWithParam<BesideCase> {};

// A 600 x 480 window, at least 200 high, on a 1280 x 1000 area.
TEST_P(BesideWindowTest, StandsClearOfTheOwnerInsideTheArea)
{
    const BesideCase &c = GetParam();
    EXPECT_EQ(BesideWindow(c.Owner, {600, 480}, {c.MinimumWidth, 200}, {0, 0, 1280, 1000}, c.Cascade),
              c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BesideWindowTest,
    testing::Values(
        BesideCase{"RightWhereThereIsRoom", {100, 100, 400, 300}, 300, 0, {500, 100, 600, 480}},
        BesideCase{"ElseLeft", {700, 100, 400, 300}, 300, 0, {100, 100, 600, 480}},
        BesideCase{"ElseNarrowedOnTheRoomierSide", {300, 100, 566, 300}, 300, 0, {866, 100, 414, 480}},
        // Too narrow there: below, as high as the room, rather than over the owner.
        BesideCase{"ElseBelowOrAbove", {357, 100, 566, 600}, 400, 0, {357, 700, 600, 300}},
        BesideCase{"OverTheOwnerOnlyWhereNothingFits", {357, 100, 566, 850}, 400, 0, {880, 100, 400, 480}},
        // Away from the owner and down along it, the ninth at the first's place; never past the area.
        BesideCase{"CascadesAwayAndAlong", {100, 100, 400, 300}, 300, 2, {548, 148, 600, 480}},
        BesideCase{"CascadesAfreshAfterEight", {100, 100, 400, 300}, 300, 9, {524, 124, 600, 480}},
        BesideCase{"KeptAboveTheAreasBottom", {100, 800, 400, 100}, 300, 0, {500, 520, 600, 480}},
        // At the area's edges a later window is shortened, or where it cannot be, kept on the edge.
        BesideCase{"ShortenedAtTheAreasBottom", {100, 600, 400, 300}, 300, 1, {524, 544, 600, 456}},
        BesideCase{"AlongTheAreasRightEdge", {357, 100, 566, 850}, 400, 3, {880, 172, 400, 480}}),
    RowName<BesideCase>);

struct TitleBarCase {
    const char *Name;
    QRect TitleBar;
    QRect Frame;
    QRect Expected;
};

// The main window's title bar, 20 high, centred on a 1280 x 1024 screen at scale 1, and low on it.
const QRect CentredTitleBar(358, 319, 566, 20);
const QRect LowTitleBar(358, 800, 566, 20);

class ClearOfTitleBarTest : public testing::TestWithParam<TitleBarCase> {};

TEST_P(ClearOfTitleBarTest, LeavesTheTitleBarWithinReach)
{
    const TitleBarCase &c = GetParam();
    EXPECT_EQ(ClearOfTitleBar(c.Frame, c.TitleBar, Scale1.Available), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ClearOfTitleBarTest,
    testing::Values(
        TitleBarCase{"BesideItStays", CentredTitleBar, {924, 30, 356, 500}, {924, 30, 356, 500}},
        TitleBarCase{"BelowItStays", CentredTitleBar, {236, 339, 1044, 600}, {236, 339, 1044, 600}},
        // Widened over it from above: below it, shortened to the room there.
        TitleBarCase{
            "OverItMovesBelowAndShortens", CentredTitleBar, {236, 30, 1044, 800}, {236, 339, 1044, 685}},
        TitleBarCase{"AboveWhereThereIsMoreRoom", LowTitleBar, {236, 600, 1044, 300}, {236, 500, 1044, 300}},
        TitleBarCase{"ShortenedAboveIt", LowTitleBar, {236, 100, 1044, 900}, {236, 30, 1044, 770}}),
    RowName<TitleBarCase>);

// The schedule windows of the running program: 602 x 504 outer, at least 470 x 250, beside the main
// window (574 x 431) centred on a 1280 x 1024 screen. Each one lies inside the available area at its
// minimum size or more, apart from the one before it; the ninth at the first's place.
class ScheduleCascadeTest : public testing::TestWithParam<Scale> {};

TEST_P(ScheduleCascadeTest, EveryWindowInsideTheAreaCascading)
{
    const Scale &scale = GetParam();
    const QSize size(602, 504);
    const QSize minimum(470, 250);
    const QRect owner = CentredOnScreen(scale.Screen, scale.Available, {574, 431});
    QRect before;
    for (int cascade = 0; cascade < 8; ++cascade) {
        const QRect frame = BesideWindow(owner, size, minimum, scale.Available, cascade);
        EXPECT_TRUE(scale.Available.contains(frame)) << cascade;
        EXPECT_GE(frame.width(), minimum.width()) << cascade;
        EXPECT_GE(frame.height(), minimum.height()) << cascade;
        EXPECT_NE(frame.topLeft(), before.topLeft()) << cascade;
        before = frame;
    }
    EXPECT_EQ(BesideWindow(owner, size, minimum, scale.Available, 8),
              BesideWindow(owner, size, minimum, scale.Available, 0));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScheduleCascadeTest, testing::Values(Scale1, Scale15, Scale2),
                         RowName<Scale>);
} // namespace
