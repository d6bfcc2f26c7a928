#pragma once

#include "report/printer/PrinterDevice.h"

// The printer a job goes to, resolved as CUPS itself resolves it (the one PRINTER or LPDEST names,
// else the user's default in lpoptions, else the system's default), and its condition. With nothing
// named and no default no printer is guessed: NoDefault, or NoPrinter when none is installed. Asks the
// scheduler at every call and blocks while it answers; never throws.
PrinterStatus LookUpCupsDestination();
