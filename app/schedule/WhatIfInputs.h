#pragma once

#include "calc/LocaleValues.h"
#include "calc/Schedule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The what-if entry fields' texts, as the fields hold them in the locale's layout.
struct WhatIfEntry {
    struct OneTimeEntry {
        std::string Payment; // a payment number
        std::string Amount;
    };

    std::string MonthlyExtra;
    std::string FromPayment;
    std::vector<OneTimeEntry> OneTime;
    bool Dated = false; // whether FirstMonth and FirstYear give a first payment
    std::string FirstMonth;
    std::string FirstYear;
};

// The fields an entry can be refused at; Row counts the one-time extras from 0.
enum class WhatIfField { MonthlyExtra, FromPayment, OneTimePayment, OneTimeAmount, FirstMonth, FirstYear };

struct WhatIfRefusal {
    WhatIfField Field = WhatIfField::MonthlyExtra;
    int Row = 0;
    std::string Reason;

    bool operator==(const WhatIfRefusal &) const = default;
};

// What the entry asks for, less what is refused: a refused extra each month or its first payment
// leaves out the extra each month, a refused payment number or amount that one-time extra, and a
// refused month or year the dates. The figures shown are always those of the entries that stand.
struct WhatIfReading {
    ScheduleExtras Extras;
    std::vector<int> OneTimeRows;             // the entry's row of each of Extras.OneTime
    std::optional<PaymentMonth> FirstPayment; // none when undated or when the date is refused
    std::vector<WhatIfRefusal> Refusals;      // one per refused field, in the fields' order
    // What is left out and why, a sentence each, in the fields' order: "The one-time extra at payment
    // 999 is not included: Enter a payment from 1 to 360."
    std::vector<std::string> LeftOut;
};

// Reads `entry` for a term of `months` payments: amounts as PlainAmountCents reads them, and as whole
// amounts payment numbers 1..months, a month 1..12 and a year 1..9999. Each field that is none of these is
// refused with the reason, and what it belongs to is left out.
WhatIfReading ReadWhatIfEntry(const WhatIfEntry &entry, std::int32_t months, const LocaleValues &locale);
