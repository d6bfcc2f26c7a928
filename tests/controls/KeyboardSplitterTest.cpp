// The splitter's border moved from the keyboard.
#include "controls/KeyboardSplitter.h"

#include <QLineEdit>
#include <QSplitterHandle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ArrowCase {
    const char *Name;
    Qt::Orientation Orientation;
    Qt::Key Key;
    int Moved; // how far the border moves toward the second pane's end
};

class KeyboardSplitterTest : public testing::TestWithParam<ArrowCase> {};

TEST_P(KeyboardSplitterTest, TheArrowKeysAlongItMoveTheBorderAStep)
{
    TKeyboardSplitter splitter(GetParam().Orientation);
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    splitter.SetStep(20);
    splitter.resize(400, 400);
    splitter.setSizes({200, 195});
    splitter.show();
    const QList<int> before = splitter.sizes();
    QTest::keyClick(splitter.handle(1), GetParam().Key);
    EXPECT_EQ(splitter.sizes(), (QList<int>{before[0] + GetParam().Moved, before[1] - GetParam().Moved}));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyboardSplitterTest,
                         testing::Values(ArrowCase{"UpInAColumn", Qt::Vertical, Qt::Key_Up, -20},
                                         ArrowCase{"DownInAColumn", Qt::Vertical, Qt::Key_Down, 20},
                                         ArrowCase{"LeftInARow", Qt::Horizontal, Qt::Key_Left, -20},
                                         ArrowCase{"RightInARow", Qt::Horizontal, Qt::Key_Right, 20},
                                         ArrowCase{"AcrossItPassesOn", Qt::Vertical, Qt::Key_Left, 0}),
                         [](const testing::TestParamInfo<ArrowCase> &info) { return info.param.Name; });

TEST(KeyboardSplitter, TheBorderWithTheFocusIsFramed)
{
    TKeyboardSplitter splitter(Qt::Vertical);
    splitter.addWidget(new QLineEdit);
    splitter.addWidget(new QWidget);
    splitter.setHandleWidth(8);
    splitter.show();
    splitter.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&splitter));
    QSplitterHandle *border = splitter.handle(1);
    const QImage unfocused = border->grab().toImage();
    border->setFocus();
    ASSERT_TRUE(border->hasFocus());
    EXPECT_NE(border->grab().toImage(), unfocused);
}

} // namespace
