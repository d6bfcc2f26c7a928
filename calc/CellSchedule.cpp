#include "CellSchedule.h"

#include <stdexcept>

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

PaymentSchedule ScheduleOfCell(const PaymentChart &chart, int column, int row)
{
    if (column < 1 || column >= PaymentChart::ColumnCount || row < 1 || row >= PaymentChart::RowCount)
        throw std::out_of_range("not a payment cell");
    const Decimal &payment = ValueOfCell(chart, column, row);

    PaymentSchedule schedule;
    schedule.LoanText = Trimmed(chart.Cell(0, row));
    schedule.RateText = Trimmed(chart.Cell(column, 0));
    schedule.Years = chart.Header().Years;
    const std::int64_t loanCents = CentsOf(ValueOfCell(chart, 0, row));
    if (loanCents <= 0)
        throw ScheduleRefused(ScheduleRefusal::NoLoan);
    if (schedule.Years < 1 || schedule.Years > MaximumScheduleMonths / 12)
        throw ScheduleRefused(ScheduleRefusal::TermOutOfRange);
    const MonthlyRate rate = MonthlyRateOfPercent(ValueOfCell(chart, column, 0));
    schedule.PaymentCents = CentsOf(payment);
    schedule.Monthly = MonthlySchedule(loanCents, schedule.PaymentCents, rate, schedule.Years * 12);
    schedule.Yearly = YearlyRows(schedule.Monthly);
    return schedule;
}
