#include "controls/common/OwnWindowFrame.h"

#include <QDialog>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>

namespace {
struct ButtonsCase {
    const char *Name;
    Qt::WindowFlags Flags;
    CaptionButtons Expected;
};

class CaptionButtonsTest : public testing::TestWithParam<ButtonsCase> {};

TEST_P(CaptionButtonsTest, AreTheOnesTheFlagsName)
{
    EXPECT_EQ(CaptionButtonsOf(GetParam().Flags), GetParam().Expected);
}

constexpr Qt::WindowFlags Customized = Qt::CustomizeWindowHint | Qt::WindowTitleHint;

INSTANTIATE_TEST_SUITE_P(
    Rows, CaptionButtonsTest,
    testing::Values(
        ButtonsCase{"NoneAtAll", Qt::Dialog | Customized, {false, false, false}},
        ButtonsCase{"CloseOnly",
                    Qt::Dialog | Customized | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                    {false, false, true}},
        ButtonsCase{"MinimiseAndClose",
                    Qt::Window | Customized | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
                    {true, false, true}},
        // A message box names its hints without customizing.
        ButtonsCase{"NamedWithoutCustomizing",
                    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                    {false, false, true}},
        // None named: Qt's own for the kind of window.
        ButtonsCase{"PlainWindowAllThree", Qt::Window, {true, true, true}},
        ButtonsCase{"PlainDialogCloseOnly", Qt::Dialog, {false, false, true}}),
    [](const testing::TestParamInfo<ButtonsCase> &info) { return std::string(info.param.Name); });

struct MotifCase {
    const char *Name;
    Qt::WindowFlags Flags;
    bool Resizable;
    MotifWmHints Expected; // flags, functions, decorations, input mode, status
};

class MotifHintsTest : public testing::TestWithParam<MotifCase> {};

TEST_P(MotifHintsTest, NameExactlyTheCaptionButtonsAndCommands)
{
    EXPECT_EQ(MotifWmHintsOf(GetParam().Flags, GetParam().Resizable), GetParam().Expected);
}

// Functions: resize 2, move 4, minimise 8, maximise 16, close 32. Decorations: border 2, resize handle 4,
// title 8, menu 16, minimise 32, maximise 64.
INSTANTIATE_TEST_SUITE_P(
    Rows, MotifHintsTest,
    testing::Values(MotifCase{"CaptionWithoutButtons", Qt::Dialog | Customized, false, {3, 4, 2 | 8, 0, 0}},
                    MotifCase{"ResizableCloseOnly",
                              Qt::Dialog | Customized | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                              true,
                              {3, 2 | 4 | 32, 2 | 4 | 8 | 16, 0, 0}},
                    MotifCase{"FixedWithMinimiseAndClose",
                              Qt::Window | Customized | Qt::WindowSystemMenuHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint,
                              false,
                              {3, 4 | 8 | 32, 2 | 8 | 16 | 32, 0, 0}},
                    MotifCase{"PlainWindowEverything",
                              Qt::Window,
                              true,
                              {3, 2 | 4 | 8 | 16 | 32, 2 | 4 | 8 | 16 | 32 | 64, 0, 0}}),
    [](const testing::TestParamInfo<MotifCase> &info) { return std::string(info.param.Name); });

// The frame of a resizable window with minimise and close buttons, given by hand (off Wayland no window
// gets one of its own accord).
TEST(OwnWindowFrame, FollowsTheWindowTakesTheMouseOnlyOnItselfAndCloses)
{
    QDialog window(nullptr,
                   Qt::Window | Customized | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.resize(300, 200);
    auto *frame = new TOwnWindowFrame(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.resize(320, 240);
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 320, 240));
    const QMargins margins = TOwnWindowFrame::Margins;
    EXPECT_TRUE(frame->mask().contains(QPoint(100, margins.top() - 1)));         // the caption bar
    EXPECT_TRUE(frame->mask().contains(QPoint(319, 100)));                       // the border
    EXPECT_FALSE(frame->mask().contains(QPoint(margins.left(), margins.top()))); // the window's own
    QList<QToolButton *> buttons = frame->findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 2);
    QToolButton *close = buttons[0]->accessibleName() == QStringLiteral("Close") ? buttons[0] : buttons[1];
    EXPECT_GT(close->x(), 320 - margins.right() - close->width() - 4);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}
} // namespace
