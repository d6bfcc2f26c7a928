#pragma once

#include "printer/PrinterDevice.h"
#include "printer/PrinterError.h"

// A Letter printer that answers at once: 8 x 10.5 inches printable at 600 dots per inch. The report
// benchmarks measure the reports, not the print system.
class LetterPrinter : public PrinterDevice {
public:
    std::optional<PrinterFacts> Measure(const PaperSettings &) override
    {
        return PrinterFacts{{4800, 6300}, {600, 600}, PrinterFacts::SheetFacts{{5100, 6600}, {150, 150}}};
    }
    void ReadSettings() override {}
    bool SupportsPaper(TRPPaperSize) override { return false; }
    std::unique_ptr<PrintJob> StartJob(const QString &, const PaperSettings &) override
    {
        throw PrinterError("the benchmark prints nothing");
    }
};
