#pragma once

// How GoogleTest shows Qt's values in a failure: as text and numbers rather than as the bytes of the
// object. Every test file of a program that compares these values includes this header, so that one
// program prints them one way.

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <gtest/gtest.h>
#include <ostream>

// Quoted and escaped as GoogleTest shows a std::string.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << testing::PrintToString(text.toStdString());
}

inline void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSize &size, std::ostream *os)
{
    *os << size.width() << " x " << size.height();
}

// Its first and last pixel, as QRect(QPoint, QPoint) takes them.
inline void PrintTo(const QRect &rect, std::ostream *os)
{
    if (rect.isNull()) {
        *os << "null rectangle";
        return;
    }
    *os << '(' << rect.left() << ", " << rect.top() << ") to (" << rect.right() << ", " << rect.bottom()
        << ')';
}

inline void PrintTo(const QColor &color, std::ostream *os)
{
    *os << (color.isValid() ? color.name(QColor::HexArgb).toStdString() : "invalid colour");
}

inline void PrintTo(const QPen &pen, std::ostream *os)
{
    *os << "pen ";
    PrintTo(pen.color(), os);
    *os << ", width " << pen.width() << ", style " << static_cast<int>(pen.style());
}

inline void PrintTo(const QBrush &brush, std::ostream *os)
{
    *os << "brush ";
    PrintTo(brush.color(), os);
    *os << ", style " << static_cast<int>(brush.style());
}
