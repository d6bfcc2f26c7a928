#include "report/chart/PaymentChartReport.h"

#include "report/engine/PrintContext.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/PageOperations.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>

namespace {

// The chart to print: every cell's text names its place, the heading row starts as the chart does.
class ChartSource : public PrintedChartHost {
public:
    ChartSource()
    {
        for (int row = 0; row < PaymentChart::RowCount; ++row) {
            for (int column = 0; column < PaymentChart::ColumnCount; ++column)
                Chart.SetCell(column, row, "c" + std::to_string(column) + "r" + std::to_string(row));
        }
        Chart.SetCell(0, 0, " Amount/Rate");
        Chart.SetHeader({100000, 8.5, 30});
    }
    const PaymentChart &ChartToPrint() const override { return Chart; }
    LocaleValues PrintLocale() const override { return Locale; }

    PaymentChart Chart;
    LocaleValues Locale{"$", 0, 0, ",", "."};
};

// A printer whose printable area is 768 x `height` design pixels.
PrinterFacts PageOfHeight(int height)
{
    return {{{768, height}, {816, height + 48}, {24, 24}}, {96, 96}};
}

constexpr int U = 4; // page units per design pixel
constexpr std::array<int, 8> ColumnCentres{79, 167, 253, 339, 426, 512, 598, 684};

class PaymentChartReportTest : public testing::Test {
protected:
    const std::vector<RecordedPage> &Record(const PrinterFacts &facts)
    {
        fake->Facts = facts;
        report.Rep().CreateReport();
        return printer.Pages();
    }
    QString CellText(int column, int row) const
    {
        return QString::fromStdString(source.Chart.Cell(column, row));
    }
    // The y in design pixels where the text of a chart row printed on the page, or -1.
    int RowTop(const RecordedPage &page, int row) const
    {
        const auto texts = TextsOf(page, CellText(7, row));
        return texts.size() == 1 ? texts[0].Origin.y() / U - 3 : -1;
    }

    ChartSource source;
    std::shared_ptr<FakePrinter> fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    TRPPrinter printer{std::make_unique<FakePrinterDevice>(fake)};
    TRPPaymentChart report{source, printer};
};

TEST_F(PaymentChartReportTest, LetterPageHoldsTitleHeaderTwelveRowsAndFooter)
{
    // Paper colours whatever the desktop's scheme.
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    const std::vector<RecordedPage> &pages = Record(FakePrinter::Letter());
    QApplication::setPalette(desktop);
    ASSERT_EQ(pages.size(), 1u);
    const RecordedPage &page = pages[0];

    const TextOp heading = TextsOf(page, QStringLiteral("Chart of Monthly Payment Amounts")).at(0);
    EXPECT_EQ(heading.Origin, QPoint(153 * U, 60 * U));
    EXPECT_EQ(heading.Font.pointSize(), 20 * 4);
    EXPECT_TRUE(heading.Font.bold());
    EXPECT_EQ(TextsOf(page, QStringLiteral("www.halvornsoftware.example")).at(0).Origin,
              QPoint(563 * U, 206 * U));

    // The page header at y 316 with its values and its two rules from x 15 to 750.
    EXPECT_EQ(TextsOf(page, QStringLiteral("Loan Amount:")).at(0).Font.pointSize(), 10 * 4);
    EXPECT_EQ(TextsOf(page, QStringLiteral("$100000")).at(0).Origin, QPoint(153 * U, (316 + 17) * U));
    EXPECT_EQ(TextsOf(page, QStringLiteral("8.5%")).at(0).Origin, QPoint(409 * U, (316 + 17) * U));
    EXPECT_EQ(TextsOf(page, QStringLiteral("30 years")).at(0).Origin, QPoint(628 * U, (316 + 17) * U));
    const auto rules = OperationsOf<LineOp>(page);
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_EQ(rules[0].From, QPoint(15 * U, (316 + 3) * U));
    EXPECT_EQ(rules[0].To, QPoint(750 * U, (316 + 3) * U));
    EXPECT_EQ(rules[0].Pen.width(), U);
    EXPECT_EQ(rules[1].From.y(), (316 + 46) * U);

    // Twelve rows of eight boxes at 391 + 24k, each text centred on its box, heading row first.
    const auto boxes = OperationsOf<RectangleOp>(page);
    ASSERT_EQ(boxes.size(), 12u * 8u);
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        const int top = 391 + 24 * row;
        // The first column's box is created last.
        const RectangleOp &first = boxes[static_cast<size_t>(row) * 8 + 7];
        EXPECT_EQ(first.Rect, (PageRect{34 * U, top * U, 124 * U, (top + 22) * U})) << "row " << row;
        EXPECT_EQ(first.Brush.style(), Qt::NoBrush);
        for (int column = 0; column < PaymentChart::ColumnCount; ++column) {
            const auto texts = TextsOf(page, CellText(column, row));
            ASSERT_EQ(texts.size(), 1u) << "column " << column << " row " << row;
            EXPECT_EQ(texts[0].Origin, QPoint(ColumnCentres[static_cast<size_t>(column)] * U, (top + 3) * U));
            EXPECT_EQ(texts[0].Alignment, Qt::AlignHCenter);
            EXPECT_EQ(texts[0].Font.pointSize(), 9 * 4);
            EXPECT_EQ(texts[0].Color, QColor(Qt::black));
            EXPECT_TRUE(texts[0].Clip.has_value());
        }
    }

