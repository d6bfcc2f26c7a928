#pragma once

#include <stdexcept>

// A printer fault: a job that cannot start, a sheet that cannot be fed, a printer without settings,
// a file that cannot be written. Outside the arithmetic family, so the user reads the unidentified
// error message.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char *PrinterDriverErrorMessage = "Printer driver error";
