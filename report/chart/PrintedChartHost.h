#pragma once

#include "calc/Chart.h"
#include "calc/LocaleValues.h"

// What the printed chart reads from the main window: the chart of its last completed rebuild, whose
// twelve rows print as they are and whose header values print in the page header, and the locale to
// write those values in.
class PrintedChartHost {
public:
    virtual ~PrintedChartHost() = default;
    virtual const PaymentChart &ChartToPrint() const = 0;
    virtual LocaleValues PrintLocale() const = 0;
};
