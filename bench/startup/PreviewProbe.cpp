// The Print Preview command, timed in the running program: once the main window has painted and the
// chart is built, from the command to the first painted sheet with the page on it.
#include "IntervalProbe.h"
#include "MainWindow.h"
#include "preview/RPCustomPreview.h"

int main(int argc, char **argv)
{
    return RunIntervalProbe(
        argc, argv,
        [](TfrmMain &window) { window.btnPrintClick(&window); }, // returns when the preview closes
        [](QObject *widget) { return qobject_cast<TRPCustomPreview *>(widget) != nullptr; });
}
