#pragma once

// Rounds to the nearest integer, halves to the even neighbour, in 80-bit extended precision; the one
// rounding of all report geometry (page size, design pixels to page units, zoom).
// Throws ConversionError for a result outside the 32-bit range and for a value that is not a number.
int RoundHalfEven(long double value);
