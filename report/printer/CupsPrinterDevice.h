#pragma once

#include "report/printer/PrinterDevice.h"

#include <QThreadPool>
#include <ctime>
#include <future>
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
// changed is measured anew. For a document shown as soon as it is made, StartCheck asks that question on
// a thread of its own while the document is made from the kept queue, and PrinterUnchanged waits for the
// answer.
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
    void StartCheck() override;
    bool PrinterUnchanged() override;

private:
    // The current destination, and the time stamp of its PPD when it is the kept queue's.
    struct CheckAnswer {
        PrinterStatus Destination;
        std::optional<std::time_t> PpdTime;
    };

    const PrinterStatus &Destination();
    // The current destination's queue; null when the destination does not exist or Qt does not know it.
    CupsQueue *Queue();

    std::optional<PrinterStatus> m_destination;
    std::unique_ptr<CupsQueue> m_queue; // the last destination's, kept across Forget
    PrinterStatus m_queueDestination;   // the destination m_queue was last checked against
    bool m_queueChecked = false;        // m_queue was checked against m_destination
    std::future<CheckAnswer> m_check;   // the answer StartCheck awaits
    QThreadPool m_checker;              // one thread, kept: starting one costs milliseconds
};
