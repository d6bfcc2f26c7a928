#pragma once

#include "report/printer/PrinterDevice.h"

#include <chrono>
#include <ctime>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class CupsCall;
class CupsCaller;
class CupsJobFollower;
class CupsQueue;

// The system's printers through CUPS and Qt PrintSupport: the current printer is the one CUPS resolves
// (LookUpCupsDestination), never a guess. Never shows a printer dialog; never prints through Qt's PDF
// fallback when there is no printer.
//
// Every call to the print system runs on a thread of the device's (CupsCaller) within the answer
// timeout: a print system that does not answer never holds up the window, which says that it waits and
// lets the user cancel. Questions that nobody waits for run on a second thread, so that the queue's
// calls never wait behind them. A print system that gave no answer (NotAnswering, Cancelled) is not asked
// again until the next Forget: the calls that need it throw PrintSystemError at once.
//
// The current printer is looked up once until Forget or Status. Measuring a printer is slow (Qt loads
// its PPD), so what was measured of it (a CupsQueue) is kept across documents; after each Forget one
// cheap question checks it against the destination's name and its PPD's time stamp, and a queue that
// changed is measured anew. For a document shown as soon as it is made, StartCheck asks that question
// without waiting while the document is made from the kept queue, and PrinterUnchanged waits a moment
// for the answer.
//
// A job handed over is followed for a short while (CupsJobFollower): one that the printer then does not
// print goes to the job-failed hook with the scheduler's reason and the document.
class CupsPrinterDevice : public PrinterDevice {
public:
    static constexpr std::chrono::milliseconds DefaultAnswerTimeout = std::chrono::seconds(20);

    explicit CupsPrinterDevice(std::chrono::milliseconds answerTimeout = DefaultAnswerTimeout);
    ~CupsPrinterDevice() override;
    std::optional<PrinterFacts> Measure(const PaperSettings &settings) override;
    void ReadSettings() override;
    bool SupportsPaper(TRPPaperSize paper) override;
    std::unique_ptr<PrintJob> StartJob(const QString &title, const PaperSettings &settings) override;
    PrinterStatus Status() override;
    void Forget() noexcept override;
    void StartCheck() override;
    bool PrinterUnchanged() override;
    void SetJobFailedHook(std::function<void(const FailedJob &)> hook) override;
    void SetPatient(bool patient) override;

private:
    // The current destination, and the time stamp of its PPD when it is the kept queue's.
    struct CheckAnswer {
        PrinterStatus Destination;
        std::optional<std::time_t> PpdTime;
    };

    // Asks through the caller; a print system that gave no answer stands as the destination until Forget.
    template <class T> T Ask(std::function<T(const CupsCall &)> call);
    const PrinterStatus &Destination();
    // The current destination's queue; null when the destination does not exist or Qt does not know it.
    // Throws PrintSystemError when the print system gave no answer.
    std::shared_ptr<CupsQueue> Queue();
    // Follows job `id`, just handed over; `job` is what to say of it if it is not printed.
    void Follow(int id, FailedJob job);

    std::optional<PrinterStatus> m_destination;
    std::shared_ptr<CupsQueue> m_queue; // the last destination's, kept across Forget; used on the thread
    PrinterStatus m_queueDestination;   // the destination m_queue was last checked against
    bool m_queueChecked = false;        // m_queue was checked against m_destination
    std::future<CheckAnswer> m_check;   // the answer StartCheck awaits
    std::shared_ptr<CupsCall> m_checkCall;
    std::function<void(const FailedJob &)> m_onJobFailed;
    std::unique_ptr<CupsCaller> m_caller;  // the queue's calls and the jobs handed over
    std::unique_ptr<CupsCaller> m_checker; // what nobody waits for: the check, the followers' questions
    std::vector<std::unique_ptr<CupsJobFollower>> m_followers;
};
