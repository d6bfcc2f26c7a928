#include "FailureMessages.h"

#include "Errors.h"

std::string FailureMessage(const std::exception &failure)
{
    return dynamic_cast<const ArithmeticError *>(&failure) ? TooLargeMessage : UnidentifiedErrorMessage;
}
