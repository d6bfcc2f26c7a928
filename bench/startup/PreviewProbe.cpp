// The Print Preview command, timed in the running program as a user meets it: once the main window
// has painted, the chart is built and the program is idle, from the command to the first painted
// sheet with the page on it, and the part of it from the preview window's showing on, after the
// report has been generated. With the argument "again", the preview timed is a repeat one: the
// command runs once before, untimed.
#include "app/MainWindow.h"
#include "bench/startup/IntervalProbe.h"
#include "report/preview/FmPreview.h"
#include "report/preview/RPCustomPreview.h"

#include <cstring>

int main(int argc, char **argv)
{
    const int untimedRuns = argc > 1 && std::strcmp(argv[1], "again") == 0 ? 1 : 0;
    return RunIntervalProbe(
        argc, argv,
        [](TfrmMain &window) { window.btnPrintClick(&window); }, // returns when the preview closes
        {[](QObject *widget) { return qobject_cast<TFmPreview *>(widget) != nullptr; },
         [](QObject *widget) { return qobject_cast<TRPCustomPreview *>(widget) != nullptr; }},
        untimedRuns);
}
