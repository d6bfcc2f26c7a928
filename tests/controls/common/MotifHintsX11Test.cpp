// What a window manager reads of a window's caption buttons: the _MOTIF_WM_HINTS property on the X server.
#include "controls/common/OwnWindowFrame.h"

#include <QDialog>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>
#include <xcb/xcb.h>

namespace {
// The window's _MOTIF_WM_HINTS as the X server holds it; empty when it has none.
std::vector<std::uint32_t> MotifHintsOnServer(const QWidget &window)
{
    xcb_connection_t *connection =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    xcb_get_property_reply_t *property =
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, static_cast<xcb_window_t>(window.winId()),
                                                atom->atom, atom->atom, 0, 5),
                               nullptr);
    std::vector<std::uint32_t> hints;
    if (property != nullptr && property->format == 32) {
        const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(property));
        hints.assign(values, values + xcb_get_property_value_length(property) / 4);
    }
    free(property);
    free(atom);
    return hints;
}

class MotifHintsX11 : public testing::Test {
protected:
    static void SetUpTestSuite() { TellWindowManagerCaptionButtons(); }
};

// Qt alone leaves out the decorations of a window with a caption and no buttons, and a window manager
// then draws all of them.
TEST_F(MotifHintsX11, AFixedDialogWithACaptionButNoButtonsSaysSo)
{
    QDialog box(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setFixedSize(200, 100);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    const MotifWmHints expected = MotifWmHintsOf(box.windowFlags(), false);
    EXPECT_EQ(MotifHintsOnServer(box), std::vector<std::uint32_t>(expected.begin(), expected.end()));
}
} // namespace
