#include "controls/common/Announcer.h"

#include "tests/support/AccessibleEvents.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
// A screen reader speaks a notification as it appears, so each notice, a repeated one too, shows it
// anew under its new name.
TEST(Announcer, EachNoticeAppearsAsANotificationNamedByIt)
{
    QWidget window;
    auto *announcer = new TAnnouncer(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    AccessibleEvents events;
    for (const QString &notice : {QStringLiteral("Page 2 of 5"), QStringLiteral("Page 2 of 5")}) {
        events.Clear();
        announcer->Say(notice);
        QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(announcer);
        EXPECT_EQ(shown->role(), QAccessible::Notification);
        EXPECT_EQ(shown->text(QAccessible::Name), notice);
        EXPECT_EQ(events.Of(announcer, QAccessible::ObjectShow).size(), 1u);
    }
    EXPECT_EQ(announcer->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(announcer->size().isEmpty());
}
} // namespace
