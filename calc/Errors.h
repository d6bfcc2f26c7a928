#pragma once

#include <stdexcept>
#include <string>

// The two families of failure that the computation raises. The application's failure handler
// tells them apart by family only; the kinds inside the arithmetic family are for tests and callers.

class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OverflowError : public ArithmeticError {
public:
    OverflowError() : ArithmeticError("Floating point overflow") {}
};

class DivisionByZeroError : public ArithmeticError {
public:
    DivisionByZeroError() : ArithmeticError("Floating point division by zero") {}
};

class InvalidOperationError : public ArithmeticError {
public:
    InvalidOperationError() : ArithmeticError("Invalid floating point operation") {}
};

// A text that is not a number, or a number outside the whole-number range asked for.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one report of a failure that ends a computation, as the user reads it: arithmetic failures
// suggest smaller numbers, every other failure is unidentified.
inline constexpr const char *ArithmeticFailureMessage =
    "The results of this calculation will be\n\rtoo large for your system to calculate.\n\r\n\r"
    "Please try again with smaller numbers.";
inline constexpr const char *OtherFailureMessage = "An unidentified error has occurred.";

inline const char *FailureMessage(const std::exception &failure)
{
    return dynamic_cast<const ArithmeticError *>(&failure) ? ArithmeticFailureMessage : OtherFailureMessage;
}

// The text with each line break as one line feed, as screens and terminals expect: line feed then
// carriage return (as the messages write it), carriage return then line feed, or a lone carriage
// return.
inline std::string WithPlainLineFeeds(const std::string &text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pair = i + 1 < text.size() && ((text[i] == '\n' && text[i + 1] == '\r') ||
                                                  (text[i] == '\r' && text[i + 1] == '\n'));
        plain += text[i] == '\r' ? '\n' : text[i];
        i += pair ? 1 : 0;
    }
    return plain;
}
