#pragma once

#include "report/printer/PrinterDevice.h"

#include <QPrinterInfo>
#include <optional>
#include <utility>
#include <vector>

class QPrinter;

// The system's printers through CUPS and Qt PrintSupport: the current printer is the one CUPS resolves
// (LookUpCupsDestination), never a guess. Measures with the printer's own default paper and minimum
// margins, portrait unless the settings say landscape. Never shows a printer dialog; never prints
// through Qt's PDF fallback when there is no printer.
//
// Asking the print system is slow (tens of milliseconds), so the current printer is looked up once,
// its QPrinter built once and each measurement made once per settings, until Forget or Status.
class CupsPrinterDevice : public PrinterDevice {
public:
    CupsPrinterDevice();
    ~CupsPrinterDevice() override;
    std::optional<PrinterFacts> Measure(const PaperSettings &settings) override;
    void ReadSettings() override;
    bool SupportsPaper(TRPPaperSize paper) override;
    std::unique_ptr<PrintJob> StartJob(const QString &title, const PaperSettings &settings) override;
    PrinterStatus Status() override;
    void Forget() noexcept override;

private:
    const PrinterStatus &Destination();
    // Null unless the destination exists.
    const QPrinterInfo &Printer();
    // The current printer configured for the settings; throws PrinterError when Qt cannot drive it.
    QPrinter &ConfiguredPrinter(const PaperSettings &settings);

    std::optional<PrinterStatus> m_destination;
    std::optional<QPrinterInfo> m_info;
    std::unique_ptr<QPrinter> m_printer;
    PaperSettings m_printerSettings; // what m_printer is configured for
    std::vector<std::pair<PaperSettings, PrinterFacts>> m_measured;
};
