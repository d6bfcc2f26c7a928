// The program's own start-up, ended at the main window's first paint.
#include "Application.h"
#include "FirstPaintProbe.h"
#include "MainWindow.h"

int main(int argc, char **argv)
{
    return RunQuillmere(argc, argv, [](TfrmMain &window) { ReportFirstPaintAndQuit(window); });
}
