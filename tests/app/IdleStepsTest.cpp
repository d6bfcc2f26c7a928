#include "app/IdleSteps.h"

#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
TEST(StepWhenIdle, StepsOnlyOnceTheWindowHasPaintedAndUntilTheStepIsDone)
{
    QWidget window;
    int steps = 0;
    StepWhenIdle(window, [&steps] { return ++steps < 3; });
    QCoreApplication::processEvents();
    EXPECT_EQ(steps, 0) << "before the window's first paint";
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&steps] { return steps == 3; }));
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(steps, 3) << "after the step said it was done";
}
} // namespace
