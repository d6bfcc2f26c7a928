#include "calc/LocaleValues.h"

#include "calc/Format.h"
#include "tests/support/CalcValuePrinters.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <monetary.h>
#include <optional>
#include <string>

namespace {

struct LocaleCase {
    const char *Name;
    LocaleValues Expected;
};

void PrintTo(const LocaleCase &c, std::ostream *os)
{
    *os << c.Name;
}

// Switches the whole C locale for one test and restores "C" afterwards.
class LocaleValuesFromSystem : public testing::TestWithParam<LocaleCase> {
protected:
    void SetUp() override
    {
        if (!std::setlocale(LC_ALL, GetParam().Name))
            GTEST_SKIP() << "locale " << GetParam().Name << " is not installed (scripts/test generates it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(LocaleValuesFromSystem, ReadsTheFiveValues)
{
    EXPECT_EQ(ReadSystemLocaleValues(), GetParam().Expected);
}

// The patterns chosen must place symbol, blank and sign where the locale's own monetary layout does.
TEST_P(LocaleValuesFromSystem, CurrencyTextMatchesTheLocalesOwnLayout)
{
    const LocaleValues values = ReadSystemLocaleValues();
    if (values.CurrencySymbol.empty())
        GTEST_SKIP() << "no currency symbol in this locale";
    for (const double amount : {-1234567.5, -0.25, 1234567.5}) {
        char expected[100];
        ASSERT_GT(strfmon(expected, sizeof expected, "%n", amount), 0);
        EXPECT_EQ(FormatCurrency(amount, values), expected) << amount;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleValuesFromSystem,
                         testing::Values(LocaleCase{"C", {"", 0, 0, ",", "."}},
                                         LocaleCase{"en_US.UTF-8", {"$", 0, 1, ",", "."}},
                                         LocaleCase{"de_DE.UTF-8", {"€", 3, 8, ".", ","}},
                                         LocaleCase{"fr_FR.UTF-8", {"€", 3, 8, "\u202f", ","}},
                                         LocaleCase{"nl_NL.UTF-8", {"€", 2, 12, ".", ","}},
                                         LocaleCase{"da_DK.UTF-8", {"kr.", 2, 12, ".", ","}}),
                         [](const testing::TestParamInfo<LocaleCase> &info) {
                             std::string name = info.param.Name;
                             return name.substr(0, name.find('.'));
                         });

// Placements no installed locale may show, each mapped to the code with the same order of parts.
struct PlacementCase {
    CurrencyPlacement Placement;
    int Negative;
};

class NegativePatternOfPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(NegativePatternOfPlacement, KeepsTheOrderOfSymbolSignAndBlank)
{
    EXPECT_EQ(NegativeCurrencyPattern(GetParam().Placement), GetParam().Negative);
}

INSTANTIATE_TEST_SUITE_P(Placements, NegativePatternOfPlacement,
                         testing::Values(PlacementCase{{1, 0, 0}, 0}, PlacementCase{{1, 1, 0}, 14},
                                         PlacementCase{{0, 0, 0}, 4}, PlacementCase{{0, 1, 0}, 15},
                                         PlacementCase{{1, 0, 2}, 3}, PlacementCase{{1, 1, 2}, 11},
                                         PlacementCase{{1, 0, 4}, 2}, PlacementCase{{0, 0, 3}, 6},
                                         PlacementCase{{0, 2, 3}, 13}, PlacementCase{{0, 0, 2}, 7},
                                         PlacementCase{{0, 1, 2}, 10}, PlacementCase{{1, 1, 1}, 9},
                                         PlacementCase{{127, 127, 127}, 0}));

TEST(PositivePatternOfPlacement, SymbolSideAndBlankGiveTheFourCodes)
{
    EXPECT_EQ(PositiveCurrencyPattern({1, 0, 1}), 0);
    EXPECT_EQ(PositiveCurrencyPattern({0, 0, 1}), 1);
    EXPECT_EQ(PositiveCurrencyPattern({1, 1, 1}), 2);
    EXPECT_EQ(PositiveCurrencyPattern({0, 1, 1}), 3);
    EXPECT_EQ(PositiveCurrencyPattern({127, 127, 127}), 0);
}

// A blank next to the (empty) sign falls between symbol and number only where the sign sits there.
TEST(PositivePatternOfPlacement, BlankNextToTheSignCountsWhereTheSignIsBetween)
{
    EXPECT_EQ(PositiveCurrencyPattern({1, 2, 4}), 2); // ¤ +N
    EXPECT_EQ(PositiveCurrencyPattern({0, 2, 3}), 3); // N +¤
    EXPECT_EQ(PositiveCurrencyPattern({1, 2, 1}), 0); // + ¤N
    EXPECT_EQ(PositiveCurrencyPattern({0, 2, 1}), 1); // + N¤
    EXPECT_EQ(PositiveCurrencyPattern({0, 2, 4}), 1); // N¤ +
}

} // namespace

// A locale that cannot be loaded leaves the C locale, whose amounts have no currency symbol: the
// program must be able to say so rather than show the figures bare without a word.
TEST(UseEnvironmentLocale, WarnsOnlyWhenTheNamedLocaleCannotBeLoaded)
{
    const char *before = std::getenv("LC_ALL");
    const std::string saved = before != nullptr ? before : "";
    setenv("LC_ALL", "xx_XX.UTF-8", 1);
    EXPECT_EQ(UseEnvironmentLocale().value_or("loaded"),
              "the locale \"xx_XX.UTF-8\" is not available; amounts are shown without a currency symbol, "
              "with the C locale's separators");
    setenv("LC_ALL", "C", 1);
    EXPECT_EQ(UseEnvironmentLocale(), std::nullopt);
    if (before != nullptr)
        setenv("LC_ALL", saved.c_str(), 1);
    else
        unsetenv("LC_ALL");
    std::setlocale(LC_ALL, "C");
}
