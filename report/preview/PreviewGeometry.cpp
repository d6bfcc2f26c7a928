#include "report/preview/PreviewGeometry.h"

#include "calc/Rounding.h"

#include <algorithm>

namespace {
// The zoom at which the sheet's `sheet` pixels take `percent` of the view's `view` pixels.
int ZoomToFill(int view, int sheet, int percent)
{
    return RoundHalfEven(static_cast<long double>(view) / sheet * percent);
}
} // namespace

QString ZoomViewText(const PreviewZoom &zoom)
{
    switch (zoom.Mode) {
    case TPreviewZoomMode::FitPage:
        return QStringLiteral("Whole page");
    case TPreviewZoomMode::PageWidth:
        return QStringLiteral("Page width");
    case TPreviewZoomMode::Explicit:
        break;
    }
    return QStringLiteral("%1 %").arg(zoom.Zoom);
}

PreviewZoom FitPageZoom(QSize view, QSize sheet, bool printerAvailable)
{
    if (!printerAvailable)
        return {};
    const int byWidth = ZoomToFill(view.width(), sheet.width(), 95);
    const int byHeight = ZoomToFill(view.height(), sheet.height(), 95);
    return {std::min(byWidth, byHeight), TPreviewZoomMode::FitPage};
}

PreviewZoom PageWidthZoom(QSize view, QSize sheet, bool printerAvailable)
{
    if (!printerAvailable)
        return {};
    return {ZoomToFill(view.width(), sheet.width(), 98), TPreviewZoomMode::PageWidth};
}

PreviewZoom ZoomAfterResize(PreviewZoom current, QSize view, QSize sheet, bool printerAvailable)
{
    switch (current.Mode) {
    case TPreviewZoomMode::FitPage:
        return FitPageZoom(view, sheet, printerAvailable);
    case TPreviewZoomMode::PageWidth:
        return PageWidthZoom(view, sheet, printerAvailable);
    case TPreviewZoomMode::Explicit:
        break;
    }
    return current;
}

QSize SheetWidgetSize(QSize sheet, int zoom)
{
    const auto scaled = [zoom](int length) { return RoundHalfEven(length * 0.01L * zoom) + 4; };
    return {scaled(sheet.width()), scaled(sheet.height())};
}

QPoint SheetWidgetOrigin(QSize view, QSize sheetWidget)
{
    const auto along = [](int viewLength, int sheetLength) {
        return sheetLength < viewLength ? (viewLength - sheetLength) / 2 : 0;
    };
    return {along(view.width(), sheetWidget.width()), along(view.height(), sheetWidget.height())};
}

QRect PageImageRect(QPoint printOffset, QSize page, int zoom)
{
    const auto scaled = [zoom](int length) { return RoundHalfEven(length * zoom * 0.01L); };
    const QPoint topLeft(scaled(printOffset.x()) + 1, scaled(printOffset.y()) + 1);
    const QPoint end(scaled(printOffset.x() + page.width()), scaled(printOffset.y() + page.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}
