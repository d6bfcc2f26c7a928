#include "app/Application.h"

#include "app/IdleSteps.h"
#include "app/MainWindow.h"
#include "app/ReportPrinting.h"
#include "calc/LocaleValues.h"
#include "controls/common/OwnWindowFrame.h"
#include "report/chart/PaymentChartReport.h"
#include "report/printer/CupsPrinterDevice.h"

#include <QApplication>
#include <iostream>
#include <optional>
#include <string>

int RunQuillmere(int &argc, char **argv, const std::function<void(TfrmMain &)> &onShown)
{
    // The locale's number and currency settings, read once before any window exists.
    if (const std::optional<std::string> warning = UseEnvironmentLocale())
        std::cerr << "quillmere: " << *warning << '\n';
    const LocaleValues locale = ReadSystemLocaleValues();
    QApplication application(argc, argv);
    // Qt would append a display name to every window's caption, so the title is the application's
    // name and the main window's caption; the desktop entry and window class use "quillmere".
    QCoreApplication::setApplicationName(QStringLiteral("quillmere"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillmere"));
    UseOwnWindowFramesWhereNeeded();
    TellWindowManagerCaptionButtons();

    // Printing on the system's printers; nothing asks the print system while the program starts. The
    // first preview is most likely the chart's. At the end the main window goes first, then printing,
    // then the application.
    ReportPrinting printing(std::make_unique<CupsPrinterDevice>(), TRPPaymentChart::Fonts());
    TfrmMain frmMain(locale, printing);

    frmMain.show();
    // Once the window has painted, the first Print Preview is readied while the program is idle.
    StepWhenIdle(frmMain, [&printing] { return printing.PrepareFirstPreview(); });
    if (onShown)
        onShown(frmMain);
    return QApplication::exec();
}
