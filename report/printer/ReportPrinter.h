#pragma once

#include "report/printer/PageCanvas.h"
#include "report/printer/PageGeometry.h"
#include "report/printer/PrinterDevice.h"
#include "report/printer/RecordedPage.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

enum class TRPPrinterState { Idle, Building, Finished };

// The progress window is a window of the controls; whoever holds one needs no widget header to close it.
class TRPProgressForm;
struct ProgressFormCloser {
    void operator()(TRPProgressForm *form) const;
};
using ProgressWindow = std::unique_ptr<TRPProgressForm, ProgressFormCloser>;

// The page store and printer driver of the report engine: measures the current printer's page, records
// the pages of one document at a time, keeps them while they are previewed, prints them and discards
// them. One for the whole program, owned by the application object and handed to whoever needs it.
//
// States: Idle -> BeginDocument -> Building -> EndDocument -> Finished -> DiscardPages -> Idle.
// Page geometry is in screen pixels (ScreenPixelsPerInch), so one design pixel of a report is 1/96
// inch on paper; recorded pages are in page units (PageUnitsPerPixel).
class TRPPrinter {
public:
    // Measures nothing yet: the printer is measured when a document begins (a network printer may
    // take its time), so until then the geometry is the assumed page.
    explicit TRPPrinter(std::unique_ptr<PrinterDevice> device);
    ~TRPPrinter();
    TRPPrinter(const TRPPrinter &) = delete;
    TRPPrinter &operator=(const TRPPrinter &) = delete;

    // The page as last measured, in screen pixels: the printable area (PageWidth x PageHeight), the
    // sheet (PhysicalWidth x PhysicalHeight) and the printable area's offset on it.
    const PageGeometry &Geometry() const { return m_geometry; }
    int PageWidth() const { return m_geometry.Page.width(); }
    int PageHeight() const { return m_geometry.Page.height(); }
    int PhysicalWidth() const { return m_geometry.Sheet.width(); }
    int PhysicalHeight() const { return m_geometry.Sheet.height(); }
    int PrintOffsetX() const { return m_geometry.Offset.x(); }
    int PrintOffsetY() const { return m_geometry.Offset.y(); }
    // False once the page had to be assumed: no current printer, or one that could not be measured.
    bool PrinterAvailable() const { return m_printerAvailable; }

    // Measures the current printer (printable area, resolution, sheet, offset) and converts to screen
    // pixels, rounding half to even. No printer: 748 x 1080 printable on a 785 x 1134 sheet at offset 5;
    // a failed measurement: the same page at offset 20; both set PrinterAvailable false. Never throws.
    void ComputePageSize();

    TRPPrinterState PrinterState() const { return m_state; }
    // A document is being built or printed; commands must not start another one meanwhile.
    bool Busy() const { return m_state == TRPPrinterState::Building || m_printing; }

    // Finished: discards first. Then, only when Idle: measures, starts page 1 (4 x PageWidth by
    // 4 x PageHeight units), PageCount 1, CurrentPage 1, DocumentTitle empty, state Building.
    void BeginDocument();
    // Only while Building: completes the page, measures again and starts the next one.
    void AddPage();
    // Only while Building: completes the last page, state Finished, page 1 selected. Here and when the
    // document is dropped the device forgets the print system's answers (PrinterDevice::Forget).
    void EndDocument();
    // Only while Finished: frees the pages, FirstPage and LastPage 0, state Idle.
    void DiscardPages();
    // Any state: drops every page, also those of a document still being built, and returns to Idle.
    // For a failure in the middle of building, which would otherwise leave the printer Building.
    void AbandonDocument();

    // The drawing surface of the page being recorded; the reference stays valid for the printer's life,
    // drawing on it outside Building records into a page that is never kept.
    PageCanvas &Canvas() { return m_canvas; }

    // Pages recorded so far while Building (the one being recorded included); the total once Finished.
    int PageCount() const { return m_pageCount; }
    // 1-based.
    int CurrentPage() const { return m_currentPage; }
    // Only while Finished and 1 <= n <= PageCount; otherwise nothing changes.
    void SelectPage(int n);
    // The selected page; nullptr unless Finished.
    const RecordedPage *CurrentPageImage() const;
    // The completed pages, page 1 first.
    const std::vector<RecordedPage> &Pages() const { return m_pages; }
    // Only while Finished and 1 <= n <= PageCount: sets the text of text operation `operation` of
    // page n, for a text known only once the document ends, such as the page count.
    void SetRecordedText(int n, size_t operation, const QString &text);

    const QString &PreviewTitle() const { return m_previewTitle; }
    void SetPreviewTitle(const QString &title) { m_previewTitle = title; }
    const QString &ProgressTitle() const { return m_progressTitle; }
    void SetProgressTitle(const QString &title) { m_progressTitle = title; }
    // The print job's name and part of the progress texts.
    const QString &DocumentTitle() const { return m_documentTitle; }
    void SetDocumentTitle(const QString &title) { m_documentTitle = title; }
    // The report's title as its PDF file carries it: DocumentTitle when the report gave one, else
    // PreviewTitle without its leading "Preview of " ("Preview of Payment Schedule": "Payment Schedule").
    QString PdfTitle() const;

