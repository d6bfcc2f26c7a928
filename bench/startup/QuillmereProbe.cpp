// The program's own start-up, ended at the main window's first paint.
#include "app/Application.h"
#include "bench/startup/FirstPaintProbe.h"
#include "app/MainWindow.h"

int main(int argc, char **argv)
{
    return RunQuillmere(argc, argv, [](TfrmMain &window) { ReportFirstPaintAndQuit(window); });
}
