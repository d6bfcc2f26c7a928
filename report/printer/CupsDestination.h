#pragma once

#include "report/printer/PrinterDevice.h"

#include <ctime>
#include <optional>

class CupsCall;

// The printer a job goes to, resolved as CUPS itself resolves it (the one PRINTER or LPDEST names,
// else the user's default in lpoptions, else the system's default), and its condition. With nothing
// named and no default no printer is guessed: NoDefault, or NoPrinter when none is installed. Asks the
// scheduler at every call within `call`'s time: NoPrintSystem when nothing answers where it is reached,
// NotAnswering when the call gave up first, Stopped when the scheduler stopped meanwhile. Never throws.
PrinterStatus LookUpCupsDestination(const CupsCall &call);

// The time stamp of the PPD file of destination `name` ("queue" or "queue/instance") as the scheduler
// keeps it: `known` when the file has not changed since, which the scheduler answers without sending
// the file; else its time stamp now. Nothing when the queue has no PPD (a raw queue), when the scheduler
// does not answer, and when the file changed within the second before the answer (a second change in
// that second would carry the same time stamp). Asks within `call`'s time; never throws.
std::optional<std::time_t> CupsPpdTime(const CupsCall &call, const QString &name,
                                       std::optional<std::time_t> known);
