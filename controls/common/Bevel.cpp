#include "controls/common/Bevel.h"

#include "controls/common/ClassicColours.h"

#include <QPainter>

QRect DrawBevel(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight,
                TBevelCorners corners)
{
    if (rect.isEmpty())
        return rect;
    const int left = rect.left();
    const int top = rect.top();
    const int right = rect.right();
    const int bottom = rect.bottom();
    const bool open = corners == TBevelCorners::Open;
    const bool lightBottomLeft = corners == TBevelCorners::LeftColumnWhole;
    // Each edge as a filled span; the corner pixels go to the edge that owns them.
    painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, top)), topLeft);
    painter.fillRect(QRect(QPoint(left, top), QPoint(left, lightBottomLeft ? bottom : bottom - 1)), topLeft);
    painter.fillRect(QRect(QPoint(right, open ? top + 1 : top), QPoint(right, bottom)), bottomRight);
    painter.fillRect(QRect(QPoint(open || lightBottomLeft ? left + 1 : left, bottom), QPoint(right, bottom)),
                     bottomRight);
    return rect.adjusted(1, 1, -1, -1);
}

QRect DrawClassicBevel(QPainter &painter, const QRect &rect, bool raised, TBevelCorners corners)
{
    const QColor &light = raised ? Classic::Highlight : Classic::Shadow;
    const QColor &dark = raised ? Classic::Shadow : Classic::Highlight;
    return DrawBevel(painter, rect, light, dark, corners);
}

void DrawFocusFrame(QPainter &painter, const QRect &rect, const QColor &colour)
{
    // Pixel by pixel: a dashed pen's pattern depends on the paint engine and the device's scale.
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.fillRect(x, rect.top(), 1, 1, colour);
        painter.fillRect(x, rect.bottom(), 1, 1, colour);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        painter.fillRect(rect.left(), y, 1, 1, colour);
        painter.fillRect(rect.right(), y, 1, 1, colour);
    }
}
