#include "app/schedule/WhatIfInputs.h"

#include "calc/CellSchedule.h"

#include <charconv>

namespace {

// A whole number written in digits alone, within first..last.
std::optional<std::int32_t> WholeIn(const std::string &text, std::int32_t first, std::int32_t last)
{
    std::int32_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || value < first ||
        value > last)
        return std::nullopt;
    return value;
}

std::string RangeReason(const char *what, std::int32_t first, std::int32_t last)
{
    return std::string("Enter ") + what + " from " + std::to_string(first) + " to " + std::to_string(last) +
           ".";
}

// Reads one field into `value`, or adds its refusal.
class FieldReader {
public:
    FieldReader(const LocaleValues &locale, std::vector<WhatIfRefusal> &refusals)
        : m_locale(locale), m_refusals(refusals)
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
        if (const std::optional<std::int32_t> whole = WholeIn(text, 1, last))
            value = *whole;
        else
            m_refusals.push_back({field, row, RangeReason(what, 1, last)});
    }

private:
    const LocaleValues &m_locale;
    std::vector<WhatIfRefusal> &m_refusals;
};

} // namespace

WhatIfReading ReadWhatIfEntry(const WhatIfEntry &entry, std::int32_t months, const LocaleValues &locale)
{
    WhatIfReading reading;
    FieldReader read(locale, reading.Refusals);
    ScheduleExtras &extras = reading.Extras;
    read.Amount(entry.MonthlyExtra, WhatIfField::MonthlyExtra, 0, extras.MonthlyCents);
    read.Whole(entry.FromPayment, WhatIfField::FromPayment, 0, "a payment", months, extras.FromMonth);
    for (size_t i = 0; i < entry.OneTime.size(); ++i) {
        const int row = static_cast<int>(i);
        OneTimeExtra &extra = extras.OneTime.emplace_back();
        read.Whole(entry.OneTime[i].Payment, WhatIfField::OneTimePayment, row, "a payment", months,
                   extra.Month);
        read.Amount(entry.OneTime[i].Amount, WhatIfField::OneTimeAmount, row, extra.Cents);
    }
    if (entry.Dated) {
        PaymentMonth &first = reading.FirstPayment.emplace();
        read.Whole(entry.FirstMonth, WhatIfField::FirstMonth, 0, "a month", 12, first.Month);
        read.Whole(entry.FirstYear, WhatIfField::FirstYear, 0, "a year", 9999, first.Year);
    }
    return reading;
}
