#pragma once

#include "calc/Schedule.h"

#include <functional>
#include <gtest/gtest.h>

// A refusal as its caller sees it: the reason, and the message the user reads.
struct Refusal {
    ScheduleRefusal Reason;
    const char *Message;
};

inline constexpr Refusal EmptyCell{ScheduleRefusal::EmptyCell,
                                   "This cell holds no payment, so there is no schedule to show."};
inline constexpr Refusal NoLoan{ScheduleRefusal::NoLoan, "A payment schedule needs a loan amount above 0."};
inline constexpr Refusal NeverRepaid{
    ScheduleRefusal::NeverRepaid,
    "The payment does not exceed the first month's interest, so the loan would never be repaid."};
inline constexpr Refusal ZeroPayment{ScheduleRefusal::ZeroPayment,
                                     "The payment of this cell is zero, so the loan would never be repaid."};
inline constexpr Refusal TermOutOfRange{ScheduleRefusal::TermOutOfRange,
                                        "A payment schedule needs a term of 1 to 999 years."};
inline constexpr Refusal NotInCents{ScheduleRefusal::NotInCents,
                                    "The amount or the payment is too large to be scheduled in whole cents."};
inline constexpr Refusal RateNotExact{ScheduleRefusal::RateNotExact,
                                      "The rate has too many digits to be taken exactly."};
inline constexpr Refusal ExtraNotValid{
    ScheduleRefusal::ExtraNotValid,
    "An extra payment must be 0 or more, in a month from 1 to the last of the term."};

// Expects `make` to refuse as `expected` says.
inline void ExpectRefused(const std::function<void()> &make, const Refusal &expected)
{
    try {
        make();
        FAIL() << "no refusal";
    } catch (const ScheduleRefused &refused) {
        EXPECT_EQ(refused.Reason(), expected.Reason);
        EXPECT_STREQ(refused.what(), expected.Message);
    }
}
