#include "report/engine/BandReport.h"

#include "report/engine/RPBand.h"
#include "report/engine/RPControls.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/PageOperations.h"

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
    AddLabel(AddBand(TBandType::rbColumnHeader, 30), QStringLiteral("column"), 0);
    AddLabel(AddBand(TBandType::rbDetail, 500), QStringLiteral("row"), 0);
    FeedRecords(3);

    const auto &pages = Record();

    // Each column Round((768 - 19.2) / 2) = 374 wide; the second starts 374 + 19 across.
    ASSERT_EQ(pages.size(), 2u);
    const auto rows = TextsOf(pages[0], QStringLiteral("row"));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Origin, QPoint(0, 32 * 4));
    EXPECT_EQ(rows[1].Origin, QPoint(393 * 4, 32 * 4));
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("column")).size(), 2u);
    EXPECT_EQ(TextsOf(pages[1], QStringLiteral("row")).at(0).Origin, QPoint(0, 32 * 4));
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
    report.SetPageFrame(none);

    const auto lines = OperationsOf<LineOp>(Record().at(0));

    // Along the band's column, 768 wide: its top, then its right edge; the page frame's pen draws none.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].From, QPoint(0, 0));
    EXPECT_EQ(lines[0].To, QPoint(768 * 4, 0));
    EXPECT_EQ(lines[1].From, QPoint(768 * 4, 0));
    EXPECT_EQ(lines[1].To, QPoint(768 * 4, 100 * 4));
    EXPECT_EQ(lines[0].Pen.width(), 4);
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
    // Nine rows of 100 fill 900 of the 958 pixels above the footer; the summary needs 100 more.
    TRPBand *detail = AddBand(TBandType::rbDetail, 100);
    TRPLabel *row = AddLabel(detail, QString());
    AddLabel(AddBand(TBandType::rbSummary, 100), QStringLiteral("total"));
    AddLabel(AddBand(TBandType::rbPageFooter, 50), QStringLiteral("footer"));
    int records = 0;
    report.OnNeedData = [&](TRPComponent *, bool &moreData) {
        moreData = ++records <= 9;
        row->SetCaption(moreData ? QStringLiteral("row %1").arg(records) : QString());
    };

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

TEST_F(BandReportTest, BandTallerThanThePagePrintsOnAPageOfOnlyHeadings)
{
    AddLabel(AddBand(TBandType::rbPageHeader, 40), QStringLiteral("header"));
    AddLabel(AddBand(TBandType::rbDetail, 2000), QStringLiteral("row"));
    FeedRecords(2);

    const auto &pages = Record();

    ASSERT_EQ(pages.size(), 2u);
    for (const RecordedPage &page : pages) {
        EXPECT_EQ(TextsOf(page, QStringLiteral("header")).size(), 1u);
        ASSERT_EQ(TextsOf(page, QStringLiteral("row")).size(), 1u);
        EXPECT_EQ(TextsOf(page, QStringLiteral("row"))[0].Origin.y(), (40 + 2) * 4);
    }
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
            if (auto *progress = qobject_cast<TRPProgressForm *>(window); progress && progress->isVisible())
                shown.push_back(
                    (progress->windowTitle() + QStringLiteral(": ") + progress->findChild<QLabel *>()->text())
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
