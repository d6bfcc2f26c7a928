#pragma once

#include "Chart.h"

#include <string>

// The 12 rows as lines of the 8 cell texts exactly as held, separated by one tab.
std::string TsvText(const PaymentChart &chart);

// The rows as an aligned table for reading: the amount column flush left, the others flush right,
// two blanks between columns; widths count characters, not bytes.
std::string AlignedText(const PaymentChart &chart);
