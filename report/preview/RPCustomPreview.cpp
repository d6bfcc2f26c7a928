#include "report/preview/RPCustomPreview.h"

#include "controls/common/FailureGuard.h"
#include "design/ColorNames.h"
#include "report/preview/PageCaret.h"
#include "report/preview/PreviewGeometry.h"
#include "report/preview/RPCustomPreviewAccessible.h"
#include "report/printer/PageText.h"
#include "report/printer/ReportPrinter.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

TRPCustomPreview::TRPCustomPreview(const TRPPrinter &printer, QWidget *parent)
    : QWidget(parent), m_printer(printer)
{
    InstallSheetAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is painted, so the page view fills only around the sheet.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TRPCustomPreview::SetZoom(int zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    update();
}

QString TRPCustomPreview::PageCaption() const
{
    if (m_printer.CurrentPageImage() == nullptr)
        return {};
    return QStringLiteral("Page %1 of %2").arg(m_printer.CurrentPage()).arg(m_printer.PageCount());
}

QString TRPCustomPreview::PageText() const
{
    const RecordedPage *page = m_printer.CurrentPageImage();
    return page != nullptr ? PageReadingText(*page) : QString();
}

void TRPCustomPreview::ShowCurrentPage()
{
    update();
    m_caret = 0;
    const QString previousText = std::exchange(m_toldText, PageText());
    AnnounceSheetPage(*this, previousText);
}

void TRPCustomPreview::SetCaret(int caret)
{
    caret = std::clamp(caret, 0, int(PageText().size()));
    if (caret == m_caret)
        return;
    m_caret = caret;
    AnnounceSheetCaret(*this);
}

void TRPCustomPreview::SetZoomView(const QString &view)
{
    if (view != accessibleDescription())
        setAccessibleDescription(view);
}

void TRPCustomPreview::keyPressEvent(QKeyEvent *event)
{
    RunGuarded([&] { SetCaret(CaretAfterArrow(PageText(), m_caret, event->key())); });
    event->ignore();
}

void TRPCustomPreview::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, w - 3, h - 3), clWhite);

    if (const RecordedPage *page = m_printer.CurrentPageImage()) {
        // The page keeps to its printable area on the sheet, whatever it holds.
        const PageGeometry &geometry = m_printer.Geometry();
        const QRect target = PageImageRect(geometry.Offset, geometry.Page, m_zoom);
        painter.save();
        painter.setClipRect(target);
        page->Replay(painter, target, m_replayCache);
        painter.restore();
    }

    painter.setPen(QPen(clBlack, 0));
    const QPoint outline[] = {{0, 0}, {0, h - 3}, {w - 3, h - 3}, {w - 3, 0}, {0, 0}};
    painter.drawPolyline(outline, 5);
    painter.fillRect(QRect(w - 2, 2, 2, h - 2), clBlack);
    painter.fillRect(QRect(2, h - 2, w - 2, 2), clBlack);
    // The two corners the shadow leaves out show the page view's background.
    const QWidget &under = parentWidget() != nullptr ? *parentWidget() : *this;
    const QColor around = under.palette().color(under.backgroundRole());
    painter.fillRect(QRect(w - 2, 0, 2, 2), around);
    painter.fillRect(QRect(0, h - 2, 2, 2), around);
}
