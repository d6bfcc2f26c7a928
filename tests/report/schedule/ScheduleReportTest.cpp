#include "schedule/ScheduleReport.h"

#include "printer/ReportPrinter.h"
#include "support/FakePrinterDevice.h"
#include "support/PageOperations.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// 100,000.00 at 8.75 % over 40 years: 480 monthly rows, several Letter pages.
PaymentSchedule FortyYears()
{
    return MakePaymentSchedule("$100,000.00", "8.75%", 40, 10000000, 75221, {7, 960});
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

TEST(ScheduleReport, EveryRowOnceUnderRepeatedHeadingsThenTheTotalsAfterTheLast)
{
    const PaymentSchedule schedule = FortyYears();
    const LocaleValues locale{"$", 0, 0, ",", "."};
    auto fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    TRPPrinter printer(std::make_unique<FakePrinterDevice>(fake));
    TRPSchedule report(schedule, ScheduleView::Monthly, locale, printer);
    report.Rep().CreateReport();
    const std::vector<RecordedPage> &pages = printer.Pages();
    ASSERT_GT(pages.size(), 1u);

    std::map<QString, int> numbers; // month number -> times printed
    for (size_t i = 0; i < pages.size(); ++i) {
        const RecordedPage &page = pages[i];
        EXPECT_EQ(Printed(page, QStringLiteral("Page %1").arg(i + 1)).size(), 1u) << "page " << i + 1;
        EXPECT_EQ(Printed(page, QStringLiteral("$100,000.00")).size(), 1u) << "page " << i + 1;
        EXPECT_EQ(Printed(page, QStringLiteral("Balance")).size(), 1u) << "page " << i + 1;
        EXPECT_EQ(Printed(page, QStringLiteral("Payment Schedule")).size(), i == 0 ? 1u : 0u);
        for (const TextOp &text : OperationsOf<TextOp>(page)) {
            bool isNumber = false;
            text.Text.toInt(&isNumber);
            numbers[text.Text.trimmed()] += isNumber;
        }
    }
    for (int month = 1; month <= 480; ++month)
        EXPECT_EQ(numbers[QString::number(month)], 1) << "month " << month;

    const RecordedPage &last = pages.back();
    const auto totals = Printed(last, QStringLiteral("Total of payments:"));
    ASSERT_EQ(totals.size(), 1u);
    EXPECT_GT(totals[0].Origin.y(), Printed(last, QStringLiteral("480")).at(0).Origin.y());
    const std::string total = CentsText(TotalsOf(schedule.Monthly).Payments, locale);
    EXPECT_EQ(Printed(last, QString::fromStdString(total)).size(), 1u);
}

} // namespace
