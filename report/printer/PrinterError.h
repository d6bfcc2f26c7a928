#pragma once

#include <stdexcept>

// A printer fault: a job that cannot start, a sheet that cannot be fed, a printer without settings,
// a file that cannot be written. Outside the arithmetic family, so the user reads the unidentified
// error message.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be written whole (a saved document, a print job's file). Its message says why in
// the user's words and is meant to be shown as it is.
class FileWriteError : public PrinterError {
public:
    using PrinterError::PrinterError;
};

inline constexpr const char *PrinterDriverErrorMessage = "Printer driver error";
