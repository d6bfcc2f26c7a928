// The Print Preview command, timed in the running program: once the main window has painted and the
// chart is built, from the command to the first painted sheet with the page on it, and the part of it
// from the preview window's showing on, after the report has been generated.
#include "bench/startup/IntervalProbe.h"
#include "app/MainWindow.h"
#include "report/preview/FmPreview.h"
#include "report/preview/RPCustomPreview.h"

int main(int argc, char **argv)
{
    return RunIntervalProbe(
        argc, argv,
        [](TfrmMain &window) { window.btnPrintClick(&window); }, // returns when the preview closes
        {[](QObject *widget) { return qobject_cast<TFmPreview *>(widget) != nullptr; },
         [](QObject *widget) { return qobject_cast<TRPCustomPreview *>(widget) != nullptr; }});
}
