#pragma once

#include "printer/PrinterDevice.h"

// The system's printers through Qt PrintSupport (CUPS): the current printer is the default one (the
// PRINTER variable, else the CUPS default), else the first printer there is, else none. Measures with
// the printer's own default paper and minimum margins, portrait unless the settings say landscape.
// Never shows a printer dialog; never prints through Qt's PDF fallback when there is no printer.
class CupsPrinterDevice : public PrinterDevice {
public:
    std::optional<PrinterFacts> Measure(const PaperSettings &settings) override;
    void ReadSettings() override;
    bool SupportsPaper(TRPPaperSize paper) override;
    std::unique_ptr<PrintJob> StartJob(const QString &title, const PaperSettings &settings) override;
};
