#pragma once

#include "calc/LocaleValues.h"
#include "calc/Schedule.h"
#include "calc/SchedulePlot.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// What the schedule's plot draws, as chart values and texts: money in currency units (cents / 100),
// time in years.

// The place of payment `number` (0: the loan) on the time axis: years since the loan without a first
// payment month (12 payments a year), else the calendar year with each month a twelfth (March 2024 is
// 2024 + 2/12); the loan stands a month before the first payment.
double PaymentPosition(std::int32_t number, std::optional<PaymentMonth> firstPayment);

// Each balance at its payment's place.
QList<QPointF> BalanceChartPoints(const std::vector<BalancePoint> &balance,
                                  std::optional<PaymentMonth> firstPayment);

// The smallest step of 1, 2 or 5 x 10^k (k >= 0) that reaches `top` (0 or more) in at most `maxSteps`.
std::int64_t NiceStep(std::int64_t top, int maxSteps);

// A labelled value of a money axis.
struct AxisTick {
    double Value = 0;
    QString Text;

    bool operator==(const AxisTick &) const = default;
};

// Whole units from 0 up to the first tick at or above `topCents`, a NiceStep of at most 5 apart, at
// least two of them; labelled in the locale's currency layout.
QList<AxisTick> MoneyTicks(std::int64_t topCents, const LocaleValues &locale);

// The stacked bars of the yearly rows: a category per year (its number) and its two parts.
struct YearBars {
    QStringList Categories;
    QList<qreal> Interest;
    QList<qreal> Principal;
};
YearBars YearBarSets(const std::vector<YearSplit> &years);

// A year's bar in words: "2024 (10 months): interest $1,234.56, principal $2,000.00".
QString YearBarText(const YearSplit &year, const LocaleValues &locale);

// The payoff marker's label and what a screen reader says of each chart.
struct SchedulePlotTexts {
    QString Payoff;  // "Paid off with payment 300" or, dated, "Paid off in 2049-02 (payment 300)"
    QString Balance; // the loan and when it is paid off, with the extras and without when they differ
    QString Years;   // the interest and principal paid in all, and over how many years
};
SchedulePlotTexts PlotTexts(const SchedulePlotSeries &series, std::optional<PaymentMonth> firstPayment,
                            const LocaleValues &locale);

// Everything the two charts draw.
struct SchedulePlotContent {
    QList<QPointF> PlainBalance;
    QList<QPointF> WhatIfBalance;
    QPointF Payoff;       // on the time axis, at a balance of 0
    double TimeStart = 0; // the loan's place
    double TimeEnd = 0;   // the last payment's place without the extras
    double TimeStep = 1;  // whole years between the time axis's labels
    QString TimeTitle;    // "Year" when dated, else "Loan year"
    QList<AxisTick> BalanceTicks;
    YearBars Years;
    QStringList YearTips; // YearBarText of each year
    QList<AxisTick> YearTicks;
    SchedulePlotTexts Texts;
};
SchedulePlotContent PlotContent(const SchedulePlotSeries &series, std::optional<PaymentMonth> firstPayment,
                                const LocaleValues &locale);
