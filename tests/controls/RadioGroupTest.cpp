#include "controls/RadioGroup.h"

#include "design/ColorNames.h"

#include <QAccessible>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {
const QStringList NineItems{" 100", " 250", " 500", " 1000", " 2000", " 2500", " 3000", " 4000", " 5000"};

struct ItemRectsCase {
    const char *Name;
    QSize GroupSize;
    int Count;
    int Columns;
    int FontHeight;
    std::vector<QRect> Expected;
};

class RadioGroupItemRectsTest : public testing::TestWithParam<ItemRectsCase> {};

TEST_P(RadioGroupItemRectsTest, PlacesItemsColumnByColumn)
{
    const ItemRectsCase &c = GetParam();
    EXPECT_EQ(RadioGroupItemRects(c.GroupSize, c.Count, c.Columns, c.FontHeight), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RadioGroupItemRectsTest,
    testing::Values(
        // The step groups of the main window: 159 x 66, nine items, three columns, 14-pixel text.
        ItemRectsCase{"NineInThreeColumns",
                      {159, 66},
                      9,
                      3,
                      14,
                      {{8, 16, 49, 15},
                       {8, 31, 49, 15},
                       {8, 46, 49, 15},
                       {57, 16, 49, 15},
                       {57, 31, 49, 15},
                       {57, 46, 49, 15},
                       {106, 16, 49, 15},
                       {106, 31, 49, 15},
                       {106, 46, 49, 15}}},
        // Seven items in three columns: three per column, the last column only partly filled.
        ItemRectsCase{"SevenInThreeColumns",
                      {100, 50},
                      7,
                      3,
                      10,
                      {{8, 12, 30, 11},
                       {8, 23, 30, 11},
                       {8, 34, 30, 11},
                       {38, 12, 30, 11},
                       {38, 23, 30, 11},
                       {38, 34, 30, 11},
                       {68, 12, 30, 11}}},
        ItemRectsCase{"NoItems", {100, 50}, 0, 3, 10, {}},
        // A column count below one counts as one column.
        ItemRectsCase{"ZeroColumns", {50, 40}, 2, 0, 10, {{8, 11, 40, 12}, {8, 23, 40, 12}}}),
    [](const testing::TestParamInfo<ItemRectsCase> &info) { return std::string(info.param.Name); });

class RadioGroupWidget : public testing::Test {
protected:
    RadioGroupWidget()
    {
        group.resize(159, 66);
        group.SetColumns(3);
        group.SetItems(NineItems);
        group.SetItemIndex(3);
        group.OnClick = [this](QObject *sender) {
            senders.push_back(sender);
            indexesSeen.push_back(group.ItemIndex());
        };
        group.show();
    }

    void ClickItem(int index) { QTest::mouseClick(group.Button(index), Qt::LeftButton, {}, QPoint(5, 7)); }

    TRadioGroup group;
    std::vector<QObject *> senders;
    std::vector<int> indexesSeen;
};

TEST_F(RadioGroupWidget, ClickOnAnotherItemSelectsItAndNotifiesOnce)
{
    ClickItem(7);
    EXPECT_EQ(group.ItemIndex(), 7);
    EXPECT_TRUE(group.Button(7)->isChecked());
    EXPECT_FALSE(group.Button(3)->isChecked());
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], &group);
    EXPECT_EQ(indexesSeen[0], 7);
}

TEST_F(RadioGroupWidget, ClickOnTheSelectedItemNotifiesNothing)
{
    ClickItem(3);
    EXPECT_EQ(group.ItemIndex(), 3);
    EXPECT_TRUE(senders.empty());
}

TEST_F(RadioGroupWidget, SettingTheIndexInCodeNotifiesNothing)
{
    group.SetItemIndex(0);
    EXPECT_TRUE(group.Button(0)->isChecked());
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_FALSE(group.Button(0)->isChecked());
    group.SetItemIndex(9);
    EXPECT_EQ(group.ItemIndex(), -1);
    EXPECT_TRUE(senders.empty());
}

TEST_F(RadioGroupWidget, OnlyTheSelectedItemIsATabStop)
{
    auto tabStops = [this] {
        std::vector<int> stops;
        for (int i = 0; i < NineItems.size(); ++i)
            if (group.Button(i)->focusPolicy() & Qt::TabFocus)
                stops.push_back(i);
        return stops;
    };
    EXPECT_EQ(tabStops(), std::vector<int>{3});
    ClickItem(5);
    EXPECT_EQ(tabStops(), std::vector<int>{5});
    group.SetItemIndex(-1);
    EXPECT_EQ(tabStops(), std::vector<int>{0});
}

