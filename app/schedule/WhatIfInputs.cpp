#include "app/schedule/WhatIfInputs.h"

#include "calc/CellSchedule.h"

#include <algorithm>

namespace {

// A whole number within first..last, read as an amount is: a plain decimal without a fraction.
std::optional<std::int32_t> WholeIn(const std::string &text, std::int32_t first, std::int32_t last,
                                    const LocaleValues &locale)
{
    const std::optional<std::int64_t> cents = PlainAmountCents(text, locale);
    if (!cents || *cents % 100 != 0 || *cents / 100 < first || *cents / 100 > last)
        return std::nullopt;
    return static_cast<std::int32_t>(*cents / 100);
}

std::string RangeReason(const char *what, std::int32_t first, std::int32_t last)
{
    return std::string("Enter ") + what + " from " + std::to_string(first) + " to " + std::to_string(last) +
           ".";
}

// Reads the fields of one thing the entry asks for (the extra each month, a one-time extra, the
// dates), each into its value or, refused, into the reading's refusals with the reason.
class FieldReader {
public:
    FieldReader(const LocaleValues &locale, std::vector<WhatIfRefusal> &refusals)
        : m_locale(locale), m_refusals(refusals), m_firstRefusal(refusals.size())
    {
    }

    void Amount(const std::string &text, WhatIfField field, int row, std::int64_t &value)
    {
        if (const std::optional<std::int64_t> cents = PlainAmountCents(text, m_locale))
            value = *cents;
        else
            m_refusals.push_back({field, row, "Enter an amount of 0 or more with at most two decimals."});
    }

    void Whole(const std::string &text, WhatIfField field, int row, const char *what, std::int32_t last,
               std::int32_t &value)
    {
        if (const std::optional<std::int32_t> whole = WholeIn(text, 1, last, m_locale))
            value = *whole;
        else
            m_refusals.push_back({field, row, RangeReason(what, 1, last)});
    }

    // Whether all the fields read so far stand.
    bool Accepted() const { return m_refusals.size() == m_firstRefusal; }

    // `what` is left out ("The rows are not dated"), a colon and the reasons of the fields read so far.
    std::string LeftOut(const std::string &what) const
    {
        std::string sentence = what + ":";
        for (size_t i = m_firstRefusal; i < m_refusals.size(); ++i)
            sentence += " " + m_refusals[i].Reason;
        return sentence;
    }

private:
    const LocaleValues &m_locale;
    std::vector<WhatIfRefusal> &m_refusals;
    size_t m_firstRefusal;
};

// The one-time extra of entry row `row` by the payment number typed, as the user knows it.
std::string OneTimeExtraName(const WhatIfEntry::OneTimeEntry &entry, int row)
{
    return entry.Payment.empty() ? "The one-time extra in row " + std::to_string(row + 1)
                                 : "The one-time extra at payment " + entry.Payment;
}

bool Refuses(const std::vector<WhatIfRefusal> &refusals, WhatIfField field)
{
    return std::any_of(refusals.begin(), refusals.end(),
                       [field](const WhatIfRefusal &refusal) { return refusal.Field == field; });
}

} // namespace

WhatIfReading ReadWhatIfEntry(const WhatIfEntry &entry, std::int32_t months, const LocaleValues &locale)
{
    WhatIfReading reading;
    ScheduleExtras &extras = reading.Extras;
    {
        FieldReader read(locale, reading.Refusals);
        read.Amount(entry.MonthlyExtra, WhatIfField::MonthlyExtra, 0, extras.MonthlyCents);
        read.Whole(entry.FromPayment, WhatIfField::FromPayment, 0, "a payment", months, extras.FromMonth);
        if (!read.Accepted()) {
            extras = {};
            const bool namedByPayment =
                Refuses(reading.Refusals, WhatIfField::FromPayment) && !entry.FromPayment.empty();
            reading.LeftOut.push_back(read.LeftOut(
                "The extra each month" + (namedByPayment ? " from payment " + entry.FromPayment : "") +
                " is not included"));
        }
    }
    for (size_t i = 0; i < entry.OneTime.size(); ++i) {
        const int row = static_cast<int>(i);
        FieldReader read(locale, reading.Refusals);
        OneTimeExtra extra;
        read.Whole(entry.OneTime[i].Payment, WhatIfField::OneTimePayment, row, "a payment", months,
                   extra.Month);
        read.Amount(entry.OneTime[i].Amount, WhatIfField::OneTimeAmount, row, extra.Cents);
        if (read.Accepted()) {
            extras.OneTime.push_back(extra);
            reading.OneTimeRows.push_back(row);
        } else {
            reading.LeftOut.push_back(
                read.LeftOut(OneTimeExtraName(entry.OneTime[i], row) + " is not included"));
        }
    }
    if (entry.Dated) {
        FieldReader read(locale, reading.Refusals);
        PaymentMonth first;
        read.Whole(entry.FirstMonth, WhatIfField::FirstMonth, 0, "a month", 12, first.Month);
        read.Whole(entry.FirstYear, WhatIfField::FirstYear, 0, "a year", 9999, first.Year);
        if (read.Accepted())
            reading.FirstPayment = first;
        else
            reading.LeftOut.push_back(read.LeftOut("The rows are not dated"));
    }
    return reading;
}
