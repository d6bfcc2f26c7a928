#include "report/schedule/ScheduleReport.h"

#include "report/printer/PageText.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/PageOperations.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// 10,000,000.00 at 8.75 % over 30 years, repaid by a little more than the level payment: 353
// monthly rows, the last year of 5 months, and amounts as wide as a loan of this size prints.
PaymentSchedule ThirtyYearsPaidOffEarly()
{
    return MakePaymentSchedule("$10,000,000.00", "8.75%", 30, 1'000'000'000, 7'900'000, {7, 960});
}

// The texts printed on a page that read `text`, blanks around them aside (right-justified labels
// print a trailing blank).
std::vector<TextOp> Printed(const RecordedPage &page, const QString &text)
{
    std::vector<TextOp> found;
    for (const TextOp &op : OperationsOf<TextOp>(page)) {
        if (op.Text.trimmed() == text)
            found.push_back(op);
    }
    return found;
}

// The number column of ThirtyYearsPaidOffEarly: months 1 to 353, or years 1 to 29 and the last
// year's 5 months.
QStringList RowNumbers(ScheduleView view)
{
    QStringList numbers;
    for (int n = 1; n <= (view == ScheduleView::Monthly ? 353 : 29); ++n)
        numbers << QString::number(n);
    if (view == ScheduleView::Yearly)
        numbers << QStringLiteral("30 (5 months)");
    return numbers;
}

bool Inside(const QRectF &box, const QRectF &area)
{
    constexpr qreal slack = 0.5; // half a page unit of rounding
    return box.left() >= area.left() - slack && box.right() <= area.right() + slack &&
           box.top() >= area.top() - slack && box.bottom() <= area.bottom() + slack;
}

struct Paper {
    const char *Name;
    PrinterFacts Facts;
};

void PrintTo(const Paper &paper, std::ostream *os)
{
    *os << paper.Name;
}

class ScheduleOnPaper : public testing::TestWithParam<Paper> {};

TEST_P(ScheduleOnPaper, EveryRowAndEveryTextPrintsWholeUnderRepeatedHeadingsThenTheTotals)
{
    const PaymentSchedule schedule = ThirtyYearsPaidOffEarly();
    const WhatIfSchedule plain = WhatIfOf(schedule, {});
    ASSERT_EQ(schedule.Monthly.size(), 353u);
    const LocaleValues locale{"$", 0, 0, ",", "."};
    TRPPrinter printer(std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(GetParam().Facts)));
    for (const ScheduleView view : {ScheduleView::Monthly, ScheduleView::Yearly}) {
        SCOPED_TRACE(view == ScheduleView::Monthly ? "monthly" : "yearly");
        TRPSchedule report(schedule, plain, view, locale, printer);
        report.Rep().CreateReport();
        const std::vector<RecordedPage> &pages = printer.Pages();
        ASSERT_GT(pages.size(), view == ScheduleView::Monthly ? 1u : 0u);

        std::map<QString, int> numbers; // the number column's texts -> times printed
        for (size_t i = 0; i < pages.size(); ++i) {
            const RecordedPage &page = pages[i];
            SCOPED_TRACE("page " + std::to_string(i + 1));
            EXPECT_EQ(Printed(page, QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())).size(), 1u);
            EXPECT_EQ(Printed(page, QStringLiteral("$10,000,000.00")).size(), 1u);
            EXPECT_EQ(Printed(page, QStringLiteral("Number of payments:")).size(), 1u);
            EXPECT_EQ(Printed(page, QStringLiteral("Balance")).size(), 1u);
            EXPECT_EQ(Printed(page, QStringLiteral("Payment Schedule")).size(), i == 0 ? 1u : 0u);
            const QRectF printable(QPointF(0, 0), page.Size());
            for (const TextOp &text : OperationsOf<TextOp>(page)) {
                const QRectF box = TextBox(text);
                EXPECT_TRUE(Inside(box, printable)) << text.Text.toStdString() << " off the page";
                if (text.Clip) {
                    const QRectF clip(QPointF(text.Clip->Left, text.Clip->Top),
                                      QPointF(text.Clip->Right, text.Clip->Bottom));
                    EXPECT_TRUE(Inside(box, clip)) << text.Text.toStdString() << " cut by its box";
                }
                if (text.Alignment == Qt::AlignHCenter)
                    ++numbers[text.Text];
            }
        }
        const QStringList rowNumbers = RowNumbers(view);
        for (const QString &number : rowNumbers)
            EXPECT_EQ(numbers[number], 1) << number.toStdString();

        // After the last row, on its page: the note and the totals, 352 payments of 79,000.00 and a
        // last one of 71,148.94.
        const RecordedPage &last = pages.back();
        const int lastRow = Printed(last, rowNumbers.back()).at(0).Origin.y();
        EXPECT_GT(Printed(last, QStringLiteral("Paid off after 353 payments")).at(0).Origin.y(), lastRow);
        EXPECT_GT(Printed(last, QStringLiteral("Total of payments:")).at(0).Origin.y(), lastRow);
        EXPECT_EQ(Printed(last, QStringLiteral("$27,879,148.94")).size(), 1u);
        printer.DiscardPages();
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, ScheduleOnPaper,
                         testing::Values(Paper{"Letter", FakePrinter::Letter()},
                                         Paper{"A4", FakePrinter::A4()}, Paper{"A5", FakePrinter::A5()},
                                         Paper{"A5Landscape", FakePrinter::Landscape(FakePrinter::A5())},
                                         Paper{"A6", FakePrinter::A6()},
                                         Paper{"A6Landscape", FakePrinter::Landscape(FakePrinter::A6())}),
                         [](const testing::TestParamInfo<Paper> &info) {
                             return std::string(info.param.Name);
                         });

