#include "report/schedule/SchedulePlotGeometry.h"

#include "report/printer/ReportPrinter.h"
#include "report/schedule/ScheduleReport.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/PageOperations.h"

#include <gtest/gtest.h>

namespace {

// The box from (10, 20) to (250, 170): 240 across, 150 down.
const QRectF Box(10, 20, 240, 150);

// Each tick as (position, text).
std::vector<std::pair<qreal, QString>> Marks(const std::vector<PlotTick> &ticks)
{
    std::vector<std::pair<qreal, QString>> marks;
    for (const PlotTick &tick : ticks)
        marks.emplace_back(tick.Position, tick.Text);
    return marks;
}

TEST(SchedulePlotGeometry, TheAxesRangesSpanTheBox)
{
    BalanceChart chart;
    chart.Time = {"Year", 2024, 2026, {{2025, "2025"}}};
    chart.Money = {"Balance", -100, 1400, {{0, "$0"}, {1400, "$1,400"}}};
    chart.Lines = {{"Without extras", {{2024, 1400}, {2026, 0}}},
                   {"With extras", {{2024, 1400}, {2025.5, 0}}}};
    chart.Payoff = {2025.5, 0};
    const BalancePlot plot = BalancePlotIn(chart, Box);
    ASSERT_EQ(plot.Lines.size(), 2u);
    EXPECT_EQ(plot.Lines[0], QPolygonF({{10, 20}, {250, 160}}));
    EXPECT_EQ(plot.Lines[1], QPolygonF({{10, 20}, {190, 160}}));
    EXPECT_EQ(plot.Payoff, QPointF(190, 160)); // above the box's bottom by the axis's room below 0
    EXPECT_EQ(Marks(plot.Time), (std::vector<std::pair<qreal, QString>>{{130, "2025"}}));
    EXPECT_EQ(Marks(plot.Money), (std::vector<std::pair<qreal, QString>>{{160, "$0"}, {20, "$1,400"}}));
}

TEST(SchedulePlotGeometry, EachYearStacksTheDescriptionsPartsFromTheBottomInTheMiddleOfItsSlot)
{
    YearChart chart;
    chart.Years = {"Year", -0.5, 1.5, {{1, "2025"}}};
    chart.Money = {"Paid", 0, 1500, {}};
    chart.Stack = {{"Interest", {300, 150}}, {"Principal", {900, 300}}};
    const YearBarsPlot plot = YearBarsIn(chart, Box);
    ASSERT_EQ(plot.Bars.size(), 2u);
    ASSERT_EQ(plot.Bars[0].Parts.size(), 2u);
    EXPECT_EQ(plot.Bars[0].Parts[0], QRectF(QPointF(28, 140), QPointF(112, 170)));
    EXPECT_EQ(plot.Bars[0].Parts[1], QRectF(QPointF(28, 50), QPointF(112, 140)));
    EXPECT_EQ(plot.Bars[1].Parts[0], QRectF(QPointF(148, 155), QPointF(232, 170)));
    EXPECT_EQ(plot.Bars[1].Parts[1], QRectF(QPointF(148, 125), QPointF(232, 155)));
    EXPECT_EQ(Marks(plot.Years), (std::vector<std::pair<qreal, QString>>{{190, "2025"}}));
}

// The printout shows what the window's plot shows: every title, mark and legend entry of the plot's
// description for paper, and the payoff marker inside the page.
TEST(SchedulePlotOnPaper, PrintsEveryTextOfItsDescriptionAndThePayoffMarker)
{
    const PaymentSchedule plain =
        MakePaymentSchedule("$100,000.00", "8.75%", 30, 100000'00, 786'70, MonthlyRate{7, 960});
    const WhatIfSchedule whatIf = WhatIfOf(plain, {200'00, 1, {}}, PaymentMonth{2024, 3});
    const LocaleValues locale{"$", 0, 0, ",", "."};
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    TRPSchedule report(plain, whatIf, ScheduleView::Monthly, locale, printer);
    report.Rep().CreateReport();
    const RecordedPage &page = printer.Pages().front();
    QStringList printed;
    for (const TextOp &op : OperationsOf<TextOp>(page))
        printed.append(op.Text.trimmed());

    const SchedulePlotDescription plot = DescribePlot(PlotSeriesOf(plain, whatIf), locale, PaperMostSteps);
    std::vector<std::string> texts{plot.Balance.Title,      plot.Balance.Time.Title, plot.Balance.Money.Title,
                                   plot.Balance.PayoffText, plot.Years.Title,        plot.Years.Years.Title,
                                   plot.Years.Money.Title};
    for (const PlotAxis *axis :
         {&plot.Balance.Time, &plot.Balance.Money, &plot.Years.Years, &plot.Years.Money})
        for (const PlotMark &mark : axis->Marks)
            texts.push_back(mark.Text);
    for (const PlotLine &line : plot.Balance.Lines)
        texts.push_back(line.Name);
    for (const PlotBarSet &part : plot.Years.Stack)
        texts.push_back(part.Name);
    for (const std::string &text : texts)
        EXPECT_TRUE(printed.contains(QString::fromStdString(text))) << text;
    // The marker and its legend's sample.
    EXPECT_EQ(OperationsOf<EllipseOp>(page).size(), 2u);
    printer.DiscardPages();
}

} // namespace
