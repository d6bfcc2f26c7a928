#include "report/printer/PageCanvas.h"

void PageCanvas::StartPage(QSize sizeInUnits)
{
    m_page = RecordedPage(sizeInUnits);
    m_pen = QPen(Qt::black, 0);
    m_brush = QBrush(Qt::white);
    m_font = QFont();
    m_textColor = Qt::black;
    m_penPos = QPoint();
}

RecordedPage PageCanvas::FinishPage()
{
    return std::exchange(m_page, RecordedPage());
}

void PageCanvas::LineTo(QPoint point)
{
    m_page.Append(LineOp{m_penPos, point, m_pen});
    m_penPos = point;
}

void PageCanvas::Polyline(std::vector<QPoint> points)
{
    m_page.Append(PolylineOp{std::move(points), m_pen});
}

void PageCanvas::FillRect(const PageRect &rect)
{
    m_page.Append(FillRectOp{rect, m_brush});
}

void PageCanvas::Rectangle(const PageRect &rect)
{
    m_page.Append(RectangleOp{rect, m_pen, m_brush});
}

void PageCanvas::Ellipse(const PageRect &rect)
{
    m_page.Append(EllipseOp{rect, m_pen, m_brush});
}

void PageCanvas::TextOut(QPoint origin, const QString &text, Qt::Alignment alignment)
{
    m_page.Append(TextOp{origin, text, m_font, m_textColor, alignment, std::nullopt});
}

void PageCanvas::TextRect(const PageRect &clip, QPoint origin, const QString &text, Qt::Alignment alignment)
{
    m_page.Append(TextOp{origin, text, m_font, m_textColor, alignment, clip});
}

void PageCanvas::AppendMoved(const std::vector<PageOperation> &operations, QPoint offset)
{
    for (const PageOperation &operation : operations)
        std::visit([this](auto &&moved) { m_page.Append(std::move(moved)); }, Moved(operation, offset));
}