// A schedule without extras or dates on one paper: the first lines of its first page and the last
// lines of its last page above the footer, as they read.
struct PlainPrintout {
    const char *Name;
    PaymentSchedule Schedule;
    ScheduleView View;
    PrinterFacts Facts;
    size_t PageCount;
    QString FirstPageHead;
    QString LastPageTail;
};

void PrintTo(const PlainPrintout &printout, std::ostream *os)
{
    *os << printout.Name;
}

class PlainScheduleOnPaper : public testing::TestWithParam<PlainPrintout> {};

TEST_P(PlainScheduleOnPaper, PrintsTheseTexts)
{
    const PlainPrintout &expected = GetParam();
    TRPPrinter printer(std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(expected.Facts)));
    const WhatIfSchedule plain = WhatIfOf(expected.Schedule, {});
    TRPSchedule report(expected.Schedule, plain, expected.View, {"$", 0, 0, ",", "."}, printer);
    report.Rep().CreateReport();
    const std::vector<RecordedPage> &pages = printer.Pages();
    ASSERT_EQ(pages.size(), expected.PageCount);
    const QString first = PageReadingText(pages.front());
    EXPECT_TRUE(first.startsWith(expected.FirstPageHead)) << first.toStdString();
    // The footer's last line holds the day of printing.
    QString last = PageReadingText(pages.back());
    last.truncate(last.lastIndexOf(QLatin1Char('\n')) + 1);
    EXPECT_TRUE(last.endsWith(expected.LastPageTail)) << last.toStdString();
}

// The entered cell of the default chart, a loan paid off in the fifth month of its last year, and a
// one-year term at a high rate.
INSTANTIATE_TEST_SUITE_P(
    Cells, PlainScheduleOnPaper,
    testing::Values(
        PlainPrintout{
            "EnteredCellMonthlyOnLetter",
            MakePaymentSchedule("$100,000.00", "8.75%", 30, 10'000'000, 78'670, {7, 960}),
            ScheduleView::Monthly, FakePrinter::Letter(), 8,
            "Payment Schedule\nLoan: $100,000.00 Rate: 8.75% Term: 30 years Monthly payment: $786.70 "
            "Number of payments: 360\nNo. Payment Interest Principal Balance\n"
            "1 $786.70 $729.17 $57.53 $99,942.47\n",
            "359 $786.70 $11.36 $775.34 $781.97\n360 $787.67 $5.70 $781.97 $0.00\n"
            "Total of payments: $283,212.97\nTotal interest: $183,212.97\n"},
        PlainPrintout{"PartialLastYearYearlyOnA5", ThirtyYearsPaidOffEarly(), ScheduleView::Yearly,
                      FakePrinter::A5(), 2,
                      "Payment Schedule\nLoan: $10,000,000.00 Rate: 8.75% Term: 30 years\n"
                      "Monthly payment: $79,000.00 Number of payments: 353\nYear Payment Interest Principal "
                      "Balance\n1 $948,000.00 $872,000.07 $75,999.93 $9,924,000.07\n",
                      "Loan: $10,000,000.00 Rate: 8.75% Term: 30 years\n"
                      "Monthly payment: $79,000.00 Number of payments: 353\nYear Payment Interest Principal "
                      "Balance\n30 (5 months) $387,148.94 $8,215.65 $378,933.29 $0.00\n"
                      "Paid off after 353 payments\nTotal of payments: $27,879,148.94\n"
                      "Total interest: $17,879,148.94\n"},
        PlainPrintout{
            "OneYearHighRateMonthlyOnA6",
            MakePaymentSchedule("$5,000.00", "24%", 1, 500'000, 47'280, {1, 50}), ScheduleView::Monthly,
            FakePrinter::A6(), 1,
            "Payment Schedule\nLoan: $5,000.00 Rate: 24% Term: 1 year\n"
            "Monthly payment: $472.80 Number of payments: 12\nNo. Payment Interest Principal Balance\n"
            "1 $472.80 $100.00 $372.80 $4,627.20\n",
            "11 $472.80 $18.36 $454.44 $463.51\n12 $472.78 $9.27 $463.51 $0.00\n"
            "Total of payments: $5,673.58\nTotal interest: $673.58\n"}),
    [](const testing::TestParamInfo<PlainPrintout> &info) { return std::string(info.param.Name); });

// The same loan with 500.00 more each month from the first payment of March 2024.
struct WhatIfPaper {
    const char *Name;
    PrinterFacts Facts;
    bool RunningTotals;
};

void PrintTo(const WhatIfPaper &paper, std::ostream *os)
{
    *os << paper.Name;
}

// What an operation covers of its page, in page units.
QRectF Extent(const PageOperation &operation)
{
    const auto rect = [](const PageRect &r) {
        return QRectF(QPointF(r.Left, r.Top), QPointF(r.Right, r.Bottom));
    };
    return std::visit(
        [&](const auto &op) -> QRectF {
            using Op = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<Op, LineOp>)
                return QRectF(op.From, op.To).normalized();
            else if constexpr (std::is_same_v<Op, PolylineOp>)
                return QPolygonF(QPolygon(QList<QPoint>(op.Points.begin(), op.Points.end()))).boundingRect();
            else if constexpr (std::is_same_v<Op, TextOp>)
                return TextBox(op);
            else
                return rect(op.Rect);
        },
        operation);
}

