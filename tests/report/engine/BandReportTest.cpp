#include "report/engine/BandReport.h"

#include "report/engine/RPBand.h"
#include "report/engine/RPControls.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/PageOperations.h"
#include "tests/report/support/ReportValuePrinters.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A report on a Letter page (768 x 1008 design pixels) over a form the test fills.
class BandReportTest : public testing::Test {
protected:
    TRPBand *AddBand(TBandType type, int height)
    {
        TRPBand *band = form.CreateBand(type);
        band->SetHeight(height);
        return band;
    }
    TRPLabel *AddLabel(TRPBand *band, const QString &caption, int left = 10, int width = 100)
    {
        auto *label = band->Create<TRPLabel>();
        label->SetLeft(left);
        label->SetTop(2);
        label->SetWidth(width);
        label->SetHeight(15);
        label->SetCaption(caption);
        return label;
    }
    // Answers true `records` times, then false.
    void FeedRecords(int records)
    {
        report.OnNeedData = [this, records](TRPComponent *, bool &moreData) {
            presets.push_back(moreData);
            moreData = static_cast<int>(presets.size()) <= records;
        };
    }
    // Records of the heights given, "row 1", "row 2", ...
    void FeedRows(TRPBand *detail, const std::vector<int> &heights)
    {
        TRPLabel *row = AddLabel(detail, QString());
        report.OnNeedData = [this, detail, row, heights](TRPComponent *, bool &moreData) {
            const size_t next = presets.size();
            presets.push_back(moreData);
            moreData = next < heights.size();
            if (moreData) {
                detail->SetHeight(heights[next]);
                row->SetCaption(QStringLiteral("row %1").arg(next + 1));
            }
        };
    }
    // The index of the page that holds `text`, or the page count when none does.
    static size_t PageOf(const std::vector<RecordedPage> &pages, const QString &text)
    {
        size_t n = 0;
        while (n < pages.size() && TextsOf(pages[n], text).empty())
            ++n;
        return n;
    }
    const std::vector<RecordedPage> &Record()
    {
        report.CreateReport();
        return printer.Pages();
    }

    std::shared_ptr<FakePrinter> fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    TRPPrinter printer{std::make_unique<FakePrinterDevice>(fake)};
    TReportForm form;
    TBandReport report{form, printer};
    std::vector<bool> presets; // moreData as each OnNeedData call found it
};

TEST_F(BandReportTest, PropertiesKeepTheirSideRules)
{
    report.SetColumns(3);
    report.SetColumns(0);
    report.SetColumns(-2);
    EXPECT_EQ(report.Columns(), 3);

    report.SetLeftMarginInches(10);
    EXPECT_EQ(report.LeftMarginMM(), 25);
    EXPECT_EQ(report.LeftMargin().DesignPixels(), 96);
    report.SetColumnMarginMM(25); // 0.984 inches
    EXPECT_EQ(report.ColumnMarginInches(), 10);
    EXPECT_EQ(report.ColumnMargin().DesignPixels(), 94);

    TRPBand *band = AddBand(TBandType::rbDetail, 20);
    auto *line = band->Create<TRPShape>();
    QPen pen;
    pen.setWidth(2);
    line->SetPen(pen);
    line->SetShape(TRPShapeType::rpsVertLine);
    line->SetShape(TRPShapeType::rpsHorLine);
    EXPECT_EQ(line->Width(), 5);
    EXPECT_EQ(line->Height(), 5);
}

TEST_F(BandReportTest, FirstFetchIsPresetTrueLaterOnesFalse)
{
    AddLabel(AddBand(TBandType::rbDetail, 20), QStringLiteral("row"));
    report.OnNeedData = [this](TRPComponent *, bool &moreData) { presets.push_back(moreData); };

    const auto &pages = Record();

    // The handler leaves the answer alone: the preset alone decides, so one record prints.
    EXPECT_EQ(presets, (std::vector<bool>{true, false}));
    EXPECT_EQ(TextsOf(pages.at(0), QStringLiteral("row")).size(), 1u);
}

TEST_F(BandReportTest, SummaryFollowsTheLastDetailAndFooterEndsThePage)
{
    TRPBand *detail = AddBand(TBandType::rbDetail, 20);
    AddLabel(detail, QStringLiteral("row"));
    AddLabel(AddBand(TBandType::rbSummary, 30), QStringLiteral("total"));
    AddLabel(AddBand(TBandType::rbPageFooter, 50), QStringLiteral("footer"));
    FeedRecords(3);

    const auto &pages = Record();

    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("row")).size(), 3u);
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("total")).at(0).Origin.y(), (60 + 2) * 4);
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("footer")).at(0).Origin.y(), (1008 - 50 + 2) * 4);
}

