#include "app/NumLock.h"

#include "app/MainWindow.h"
#include "app/ReportPrinting.h"
#include "report/printer/CupsPrinterDevice.h"
#include "tests/support/AccessibleEvents.h"

#include <QGuiApplication>
#include <gtest/gtest.h>
// Xlib last: its macros clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {
class NumLockOnX11 : public testing::Test {
protected:
    void SetUp() override
    {
        const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        ASSERT_NE(x11, nullptr) << "these tests need the xcb platform";
        display = x11->display();
        mask = XkbKeysymToModifiers(display, XK_Num_Lock);
        ASSERT_NE(mask, 0u) << "the X server's keymap has no Num Lock modifier";
        wasOn = NumlockIsOn();
    }

    // The X server's keyboard is shared with every other program on it: leave it as it was.
    void TearDown() override
    {
        if (display != nullptr && mask != 0)
            SwitchNumLock(wasOn);
    }

    void SwitchNumLock(bool on)
    {
        XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
        XSync(display, False);
    }

    // The keyboard's "Num Lock" light, as the X server reports it.
    bool IndicatorOn()
    {
        int index = -1;
        const Atom name = XInternAtom(display, "Num Lock", False);
        if (!XkbGetNamedIndicator(display, name, &index, nullptr, nullptr, nullptr) || index < 0)
            return false;
        unsigned lights = 0;
        XkbGetIndicatorState(display, XkbUseCoreKbd, &lights);
        return (lights & (1u << index)) != 0;
    }

    Display *display = nullptr;
    unsigned mask = 0;
    bool wasOn = false;
};

TEST_F(NumLockOnX11, SwitchesNumLockOnWhenItIsOff)
{
    SwitchNumLock(false);
    ASSERT_FALSE(IndicatorOn());
    SetNumlockTrue();
    EXPECT_TRUE(IndicatorOn());
    EXPECT_TRUE(NumlockIsOn());
}

TEST_F(NumLockOnX11, TheMainWindowsCreationSwitchesItOn)
{
    SwitchNumLock(false);
    ASSERT_FALSE(IndicatorOn());
    ReportPrinting printing(std::make_unique<CupsPrinterDevice>());
    const TfrmMain window{LocaleValues(), printing};
    EXPECT_TRUE(IndicatorOn());
}

// A screen reader's keypad commands need Num Lock off: the program keeps its hands off it while
// assistive technology is active, and gives it back when that becomes active after the start-up.
TEST_F(NumLockOnX11, UnderAssistiveTechnologyTheMainWindowLeavesItOff)
{
    SwitchNumLock(false);
    const AccessibleEvents assistiveTechnology;
    ReportPrinting printing(std::make_unique<CupsPrinterDevice>());
    const TfrmMain window{LocaleValues(), printing};
    EXPECT_FALSE(IndicatorOn());
}

TEST_F(NumLockOnX11, AssistiveTechnologyStartingLaterFindsItAsTheUserLeftIt)
{
    for (const bool userSetting : {false, true}) {
        SwitchNumLock(userSetting);
        ReportPrinting printing(std::make_unique<CupsPrinterDevice>());
        const TfrmMain window{LocaleValues(), printing};
        ASSERT_TRUE(IndicatorOn());
        const AccessibleEvents assistiveTechnology;
        EXPECT_EQ(IndicatorOn(), userSetting);
    }
}

TEST_F(NumLockOnX11, LeavesNumLockOnWhenItIsOn)
{
    SwitchNumLock(true);
    SetNumlockTrue();
    EXPECT_TRUE(IndicatorOn());
    SwitchNumLock(false);
    EXPECT_FALSE(NumlockIsOn());
}
} // namespace
