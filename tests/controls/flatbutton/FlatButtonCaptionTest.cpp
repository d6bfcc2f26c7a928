#include "controls/flatbutton/FlatButtonCaption.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
const QColor Paper(255, 255, 255);
const QColor Ink(0, 0, 0);

QFont TestFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The caption drawn in black into a white image of `size`, filling it.
QImage Drawn(const FlatButtonCaption &caption, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Paper);
    QPainter painter(&image);
    painter.setPen(Ink);
    caption.Draw(painter, QRect(QPoint(0, 0), size), TAlignment::taLeftJustify);
    return image;
}

// The ink pixels inside `area`.
int InkIn(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == Ink ? 1 : 0;
    return count;
}

TEST(FlatButtonCaption, WithoutWrappingIsOneLineWithoutItsMarks)
{
    const QFontMetrics metrics(TestFont());
    const FlatButtonCaption caption(QStringLiteral("one &two three"), TestFont(), -1);
    EXPECT_EQ(caption.Size(),
              QSize(metrics.horizontalAdvance(QStringLiteral("one two three")), metrics.height()));
}

TEST(FlatButtonCaption, WordWrapBreaksAtWordsWithinTheWidth)
{
    const QFontMetrics metrics(TestFont());
    const int width = metrics.horizontalAdvance(QStringLiteral("one two")) + 1;
    const FlatButtonCaption caption(QStringLiteral("one two three"), TestFont(), width);
    EXPECT_EQ(caption.Size().height(), 2 * metrics.height());
    EXPECT_LE(caption.Size().width(), width);
}

TEST(FlatButtonCaption, LineBreaksAlwaysStartANewLine)
{
    const QFontMetrics metrics(TestFont());
    EXPECT_EQ(FlatButtonCaption(QStringLiteral("one\ntwo"), TestFont(), -1).Size().height(),
              2 * metrics.height());
}

TEST(FlatButtonCaption, KeepsALeadingBlank)
{
    const FlatButtonCaption spaced(QStringLiteral(" Zoom &Out"), TestFont(), -1);
    const FlatButtonCaption plain(QStringLiteral("Zoom &Out"), TestFont(), -1);
    EXPECT_GT(spaced.Size().width(), plain.Size().width());
}

TEST(FlatButtonCaption, UnderlinesTheAcceleratorLetter)
{
    const QFontMetrics metrics(TestFont());
    const QRect underFirstLetter(0, metrics.ascent() + 1, metrics.horizontalAdvance(QLatin1Char('P')),
                                 metrics.descent() - 1);
    const QSize size(100, metrics.height());
    EXPECT_GT(
        InkIn(Drawn(FlatButtonCaption(QStringLiteral("&Print"), TestFont(), -1), size), underFirstLetter), 0);
    EXPECT_EQ(
        InkIn(Drawn(FlatButtonCaption(QStringLiteral("Print"), TestFont(), -1), size), underFirstLetter), 0);
}

// A caption keeps its lines shaped; drawn, they are what Qt's own drawing of the mnemonic text gives.
TEST(FlatButtonCaption, DrawsWhatQtDrawsOfTheMnemonicText)
{
    QFont smooth(QStringLiteral("Liberation Sans"));
    smooth.setPixelSize(13);
    QFont bold = TestFont();
    bold.setBold(true);
    for (const QFont &font : {TestFont(), smooth, bold}) {
        for (const QString &caption : {QStringLiteral("&Print"), QStringLiteral(" Zoom &In"),
                                       QStringLiteral("Save && E&xit"), QStringLiteral("Close")}) {
            for (const TAlignment alignment :
                 {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify}) {
                const QRect rect(3, 2, FlatButtonCaption(caption, font, -1).Size().width() + 7, 20);
                QImage kept(40 + rect.width(), 30, QImage::Format_RGB32);
                kept.fill(Paper);
                QImage qt = kept;
                QPainter keptPainter(&kept);
                keptPainter.setPen(Ink);
                FlatButtonCaption(caption, font, -1).Draw(keptPainter, rect, alignment);
                QPainter qtPainter(&qt);
                qtPainter.setPen(Ink);
                qtPainter.setFont(font);
                qtPainter.drawText(rect, int(QtAlignment(alignment) | Qt::AlignTop) | Qt::TextShowMnemonic,
                                   caption);
                EXPECT_EQ(kept, qt) << caption.toStdString() << " " << int(alignment) << " "
                                    << font.toString().toStdString();
            }
        }
    }
}

TEST(FlatButtonCaption, ALineAsWideAsItsRectangleIsDrawnWhole)
{
    const FlatButtonCaption caption(QStringLiteral(" Zoom &In"), TestFont(), -1);
    const QSize fitting = caption.Size();
    EXPECT_EQ(Drawn(caption, fitting),
              Drawn(caption, fitting + QSize(40, 0)).copy(QRect(QPoint(0, 0), fitting)));
}

// A word too long for the width stays whole on its line and ends in an ellipsis: the last ink on the
// right is dots on the baseline, where a clipped letter would reach up to the cap height.
TEST(FlatButtonCaption, ALineThatDoesNotFitEndsInAnEllipsis)
{
    const QFontMetrics metrics(TestFont());
    const int width = metrics.horizontalAdvance(QStringLiteral("HHHHH"));
    const FlatButtonCaption caption(QStringLiteral("HHHHHHHHHH"), TestFont(), width);
    ASSERT_EQ(caption.Size().height(), metrics.height());
    const QImage image = Drawn(caption, {width, metrics.height()});
    int lastInkColumn = -1;
    for (int x = 0; x < width; ++x)
        if (InkIn(image, QRect(x, 0, 1, metrics.height())) > 0)
            lastInkColumn = x;
    ASSERT_GE(lastInkColumn, 0);
    const QRect upperRightColumns(lastInkColumn - 2, 0, 3, metrics.ascent() / 2);
    EXPECT_EQ(InkIn(image, upperRightColumns), 0);
    EXPECT_GT(InkIn(image, QRect(0, 0, 3, metrics.ascent() / 2)), 0); // the first H is whole
}
} // namespace
