#pragma once

#include "report/printer/PageGeometry.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QRectF>
#include <QSize>
#include <QString>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

class QPainter;
class ReplayCache;

// Recorded pages are drawn in page units (PageUnitsPerPixel to a screen pixel). A page of PageWidth x
// PageHeight screen pixels is 4 x PageWidth by 4 x PageHeight units, origin at the top-left of the
// printable area, y downwards.

// A rectangle as the drawing surface takes it: right and bottom are just outside (a rectangle from
// (0, 0) to (4, 4) covers four units each way).
struct PageRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const PageRect &, const PageRect &) = default;
};

// Pens carry their width in page units (0 is the thinnest line the device draws); fonts carry their
// size in points at 96 page units per inch, so a 40-point font here is 10 points on paper. A font given
// in pixels is taken as that many page units high.
struct FillRectOp {
    PageRect Rect;
    QBrush Brush;
};
// Outline with the pen along the rectangle's edges, inside filled with the brush (Qt::NoBrush: left
// untouched).
struct RectangleOp {
    PageRect Rect;
    QPen Pen;
    QBrush Brush;
};
struct EllipseOp {
    PageRect Rect;
    QPen Pen;
    QBrush Brush;
};
// From From to just before To, as a pen moving along the page draws it.
struct LineOp {
    QPoint From;
    QPoint To;
    QPen Pen;
};
// Through Points in order, joined, as one stroke of the pen: a dash pattern runs on across the joins.
struct PolylineOp {
    std::vector<QPoint> Points;
    QPen Pen;
};
// Origin.y is the top of the text's line; Origin.x is its left end, right end or middle as Alignment
// (Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter) says. No background is drawn.
struct TextOp {
    QPoint Origin;
    QString Text;
    QFont Font;
    QColor Color;
    Qt::Alignment Alignment = Qt::AlignLeft;
    std::optional<PageRect> Clip;
};

using PageOperation = std::variant<FillRectOp, RectangleOp, EllipseOp, LineOp, PolylineOp, TextOp>;

// The operation moved by `offset` page units, its clip with it.
PageOperation Moved(PageOperation operation, QPoint offset);

// One recorded page: a display list in page units. A value; the report printer owns the pages.
class RecordedPage {
public:
    RecordedPage() = default;
    explicit RecordedPage(QSize sizeInUnits) : m_size(sizeInUnits) {}

    // 4 x PageWidth by 4 x PageHeight at the time the page was started.
    QSize Size() const { return m_size; }
    const std::vector<PageOperation> &Operations() const { return m_operations; }
    // Built in place: moving a variant through a temporary upsets GCC's uninitialised-use analysis.
    template <class Operation> void Append(Operation &&operation)
    {
        m_operations.emplace_back(std::in_place_type<std::decay_t<Operation>>,
                                  std::forward<Operation>(operation));
    }

    // The operations from index `first` on, taken off the page in recording order: a band that moves
    // to another page.
    std::vector<PageOperation> TakeFrom(size_t first);
    // Sets the text of text operation `index`, for a text known only once the document ends (the page
    // count). Raises std::out_of_range beyond the operations, std::bad_variant_access for no text.
    void SetText(size_t index, const QString &text);

    // Draws the page stretched to target (in the painter's coordinates), whatever the device: the same
    // page looks the same on the screen at any zoom, on a printer and in a PDF file. Coordinates are
    // mapped and rounded to whole device pixels, so a rule of one pixel lands on one pixel row. The
    // painter's state is left as it was; a clip of the page does not reach the painter's own clip.
    void Replay(QPainter &painter, const QRectF &target) const;
    // The same, keeping what the next replay onto the same device can use again in `cache`.
    void Replay(QPainter &painter, const QRectF &target, ReplayCache &cache) const;

private:
    QSize m_size;
    std::vector<PageOperation> m_operations;
};