    // The footer at the page bottom: 1008 - 109.
    const int footer = 1008 - 109;
    EXPECT_EQ(rules[2].From.y(), (footer + 2) * U);
    const QString note =
        QStringLiteral("NOTE:  The calculations performed by The Quillmere are approximate and "
                       "provided solely for your interactive");
    EXPECT_EQ(TextsOf(page, note).at(0).Origin, QPoint(71 * U, (footer + 9) * U));
    EXPECT_EQ(TextsOf(page, note).at(0).Font.pointSize(), 8 * 4);
    for (const FillRectOp &fill : OperationsOf<FillRectOp>(page))
        EXPECT_EQ(fill.Brush.color(), QColor(Qt::white));
    for (const TextOp &text : OperationsOf<TextOp>(page))
        EXPECT_EQ(text.Color, QColor(Qt::black)) << text.Text.toStdString();
}

TEST_F(PaymentChartReportTest, FontsListsEveryFontThePagePrintsIn)
{
    const std::vector<RecordedPage> &pages = Record(FakePrinter::Letter());
    ASSERT_EQ(pages.size(), 1u);
    std::vector<QFont> listed;
    for (const TRPFont &font : TRPPaymentChart::Fonts())
        listed.push_back(PageFont(font));
    for (const TextOp &op : OperationsOf<TextOp>(pages[0])) {
        EXPECT_NE(std::find(listed.begin(), listed.end(), op.Font), listed.end())
            << op.Text.toStdString() << " in " << op.Font.toString().toStdString();
    }
}

TEST_F(PaymentChartReportTest, FooterPrintsTheTimeOfPrintingCentred)
{
    const std::string saved = std::setlocale(LC_TIME, nullptr);
    std::setlocale(LC_TIME, "C");
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 11;
    time.tm_min = 30;
    time.tm_isdst = -1;
    const auto at = std::chrono::system_clock::from_time_t(std::mktime(&time));
    report.Rep().SetClock([at] { return at; });

    const RecordedPage &page = Record(FakePrinter::Letter()).at(0);
    std::setlocale(LC_TIME, saved.c_str());

    const TextOp printed = TextsOf(page, QStringLiteral("Printed at 12/07/26 11:30:00")).at(0);
    EXPECT_EQ(printed.Origin, QPoint(381 * U, (1008 - 109 + 79) * U));
    EXPECT_EQ(printed.Alignment, Qt::AlignHCenter);
    EXPECT_FALSE(printed.Clip.has_value());
}

struct BreakRow {
    int PrintableHeight;
    size_t Pages;
};

class PaymentChartBreak : public PaymentChartReportTest, public testing::WithParamInterface<BreakRow> {};

