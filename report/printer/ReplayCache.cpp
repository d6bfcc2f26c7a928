#include "report/printer/ReplayCache.h"

#include <QPaintDevice>
#include <QTextLayout>

const ReplayCache::LaidOutText &ReplayCache::LaidOut(const QString &text, const QFont &font,
                                                     QPaintDevice *device)
{
    TextKey key{text, font, device->logicalDpiY()};
    if (const auto found = m_texts.constFind(key); found != m_texts.cend())
        return *found;
    if (m_texts.size() >= MaxTexts)
        m_texts.clear();
    QTextLayout layout(text, font, device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return *m_texts.insert(std::move(key), {layout.glyphRuns(), line.horizontalAdvance(), line.ascent()});
}

QRawFont ReplayCache::AtPixelSize(const QRawFont &font, qreal pixelSize)
{
    const std::pair key(font, pixelSize);
    if (const auto found = m_fonts.constFind(key); found != m_fonts.cend())
        return *found;
    if (m_fonts.size() >= MaxFonts)
        m_fonts.clear();
    QRawFont sized(font);
    sized.setPixelSize(pixelSize);
    m_fonts.insert(key, sized);
    return sized;
}
