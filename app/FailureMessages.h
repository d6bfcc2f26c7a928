#pragma once

#include <exception>
#include <string>

// What the application's failure handler tells the user, by failure family.
inline constexpr char TooLargeMessage[] =
    "The results of this calculation will be\n\rtoo large for your system "
    "to calculate.\n\r\n\rPlease try again with smaller numbers.";
inline constexpr char UnidentifiedErrorMessage[] = "An unidentified error has occurred.";

// TooLargeMessage for the arithmetic family (ArithmeticError and its kinds), UnidentifiedErrorMessage
// for every other failure.
std::string FailureMessage(const std::exception &failure);