// The last row ends at 679; the footer area starts at height - 109. Ending exactly on it breaks.
TEST_P(PaymentChartBreak, LastRowBreaksWhenItWouldTouchTheFooter)
{
    EXPECT_EQ(Record(PageOfHeight(GetParam().PrintableHeight)).size(), GetParam().Pages);
}

INSTANTIATE_TEST_SUITE_P(Heights, PaymentChartBreak, testing::Values(BreakRow{788, 2}, BreakRow{789, 1}),
                         [](const testing::TestParamInfo<BreakRow> &info) {
                             return "Printable" + std::to_string(info.param.PrintableHeight);
                         });

TEST_F(PaymentChartReportTest, ShortPageContinuesBelowARepeatedHeader)
{
    const auto &pages = Record(PageOfHeight(600));

    ASSERT_EQ(pages.size(), 2u);
    // Page 1 takes four rows below the title and header, page 2 the rest below the header at 0.
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(RowTop(pages[0], row), 391 + 24 * row);
    for (int row = 4; row < PaymentChart::RowCount; ++row)
        EXPECT_EQ(RowTop(pages[1], row), 75 + 24 * (row - 4));
    EXPECT_TRUE(TextsOf(pages[1], QStringLiteral("Chart of Monthly Payment Amounts")).empty());
    EXPECT_EQ(TextsOf(pages[1], QStringLiteral("Loan Amount:")).at(0).Origin.y(), 17 * U);
    for (const RecordedPage &page : pages)
        EXPECT_EQ(TextsOf(page, QStringLiteral("advisor before making any loan decision.")).at(0).Origin.y(),
                  (600 - 109 + 53) * U);
}

TEST_F(PaymentChartReportTest, SheetShorterThanTheTitleKeepsEveryRowAboveTheFooter)
{
    // 240 high: the title fills page 1; later pages hold two rows below the header.
    const auto &pages = Record(FakePrinter::ShortSheet());

    ASSERT_EQ(pages.size(), 7u);
    EXPECT_EQ(TextsOf(pages[0], QStringLiteral("Chart of Monthly Payment Amounts")).at(0).Origin.y(), 60 * U);
    int rows = 0;
    for (size_t n = 1; n < pages.size(); ++n) {
        const auto boxes = OperationsOf<RectangleOp>(pages[n]);
        EXPECT_FALSE(boxes.empty()) << "page " << n + 1;
        for (const RectangleOp &box : boxes)
            EXPECT_LE(box.Rect.Bottom, (240 - 109) * U);
        rows += static_cast<int>(boxes.size() / 8);
    }
    EXPECT_EQ(rows, PaymentChart::RowCount);
}

// The header's values in a locale's layout: the amount a plain number with the locale's currency
// symbol where its positive pattern puts it.
struct HeaderCase {
    const char *Name;
    LocaleValues Locale; // as the system's locale of that name gives them
    const char *Amount;
    const char *Rate;
};

void PrintTo(const HeaderCase &row, std::ostream *out)
{
    *out << row.Name;
}

class PaymentChartHeaderTest : public PaymentChartReportTest,
                               public testing::WithParamInterface<HeaderCase> {};

TEST_P(PaymentChartHeaderTest, ValuesFollowTheLocaleAndSayYearsForOneYear)
{
    source.Chart.SetHeader({100000.5, 8.25, 1});
    source.Locale = GetParam().Locale;

    const RecordedPage &page = Record(FakePrinter::Letter()).at(0);

    EXPECT_EQ(TextsOf(page, QString::fromUtf8(GetParam().Amount)).size(), 1u);
    EXPECT_EQ(TextsOf(page, QString::fromUtf8(GetParam().Rate)).size(), 1u);
    EXPECT_EQ(TextsOf(page, QStringLiteral("1 years")).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PaymentChartHeaderTest,
    testing::Values(HeaderCase{"en_US", {"$", 0, 1, ",", "."}, "$100000.5", "8.25%"},
                    HeaderCase{"de_DE", {"\u20ac", 3, 8, ".", ","}, "100000,5 \u20ac", "8,25%"}),
    [](const testing::TestParamInfo<HeaderCase> &info) { return std::string(info.param.Name); });

} // namespace
