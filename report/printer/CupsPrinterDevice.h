#pragma once

#include "report/printer/PrinterDevice.h"

#include <memory>
#include <optional>

class CupsQueue;

// The system's printers through CUPS and Qt PrintSupport: the current printer is the one CUPS resolves
// (LookUpCupsDestination), never a guess. Never shows a printer dialog; never prints through Qt's PDF
// fallback when there is no printer.
//
// The current printer is looked up once until Forget or Status. Measuring a printer is slow (Qt loads
// its PPD), so what was measured of it (a CupsQueue) is kept across documents; after each Forget one
// cheap question checks it against the destination's name and its PPD's time stamp, and a queue that
// changed is measured anew.
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
    // The current destination's queue; null when the destination does not exist or Qt does not know it.
    CupsQueue *Queue();

    std::optional<PrinterStatus> m_destination;
    std::unique_ptr<CupsQueue> m_queue; // the last destination's, kept across Forget
    bool m_queueChecked = false;        // m_queue was checked against m_destination
};
