#pragma once

#include "report/printer/PageGeometry.h"
#include "report/printer/PrinterError.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QPainter;

// Paper sizes and their codes in the printer settings.
enum class TRPPaperSize {
    rppDefault = 0,
    rppLetter = 1,
    rppLegal = 5,
    rppA3 = 8,
    rppA4 = 9,
    rppA5 = 11,
    rppCustom = 256
};

// What the report asks of the printer's settings: orientation and paper. A custom paper's width and
// length are in tenths of a millimetre; both 0 unless the paper is rppCustom.
struct PaperSettings {
    bool Landscape = false;
    TRPPaperSize Paper = TRPPaperSize::rppDefault;
    int CustomWidth = 0;
    int CustomLength = 0;
    friend bool operator==(const PaperSettings &, const PaperSettings &) = default;
};

// A printer's own facts: its page in printer dots and its resolution. A printer that does not tell
// its sheet leaves Dots.Sheet empty and Dots.Offset at 0, 0.
struct PrinterFacts {
    PageGeometry Dots;
    QSize DotsPerInch; // horizontal, vertical
    friend bool operator==(const PrinterFacts &, const PrinterFacts &) = default;
};

// Whether the current printer can take a job now, as the print system answers.
enum class TPrinterCondition {
    Ready,         // takes jobs and prints them
    Paused,        // takes jobs and holds them in its queue until it is resumed
    Refusing,      // takes no jobs
    Missing,       // the printer named (PRINTER, LPDEST, the user's or the system's default) does not exist
    NoDefault,     // printers are installed, but none is named and none is the default
    NoPrinter,     // no printer is installed
    NoPrintSystem, // the print system is not running: nothing answers where it is reached
    NotAnswering,  // the print system was reached but did not answer in time
    Stopped,       // the print system stopped while it was being asked
    Cancelled,     // the user stopped waiting for the print system's answer
};

// The print system did not answer (NotAnswering), stopped (Stopped) or the user stopped waiting for it
// (Cancelled); thrown by the calls of a device that asks it.
class PrintSystemError : public PrinterError {
public:
    explicit PrintSystemError(TPrinterCondition condition)
        : PrinterError("The print system did not answer"), m_condition(condition)
    {
    }
    TPrinterCondition Condition() const { return m_condition; }

private:
    TPrinterCondition m_condition;
};

// The current printer's condition and its name (for Missing the name asked for; empty when no printer
// is named).
struct PrinterStatus {
    TPrinterCondition Condition = TPrinterCondition::NoPrinter;
    QString Name;
    friend bool operator==(const PrinterStatus &, const PrinterStatus &) = default;
};

// Ready and Paused printers take jobs.
inline bool TakesJobs(const PrinterStatus &status)
{
    return status.Condition == TPrinterCondition::Ready || status.Condition == TPrinterCondition::Paused;
}

// A job that the print system took but did not print: it stopped, was aborted or is held with an error.
struct FailedJob {
    QString Printer;
    QString Title;  // the job's
    QString Reason; // the print system's own words
    QByteArray Pdf; // the document as it was sent, a PDF file's content
};

// One open print job (or PDF file). Sheets are drawn through Painter() in device dots with the origin
// at the top-left of the printable area; the first sheet is open when the job starts.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual QPainter &Painter() = 0;
    // The printable area in the painter's coordinates.
    virtual QRectF PrintableArea() const = 0;
    // Throws PrinterError when the sheet cannot be fed.
    virtual void NewSheet() = 0;
    // Ends the job and hands it to the print system; throws PrinterError when that fails (PrintSystemError
    // when the print system did not answer or stopped).
    virtual void Finish() = 0;
    // Drops the job; never throws. A job destroyed without Finish is aborted.
    virtual void Abort() noexcept = 0;
};

// The printer that is current for the process, behind an interface so that tests can give a sheet of
// their own. No call is made while the program starts; those that ask the print system throw
// PrintSystemError when it gives no answer.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;
    // Looks the current printer up afresh, dropping whatever the device kept (Forget), and tells
    // whether it can take a job now; NotAnswering, Stopped or Cancelled when the print system gave no
    // answer. Never throws.
    virtual PrinterStatus Status() = 0;
    // The current printer's facts under these settings; std::nullopt when there is no current printer.
    // Throws PrinterError when the printer cannot be measured.
    virtual std::optional<PrinterFacts> Measure(const PaperSettings &settings) = 0;
    // Reads the current printer's settings; throws PrinterError(PrinterDriverErrorMessage) when they
    // cannot be read. Nothing to read when no printer is installed.
    virtual void ReadSettings() = 0;
    // Whether the current printer lists this paper; reads the settings first (ReadSettings). False when
    // no printer is installed.
    virtual bool SupportsPaper(TRPPaperSize paper) = 0;
    // Begins a job titled title under these settings, one copy; throws PrinterError when it cannot.
    virtual std::unique_ptr<PrintJob> StartJob(const QString &title, const PaperSettings &settings) = 0;
    // Drops what the device kept of the print system's answers about the current printer, so that the
    // next call asks again which printer is current and whether it changed since it was measured (a
    // device may keep its measurements of a printer that did not change).
    virtual void Forget() noexcept {}
    // Forgets (Forget), then asks the print system on a thread of its own whether the printer measured
    // for the last document is still the current one and unchanged; until PrinterUnchanged the calls
    // above answer from what the device kept of that printer, without waiting. For a document that is
    // shown as soon as it is made. A device that keeps nothing it can check only forgets.
    virtual void StartCheck() { Forget(); }
    // Waits for the answer to the check that StartCheck began and tells whether what was kept still
    // holds. False when the printer changed: whatever was measured meanwhile was not the current
    // printer, and the next call asks the print system afresh. True when no check is pending.
    virtual bool PrinterUnchanged() { return true; }
    // Called, on the window's thread, for each job handed over that the printer then did not print.
    // A device that cannot follow its jobs never calls it.
    virtual void SetJobFailedHook(std::function<void(const FailedJob &)> hook) { (void)hook; }
    // Patient (the default), a call to a slow print system waits with the user, saying so, until it
    // answers, its time is up or the user cancels; impatient, it gives up after a moment without a
    // word (PrintSystemError(NotAnswering)): for work that the user did not ask for.
    virtual void SetPatient(bool patient) { (void)patient; }
};
