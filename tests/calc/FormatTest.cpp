#include "calc/Format.h"

#include "calc/Errors.h"
#include "tests/support/CalcValuePrinters.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

LocaleValues DollarLocale()
{
    return {"$", 0, 0, ",", "."};
}
LocaleValues CommaDecimalLocale()
{
    return {"$", 0, 0, ".", ","};
}

std::string Printed(long double value)
{
    std::ostringstream out;
    out.precision(21);
    out << value;
    std::string text = out.str();
    for (char &c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return text;
}

// DecimalDigits

struct DigitsCase {
    long double Value;
    int Precision;
    int Decimals;
    DecimalDigitsResult Expected;
};

class DecimalDigitsOf : public testing::TestWithParam<DigitsCase> {};

TEST_P(DecimalDigitsOf, GivesExponentSignAndDigits)
{
    const DigitsCase &c = GetParam();
    EXPECT_EQ(DecimalDigits(c.Value, c.Precision, c.Decimals), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DecimalDigitsOf,
    testing::Values(
        DigitsCase{0, 15, UnlimitedDecimals, {0, false, ""}},
        DigitsCase{-0.0L, 15, UnlimitedDecimals, {0, false, ""}},
        DigitsCase{8.75L, 5, UnlimitedDecimals, {1, false, "875"}},
        DigitsCase{100.125L, 5, UnlimitedDecimals, {3, false, "10013"}},   // a 5 rounds up
        DigitsCase{9.9996L, 4, UnlimitedDecimals, {2, false, "1"}},        // carry out of the top
        DigitsCase{999999999999999999.6L, 18, 0, {19, false, "1"}},        // rounds to 10^18
        DigitsCase{-0.006L, 10, 2, {-1, true, "1"}},                       // carry past d1
        DigitsCase{-0.004L, 10, 2, {-2, true, ""}},                        // sign without digits
        DigitsCase{-0.0004L, 10, 2, {0, false, ""}},                       // below the last decimal
        DigitsCase{1e-4000L, 15, UnlimitedDecimals, {-3999, false, "1"}},  // deep in the range
        DigitsCase{1.5e4000L, 15, UnlimitedDecimals, {4001, false, "15"}}, // high in the range
        DigitsCase{
            std::numeric_limits<long double>::denorm_min(), 3, UnlimitedDecimals, {-4950, false, "365"}},
        DigitsCase{std::numeric_limits<long double>::max(), 5, UnlimitedDecimals, {4933, false, "11897"}}),
    [](const testing::TestParamInfo<DigitsCase> &info) {
        return Printed(info.param.Value) + "_P" + std::to_string(info.param.Precision) + "_D" +
               std::to_string(info.param.Decimals);
    });

// FormatGeneral

struct TextCase {
    long double Value;
    const char *Expected;
};

class FormatGeneralFiveDigits : public testing::TestWithParam<TextCase> {};

TEST_P(FormatGeneralFiveDigits, Layout)
{
    EXPECT_EQ(FormatGeneral(GetParam().Value, 5, DollarLocale()), GetParam().Expected);
}

auto TextCaseName = [](const testing::TestParamInfo<TextCase> &info) { return Printed(info.param.Value); };

INSTANTIATE_TEST_SUITE_P(Values, FormatGeneralFiveDigits,
                         testing::Values(TextCase{8.75L, "8.75"}, TextCase{8.0L, "8"},
                                         TextCase{100.125L, "100.13"}, TextCase{0.0001L, "0.0001"},
                                         TextCase{0.00001L, "1E-5"}, TextCase{123456, "1.2346E5"},
                                         TextCase{0, "0"}, TextCase{-0.5L, "-0.5"}, TextCase{12345, "12345"},
                                         TextCase{99999.5L, "1E5"},
                                         TextCase{-1.1368683772161603e-13L, "-1.1369E-13"},
                                         TextCase{0.00012345678L, "0.00012346"}, TextCase{1e100L, "1E100"},
                                         TextCase{std::numeric_limits<long double>::infinity(), "INF"},
                                         TextCase{-std::numeric_limits<long double>::infinity(), "-INF"},
                                         TextCase{std::numeric_limits<long double>::quiet_NaN(), "NAN"}),
                         TextCaseName);

TEST(FormatGeneral, UsesTheLocalesDecimalSeparator)
{
    EXPECT_EQ(FormatGeneral(8.75L, 5, CommaDecimalLocale()), "8,75");
    EXPECT_EQ(FormatGeneral(1.5e-7L, 5, CommaDecimalLocale()), "1,5E-7");
    EXPECT_EQ(FormatGeneral(0.05L, 5, CommaDecimalLocale()), "0,05");
}

// Every finite double printed with 18 digits reads back as itself.
TEST(FormatGeneral, EighteenDigitsReadBackExactly)
{
    constexpr unsigned Seed = 20261207;
    std::mt19937_64 random(Seed);
    SCOPED_TRACE("seed " + std::to_string(Seed));
    for (int i = 0; i < 20000; ++i) {
        const auto value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        const std::string text = FormatGeneral(value, 18, DollarLocale());
        ASSERT_EQ(TextToFloat(text, DollarLocale()), value) << text;
    }
}

// FormatCurrency

class FormatCurrencyDollars : public testing::TestWithParam<TextCase> {};

TEST_P(FormatCurrencyDollars, Layout)
{
    EXPECT_EQ(FormatCurrency(GetParam().Value, DollarLocale()), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatCurrencyDollars,
    testing::Values(TextCase{100000, "$100,000.00"}, TextCase{-4000, "($4,000.00)"},
                    TextCase{786.7004L, "$786.70"}, TextCase{0, "$0.00"}, TextCase{0.5L, "$0.50"},
                    TextCase{0.05L, "$0.05"}, TextCase{999.995L, "$1,000.00"},
                    TextCase{123456789.12L, "$123,456,789.10"}, TextCase{1234567890.12L, "$1,234,567,890.00"},
                    TextCase{9999999999.4L, "$9,999,999,999.00"}, TextCase{9999999999.5L, "1E10"},
                    TextCase{12345678901.23L, "1.23456789E10"}, TextCase{-12345678901.23L, "-1.23456789E10"},
                    TextCase{-0.004L, "($0.00)"}, TextCase{-0.006L, "($0.01)"}, TextCase{-0.0004L, "$0.00"},
                    TextCase{-27.29L, "($27.29)"}),
    TextCaseName);

TEST(FormatCurrency, EachNegativePatternPlacesSymbolSignAndBlank)
{
    const char *expected[16] = {"(¤1,234.50)", "-¤1,234.50",  "¤-1,234.50",   "¤1,234.50-",
                                "(1,234.50¤)", "-1,234.50¤",  "1,234.50-¤",   "1,234.50¤-",
                                "-1,234.50 ¤", "-¤ 1,234.50", "1,234.50 ¤-",  "¤ 1,234.50-",
                                "¤ -1,234.50", "1,234.50- ¤", "(¤ 1,234.50)", "(1,234.50 ¤)"};
    LocaleValues locale{"¤", 0, 0, ",", "."};
    for (int code = 0; code < 16; ++code) {
        locale.NegCurrFormat = code;
        EXPECT_EQ(FormatCurrency(-1234.5L, locale), expected[code]) << "pattern " << code;
    }
    locale.NegCurrFormat = 99; // counts as 15
    EXPECT_EQ(FormatCurrency(-1234.5L, locale), expected[15]);
}

TEST(FormatCurrency, EachPositivePatternPlacesSymbolAndBlank)
{
    const char *expected[4] = {"EUR1,234.50", "1,234.50EUR", "EUR 1,234.50", "1,234.50 EUR"};
    LocaleValues locale{"EUR", 0, 0, ",", "."};
    for (int code = 0; code < 4; ++code) {
        locale.CurrencyFormat = code;
        EXPECT_EQ(FormatCurrency(1234.5L, locale), expected[code]) << "pattern " << code;
    }
    locale.CurrencyFormat = 7; // counts as 3
    EXPECT_EQ(FormatCurrency(1234.5L, locale), expected[3]);
}

TEST(FormatCurrency, CommaDecimalLocaleSwapsTheSeparators)
{
    EXPECT_EQ(FormatCurrency(100000, CommaDecimalLocale()), "$100.000,00");
    EXPECT_EQ(FormatCurrency(12345678901.23L, CommaDecimalLocale()), "1,23456789E10");
}

TEST(FormatCurrency, MultiByteSeparatorsAreSetWhole)
{
    const LocaleValues locale{"€", 3, 8, "\u202f", ","};
    EXPECT_EQ(FormatCurrency(-1234567.891L, locale), "-1\u202f234\u202f567,89 €");
}

// FormatCurrencyCents

// Up to ten digits (99,999,999.99) both layouts show every cent, so they agree in every pattern
// and separator.
TEST(FormatCurrencyCents, AgreesWithTheCurrencyLayoutWhereThatShowsEveryCent)
{
    const LocaleValues settings[] = {
        DollarLocale(), CommaDecimalLocale(), {"€", 0, 0, "\u202f", ","}, {"", 0, 0, "'", "."}};
    const std::int64_t amounts[] = {0,          1,           -1,         5,          -99,
                                    100,        78670,       -400000,    123456789,  -987654321,
                                    9999999999, -9999999999, 1000000000, -1000000001};
    for (LocaleValues locale : settings) {
        for (int positive = 0; positive <= 3; ++positive) {
            for (int negative = 0; negative <= 15; ++negative) {
                locale.CurrencyFormat = positive;
                locale.NegCurrFormat = negative;
                for (const std::int64_t cents : amounts) {
                    ASSERT_EQ(FormatCurrencyCents(cents, locale),
                              FormatCurrency(static_cast<long double>(cents) / 100, locale))
                        << cents << " in patterns " << positive << "/" << negative << " with '"
                        << locale.CurrencySymbol << "'";
                }
            }
        }
    }
}

struct CentsCase {
    const char *Name;
    std::int64_t Cents;
    LocaleValues Locale;
    const char *Expected;
};

void PrintTo(const CentsCase &c, std::ostream *os)
{
    *os << c.Cents;
}

class FormatCurrencyCentsOf : public testing::TestWithParam<CentsCase> {};

// Beyond ten digits every cent stays, up to both ends of the 64-bit range.
TEST_P(FormatCurrencyCentsOf, KeepsEveryCent)
{
    EXPECT_EQ(FormatCurrencyCents(GetParam().Cents, GetParam().Locale), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatCurrencyCentsOf,
    testing::Values(CentsCase{"ElevenDigits", 11328486132, DollarLocale(), "$113,284,861.32"},
                    CentsCase{"TenBillion", 1000000000000, DollarLocale(), "$10,000,000,000.00"},
                    CentsCase{"Largest", std::numeric_limits<std::int64_t>::max(), DollarLocale(),
                              "$92,233,720,368,547,758.07"},
                    CentsCase{"Smallest", std::numeric_limits<std::int64_t>::min(), DollarLocale(),
                              "($92,233,720,368,547,758.08)"},
                    CentsCase{"SmallestCommaDecimal",
                              std::numeric_limits<std::int64_t>::min(),
                              {"€", 3, 8, "\u202f", ","},
                              "-92\u202f233\u202f720\u202f368\u202f547\u202f758,08 €"},
                    CentsCase{"LargeNegativeSymbolLast",
                              -123456789012345,
                              {"kr", 1, 13, ".", ","},
                              "1.234.567.890.123,45- kr"}),
    [](const testing::TestParamInfo<CentsCase> &info) { return std::string(info.param.Name); });

// FormatFixed

struct FixedCase {
    long double Value;
    int Decimals;
    const char *Expected;
};

class FormatFixedOf : public testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedOf, Layout)
{
    EXPECT_EQ(FormatFixed(GetParam().Value, GetParam().Decimals, DollarLocale()), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFixedOf,
                         testing::Values(FixedCase{8.75L, 0, "9"}, FixedCase{0.125L, 2, "0.13"},
                                         FixedCase{2.5L, 0, "3"}, FixedCase{-2.5L, 0, "-3"},
                                         FixedCase{0, 0, "0"}, FixedCase{0, 2, "0.00"},
                                         FixedCase{1234567.891L, 2, "1234567.89"},
                                         FixedCase{-123.456L, 1, "-123.5"},
                                         FixedCase{1.005, 2, "1.00"}, // the double lies below the tie
                                         FixedCase{0.1 + 0.2, 2, "0.30"}, FixedCase{9.9999L, 3, "10.000"},
                                         FixedCase{0.05L, 1, "0.1"}, FixedCase{-0.001L, 2, "-0.00"},
                                         FixedCase{-0.0004L, 2, "0.00"}, FixedCase{1e-20L, 3, "0.000"},
                                         FixedCase{999999999999999999.0L, 0, "999999999999999999"},
                                         FixedCase{1e18L, 2, "1E18"}, FixedCase{-2.5e20L, 2, "-2.5E20"}),
                         [](const testing::TestParamInfo<FixedCase> &info) {
                             return Printed(info.param.Value) + "_" + std::to_string(info.param.Decimals);
                         });

TEST(DecimalDigits, RejectsValuesThatAreNotFinite)
{
    EXPECT_THROW(DecimalDigits(std::numeric_limits<long double>::infinity(), 5, 2), InvalidOperationError);
    EXPECT_THROW(DecimalDigits(std::numeric_limits<long double>::quiet_NaN(), 5, 2), InvalidOperationError);
}

TEST(FormatFixed, DecimalsBeyondEighteenCountAsEighteen)
{
    EXPECT_EQ(FormatFixed(1.5L, 25, DollarLocale()), "1.500000000000000000");
    EXPECT_EQ(FormatFixed(1.5L, -2, DollarLocale()), "2");
}

TEST(FormatFixed, UsesTheLocalesDecimalSeparatorWithoutGrouping)
{
    EXPECT_EQ(FormatFixed(1234567.5L, 2, CommaDecimalLocale()), "1234567,50");
}

// TextToFloat

struct ReadCase {
    const char *Text;
    double Expected;
};

class TextToFloatReads : public testing::TestWithParam<ReadCase> {};

TEST_P(TextToFloatReads, Number)
{
    const double value = TextToFloat(GetParam().Text, DollarLocale());
    EXPECT_EQ(value, GetParam().Expected);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().Expected));
}

auto TextName = [](const auto &info) {
    std::string name;
    for (const char *p = info.param.Text; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name + "_" + std::to_string(info.index);
};

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToFloatReads,
    testing::Values(ReadCase{"12.5", 12.5}, ReadCase{"  12.5  ", 12.5}, ReadCase{"-3", -3},
                    ReadCase{"+4.25e2", 425}, ReadCase{"1E-3", 0.001}, ReadCase{".5", 0.5}, ReadCase{"5.", 5},
                    ReadCase{"-0", -0.0}, ReadCase{"0.1", 0.1}, ReadCase{"1e-400", 0},
                    ReadCase{"-1e-400", -0.0}, ReadCase{"0.000000000000000000000000000000000000001e-300", 0},
                    ReadCase{"1.7976931348623157e308", 1.7976931348623157e308},
                    ReadCase{"100000000000000000000000000000000000000000000000000e-50", 1},
                    ReadCase{"4.9406564584124654e-324", 4.9406564584124654e-324},
                    ReadCase{"1e-99999999999999999999", 0}),
    TextName);

struct RejectCase {
    const char *Text;
};

class TextToFloatRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(TextToFloatRejects, WithTheConversionMessage)
{
    const std::string text = GetParam().Text;
    try {
        TextToFloat(text, DollarLocale());
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError &error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToFloatRejects,
                         testing::Values(RejectCase{""}, RejectCase{"   "}, RejectCase{"abc"},
                                         RejectCase{"1,000"}, RejectCase{"1e"}, RejectCase{"1e+"},
                                         RejectCase{"--1"}, RejectCase{"1.2.3"}, RejectCase{"0x10"},
                                         RejectCase{"inf"}, RejectCase{"nan"}, RejectCase{"1 2"},
                                         RejectCase{"."}, RejectCase{"-"}, RejectCase{"\t1"},
                                         RejectCase{"1e5x"}, RejectCase{"e5"}),
                         TextName);

// A well-formed number beyond the double range is not a conversion failure: it is too large to compute with.
TEST(TextToFloat, NumbersBeyondTheDoubleRangeOverflow)
{
    const std::vector<std::string> texts = {"1e400", "-1e99999999999999999999", "1.8e308",
                                            "1" + std::string(400, '0')};
    for (const std::string &text : texts)
        EXPECT_THROW(TextToFloat(text, DollarLocale()), OverflowError) << text;
}

TEST(TextToFloat, ReadsTheLocalesDecimalSeparatorOnly)
{
    EXPECT_EQ(TextToFloat("1,5", CommaDecimalLocale()), 1.5);
    EXPECT_EQ(TextToFloat("-8,75E1", CommaDecimalLocale()), -87.5);
    EXPECT_THROW(TextToFloat("1.5", CommaDecimalLocale()), ConversionError);
    const LocaleValues multiByte{"", 0, 0, ".", "\u066b"}; // Arabic decimal separator
    EXPECT_EQ(TextToFloat("2\u066b25", multiByte), 2.25);
}

} // namespace
