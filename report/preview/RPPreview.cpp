#include "report/preview/RPPreview.h"

#include "controls/common/Bevel.h"
#include "controls/common/ClassicColours.h"
#include "controls/common/WindowLook.h"
#include "design/ColorNames.h"
#include "report/preview/RPCustomPreview.h"
#include "report/printer/ReportPrinter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>

TRPPreview::TRPPreview(TRPPrinter &printer, QWidget *parent)
    : QAbstractScrollArea(parent), m_printer(printer), m_sheet(new TRPCustomPreview(printer, viewport()))
{
    // The window it stands in pages and scrolls from the keyboard; the sheet takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_sheet);
    // A scroll box's single border: the sunken two-pixel edge (PaintEdge).
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    // Around the sheet: silver, as the window's background.
    SetPaletteColour(*viewport(), viewport()->backgroundRole(), clSilver);
    // Classic scroll bars, as the edge around them. (Fusion fills its bars with gradients, which Qt
    // hands to other threads in bands of 64 rows: a window-high bar waits on a dozen at every paint.)
    QStyle *classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (classic != nullptr)
        classic->setParent(this);
    for (QScrollBar *bar : {horizontalScrollBar(), verticalScrollBar()}) {
        if (classic != nullptr) {
            bar->setStyle(classic);
            bar->setPalette(ClassicPalette(bar->palette()));
        }
        // A wheel notch scrolls three of these, as far as three presses of an arrow key.
        bar->setSingleStep(PreviewScrollStep);
    }
    resize(250, 250);
    m_sheet->setGeometry(0, 0, 100, 50);
    m_printer.SelectPage(1);
}

void TRPPreview::SetPageNumber(int pageNumber)
{
    if (pageNumber == m_pageNumber || pageNumber <= 0 || pageNumber > m_printer.PageCount())
        return;
    m_printer.SelectPage(pageNumber);
    m_pageNumber = pageNumber;
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    m_sheet->ShowCurrentPage();
}

void TRPPreview::SetZoom(int zoom)
{
    m_zoom = {zoom, TPreviewZoomMode::Explicit};
    ApplyZoom();
}

void TRPPreview::ZoomToFitPage()
{
    m_zoom = FitPageZoom(viewport()->size(), PhysicalSize(), m_printer.PrinterAvailable());
    ApplyZoom();
}

void TRPPreview::ZoomToPageWidth()
{
    m_zoom = PageWidthZoom(viewport()->size(), PhysicalSize(), m_printer.PrinterAvailable());
    ApplyZoom();
}

QSize TRPPreview::PhysicalSize() const
{
    return m_printer.Geometry().Sheet;
}

void TRPPreview::ApplyZoom()
{
    // Showing or hiding a scroll bar resizes the view, which comes back here; the outer run starts
    // over with the view's final size. A sheet that needs a scroll bar exactly when it has none could
    // flip for ever, so two rounds settle it.
    if (m_applying) {
        m_reapply = true;
        return;
    }
    m_applying = true;
    for (int round = 0; round < 3; ++round) {
        m_reapply = false;
        const QSize size = SheetWidgetSize(PhysicalSize(), m_zoom.Zoom);
        m_sheet->resize(size);
        m_sheet->SetZoom(m_zoom.Zoom);
        const QSize view = viewport()->size();
        horizontalScrollBar()->setRange(0, std::max(0, size.width() - view.width()));
        verticalScrollBar()->setRange(0, std::max(0, size.height() - view.height()));
        horizontalScrollBar()->setPageStep(view.width());
        verticalScrollBar()->setPageStep(view.height());
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
        PlaceSheet();
        if (!m_reapply)
            break;
        m_zoom = ZoomAfterResize(m_zoom, viewport()->size(), PhysicalSize(), m_printer.PrinterAvailable());
    }
    m_applying = false;
    m_sheet->SetZoomView(ZoomViewText(m_zoom));
}

void TRPPreview::PlaceSheet()
{
    const QPoint origin = SheetWidgetOrigin(viewport()->size(), m_sheet->size());
    m_sheet->move(origin - QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()));
}

bool TRPPreview::event(QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return QAbstractScrollArea::event(event);
    PaintEdge();
    return true;
}

void TRPPreview::PaintEdge()
{
    // In filled spans: the style strokes the edge as lines, which along a window-high frame costs
    // milliseconds at every showing.
    QPainter painter(this);
    const QRect inside = DrawBevel(painter, rect(), Classic::Shadow, Classic::Highlight);
    DrawBevel(painter, inside, Classic::DarkShadow3D, Classic::Light3D);
    const QWidget *across = horizontalScrollBar()->parentWidget();
    const QWidget *down = verticalScrollBar()->parentWidget();
    if (across->isVisible() && down->isVisible())
        painter.fillRect(QRect(down->x(), across->y(), down->width(), across->height()), Classic::Face);
}

bool TRPPreview::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        m_zoom = ZoomAfterResize(m_zoom, viewport()->size(), PhysicalSize(), m_printer.PrinterAvailable());
        ApplyZoom();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TRPPreview::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
}

void TRPPreview::scrollContentsBy(int, int)
{
    PlaceSheet();
}
