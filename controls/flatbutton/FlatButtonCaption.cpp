#include "controls/flatbutton/FlatButtonCaption.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

// One line laid out as QPainter::drawText lays out a mnemonic text: without wrapping, the accelerator
// letter underlined.
std::shared_ptr<QTextLayout> ShapedLine(const QString &text, qsizetype accelerator, const QFont &font)
{
    auto layout = std::make_shared<QTextLayout>(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::ManualWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    if (accelerator >= 0) {
        QTextLayout::FormatRange underline;
        underline.start = static_cast<int>(accelerator);
        underline.length = 1;
        underline.format.setFontUnderline(true);
        layout->setFormats({underline});
    }
    layout->setCacheEnabled(true);
    layout->beginLayout();
    layout->createLine().setPosition({0, 0});
    layout->endLayout();
    return layout;
}

} // namespace

FlatButtonCaption::FlatButtonCaption(const QString &caption, const QFont &font, int wrapWidth)
    : m_caption(caption), m_font(font), m_wrapWidth(wrapWidth)
{
    const QFontMetrics metrics(font);
    m_lineHeight = metrics.height();
    const QString plain = StripAcceleratorMarks(caption);
    const qsizetype accelerator = AcceleratorIndex(caption);
    if (plain.isEmpty())
        return;

    qsizetype paragraphStart = 0;
    for (const QString &paragraph : plain.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(wrapWidth >= 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(wrapWidth >= 0 ? wrapWidth : 1e6);
            const qsizetype start = line.textStart();
            // Blanks at a break end the line before it and are not part of its visible text.
            QString text = paragraph.mid(start, line.textLength());
            while (!text.isEmpty() && text.back().isSpace())
                text.chop(1);
            const qsizetype inLine = accelerator - paragraphStart - start;
            const bool ownsAccelerator = inLine >= 0 && inLine < text.size();
            const qsizetype lineAccelerator = ownsAccelerator ? inLine : -1;
            m_lines.append({text, lineAccelerator, metrics.horizontalAdvance(text),
                            ShapedLine(text, lineAccelerator, font)});
        }
        layout.endLayout();
        paragraphStart += paragraph.size() + 1;
    }
}

QSize FlatButtonCaption::Size() const
{
    int width = 0;
    for (const Line &line : m_lines)
        width = std::max(width, line.Width);
    return {width, static_cast<int>(m_lines.size()) * m_lineHeight};
}

void FlatButtonCaption::Draw(QPainter &painter, const QRect &rect, TAlignment alignment) const
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QFontMetrics metrics(m_font);
    const Qt::Alignment horizontal = QtAlignment(alignment);
    painter.save();
    painter.setFont(m_font);
    painter.setClipRect(rect, Qt::IntersectClip);
    int top = rect.top();
    for (const Line &line : m_lines) {
        const QRect lineRect(rect.left(), top, rect.width(), m_lineHeight);
        top += m_lineHeight;
        if (line.Width <= rect.width()) {
            const QTextLine shaped = line.Shaped->lineAt(0);
            const qreal advance = shaped.horizontalAdvance();
            qreal offset = 0;
            if (horizontal & Qt::AlignRight)
                offset = rect.width() - advance;
            else if (horizontal & Qt::AlignHCenter)
                offset = (rect.width() - advance) / 2;
            painter.save();
            painter.setClipRect(lineRect, Qt::IntersectClip);
            line.Shaped->draw(&painter, QPointF(rect.left() + offset, lineRect.top()));
            painter.restore();
            continue;
        }
        // Re-mark the line for Qt's mnemonic drawing: "&" doubled, the accelerator letter prefixed.
        QString marked;
        for (qsizetype i = 0; i < line.Text.size(); ++i) {
            if (i == line.Accelerator)
                marked.append(QLatin1Char('&'));
            marked.append(line.Text.at(i));
            if (line.Text.at(i) == QLatin1Char('&'))
                marked.append(QLatin1Char('&'));
        }
        // Qt's elision counts the marks of a mnemonic text as if drawn, so a line that fits exactly
        // would lose its end; only a line wider than the rectangle is elided.
        const QString shown = metrics.elidedText(marked, Qt::ElideRight, rect.width(), Qt::TextShowMnemonic);
        painter.drawText(lineRect, int(horizontal | Qt::AlignTop) | Qt::TextShowMnemonic, shown);
    }
    painter.restore();
}
