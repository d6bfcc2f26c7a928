#pragma once

#include "report/engine/RPComponent.h"

#include <functional>
#include <memory>
#include <vector>

class PrinterDevice;
class QWidget;
class TBandReport;
class TFmPreview;
class TRPPrinter;

// The program's printing, owned by the application object and lent by reference to every window that
// prints: the report printer on the device it is given, and the preview window that shows the
// printer's documents. A window prints a report form of its own on ReportPrinter() and shows the pages
// through PreviewReport; nothing of a form or a window is registered here. A job that the printer took
// but then did not print is said over the active window, with the offer to save it as a PDF file.
class ReportPrinting {
public:
    // Asks the device nothing yet. `firstPreviewFonts` are the fonts the first preview is expected to
    // print in, which PrepareFirstPreview lays out.
    explicit ReportPrinting(std::unique_ptr<PrinterDevice> device,
                            std::vector<TRPFont> firstPreviewFonts = {});
    ~ReportPrinting();
    ReportPrinting(const ReportPrinting &) = delete;
    ReportPrinting &operator=(const ReportPrinting &) = delete;

    TRPPrinter &ReportPrinter() { return *m_reportPrinter; }

    // Runs `report` with `previewHook` as the printer's preview hook for this run only: the report
    // records its pages, the hook shows them, and they are discarded when it returns. The pages are made
    // while the print system is asked whether the printer changed since the last document, and made
    // again when it did. Raises what the report and the hook raise.
    void PreviewReport(TBandReport &report, std::function<void()> previewHook);
    // Shows the preview window modally over `opener` until it closes: `opener`'s window is its
    // transient parent meanwhile. When the window system first exposes the window, before it paints,
    // waits for the answer whether the printer changed (PreviewReport). The preview stays a window of
    // its own, so that closing `opener` leaves it alive, and its native window is kept from one showing
    // to the next.
    void ShowPreview(QWidget &opener);

    // One step of readying the first preview while the program is idle, each of a few milliseconds: the
    // printer measured for the page that the report forms are designed on (which loads the print
    // support), the preview window created hidden and readied for its first showing, and the first
    // preview's fonts laid out. True while steps remain; none remain once a report has been previewed.
    bool PrepareFirstPreview();

private:
    // Created on first use.
    TFmPreview &Preview();

    // Destroyed in reverse order: the window before the printer it shows.
    std::unique_ptr<TRPPrinter> m_reportPrinter;
    std::unique_ptr<TFmPreview> m_fmPreview;
    bool m_previewed = false;             // a report has been previewed
    bool m_printerChanged = false;        // the preview's pages were made for a printer since changed
    bool m_measured = false;              // PrepareFirstPreview has measured the printer
    std::vector<TRPFont> m_fontsToLayOut; // those PrepareFirstPreview has still to lay out
};
