#pragma once

// How GoogleTest shows the report printer's values in a failure, beside Qt's own.

#include "report/printer/PrinterDevice.h"
#include "report/printer/RecordedPage.h"
#include "tests/support/QtValuePrinters.h"

#include <ostream>

inline void PrintTo(const PageRect &rect, std::ostream *os)
{
    *os << "{Left " << rect.Left << ", Top " << rect.Top << ", Right " << rect.Right << ", Bottom "
        << rect.Bottom << '}';
}

inline void PrintTo(const PaperSettings &settings, std::ostream *os)
{
    *os << "{Landscape " << settings.Landscape << ", Paper " << static_cast<int>(settings.Paper)
        << ", CustomWidth " << settings.CustomWidth << ", CustomLength " << settings.CustomLength << '}';
}

inline void PrintTo(const PrinterStatus &status, std::ostream *os)
{
    *os << "condition " << static_cast<int>(status.Condition) << " of ";
    PrintTo(status.Name, os);
}