TEST_F(RadioGroupWidget, OnlyALeftPressGivesAnItemTheFocus)
{
    group.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&group));
    group.Button(3)->setFocus();
    QTest::mousePress(group.Button(6), Qt::RightButton, {}, QPoint(5, 7));
    QTest::mouseRelease(group.Button(6), Qt::RightButton, {}, QPoint(5, 7));
    QTest::mousePress(group.Button(7), Qt::MiddleButton, {}, QPoint(5, 7));
    QTest::mouseRelease(group.Button(7), Qt::MiddleButton, {}, QPoint(5, 7));
    EXPECT_TRUE(group.Button(3)->hasFocus());
    EXPECT_EQ(group.ItemIndex(), 3);
    QTest::mousePress(group.Button(6), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_TRUE(group.Button(6)->hasFocus());
}

struct ArrowCase {
    const char *Name;
    int From;
    Qt::Key Key;
    int To;
};

class RadioGroupArrows : public RadioGroupWidget, public testing::WithParamInterface<ArrowCase> {};

TEST_P(RadioGroupArrows, MoveTheSelectionInItemOrderAndNotify)
{
    const ArrowCase &arrow = GetParam();
    group.SetItemIndex(arrow.From);
    group.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&group));
    group.Button(arrow.From)->setFocus();
    QTest::keyClick(group.Button(arrow.From), arrow.Key);
    EXPECT_EQ(group.ItemIndex(), arrow.To);
    EXPECT_EQ(indexesSeen, std::vector<int>{arrow.To});
    EXPECT_TRUE(group.Button(arrow.To)->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RadioGroupArrows,
    testing::Values(ArrowCase{"Down", 3, Qt::Key_Down, 4},
                    // Right goes to the next item, not to the next column.
                    ArrowCase{"Right", 3, Qt::Key_Right, 4}, ArrowCase{"Up", 3, Qt::Key_Up, 2},
                    ArrowCase{"Left", 3, Qt::Key_Left, 2}, ArrowCase{"DownFromTheLast", 8, Qt::Key_Down, 0},
                    ArrowCase{"UpFromTheFirst", 0, Qt::Key_Up, 8}),
    [](const testing::TestParamInfo<ArrowCase> &info) { return std::string(info.param.Name); });

TEST_F(RadioGroupWidget, ItemsTakeTheGroupsFontAndKeepTheirBlanks)
{
    QFont font("Arial");
    font.setPixelSize(11);
    group.setFont(font);
    EXPECT_EQ(group.Button(0)->font().pixelSize(), 11);
    EXPECT_EQ(group.Button(8)->text(), " 5000");
    // The text follows the indicator closely, so that " 5000" fits its narrow column.
    EXPECT_EQ(group.Button(8)->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing), 2);
}

TEST_F(RadioGroupWidget, DrawsAnEtchedFrame)
{
    QPalette palette = group.palette();
    palette.setColor(QPalette::Window, clSilver);
    group.setPalette(palette);
    group.setAutoFillBackground(true);
    const QImage image = group.grab().toImage();
    const int top = QFontMetrics(group.font()).height() / 2 - 1;
    EXPECT_EQ(image.pixelColor(0, 40), clGray);
    EXPECT_EQ(image.pixelColor(1, 40), clWhite);
    EXPECT_EQ(image.pixelColor(80, top), clGray);
    EXPECT_EQ(image.pixelColor(80, top + 1), clWhite);
    EXPECT_EQ(image.pixelColor(158, 40), clWhite);
    EXPECT_EQ(image.pixelColor(80, 65), clWhite);
    EXPECT_EQ(image.pixelColor(80, top - 1), clSilver);
}
} // namespace

namespace {
TEST(RadioGroupAccessible, IsANamedGroupOfRadioButtons)
{
    TRadioGroup group;
    group.SetItems({QStringLiteral(" 100"), QStringLiteral(" 250")});
    group.setAccessibleName(QStringLiteral("Increment loan amounts by"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&group);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Grouping);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Increment loan amounts by"));
    ASSERT_EQ(accessible->childCount(), 2);
    EXPECT_EQ(accessible->child(1)->role(), QAccessible::RadioButton);
}

TEST(RadioGroupAccessible, ToggleOfAnItemSelectsItAndNotifiesLikeAClick)
{
    TRadioGroup group;
    group.SetItems({QStringLiteral(" 100"), QStringLiteral(" 250")});
    group.SetItemIndex(0);
    int clicks = 0;
    group.OnClick = [&](QObject *) { ++clicks; };
    QAccessible::queryAccessibleInterface(group.Button(1))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}
} // namespace