TEST_F(BandReportTest, ColumnsFillAcrossBeforeANewPage)
{
    report.SetColumns(2);
    report.SetColumnMarginInches(2); // 19 pixels
    AddBand(TBandType::rbPageHeader, 40);
    AddLabel(AddBand(TBandType::rbColumnHeader, 30), QStringLiteral("column"), 0);
    AddLabel(AddBand(TBandType::rbDetail, 500), QStringLiteral("row"), 0);
    AddLabel(AddBand(TBandType::rbPageFooter, 20), QStringLiteral("footer"), 0);
    FeedRecords(4);

    const auto &pages = Record();

    // Each column Round((768 - 19.2) / 2) = 374 wide; the second starts 374 + 19 across.
    ASSERT_EQ(pages.size(), 2u);
    for (const RecordedPage &page : pages) {
        const auto rows = TextsOf(page, QStringLiteral("row"));
        ASSERT_EQ(rows.size(), 2u);
        // Both columns start below the page header and their own headers.
        EXPECT_EQ(rows[0].Origin, QPoint(0, (40 + 30 + 2) * 4));
        EXPECT_EQ(rows[1].Origin, QPoint(393 * 4, (40 + 30 + 2) * 4));
        EXPECT_EQ(TextsOf(page, QStringLiteral("column")).size(), 2u);
        // Across the page from its left margin, though the report ends in the second column.
        EXPECT_EQ(TextsOf(page, QStringLiteral("footer")).at(0).Origin, QPoint(0, (1008 - 20 + 2) * 4));
    }
}

TEST_F(BandReportTest, FramesDrawTheirEdgesOnly)
{
    TRPFrame edges;
    edges.DrawTop = true;
    edges.DrawRight = true;
    AddBand(TBandType::rbTitle, 100)->SetFrame(edges);
    TRPFrame none;
    none.Pen.setWidth(0);
    none.DrawBottom = true;
    AddBand(TBandType::rbDetail, 20)->SetFrame(none);
    TRPFrame page;
    page.DrawBottom = true;
    page.DrawRight = true;
    report.SetPageFrame(page);

    const auto lines = OperationsOf<LineOp>(Record().at(0));

    // Along the band's column, 768 wide: its top, then its right edge; the detail's pen draws none.
    // The page's edges run along its last pixel row and column, 1008 and 768 from its top-left.
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].From, QPoint(0, 0));
    EXPECT_EQ(lines[0].To, QPoint(768 * 4, 0));
    EXPECT_EQ(lines[1].From, QPoint(768 * 4, 0));
    EXPECT_EQ(lines[1].To, QPoint(768 * 4, 100 * 4));
    EXPECT_EQ(lines[0].Pen.width(), 4);
    EXPECT_EQ(lines[2].From, QPoint(0, 1007 * 4));
    EXPECT_EQ(lines[2].To, QPoint(767 * 4, 1007 * 4));
    EXPECT_EQ(lines[3].From, QPoint(767 * 4, 0));
    EXPECT_EQ(lines[3].To, QPoint(767 * 4, 1007 * 4));
}

TEST_F(BandReportTest, PageNumbersCountThePagesAndTellTheirCount)
{
    AddBand(TBandType::rbDetail, 600);
    TRPBand *footer = AddBand(TBandType::rbPageFooter, 20);
    auto *number = footer->Create<TRPSysData>();
    number->SetData(TRPSysDataType::rpsPageNumber);
    number->SetText(QStringLiteral("Page "));
    number->SetWidth(100);
    auto *ofCount = footer->Create<TRPSysData>();
    ofCount->SetData(TRPSysDataType::rpsPageOfCount);
    ofCount->SetText(QStringLiteral("Sheet "));
    ofCount->SetAlignment(TAlignment::taRightJustify);
    ofCount->SetWidth(100);
    FeedRecords(3);

    const auto &pages = Record();

    // The count is known only at the end; a right-justified text keeps its trailing blank.
    ASSERT_EQ(pages.size(), 3u);
    for (int n = 1; n <= 3; ++n) {
        const RecordedPage &page = pages[static_cast<size_t>(n - 1)];
        EXPECT_EQ(TextsOf(page, QStringLiteral("Page %1").arg(n)).size(), 1u);
        EXPECT_EQ(TextsOf(page, QStringLiteral("Sheet %1 of 3 ").arg(n)).size(), 1u);
    }
}

