#include "controls/AutoSizeLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
class AutoSizeLabelTest : public testing::Test {
protected:
    AutoSizeLabelTest() { font.setPixelSize(11); }

    QWidget parent;
    QFont font{QStringLiteral("Arial")};
};

TEST_F(AutoSizeLabelTest, LeftAlignedKeepsItsLeftEdgeAndTakesTheTextsWidth)
{
    QLabel *label =
        NewAutoSizeLabel(&parent, QStringLiteral("Increment Loan Amounts By:"), {93, 7, 20, 14}, font);
    EXPECT_EQ(label->pos(), QPoint(93, 7));
    EXPECT_EQ(label->height(), 14);
    EXPECT_GE(label->width(), QFontMetrics(font).horizontalAdvance(label->text()));
}

TEST_F(AutoSizeLabelTest, TextStandsAtTheTopOfItsBox)
{
    QLabel *label = NewAutoSizeLabel(&parent, QStringLiteral("Loan:"), {0, 0, 40, 40}, font);
    const QImage image = label->grab().toImage();
    const QColor paper = image.pixelColor(image.width() - 1, image.height() - 1);
    int top = -1;
    for (int y = 0; y < image.height() && top < 0; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != paper)
                top = y;
    EXPECT_GE(top, 0);
    EXPECT_LT(top, QFontMetrics(font).ascent()); // a centred line would start 13 pixels lower
}

TEST_F(AutoSizeLabelTest, RightAlignedKeepsItsRightEdge)
{
    QLabel *wide = NewAutoSizeLabel(&parent, QStringLiteral("a much longer line than the box"),
                                    {25, 67, 30, 14}, font, Qt::AlignRight);
    QLabel *narrow =
        NewAutoSizeLabel(&parent, QStringLiteral("Loan:"), {200, 17, 86, 14}, font, Qt::AlignRight);
    EXPECT_EQ(wide->geometry().right() + 1, 55);
    EXPECT_LT(wide->x(), 25);
    EXPECT_EQ(narrow->geometry().right() + 1, 286);
    EXPECT_GT(narrow->x(), 200);
}

TEST_F(AutoSizeLabelTest, CentredKeepsItsLeftEdge)
{
    QLabel *label = NewAutoSizeLabel(&parent, QStringLiteral("Halvorn Software"), {11, 6, 300, 16}, font,
                                     Qt::AlignHCenter);
    EXPECT_EQ(label->x(), 11);
    EXPECT_LT(label->width(), 300);
}
} // namespace