class WhatIfScheduleOnPaper : public testing::TestWithParam<WhatIfPaper> {};

// The texts printed on a page that start with `start`.
std::vector<TextOp> PrintedFrom(const RecordedPage &page, const QString &start)
{
    std::vector<TextOp> found;
    for (const TextOp &op : OperationsOf<TextOp>(page)) {
        if (op.Text.trimmed().startsWith(start))
            found.push_back(op);
    }
    return found;
}

TEST_P(WhatIfScheduleOnPaper, PlotsOnTheFirstPageOnlyAndPrintsTheExtrasDatesAndSavingsInsideThePage)
{
    const PaymentSchedule plain = ThirtyYearsPaidOffEarly();
    const WhatIfSchedule whatIf = WhatIfOf(plain, {5'000'000, 1, {}}, PaymentMonth{2024, 3});
    const LocaleValues locale{"$", 0, 0, ",", "."};
    TRPPrinter printer(std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(GetParam().Facts)));
    TRPSchedule report(plain, whatIf, ScheduleView::Monthly, locale, printer);
    report.Rep().CreateReport();
    const std::vector<RecordedPage> &pages = printer.Pages();
    ASSERT_GT(pages.size(), 1u);

    for (size_t i = 0; i < pages.size(); ++i) {
        const RecordedPage &page = pages[i];
        SCOPED_TRACE("page " + std::to_string(i + 1));
        // Both balances and their legend's samples.
        EXPECT_EQ(OperationsOf<PolylineOp>(page).size(), i == 0 ? 4u : 0u);
        EXPECT_EQ(Printed(page, QStringLiteral("Interest and principal per year")).size(), i == 0 ? 1u : 0u);
        EXPECT_EQ(Printed(page, QStringLiteral("Date")).size(), 1u);
        EXPECT_EQ(Printed(page, QStringLiteral("Extra")).size(), 1u);
        EXPECT_EQ(Printed(page, QStringLiteral("Interest to date")).size(),
                  GetParam().RunningTotals ? 1u : 0u);
        // Under the terms and above the headings, what the schedule was made with, on one line or
        // broken after the extra.
        const std::vector<TextOp> extra =
            PrintedFrom(page, QStringLiteral("Extra each month $50,000.00 from payment 1;"));
        const std::vector<TextOp> start = PrintedFrom(page, QStringLiteral("first payment March 2024"));
        const std::vector<TextOp> whole = Printed(
            page, QStringLiteral("Extra each month $50,000.00 from payment 1; first payment March 2024"));
        ASSERT_EQ(extra.size(), 1u);
        EXPECT_EQ(whole.size() + start.size(), 1u);
        EXPECT_GT(extra[0].Origin.y(), Printed(page, QStringLiteral("Number of payments:")).at(0).Origin.y());
        EXPECT_LT(TextBox(start.empty() ? extra[0] : start[0]).bottom(),
                  TextBox(Printed(page, QStringLiteral("Date")).at(0)).top());
        const QRectF printable(QPointF(0, 0), page.Size());
        for (const PageOperation &operation : page.Operations())
            EXPECT_TRUE(Inside(Extent(operation), printable))
                << "operation " << operation.index() << " off the page";
    }
    EXPECT_EQ(Printed(pages[0], QStringLiteral("2024-03")).size(), 1u);
    const RecordedPage &last = pages.back();
    for (const char *caption : {"Total of extras:", "Interest saved:", "Paid off:", "Payoff date:"})
        EXPECT_EQ(Printed(last, QString::fromLatin1(caption)).size(), 1u) << caption;
    // The rows printed are those with the extra: 115 payments where the plain schedule takes 353.
    EXPECT_EQ(Printed(last, QStringLiteral("Paid off after 115 payments")).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, WhatIfScheduleOnPaper,
    testing::Values(WhatIfPaper{"Letter", FakePrinter::Letter(), true},
                    WhatIfPaper{"LetterLandscape", FakePrinter::Landscape(FakePrinter::Letter()), true},
                    WhatIfPaper{"A6", FakePrinter::A6(), false},
                    WhatIfPaper{"A6Landscape", FakePrinter::Landscape(FakePrinter::A6()), false}),
    [](const testing::TestParamInfo<WhatIfPaper> &info) { return std::string(info.param.Name); });

} // namespace
