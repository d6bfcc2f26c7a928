#pragma once

#include "report/printer/RecordedPage.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QString>
#include <utility>

// The drawing surface that records a page, in page units. Like a canvas it keeps a current pen, brush,
// font, text colour and pen position; every drawing call appends one operation to the page being
// recorded, carrying the values current at that moment.
class PageCanvas {
public:
    // Starts recording an empty page of sizeInUnits with the initial pen, brush, font, text colour and
    // the pen at (0, 0); a page still being recorded is dropped.
    void StartPage(QSize sizeInUnits);
    // Completes the page being recorded and hands it over; the canvas then records into an empty page
    // until the next StartPage.
    RecordedPage FinishPage();
    const RecordedPage &Page() const { return m_page; }
    // The operations recorded on the page from index `first` (of Page().Operations()) on, taken off it.
    std::vector<PageOperation> TakeOperations(size_t first) { return m_page.TakeFrom(first); }
    // Records operations taken off a page again, moved by `offset` page units.
    void AppendMoved(const std::vector<PageOperation> &operations, QPoint offset);

    // Pen width in page units. Initially a black solid pen of width 0.
    const QPen &Pen() const { return m_pen; }
    void SetPen(const QPen &pen) { m_pen = pen; }

    // Initially solid white.
    const QBrush &Brush() const { return m_brush; }
    void SetBrush(const QBrush &brush) { m_brush = brush; }

    // Size in points at 96 page units per inch (see RecordedPage.h). Initially the application font.
    const QFont &Font() const { return m_font; }
    void SetFont(const QFont &font) { m_font = font; }

    // Initially black.
    const QColor &TextColor() const { return m_textColor; }
    void SetTextColor(const QColor &color) { m_textColor = color; }

    QPoint PenPos() const { return m_penPos; }
    void MoveTo(QPoint point) { m_penPos = point; }
    // A line from the pen position to point with the current pen; the pen position becomes point.
    void LineTo(QPoint point);

    // Through points in order with the current pen; the pen position stays.
    void Polyline(std::vector<QPoint> points);

    // With the current brush, no outline.
    void FillRect(const PageRect &rect);
    // Outline with the current pen, inside with the current brush.
    void Rectangle(const PageRect &rect);
    void Ellipse(const PageRect &rect);

    // Text in the current font and text colour; origin.y is the top of the line, origin.x its left end,
    // right end or middle as alignment (Qt::AlignLeft, AlignRight, AlignHCenter) says.
    void TextOut(QPoint origin, const QString &text, Qt::Alignment alignment = Qt::AlignLeft);
    // The same, clipped to clip.
    void TextRect(const PageRect &clip, QPoint origin, const QString &text,
                  Qt::Alignment alignment = Qt::AlignLeft);

private:
    RecordedPage m_page;
    QPen m_pen{Qt::black, 0};
    QBrush m_brush{Qt::white};
    QFont m_font;
    QColor m_textColor{Qt::black};
    QPoint m_penPos;
};
