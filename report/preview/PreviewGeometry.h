#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The preview's zoom and sheet arithmetic. Sizes are screen pixels: the sheet (PhysicalWidth x
// PhysicalHeight), the printable page and its offset on the sheet as the report printer measured
// them, and the view (the scroll area's client area). Zooms are percent. Every rounding is to the
// nearest integer with halves to even.

// How far a press of an arrow key scrolls the view, in screen pixels, at any zoom.
inline constexpr int PreviewScrollStep = 50;

// What a resize of the view does: fit page and page width recompute the zoom, explicit keeps it.
enum class TPreviewZoomMode { FitPage, PageWidth, Explicit };

struct PreviewZoom {
    int Zoom = 100;
    TPreviewZoomMode Mode = TPreviewZoomMode::Explicit;

    bool operator==(const PreviewZoom &) const = default;
};

// What the view shows, as a screen reader says it: "Whole page", "Page width", or the explicit zoom
// ("100 %").
QString ZoomViewText(const PreviewZoom &zoom);

// The whole sheet at 95 % of the view's width or height, whichever gives the smaller zoom; 100 %
// (explicit) when there is no printer, since then the sheet's size is only assumed. `sheet` must not
// be empty.
PreviewZoom FitPageZoom(QSize view, QSize sheet, bool printerAvailable);

// The sheet's width at 98 % of the view's width; 100 % (explicit) when there is no printer.
PreviewZoom PageWidthZoom(QSize view, QSize sheet, bool printerAvailable);

// The zoom after the view took a new size: the fitting modes fit again, explicit keeps its zoom.
PreviewZoom ZoomAfterResize(PreviewZoom current, QSize view, QSize sheet, bool printerAvailable);

// The drawn sheet at `zoom`: the sheet's size scaled, plus 4 pixels for the outline and the shadow.
QSize SheetWidgetSize(QSize sheet, int zoom);

// Where the drawn sheet stands in the view at scroll position 0: centred (halving truncated) along
// an axis on which it is smaller than the view, at 0 otherwise.
QPoint SheetWidgetOrigin(QSize view, QSize sheetWidget);

// The rectangle the recorded page is stretched into on the drawn sheet: from the printable area's
// offset scaled, plus 1, to the end of the printable area scaled (offset + page), exclusive.
QRect PageImageRect(QPoint printOffset, QSize page, int zoom);
