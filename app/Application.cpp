#include "app/Application.h"

#include "app/MainWindow.h"
#include "app/PrintedChart.h"
#include "calc/LocaleValues.h"
#include "controls/common/OwnWindowFrame.h"

#include <QApplication>
#include <clocale>

int RunQuillmere(int &argc, char **argv, const std::function<void(TfrmMain &)> &onShown)
{
    // The locale's number and currency settings, read once before any window exists.
    std::setlocale(LC_ALL, "");
    const LocaleValues locale = ReadSystemLocaleValues();
    QApplication application(argc, argv);
    // Qt would append a display name to every window's caption, so the title is the application's
    // name and the main window's caption; the desktop entry and window class use "quillmere".
    QCoreApplication::setApplicationName(QStringLiteral("quillmere"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmere"));
    UseOwnWindowFramesWhereNeeded();

    // The printed chart's objects come on the first Print Preview. At the end the main window goes
    // first, then the printed chart, then the application.
    TPrintedChart printedChart;
    TfrmMain frmMain(locale, printedChart);

    frmMain.show();
    if (onShown)
        onShown(frmMain);
    return QApplication::exec();
}
