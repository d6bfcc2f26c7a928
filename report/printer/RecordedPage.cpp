#include "printer/RecordedPage.h"

#include "printer/Rounding.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace {

// Maps page units onto the target rectangle and rounds to whole pixels of the painter, so that rules
// and edges land on pixel rows and columns instead of smearing over two.
class PageMapping {
public:
    PageMapping(QSize pageSize, const QRectF &target)
        : m_target(target), m_scaleX(target.width() / std::max(1, pageSize.width())),
          m_scaleY(target.height() / std::max(1, pageSize.height()))
    {
    }

    int X(int x) const { return RoundHalfEven(m_target.left() + x * static_cast<long double>(m_scaleX)); }
    int Y(int y) const { return RoundHalfEven(m_target.top() + y * static_cast<long double>(m_scaleY)); }
    QPoint Point(QPoint p) const { return {X(p.x()), Y(p.y())}; }
    // Left/top inside, right/bottom just outside, as the page rectangle.
    QRect Rect(const PageRect &r) const
    {
        return QRect(QPoint(X(r.Left), Y(r.Top)), QPoint(X(r.Right), Y(r.Bottom)) - QPoint(1, 1));
    }
    // A pen of width 0 is the thinnest line the device draws; no pen is thinner than one pixel.
    int PenWidth(const QPen &pen) const
    {
        return std::max(1, RoundHalfEven(pen.width() * static_cast<long double>(m_scaleY)));
    }
    qreal ScaleX() const { return m_scaleX; }
    qreal ScaleY() const { return m_scaleY; }
    QPointF Exact(QPoint p) const
    {
        return {m_target.left() + p.x() * m_scaleX, m_target.top() + p.y() * m_scaleY};
    }

private:
    QRectF m_target;
    qreal m_scaleX;
    qreal m_scaleY;
};

// A line from a to just before b in device pixels, width pixels wide, centred on the line as a pen
// draws it. Solid horizontal and vertical lines (every rule of a report) are filled exactly.
void DrawRule(QPainter &painter, QPoint a, QPoint b, const QPen &pen, int width)
{
    if (pen.style() == Qt::NoPen || a == b)
        return;
    const int before = width / 2;
    if (pen.style() == Qt::SolidLine && (a.y() == b.y() || a.x() == b.x())) {
        if (a.y() == b.y())
            painter.fillRect(std::min(a.x(), b.x()), a.y() - before, std::abs(b.x() - a.x()), width,
                             pen.color());
        else
            painter.fillRect(a.x() - before, std::min(a.y(), b.y()), width, std::abs(b.y() - a.y()),
                             pen.color());
        return;
    }
    QPen devicePen(pen);
    devicePen.setWidth(width);
    devicePen.setCapStyle(Qt::FlatCap);
    painter.setPen(devicePen);
    painter.drawLine(a, b);
}

void DrawRectangle(QPainter &painter, const QRect &rect, const QPen &pen, const QBrush &brush, int width)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    if (brush.style() != Qt::NoBrush)
        painter.fillRect(rect, brush);
    // The outline runs through the outermost pixels of the rectangle.
    const QPoint topLeft = rect.topLeft();
    const QPoint bottomRight = rect.bottomRight();
    DrawRule(painter, topLeft, QPoint(bottomRight.x() + 1, topLeft.y()), pen, width);
    DrawRule(painter, QPoint(topLeft.x(), bottomRight.y()), QPoint(bottomRight.x() + 1, bottomRight.y()), pen,
             width);
    DrawRule(painter, topLeft, QPoint(topLeft.x(), bottomRight.y() + 1), pen, width);
    DrawRule(painter, QPoint(bottomRight.x(), topLeft.y()), QPoint(bottomRight.x(), bottomRight.y() + 1), pen,
             width);
}

void DrawEllipse(QPainter &painter, const QRect &rect, const QPen &pen, const QBrush &brush, int width)
{
    QPen devicePen(pen);
    devicePen.setWidth(width);
    painter.setPen(devicePen);
    painter.setBrush(brush);
    painter.drawEllipse(rect);
}

// The text is laid out in page units and scaled with the page, so its width and line breaks do not
// depend on the zoom or the device; a font of n points is n points at 96 pixels per inch.
void DrawText(QPainter &painter, const PageMapping &map, const TextOp &text)
{
    painter.save();
    if (text.Clip)
        painter.setClipRect(map.Rect(*text.Clip), Qt::IntersectClip);
    painter.translate(map.Exact(text.Origin));
    painter.scale(map.ScaleX(), map.ScaleY());
    QFont font(text.Font);
    const qreal points =
        font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / ScreenPixelsPerInch;
    font.setPointSizeF(points * ScreenPixelsPerInch / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(text.Color);
    const QFontMetricsF metrics(font, painter.device());
    const qreal width = metrics.horizontalAdvance(text.Text);
    qreal x = 0;
    if (text.Alignment & Qt::AlignRight)
        x = -width;
    else if (text.Alignment & Qt::AlignHCenter)
        x = -width / 2;
    painter.drawText(QPointF(x, metrics.ascent()), text.Text);
    painter.restore();
}

} // namespace

void RecordedPage::Replay(QPainter &painter, const QRectF &target) const
{
    const PageMapping map(m_size, target);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PageOperation &operation : m_operations) {
        std::visit(
            [&](const auto &op) {
                using Op = std::decay_t<decltype(op)>;
                if constexpr (std::is_same_v<Op, FillRectOp>) {
                    painter.fillRect(map.Rect(op.Rect), op.Brush);
                } else if constexpr (std::is_same_v<Op, RectangleOp>) {
                    DrawRectangle(painter, map.Rect(op.Rect), op.Pen, op.Brush, map.PenWidth(op.Pen));
                } else if constexpr (std::is_same_v<Op, EllipseOp>) {
                    DrawEllipse(painter, map.Rect(op.Rect), op.Pen, op.Brush, map.PenWidth(op.Pen));
                } else if constexpr (std::is_same_v<Op, LineOp>) {
                    DrawRule(painter, map.Point(op.From), map.Point(op.To), op.Pen, map.PenWidth(op.Pen));
                } else {
                    DrawText(painter, map, op);
                }
            },
            operation);
    }
    painter.restore();
}

std::vector<PageOperation> RecordedPage::TakeFrom(size_t first)
{
    const auto from =
        m_operations.begin() + static_cast<std::ptrdiff_t>(std::min(first, m_operations.size()));
    std::vector<PageOperation> taken(std::make_move_iterator(from),
                                     std::make_move_iterator(m_operations.end()));
    m_operations.erase(from, m_operations.end());
    return taken;
}

void RecordedPage::SetText(size_t index, const QString &text)
{
    std::get<TextOp>(m_operations.at(index)).Text = text;
}

PageOperation Moved(PageOperation operation, QPoint offset)
{
    const auto move = [offset](PageRect &rect) {
        rect = {rect.Left + offset.x(), rect.Top + offset.y(), rect.Right + offset.x(),
                rect.Bottom + offset.y()};
    };
    std::visit(
        [&](auto &op) {
            using Op = std::decay_t<decltype(op)>;
            if constexpr (std::is_same_v<Op, LineOp>) {
                op.From += offset;
                op.To += offset;
            } else if constexpr (std::is_same_v<Op, TextOp>) {
                op.Origin += offset;
                if (op.Clip)
                    move(*op.Clip);
            } else {
                move(op.Rect);
            }
        },
        operation);
    return operation;
}
