#include "report/printer/RecordedPage.h"

#include "calc/Rounding.h"
#include "report/printer/ReplayCache.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <optional>

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
    QPointF Exact(QPointF p) const
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

// The outline runs through the outermost pixels of the rectangle, as DrawRule's lines would: one
// rectangle stroked with the pen and filled with the brush, in square corners.
void DrawRectangle(QPainter &painter, const QRect &rect, const QPen &pen, const QBrush &brush, int width)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    if (pen.style() == Qt::NoPen) {
        painter.fillRect(rect, brush);
        return;
    }
    // A stroke is centred on its line: an odd width puts the line through the pixels' middles.
    const int before = width / 2;
    if (rect.width() < 2 || rect.height() < 2) { // no inside: all outline
        painter.fillRect(rect.adjusted(-before, -before, width - before - 1, width - before - 1),
                         pen.color());
        return;
    }
    const qreal centre = width % 2 == 1 ? 0.5 : 0;
    QPen devicePen(pen);
    devicePen.setWidth(width);
    devicePen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(devicePen);
    painter.setBrush(brush);
    painter.drawRect(QRectF(rect.left() + centre, rect.top() + centre, rect.width() - 1, rect.height() - 1));
}

void DrawEllipse(QPainter &painter, const QRect &rect, const QPen &pen, const QBrush &brush, int width)
{
    QPen devicePen(pen);
    devicePen.setWidth(width);
    painter.setPen(devicePen);
    painter.setBrush(brush);
    painter.drawEllipse(rect);
}

// A polyline through page points, at the device's exact positions and smoothed: a plotted curve, not a
// rule.
void DrawPolyline(QPainter &painter, const PageMapping &map, const PolylineOp &polyline)
{
    if (polyline.Pen.style() == Qt::NoPen || polyline.Points.size() < 2)
        return;
    QPolygonF points;
    for (const QPoint &point : polyline.Points)
        points.append(map.Exact(point));
    QPen devicePen(polyline.Pen);
    devicePen.setWidth(map.PenWidth(polyline.Pen));
    painter.setPen(devicePen);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.drawPolyline(points);
    painter.setRenderHint(QPainter::Antialiasing, false);
}

// Draws the texts of a page. A text is laid out in page units, so that its width does not depend on
// the zoom or the device (a font of n points is n points at 96 pixels per inch), and its glyphs are
// then placed in device pixels at the page's scale, with the glyphs' size following the vertical
// scale. The painter's transformation stays as it is; only a text that does not fit its clip is
// clipped. The font last used is kept with its metrics, so a run of texts in one font sets it up once.
class TextPainter {
public:
    TextPainter(QPainter &painter, const PageMapping &map, ReplayCache &cache)
        : m_painter(painter), m_map(map), m_cache(cache)
    {
    }

    void Draw(const TextOp &text)
    {
        if (text.Text.isEmpty())
            return;
        UseFont(text.Font);
        const ReplayCache::LaidOutText &laidOut =
            m_cache.LaidOut(text.Text, m_layoutFont, m_painter.device());
        // In page units from the text's origin: the left end and the baseline.
        qreal x = 0;
        if (text.Alignment & Qt::AlignRight)
            x = -laidOut.Width;
        else if (text.Alignment & Qt::AlignHCenter)
            x = -laidOut.Width / 2;
        const QPointF start = QPointF(text.Origin) + QPointF(x, m_metrics->ascent() - laidOut.Ascent);
        const bool clipped = text.Clip && !Fits(laidOut.Runs, start, *text.Clip);
        if (clipped) {
            m_painter.save();
            m_painter.setClipRect(m_map.Rect(*text.Clip), Qt::IntersectClip);
        }
        m_painter.setPen(text.Color);
        for (QGlyphRun run : laidOut.Runs) {
            run.setPositions(DevicePositions(run.positions()));
            run.setRawFont(m_cache.AtPixelSize(run.rawFont(), run.rawFont().pixelSize() * m_map.ScaleY()));
            m_painter.drawGlyphRun(m_map.Exact(start), run);
        }
        if (clipped)
            m_painter.restore();
    }

private:
    void UseFont(const QFont &font)
    {
        if (m_metrics && font == m_pageFont)
            return;
        m_pageFont = font;
        m_layoutFont = font;
        const qreal points =
            font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / ScreenPixelsPerInch;
        m_layoutFont.setPointSizeF(points * ScreenPixelsPerInch / m_painter.device()->logicalDpiY());
        m_metrics.emplace(m_layoutFont, m_painter.device());
    }

    // Glyph positions in page units, scaled to device pixels. Each step from one glyph to the next is
    // rounded to the 1/64 pixel that glyphs are placed in, so that two glyphs stand the same distance
    // apart wherever they stand on the page.
    QList<QPointF> DevicePositions(QList<QPointF> positions) const
    {
        const auto onGrid = [](qreal pixels) { return std::round(pixels * 64) / 64; };
        QPointF page;
        QPointF device;
        for (QPointF &position : positions) {
            device += QPointF(onGrid((position.x() - page.x()) * m_map.ScaleX()),
                              onGrid((position.y() - page.y()) * m_map.ScaleY()));
            page = position;
            position = device;
        }
        return positions;
    }

    // Whether the ink of the runs placed at start stays a device pixel inside clip.
    bool Fits(const QList<QGlyphRun> &runs, QPointF start, const PageRect &clip) const
    {
        QRectF ink;
        for (const QGlyphRun &run : runs) {
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < glyphs.size(); ++i)
                ink |= run.rawFont().boundingRect(glyphs[i]).translated(positions[i]);
        }
        const QRectF inside =
            QRectF(QPointF(clip.Left, clip.Top), QPointF(clip.Right, clip.Bottom))
                .adjusted(1 / m_map.ScaleX(), 1 / m_map.ScaleY(), -1 / m_map.ScaleX(), -1 / m_map.ScaleY());
        return inside.contains(ink.translated(start));
    }

    QPainter &m_painter;
    const PageMapping &m_map;
    QFont m_pageFont;   // as recorded
    QFont m_layoutFont; // the same size in page units on the painter's device
    std::optional<QFontMetricsF> m_metrics;
    ReplayCache &m_cache;
};

} // namespace

void RecordedPage::Replay(QPainter &painter, const QRectF &target) const
{
    ReplayCache cache;
    Replay(painter, target, cache);
}

void RecordedPage::Replay(QPainter &painter, const QRectF &target, ReplayCache &cache) const
{
    const PageMapping map(m_size, target);
    TextPainter texts(painter, map, cache);
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
                } else if constexpr (std::is_same_v<Op, PolylineOp>) {
                    DrawPolyline(painter, map, op);
                } else {
                    texts.Draw(op);
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
            } else if constexpr (std::is_same_v<Op, PolylineOp>) {
                for (QPoint &point : op.Points)
                    point += offset;
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
