// The what-if entry read into extras and a first payment month, or refused field by field.
#include "app/schedule/WhatIfInputs.h"

#include <gtest/gtest.h>

namespace {

const LocaleValues Euros{"EUR", 0, 0, ".", ","};

TEST(ReadWhatIfEntry, ReadsAmountsInTheLocaleAndTheFirstPaymentMonth)
{
    const WhatIfReading reading = ReadWhatIfEntry(
        {"150,50", "13", {{"360", "1000,00"}, {"2", "0,05"}}, true, "11", "2027"}, 360, Euros);
    EXPECT_TRUE(reading.Refusals.empty());
    EXPECT_EQ(reading.Extras, (ScheduleExtras{15050, 13, {{360, 100000}, {2, 5}}}));
    EXPECT_EQ(reading.FirstPayment, (PaymentMonth{2027, 11}));
    EXPECT_FALSE(ReadWhatIfEntry({"0,00", "1", {}, false, "0", "0"}, 360, Euros).FirstPayment);
}

struct RefusedCase {
    const char *Name;
    WhatIfEntry Entry;
    std::vector<WhatIfRefusal> Refusals;
};

class WhatIfEntryRefusal : public testing::TestWithParam<RefusedCase> {};

TEST_P(WhatIfEntryRefusal, SaysWhichFieldAndWhy)
{
    EXPECT_EQ(ReadWhatIfEntry(GetParam().Entry, 360, Euros).Refusals, GetParam().Refusals);
}

const std::string AmountReason = "Enter an amount of 0 or more with at most two decimals.";
const std::string PaymentReason = "Enter a payment from 1 to 360.";

INSTANTIATE_TEST_SUITE_P(Entries, WhatIfEntryRefusal,
                         testing::Values(RefusedCase{"NegativeAmount",
                                                     {"-5,00", "1", {}, false, "", ""},
                                                     {{WhatIfField::MonthlyExtra, 0, AmountReason}}},
                                         RefusedCase{"FractionOfACent",
                                                     {"0,001", "1", {}, false, "", ""},
                                                     {{WhatIfField::MonthlyExtra, 0, AmountReason}}},
                                         RefusedCase{"PaymentZero",
                                                     {"0", "0", {}, false, "", ""},
                                                     {{WhatIfField::FromPayment, 0, PaymentReason}}},
                                         RefusedCase{"PaymentBeyondTheTerm",
                                                     {"0", "1", {{"1", "1"}, {"361", "1"}}, false, "", ""},
                                                     {{WhatIfField::OneTimePayment, 1, PaymentReason}}},
                                         RefusedCase{"PaymentInGeneralLayout",
                                                     {"0", "1E3", {}, false, "", ""},
                                                     {{WhatIfField::FromPayment, 0, PaymentReason}}},
                                         RefusedCase{
                                             "MonthAndYearOutOfRange",
                                             {"0", "1", {}, true, "13", "10000"},
                                             {{WhatIfField::FirstMonth, 0, "Enter a month from 1 to 12."},
                                              {WhatIfField::FirstYear, 0, "Enter a year from 1 to 9999."}}}),
                         [](const testing::TestParamInfo<RefusedCase> &info) { return info.param.Name; });

struct LeftOutCase {
    const char *Name;
    WhatIfEntry Entry;
    ScheduleExtras Extras; // what the figures are computed with
    bool Dated;
    std::vector<std::string> LeftOut;
};

class WhatIfEntryLeftOut : public testing::TestWithParam<LeftOutCase> {};

// A refused entry is never read as some other value: it is left out, and what it belonged to is named.
TEST_P(WhatIfEntryLeftOut, ComputesWithoutTheRefusedEntryAndSaysSo)
{
    const WhatIfReading reading = ReadWhatIfEntry(GetParam().Entry, 360, Euros);
    EXPECT_EQ(reading.Extras, GetParam().Extras);
    EXPECT_EQ(reading.FirstPayment.has_value(), GetParam().Dated);
    EXPECT_EQ(reading.LeftOut, GetParam().LeftOut);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, WhatIfEntryLeftOut,
    testing::Values(LeftOutCase{"OneTimePaymentBeyondTheTerm",
                                {"10", "1", {{"999", "500"}, {"12", "100"}}, true, "3", "2025"},
                                {1000, 1, {{12, 10000}}},
                                true,
                                {"The one-time extra at payment 999 is not included: " + PaymentReason}},
                    LeftOutCase{"OneTimeRowWithoutPaymentOrAmount",
                                {"0", "1", {{"", ""}}, false, "", ""},
                                {},
                                false,
                                {"The one-time extra in row 1 is not included: " + PaymentReason + " " +
                                 AmountReason}},
                    LeftOutCase{"FromPaymentBeyondTheTerm",
                                {"200", "400", {{"60", "1000"}}, false, "", ""},
                                {0, 1, {{60, 100000}}},
                                false,
                                {"The extra each month from payment 400 is not included: " + PaymentReason}},
                    LeftOutCase{"NegativeMonthlyExtra",
                                {"-5", "13", {}, false, "", ""},
                                {},
                                false,
                                {"The extra each month is not included: " + AmountReason}},
                    LeftOutCase{"MonthOutOfRange",
                                {"10", "1", {}, true, "13", "2025"},
                                {1000, 1, {}},
                                false,
                                {"The rows are not dated: Enter a month from 1 to 12."}}),
    [](const testing::TestParamInfo<LeftOutCase> &info) { return info.param.Name; });

} // namespace
