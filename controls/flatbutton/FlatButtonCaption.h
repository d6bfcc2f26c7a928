#pragma once

#include "controls/flatbutton/FlatButtonGeometry.h"

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <QTextLayout>
#include <memory>

class QPainter;

// A caption formatted for drawing: accelerator marks processed, broken into lines at "\n" and, when a
// wrap width is given, at word boundaries. A word longer than the wrap width stays on its own line.
class FlatButtonCaption {
public:
    // wrapWidth: pixels a line may take, or -1 for no word breaking.
    FlatButtonCaption(const QString &caption, const QFont &font, int wrapWidth);

    // Whether this is `caption` formatted in `font` for `wrapWidth`.
    bool Formats(const QString &caption, const QFont &font, int wrapWidth) const
    {
        return caption == m_caption && wrapWidth == m_wrapWidth && font == m_font;
    }

    // Widest line (TW) by all lines' height (TH), in pixels; 0 x 0 for an empty caption.
    QSize Size() const;

    // Draws the lines from the top of `rect` in the painter's pen, aligned by `alignment`, clipped to
    // `rect`; a line wider than `rect` ends in an ellipsis. The accelerator letter is underlined. Draws
    // what QPainter::drawText draws of the line marked as a mnemonic text.
    void Draw(QPainter &painter, const QRect &rect, TAlignment alignment) const;

private:
    struct Line {
        QString Text;          // plain text of the line
        qsizetype Accelerator; // index of the underlined letter within the line, or -1
        int Width;             // natural width in pixels
        // Shaped once, underline and all, as Qt's text drawing would shape it at every paint.
        std::shared_ptr<QTextLayout> Shaped;
    };

    QString m_caption;
    QFont m_font;
    int m_wrapWidth;
    QList<Line> m_lines;
    int m_lineHeight = 0;
};
