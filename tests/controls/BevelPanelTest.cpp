#include "controls/BevelPanel.h"

#include "design/ColorNames.h"

#include <QAccessible>
#include <QImage>
#include <gtest/gtest.h>

namespace {
struct BevelCase {
    const char *Name;
    TPanelBevel Outer;
    TPanelBevel Inner;
    QColor TopLeftOuter, BottomRightOuter, TopLeftInner, BottomRightInner;
};

class BevelPanelPaint : public testing::TestWithParam<BevelCase> {};

TEST_P(BevelPanelPaint, DrawsBothRingsAroundTheFill)
{
    const BevelCase &c = GetParam();
    TBevelPanel panel;
    panel.resize(40, 30);
    panel.SetColor(clYellow);
    panel.SetBevelOuter(c.Outer);
    panel.SetBevelInner(c.Inner);
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 15), c.TopLeftOuter);
    EXPECT_EQ(image.pixelColor(20, 0), c.TopLeftOuter);
    EXPECT_EQ(image.pixelColor(39, 15), c.BottomRightOuter);
    EXPECT_EQ(image.pixelColor(20, 29), c.BottomRightOuter);
    EXPECT_EQ(image.pixelColor(1, 15), c.TopLeftInner);
    EXPECT_EQ(image.pixelColor(38, 15), c.BottomRightInner);
    EXPECT_EQ(image.pixelColor(20, 15), clYellow);
}

INSTANTIATE_TEST_SUITE_P(Bevels, BevelPanelPaint,
                         testing::Values(BevelCase{"RaisedOuterOnly", TPanelBevel::bvRaised,
                                                   TPanelBevel::bvNone, clWhite, clGray, clYellow, clYellow},
                                         BevelCase{"LoweredOuterRaisedInner", TPanelBevel::bvLowered,
                                                   TPanelBevel::bvRaised, clGray, clWhite, clWhite, clGray},
                                         BevelCase{"NoBevels", TPanelBevel::bvNone, TPanelBevel::bvNone,
                                                   clYellow, clYellow, clYellow, clYellow}),
                         [](const testing::TestParamInfo<BevelCase> &info) {
                             return std::string(info.param.Name);
                         });

// A plain widget would read as a filler.
TEST(BevelPanelAccessible, ReadsAsANamedPaneOrInTheRoleItIsGiven)
{
    TBevelPanel panel;
    panel.setAccessibleName(QStringLiteral("Chart inputs"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&panel);
    EXPECT_EQ(accessible->role(), QAccessible::Pane);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Chart inputs"));
    panel.SetAccessibleRole(QAccessible::ToolBar);
    EXPECT_EQ(accessible->role(), QAccessible::ToolBar);
}
} // namespace
