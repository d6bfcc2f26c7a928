#include "report/preview/PreviewGeometry.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {
// An A4 sheet in screen pixels.
const QSize A4(794, 1123);

struct ZoomCase {
    const char *Name;
    QSize View;
    int FitPage;
    int PageWidth;
};

void PrintTo(const ZoomCase &row, std::ostream *out)
{
    *out << row.Name;
}

class PreviewZoomTest : public testing::TestWithParam<ZoomCase> {};

TEST_P(PreviewZoomTest, FitPageTakesTheSmallerFitAndPageWidthFillsTheWidth)
{
    const ZoomCase &row = GetParam();
    EXPECT_EQ(FitPageZoom(row.View, A4, true), (PreviewZoom{row.FitPage, TPreviewZoomMode::FitPage}));
    EXPECT_EQ(PageWidthZoom(row.View, A4, true), (PreviewZoom{row.PageWidth, TPreviewZoomMode::PageWidth}));
}

INSTANTIATE_TEST_SUITE_P(Views, PreviewZoomTest,
                         testing::Values(
                             // Wider than the sheet's proportions: the height decides.
                             ZoomCase{"FullScreen", {1266, 994}, 84, 156},
                             // Narrower: the width decides.
                             ZoomCase{"Tall", {400, 1200}, 48, 49},
                             // 632 x 405 is the window's design size.
                             ZoomCase{"DesignSize", {632, 405}, 34, 78}),
                         [](const testing::TestParamInfo<ZoomCase> &info) {
                             return std::string(info.param.Name);
                         });

TEST(PreviewZoom, WithoutAPrinterTheFittingZoomsAreAnExplicitHundred)
{
    const PreviewZoom hundred{100, TPreviewZoomMode::Explicit};
    EXPECT_EQ(FitPageZoom({1266, 994}, A4, false), hundred);
    EXPECT_EQ(PageWidthZoom({1266, 994}, A4, false), hundred);
}

struct ResizeCase {
    const char *Name;
    PreviewZoom Before;
    PreviewZoom After; // in a 633 x 405 view
};

void PrintTo(const ResizeCase &row, std::ostream *out)
{
    *out << row.Name;
}

class PreviewResizeTest : public testing::TestWithParam<ResizeCase> {};

TEST_P(PreviewResizeTest, FittingModesFitAgainAndAnExplicitZoomStays)
{
    const ResizeCase &row = GetParam();
    EXPECT_EQ(ZoomAfterResize(row.Before, {633, 405}, A4, true), row.After);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PreviewResizeTest,
    testing::Values(
        ResizeCase{"FitPage", {84, TPreviewZoomMode::FitPage}, {34, TPreviewZoomMode::FitPage}},
        ResizeCase{"PageWidth", {156, TPreviewZoomMode::PageWidth}, {78, TPreviewZoomMode::PageWidth}},
        ResizeCase{"Explicit", {100, TPreviewZoomMode::Explicit}, {100, TPreviewZoomMode::Explicit}}),
    [](const testing::TestParamInfo<ResizeCase> &info) { return std::string(info.param.Name); });

TEST(PreviewSheet, IsTheScaledSheetPlusFourPixelsOfOutlineAndShadow)
{
    EXPECT_EQ(SheetWidgetSize(A4, 100), QSize(798, 1127));
    EXPECT_EQ(SheetWidgetSize(A4, 84), QSize(671, 947)); // 666.96 and 943.32
}

TEST(PreviewSheet, StandsCentredAlongAnAxisWhereItIsSmallerAndAtZeroWhereItIsNot)
{
    EXPECT_EQ(SheetWidgetOrigin({1266, 994}, {671, 947}), QPoint(297, 23)); // halves truncated
    EXPECT_EQ(SheetWidgetOrigin({1266, 994}, {798, 1127}), QPoint(234, 0));
    EXPECT_EQ(SheetWidgetOrigin({400, 300}, {400, 1127}), QPoint(0, 0)); // as wide as the view
}

TEST(PreviewSheet, PageEndsWhereThePrintableAreaEndsOnTheSheet)
{
    // A Letter page of 768 x 1008 pixels at offset 24: at 100 % from 25 to 792 (exclusive), not to 768,
    // which would squeeze the page by its margin.
    EXPECT_EQ(PageImageRect({24, 24}, {768, 1008}, 100), QRect(QPoint(25, 25), QPoint(791, 1031)));
    EXPECT_EQ(PageImageRect({24, 24}, {768, 1008}, 50), QRect(QPoint(13, 13), QPoint(395, 515)));
}
TEST(ZoomViewText, NamesTheFittingViewsAndGivesAnExplicitZoomInPercent)
{
    EXPECT_EQ(ZoomViewText({57, TPreviewZoomMode::FitPage}), QStringLiteral("Whole page"));
    EXPECT_EQ(ZoomViewText({120, TPreviewZoomMode::PageWidth}), QStringLiteral("Page width"));
    EXPECT_EQ(ZoomViewText({100, TPreviewZoomMode::Explicit}), QStringLiteral("100 %"));
}
} // namespace