TEST_F(BandReportTest, SummaryThatWouldStandAloneTakesTheLastDetailOverWithIt)
{
    // Nine rows of 100 fill 900 of the 958 pixels above the footer; the summary would end exactly at
    // the footer's top, which leaves it no room.
    FeedRows(AddBand(TBandType::rbDetail, 0), std::vector<int>(9, 100));
    AddLabel(AddBand(TBandType::rbSummary, 58), QStringLiteral("total"));
    AddLabel(AddBand(TBandType::rbPageFooter, 50), QStringLiteral("footer"));

    const auto &pages = Record();

    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("row 8")).size(), 1u);
    EXPECT_TRUE(TextsOf(pages[0], QStringLiteral("row 9")).empty());
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("footer")).size(), 1u);
    // Moved whole, its band's fill too, to the top of the next page, where the summary follows it.
    const auto moved = TextsOf(pages[1], QStringLiteral("row 9"));
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved[0].Origin, QPoint(40, 2 * 4));
    EXPECT_EQ(OperationsOf<FillRectOp>(pages[1]).at(0).Rect, (PageRect{0, 0, 768 * 4, 100 * 4 - 1}));
    EXPECT_EQ(TextsOf(pages[1], QStringLiteral("total")).at(0).Origin.y(), (100 + 2) * 4);
}

struct FooterEdgeCase {
    const char *Name;
    int Height;
    size_t Pages;
};

class DetailAboveTheFooter : public BandReportTest, public testing::WithParamInterface<FooterEdgeCase> {};

// Two rows over the 958 pixels above a footer of 50.
TEST_P(DetailAboveTheFooter, StartsANewPageWhenItWouldEndAtTheFootersTop)
{
    FeedRows(AddBand(TBandType::rbDetail, 0), {GetParam().Height, GetParam().Height});
    AddLabel(AddBand(TBandType::rbPageFooter, 50), QStringLiteral("footer"));

    const auto &pages = Record();

    EXPECT_EQ(pages.size(), GetParam().Pages);
    EXPECT_EQ(PageOf(pages, QStringLiteral("row 2")), GetParam().Pages - 1);
}

INSTANTIATE_TEST_SUITE_P(Heights, DetailAboveTheFooter,
                         testing::Values(FooterEdgeCase{"EndingAPixelAbove", 478, 1},
                                         FooterEdgeCase{"EndingAtTheTop", 479, 2}),
                         [](const testing::TestParamInfo<FooterEdgeCase> &info) {
                             return std::string(info.param.Name);
                         });

struct TallBandCase {
    const char *Name;
    int TitleHeight; // 0: no title
    std::vector<size_t> RowPages;
};

class BandTallerThanThePage : public BandReportTest, public testing::WithParamInterface<TallBandCase> {};

