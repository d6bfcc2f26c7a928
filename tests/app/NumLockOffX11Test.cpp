#include "NumLock.h"

#include <QGuiApplication>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList messages;

void Collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    messages << message;
}

// Off X11 (the offscreen platform here, Wayland in use) there is no X server to ask: Num Lock is left
// alone, without a message.
TEST(NumLockOffX11, DoesNothingAndSaysNothing)
{
    ASSERT_NE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    SetNumlockTrue();
    const bool on = NumlockIsOn();
    qInstallMessageHandler(previous);
    EXPECT_FALSE(on);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}
} // namespace
