#pragma once

#include "calc/LocaleValues.h"
#include "calc/SchedulePlot.h"

#include <optional>

// The plot's figures that the calc and the window tests both draw.

inline const LocaleValues Dollars{"$", 0, 0, ",", "."};

// $3,000.00 repaid in 3 payments, or in 2 with an extra.
inline SchedulePlotSeries WithExtra(std::optional<PaymentMonth> firstPayment)
{
    SchedulePlotSeries series;
    series.PlainBalance = {{0, 3000'00}, {1, 2000'00}, {2, 1000'00}, {3, 0}};
    series.WhatIfBalance = {{0, 3000'00}, {1, 1500'00}, {2, 0}};
    series.Years = {{2024, 2, 45'12, 3000'00}};
    series.PayoffPayment = 2;
    series.FirstPayment = firstPayment;
    return series;
}