// A band no page can hold prints below the headings of the first page that offers the most room.
TEST_P(BandTallerThanThePage, PrintsOnAPageOfOnlyHeadings)
{
    if (GetParam().TitleHeight > 0)
        AddLabel(AddBand(TBandType::rbTitle, GetParam().TitleHeight), QStringLiteral("title"));
    AddLabel(AddBand(TBandType::rbPageHeader, 40), QStringLiteral("header"));
    AddLabel(AddBand(TBandType::rbColumnHeader, 30), QStringLiteral("column"));
    FeedRows(AddBand(TBandType::rbDetail, 0), {2000, 2000});

    const auto &pages = Record();

    ASSERT_EQ(pages.size(), GetParam().RowPages.back() + 1);
    for (const RecordedPage &page : pages) {
        EXPECT_EQ(TextsOf(page, QStringLiteral("header")).size(), 1u);
        EXPECT_EQ(TextsOf(page, QStringLiteral("column")).size(), 1u);
    }
    for (size_t n = 0; n < 2; ++n) {
        const QString row = QStringLiteral("row %1").arg(n + 1);
        ASSERT_EQ(PageOf(pages, row), GetParam().RowPages[n]) << row.toStdString();
        EXPECT_EQ(TextsOf(pages[GetParam().RowPages[n]], row).at(0).Origin.y(), (40 + 30 + 2) * 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Headings, BandTallerThanThePage,
                         testing::Values(TallBandCase{"UnderThePageHeader", 0, {0, 1}},
                                         // Below the title the first page offers less room than the next one.
                                         TallBandCase{"UnderATitle", 100, {1, 2}}),
                         [](const testing::TestParamInfo<TallBandCase> &info) {
                             return std::string(info.param.Name);
                         });

struct LoneSummaryCase {
    const char *Name;
    int TitleHeight;        // 0: no title
    int ColumnHeaderHeight; // 0: no column header
    std::vector<int> Rows;
    int SummaryHeight;
};

class SummaryWithoutRoom : public BandReportTest, public testing::WithParamInterface<LoneSummaryCase> {};

// Where taking the last record along would not help, the summary goes on to the next page alone.
TEST_P(SummaryWithoutRoom, LeavesTheLastRecordWhereItIs)
{
    const LoneSummaryCase &c = GetParam();
    if (c.TitleHeight > 0)
        AddLabel(AddBand(TBandType::rbTitle, c.TitleHeight), QStringLiteral("title"));
    if (c.ColumnHeaderHeight > 0)
        AddBand(TBandType::rbColumnHeader, c.ColumnHeaderHeight);
    FeedRows(AddBand(TBandType::rbDetail, 0), c.Rows);
    AddLabel(AddBand(TBandType::rbSummary, c.SummaryHeight), QStringLiteral("total"));
    AddLabel(AddBand(TBandType::rbPageFooter, 50), QStringLiteral("footer"));

    const auto &pages = Record();

    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(PageOf(pages, QStringLiteral("row %1").arg(c.Rows.size())), 0u);
    const auto total = TextsOf(pages[1], QStringLiteral("total"));
    ASSERT_EQ(total.size(), 1u);
    EXPECT_EQ(total[0].Origin.y(), (c.ColumnHeaderHeight + 2) * 4);
}

INSTANTIATE_TEST_SUITE_P(
    Records, SummaryWithoutRoom,
    testing::Values(
        // Its record opens the column under the title: moved, it would leave the headings alone.
        LoneSummaryCase{"RecordOpensTheColumn", 100, 30, {800}, 100},
        // Together on the next page they would end exactly at the footer's top: no room either.
        LoneSummaryCase{"TogetherTheyWouldEndAtTheFootersTop", 0, 0, {100, 800}, 158}),
    [](const testing::TestParamInfo<LoneSummaryCase> &info) { return std::string(info.param.Name); });

TEST_F(BandReportTest, ForcedNewPageStartsEveryRecordButTheFirst)
{
    TRPBand *detail = AddBand(TBandType::rbDetail, 20);
    detail->SetForceNewPage(true);
    AddLabel(detail, QStringLiteral("row"));
    FeedRecords(3);

    const auto &pages = Record();

    ASSERT_EQ(pages.size(), 3u);
    for (const RecordedPage &page : pages)
        EXPECT_EQ(TextsOf(page, QStringLiteral("row")).size(), 1u);
}

TEST_F(BandReportTest, LabelsPlaceTheirTextByAlignment)
{
    TRPBand *band = AddBand(TBandType::rbTitle, 100);
    TRPFont font{QFont(QStringLiteral("Arial")), Qt::black};
    font.Font.setPointSize(9);
    AddLabel(band, QStringLiteral("left"), 10)->SetFont(font);
    AddLabel(band, QStringLiteral("right"), 10)->SetAlignment(TAlignment::taRightJustify);
    TRPLabel *centred = AddLabel(band, QStringLiteral("centre"), 11, 81);
    centred->SetAlignment(TAlignment::taCenter);
    centred->SetAutoSize(false);
    AddLabel(band, QStringLiteral("clear"))->SetTransparent(true);
    AddLabel(band, QString());

    const RecordedPage &page = Record().at(0);

    const TextOp left = TextsOf(page, QStringLiteral("left")).at(0);
    EXPECT_EQ(left.Origin, QPoint(40, 8));
    EXPECT_EQ(left.Alignment, Qt::AlignLeft);
    EXPECT_EQ(left.Font.pointSize(), 36);
    EXPECT_FALSE(left.Clip.has_value()); // auto-sized
    const TextOp right = TextsOf(page, QStringLiteral("right ")).at(0);
    EXPECT_EQ(right.Origin.x(), 110 * 4);
    EXPECT_EQ(right.Alignment, Qt::AlignRight);
    const TextOp centre = TextsOf(page, QStringLiteral("centre")).at(0);
    EXPECT_EQ(centre.Origin.x(), (11 + 40) * 4);
    EXPECT_EQ(centre.Alignment, Qt::AlignHCenter);
    EXPECT_EQ(centre.Clip, (PageRect{44, 8, 368, 68}));
    // The band's fill and one fill per opaque label with a caption: not the transparent one, nor the
    // empty one.
    EXPECT_EQ(OperationsOf<FillRectOp>(page).size(), 4u);
    EXPECT_EQ(OperationsOf<TextOp>(page).size(), 4u);
}

TEST_F(BandReportTest, FormAtAnotherResolutionScalesPositionsAndFonts)
{
    form.SetPixelsPerInch(120); // scale 1.25
    TRPFont font{QFont(QStringLiteral("Arial")), Qt::black};
    font.Font.setPointSize(9);
    AddLabel(AddBand(TBandType::rbDetail, 20), QStringLiteral("row"), 10)->SetFont(font);

    const TextOp row = TextsOf(Record().at(0), QStringLiteral("row")).at(0);

    // 12.5 and 2.5 pixels round half to even; 9 points become 11.25, rounded to 11.
    EXPECT_EQ(row.Origin, QPoint(12 * 4, 2 * 4));
    EXPECT_EQ(row.Font.pointSize(), 11 * 4);
}

TEST_F(BandReportTest, PreviewShowsTheFinishedDocumentThenDiscardsIt)
{
    AddLabel(AddBand(TBandType::rbDetail, 20), QStringLiteral("row"));
    int previews = 0;
    printer.SetPreviewHook([&] {
        ++previews;
        EXPECT_EQ(printer.PrinterState(), TRPPrinterState::Finished);
        EXPECT_EQ(printer.PageCount(), 1);
    });
    // A second preview asked for while the document is built starts nothing.
    report.OnNeedData = [&](TRPComponent *, bool &) { report.PreviewReport(); };

    report.PreviewReport();

    EXPECT_EQ(previews, 1);
    EXPECT_EQ(printer.PrinterState(), TRPPrinterState::Idle);
}

TEST_F(BandReportTest, RefusedRunShowsNothing)
{
    AddLabel(AddBand(TBandType::rbDetail, 20), QStringLiteral("row"));
    bool previewed = false;
    printer.SetPreviewHook([&] { previewed = true; });
    report.BeforePrint = [](TRPComponent *, bool &printReport) { printReport = false; };

    report.PreviewReport();

    EXPECT_FALSE(previewed);
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_EQ(printer.PrinterState(), TRPPrinterState::Idle);
}

TEST_F(BandReportTest, ProgressWindowShowsWhileTheReportIsMadeUnlessTurnedOff)
{
    report.SetReportTitle(QStringLiteral("Chart"));
    printer.SetProgressTitle(QStringLiteral("Preparing"));
    // The caption and text of each progress window on the screen.
    const auto shownProgress = [] {
        std::vector<std::string> shown;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->inherits("TRPProgressForm") && window->isVisible())
                shown.push_back(
                    (window->windowTitle() + QStringLiteral(": ") + window->findChild<QLabel *>()->text())
                        .toStdString());
        }
        return shown;
    };
    std::vector<std::string> seen; // as each record is asked for
    report.OnNeedData = [&](TRPComponent *, bool &) {
        const auto shown = shownProgress();
        seen.insert(seen.end(), shown.begin(), shown.end());
    };

    report.CreateReport();
    printer.DiscardPages();
    report.SetShowProgress(false);
    report.CreateReport();

    EXPECT_EQ(seen, std::vector<std::string>(2, "Preparing: Preparing report Chart"));
    EXPECT_TRUE(shownProgress().empty()) << "closed once the report is made";
}

TEST_F(BandReportTest, FailingHandlerReachesTheCallerWithThePrinterIdle)
{
    TRPBand *detail = AddBand(TBandType::rbDetail, 20);
    AddLabel(detail, QStringLiteral("row"));
    bool previewed = false;
    printer.SetPreviewHook([&] { previewed = true; });
    detail->BeforePrint = [](TRPComponent *, bool &) { throw std::runtime_error("band failed"); };

    EXPECT_THROW(report.PreviewReport(), std::runtime_error);

    EXPECT_FALSE(previewed);
    EXPECT_EQ(printer.PrinterState(), TRPPrinterState::Idle);
    EXPECT_TRUE(printer.Pages().empty());
}

} // namespace
