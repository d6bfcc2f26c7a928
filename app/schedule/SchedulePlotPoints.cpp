#include "app/schedule/SchedulePlotPoints.h"

#include "calc/Format.h"
#include "calc/ScheduleText.h"

#include <algorithm>

namespace {

double Units(std::int64_t cents)
{
    return static_cast<double>(cents) / 100;
}

// When payment `number` falls: "with payment 300", dated "in 2049-02 (payment 300)".
std::string PayoffWhen(std::int32_t number, std::optional<PaymentMonth> firstPayment)
{
    const std::string payment = "payment " + std::to_string(number);
    if (!firstPayment)
        return "with " + payment;
    return "in " + PaymentMonthText(MonthOfPayment(*firstPayment, number)) + " (" + payment + ")";
}

std::int32_t LastPayment(const std::vector<BalancePoint> &balance)
{
    return balance.empty() ? 0 : balance.back().Payment;
}

} // namespace

double PaymentPosition(std::int32_t number, std::optional<PaymentMonth> firstPayment)
{
    if (!firstPayment)
        return number / 12.0;
    const std::int64_t month =
        std::int64_t{firstPayment->Year} * 12 + (firstPayment->Month - 1) + (number - 1);
    return static_cast<double>(month) / 12;
}

QList<QPointF> BalanceChartPoints(const std::vector<BalancePoint> &balance,
                                  std::optional<PaymentMonth> firstPayment)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(balance.size()));
    for (const BalancePoint &point : balance)
        points.append({PaymentPosition(point.Payment, firstPayment), Units(point.Balance)});
    return points;
}

std::int64_t NiceStep(std::int64_t top, int maxSteps)
{
    for (std::int64_t power = 1;; power *= 10)
        for (const std::int64_t multiple : {1, 2, 5})
            if (multiple * power * maxSteps >= top)
                return multiple * power;
}

QList<AxisTick> MoneyTicks(std::int64_t topCents, const LocaleValues &locale)
{
    const std::int64_t topUnits = (topCents + 99) / 100;
    const std::int64_t step = NiceStep(topUnits, 5);
    const std::int64_t steps = std::max<std::int64_t>(1, (topUnits + step - 1) / step);
    QList<AxisTick> ticks;
    for (std::int64_t i = 0; i <= steps; ++i) {
        const auto units = static_cast<long double>(i * step);
        ticks.append({static_cast<double>(units), QString::fromStdString(FormatCurrency(units, locale))});
    }
    return ticks;
}

YearBars YearBarSets(const std::vector<YearSplit> &years)
{
    YearBars bars;
    for (const YearSplit &year : years) {
        bars.Categories.append(QString::number(year.Number));
        bars.Interest.append(Units(year.Interest));
        bars.Principal.append(Units(year.Principal));
    }
    return bars;
}

QString YearBarText(const YearSplit &year, const LocaleValues &locale)
{
    ScheduleRow row;
    row.Number = year.Number;
    row.PartialMonths = year.PartialMonths;
    return QString::fromStdString(ScheduleCellText(row, 0, locale) + ": interest " +
                                  CentsText(year.Interest, locale) + ", principal " +
                                  CentsText(year.Principal, locale));
}

SchedulePlotTexts PlotTexts(const SchedulePlotSeries &series, std::optional<PaymentMonth> firstPayment,
                            const LocaleValues &locale)
{
    const std::string payoff = PayoffWhen(series.PayoffPayment, firstPayment);
    const std::int64_t loan = series.PlainBalance.empty() ? 0 : series.PlainBalance.front().Balance;
    std::string balance = "Balance of the " + CentsText(loan, locale) + " loan: paid off " + payoff;
    if (series.WhatIfBalance != series.PlainBalance)
        balance += " with the extras, " + PayoffWhen(LastPayment(series.PlainBalance), firstPayment) +
                   " without them";

    std::int64_t interest = 0;
    std::int64_t principal = 0;
    for (const YearSplit &year : series.Years) {
        interest += year.Interest;
        principal += year.Principal;
    }
    const std::string years =
        "Interest " + CentsText(interest, locale) + " and principal " + CentsText(principal, locale) +
        " paid over " + std::to_string(series.Years.size()) + (series.Years.size() == 1 ? " year" : " years");
    return {QString::fromStdString("Paid off " + payoff), QString::fromStdString(balance + "."),
            QString::fromStdString(years + ".")};
}

SchedulePlotContent PlotContent(const SchedulePlotSeries &series, std::optional<PaymentMonth> firstPayment,
                                const LocaleValues &locale)
{
    SchedulePlotContent content;
    content.PlainBalance = BalanceChartPoints(series.PlainBalance, firstPayment);
    content.WhatIfBalance = BalanceChartPoints(series.WhatIfBalance, firstPayment);
    content.Payoff = {PaymentPosition(series.PayoffPayment, firstPayment), 0};
    content.TimeStart = PaymentPosition(0, firstPayment);
    content.TimeEnd = PaymentPosition(LastPayment(series.PlainBalance), firstPayment);
    content.TimeStep =
        static_cast<double>(NiceStep(static_cast<std::int64_t>(content.TimeEnd - content.TimeStart) + 1, 8));
    content.TimeTitle = firstPayment ? QStringLiteral("Year") : QStringLiteral("Loan year");
    std::int64_t topBalance = 0;
    for (const auto *balance : {&series.PlainBalance, &series.WhatIfBalance})
        for (const BalancePoint &point : *balance)
            topBalance = std::max(topBalance, point.Balance);
    content.BalanceTicks = MoneyTicks(topBalance, locale);

    content.Years = YearBarSets(series.Years);
    std::int64_t topYear = 0;
    for (const YearSplit &year : series.Years) {
        topYear = std::max(topYear, year.Interest + year.Principal);
        content.YearTips.append(YearBarText(year, locale));
    }
    content.YearTicks = MoneyTicks(topYear, locale);
    content.Texts = PlotTexts(series, firstPayment, locale);
    return content;
}
