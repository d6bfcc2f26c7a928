#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string_view>

int main(int argc, char **argv)
{
    // Widget tests need no display; tests that need an X server or a Wayland compositor set
    // QT_QPA_PLATFORM (xcb, wayland). Listing the tests (CTest does it after the build) needs none.
    const bool listing = std::any_of(
        argv + 1, argv + argc, [](const char *arg) { return std::string_view(arg) == "--gtest_list_tests"; });
    setenv("QT_QPA_PLATFORM", "offscreen", listing ? 1 : 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
