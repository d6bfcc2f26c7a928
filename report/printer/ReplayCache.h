#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QRawFont>
#include <QString>
#include <utility>

class QPaintDevice;

// What a window that repaints pages keeps from one replay to the next: each text laid out in its font,
// and each font at the device's size. Laying a text out again costs more than drawing it, and a font
// made anew draws each glyph anew. A few thousand texts and a few scales at the most: past that it
// starts afresh.
class ReplayCache {
public:
    // A text laid out on one line: its glyphs from its left end on the baseline, its width and the
    // line's ascent, in the font's units on `device`.
    struct LaidOutText {
        QList<QGlyphRun> Runs;
        qreal Width = 0;
        qreal Ascent = 0;
    };
    const LaidOutText &LaidOut(const QString &text, const QFont &font, QPaintDevice *device);

    // `font` at `pixelSize`, the same font each time for the same two.
    QRawFont AtPixelSize(const QRawFont &font, qreal pixelSize);

private:
    struct TextKey {
        QString Text;
        QFont Font;
        int DotsPerInch = 0;
        friend bool operator==(const TextKey &, const TextKey &) = default;
        friend size_t qHash(const TextKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.Text, key.Font, key.DotsPerInch);
        }
    };
    static constexpr qsizetype MaxTexts = 2048;
    static constexpr qsizetype MaxFonts = 16;
    QHash<TextKey, LaidOutText> m_texts;
    QHash<std::pair<QRawFont, qreal>, QRawFont> m_fonts;
};
