#include "AutoSizeLabel.h"

#include <QFontMetrics>
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
