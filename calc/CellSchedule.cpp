#include "CellSchedule.h"

#include <stdexcept>
#include <utility>

namespace {

std::string Trimmed(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

const Decimal &ValueOfCell(const PaymentChart &chart, int column, int row)
{
    const std::optional<Decimal> &value = chart.Value(column, row);
    if (!value)
        throw ScheduleRefused(ScheduleRefusal::EmptyCell);
    return *value;
}

} // namespace

PaymentSchedule MakePaymentSchedule(std::string loanText, std::string rateText, std::int32_t years,
                                    std::int64_t loanCents, std::int64_t paymentCents, MonthlyRate rate)
{
    PaymentSchedule schedule{std::move(loanText), std::move(rateText), years, paymentCents, {}, {}};
    schedule.Monthly = MonthlySchedule(loanCents, paymentCents, rate, ScheduleMonths(years));
    schedule.Yearly = YearlyRows(schedule.Monthly);
    return schedule;
}

PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row)
{
    if (column < 1 || column >= PaymentChart::ColumnCount || row < 1 || row >= PaymentChart::RowCount)
        throw std::out_of_range("not a payment cell");
    const Decimal &payment = ValueOfCell(chart, column, row);
    const std::int64_t loanCents = CentsOf(ValueOfCell(chart, 0, row));
    if (loanCents <= 0)
        throw ScheduleRefused(ScheduleRefusal::NoLoan);
    const std::int32_t years = chart.Header().Years;
    ScheduleMonths(years); // a term out of range is refused before the rate is taken
    const MonthlyRate rate = MonthlyRateOfPercent(ValueOfCell(chart, column, 0));
    return MakePaymentSchedule(Trimmed(chart.Cell(0, row)), Trimmed(chart.Cell(column, 0)), years, loanCents,
                               CentsOf(payment), rate);
}
