#pragma once

#include "report/engine/RPComponent.h"

#include <functional>

// The handlers of a report component; its run raises them with the report as the sender.
struct TRPReportEvents {
    // Asked for each record, moreData preset true on the first call and false on later ones; a
    // detail prints for each answer of true. Unbound, one detail prints.
    std::function<void(TRPComponent *sender, bool &moreData)> OnNeedData;
    // Asked after OnNeedData with the same answer while it is true; may clear it to end the data.
    std::function<void(TRPComponent *sender, bool &printRecord)> OnFilter;
    // Before anything prints; clearing printReport cancels the run (no pages are shown).
    std::function<void(TRPComponent *sender, bool &printReport)> BeforePrint;
    std::function<void(TRPComponent *sender)> AfterPrint;   // after the last page
    std::function<void(TRPComponent *sender)> BeforeDetail; // before the detail bands of a record
    std::function<void(TRPComponent *sender)> AfterDetail;  // after them
    std::function<void(TRPComponent *sender)> OnStartPage;
    std::function<void(TRPComponent *sender)> OnEndPage;
};
