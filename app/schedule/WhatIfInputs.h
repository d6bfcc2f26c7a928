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

// What the entry asks for: the extras and, when dated, the first payment's month. Meant only when
// Refusals is empty.
struct WhatIfReading {
    ScheduleExtras Extras;
    std::optional<PaymentMonth> FirstPayment;
    std::vector<WhatIfRefusal> Refusals; // one per refused field, in the fields' order
};

// Reads `entry` for a term of `months` payments: amounts as PlainAmountCents reads them, payment
// numbers 1..months, a month 1..12 and a year 1..9999. Each field that is none of these is refused
// with the reason.
WhatIfReading ReadWhatIfEntry(const WhatIfEntry &entry, std::int32_t months, const LocaleValues &locale);
