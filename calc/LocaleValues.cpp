#include "calc/LocaleValues.h"

#include <climits>
#include <clocale>
#include <cstdlib>

bool IsOneCharacter(const std::string &text)
{
    if (text.empty())
        return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length != text.size())
        return false;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return false;
    }
    return true;
}

namespace {

bool Given(int field)
{
    return field != CHAR_MAX;
}

std::string FirstOneCharacter(const char *preferred, const char *fallback, const std::string &byDefault)
{
    if (preferred && IsOneCharacter(preferred))
        return preferred;
    if (fallback && IsOneCharacter(fallback))
        return fallback;
    return byDefault;
}

} // namespace

int PositiveCurrencyPattern(const CurrencyPlacement &placement)
{
    if (!Given(placement.CsPrecedes))
        return 0;
    // The positive sign is empty in practice, so only a blank between symbol and number counts: always
    // with 1; with 2 (a blank next to the sign) where the sign sits between them, as in da_DK's "kr. 1".
    const bool signBetween = placement.CsPrecedes ? placement.SignPosn == 4 : placement.SignPosn == 3;
    const bool blank = placement.SepBySpace == 1 || (placement.SepBySpace == 2 && signBetween);
    return (placement.CsPrecedes ? 0 : 1) + (blank ? 2 : 0);
}

int NegativeCurrencyPattern(const CurrencyPlacement &placement)
{
    if (!Given(placement.CsPrecedes) || !Given(placement.SignPosn))
        return 0;
    const int blank = Given(placement.SepBySpace) ? placement.SepBySpace : 0;
    // Rows: sign position 0..4; columns: blank 0, 1, 2. A layout without a code of its own (such as
    // a blank between sign and symbol where the sign leads) takes the code with the same order.
    static constexpr int SymbolFirst[5][3] = {
        {0, 14, 14}, // (¤N)  (¤ N)
        {1, 9, 1},   // -¤N   -¤ N
        {3, 11, 3},  // ¤N-   ¤ N-
        {1, 9, 1},   // sign just before the symbol, which leads: as sign first
        {2, 12, 12}, // ¤-N   ¤ -N
    };
    static constexpr int SymbolLast[5][3] = {
        {4, 15, 15}, // (N¤)  (N ¤)
        {5, 8, 5},   // -N¤   -N ¤
        {7, 10, 7},  // N¤-   N ¤-
        {6, 13, 13}, // N-¤   N- ¤
        {7, 10, 10}, // sign just after the symbol, which trails: as sign last
    };
    const int posn = placement.SignPosn >= 0 && placement.SignPosn <= 4 ? placement.SignPosn : 1;
    const int column = blank >= 0 && blank <= 2 ? blank : 0;
    return placement.CsPrecedes ? SymbolFirst[posn][column] : SymbolLast[posn][column];
}

LocaleValues ReadSystemLocaleValues()
{
    const lconv *conv = std::localeconv();
    LocaleValues values;
    if (conv->currency_symbol)
        values.CurrencySymbol = conv->currency_symbol;
    values.CurrencyFormat =
        PositiveCurrencyPattern({conv->p_cs_precedes, conv->p_sep_by_space, conv->p_sign_posn});
    values.NegCurrFormat =
        NegativeCurrencyPattern({conv->n_cs_precedes, conv->n_sep_by_space, conv->n_sign_posn});
    values.DecimalSeparator = FirstOneCharacter(conv->decimal_point, conv->mon_decimal_point, ".");
    values.ThousandSeparator = FirstOneCharacter(conv->thousands_sep, conv->mon_thousands_sep, ",");
    if (values.ThousandSeparator == values.DecimalSeparator)
        values.ThousandSeparator = values.DecimalSeparator == "," ? "." : ",";
    return values;
}

std::optional<std::string> UseEnvironmentLocale()
{
    if (std::setlocale(LC_ALL, "") != nullptr)
        return std::nullopt;
    std::string named;
    for (const char *variable : {"LC_ALL", "LC_MONETARY", "LC_NUMERIC", "LANG"}) {
        const char *value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            named = value;
            break;
        }
    }
    return "the locale \"" + named +
           "\" is not available; amounts are shown without a currency symbol, with the C locale's separators";
}