    // Copy of the running report's ShowProgress; initially true.
    bool ShowProgress() const { return m_showProgress; }
    void SetShowProgress(bool show) { m_showProgress = show; }
    // A progress window captioned ProgressTitle whose Cancel calls Cancel(), with this text and
    // maximum; shown only when ShowProgress.
    ProgressWindow CreateProgressForm(const QString &text, int maximum);

    bool Cancelled() const { return m_cancelled; }
    void Cancel() { m_cancelled = true; }
    void ClearCancelled() { m_cancelled = false; }

    // Page range for printing; LastPage 0 means all pages.
    int FirstPage() const { return m_firstPage; }
    void SetFirstPage(int page) { m_firstPage = page; }
    int LastPage() const { return m_lastPage; }
    void SetLastPage(int page) { m_lastPage = page; }

    // For a document shown as soon as it is made: it is made from what the device kept of the printer
    // while the device asks the print system whether the printer changed (PrinterDevice::StartCheck).
    void StartPrinterCheck() { m_device->StartCheck(); }
    // Waits for that answer: false when the printer changed, so that the document made meanwhile has to
    // be made again (PrinterDevice::PrinterUnchanged).
    bool PrinterUnchanged() { return m_device->PrinterUnchanged(); }

    // Called for each job handed over that the printer then did not print (PrinterDevice::SetJobFailedHook).
    void SetJobFailedHook(std::function<void(const FailedJob &)> hook)
    {
        m_device->SetJobFailedHook(std::move(hook));
    }

    // Whether calls to a slow print system wait with the user (PrinterDevice::SetPatient).
    void SetPatient(bool patient) { m_device->SetPatient(patient); }

    // Shows the recorded pages; the program binds it to its preview window.
    void SetPreviewHook(std::function<void()> hook) { m_previewHook = std::move(hook); }
    // Calls PreviewHook when bound; there is no built-in preview window.
    void ShowPreview();

    // Replays the pages (or the page range) onto the current printer in one job titled DocumentTitle,
    // each stretched to the printable area, a new sheet between pages and none after the last; the
    // selected page is put back afterwards. The printer is looked up afresh each time (so one that
    // came back after a failure is found) and gets the job only when it takes jobs; its status is
    // read again after the job. Returns that status: Ready, Paused (the job waits in the printer's
    // queue) or why nothing was printed, also when the print system gave no answer while the job was
    // handed over (NotAnswering, Cancelled) or a job failed because it stopped meanwhile (Stopped);
    // std::nullopt, printing nothing, unless Finished or while a job is already printing. Throws PrinterError
    // when the job cannot start, a sheet cannot be fed or the job cannot be handed over (FileWriteError when
    // its file cannot be written whole); the job is then aborted.
    std::optional<PrinterStatus> PrintDocument();
    // Writes the pages (or the page range) to a PDF file titled PdfTitle through the same replay, one
    // PDF page per recorded page at the sheet's size (PhysicalWidth x PhysicalHeight) with the page at
    // the print offset. Only when Finished. The file is written whole or not at all: throws
    // FileWriteError saying why it could not be, leaving a file of that name as it was.
    void WritePdf(const QString &fileName);

    // Orientation last sent to the printer. Setting it acts only while PrinterAvailable; throws
    // PrinterError("Printer driver error") when the printer's settings cannot be read.
    bool Landscape() const { return m_settings.Landscape; }
    void SetLandscape(bool landscape);
    // Selects the paper when the printer lists it, then measures again. Throws
    // PrinterError("Printer driver error") when the printer's settings cannot be read.
    void SetPaperSize(TRPPaperSize paper);
    // Tenths of a millimetre; a value other than 0 selects rppCustom first. Measures again.
    void SetPaperWidth(int width);
    void SetPaperLength(int length);
    const PaperSettings &Settings() const { return m_settings; }

private:
    void StartPage();
    void ClosePage();
    void AssumePage(int offset);
    bool InPrintRange(int n) const;
    int LastPageToPrint() const;
    // Replays the pages in the print range into the job started by startJob, one sheet each.
    void RunJob(const std::function<std::unique_ptr<PrintJob>()> &startJob, bool withProgress);

    std::unique_ptr<PrinterDevice> m_device;
    PaperSettings m_settings;
    PageGeometry m_geometry;
    bool m_printerAvailable = true;

    TRPPrinterState m_state = TRPPrinterState::Idle;
    bool m_printing = false;
    PageCanvas m_canvas;
    std::vector<RecordedPage> m_pages;
    int m_pageCount = 0;
    int m_currentPage = 0;

    QString m_previewTitle;
    QString m_progressTitle;
    QString m_documentTitle;
    bool m_showProgress = true;
    bool m_cancelled = false;
    int m_firstPage = 0;
    int m_lastPage = 0;
    std::function<void()> m_previewHook;
};
