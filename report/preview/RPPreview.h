#pragma once

#include "report/preview/PreviewGeometry.h"

#include <QAbstractScrollArea>

class TRPCustomPreview;
class TRPPrinter;

// The page view: a silver scroll area with a sunken edge and classic scroll bars holding the drawn sheet
// (TRPCustomPreview) of the report printer's selected page. The sheet stands centred along an axis on
// which it is smaller than the view and at the top-left, scrolled, along one on which it is larger; the
// scroll bars track while dragged. A zoom set by Zoom is explicit and survives resizing; the fitting
// zooms fit again on every resize. Sizes and scroll positions are screen pixels. The sheet takes the
// keyboard focus given to the view (its focus proxy), but no keys: the window holding it pages and
// scrolls from the keyboard. The printer is not owned and must outlive the view.
class TRPPreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    // 250 x 250 with a 100 x 50 sheet at 100 %, fit-page mode; selects the printer's page 1.
    explicit TRPPreview(TRPPrinter &printer, QWidget *parent = nullptr);

    // The page shown, 1-based. Setting it is ignored unless 1 <= n <= PageCount and n is new; otherwise
    // selects the printer's page n, scrolls to 0, 0 and shows it on the sheet (ShowCurrentPage).
    int PageNumber() const { return m_pageNumber; }
    void SetPageNumber(int pageNumber);

    // Percent. Setting it makes the mode explicit and applies the zoom. Every zoom applied names its
    // view on the sheet (ZoomViewText).
    int Zoom() const { return m_zoom.Zoom; }
    void SetZoom(int zoom);
    TPreviewZoomMode ZoomMode() const { return m_zoom.Mode; }

    // The whole sheet at 95 % of the view, or its width at 98 % of the view's width; 100 % (explicit)
    // when the printer's page is only assumed.
    void ZoomToFitPage();
    void ZoomToPageWidth();

    TRPCustomPreview *Sheet() const { return m_sheet; }

protected:
    bool event(QEvent *event) override;            // paints the edge
    bool viewportEvent(QEvent *event) override;    // a resize fits again
    void keyPressEvent(QKeyEvent *event) override; // passes every key on
    void scrollContentsBy(int dx, int dy) override;

private:
    // Sizes the sheet for the zoom, sets the scroll ranges, scrolls to 0, 0 and places the sheet.
    void ApplyZoom();
    void PlaceSheet();
    QSize PhysicalSize() const;
    // The sunken two-pixel edge of a scroll box, and the face between two shown scroll bars.
    void PaintEdge();

    TRPPrinter &m_printer;
    TRPCustomPreview *m_sheet;
    int m_pageNumber = 1;
    PreviewZoom m_zoom{100, TPreviewZoomMode::FitPage};
    bool m_applying = false; // ApplyZoom is running
    bool m_reapply = false;  // the view changed size while it ran
};
