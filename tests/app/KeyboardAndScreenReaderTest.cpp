// The main window from the keyboard alone and as a screen reader reads it: F6 between the inputs and
// the chart, the popup menu's schedule of the entered cell, the chart's cells and the toolbar buttons.
#include "tests/support/AccessibleEvents.h"
#include "tests/app/MainWindowFixture.h"
#include "app/schedule/ScheduleWindow.h"

#include <QAccessible>
#include <gtest/gtest.h>
#include <string>

namespace {
class KeyboardAndScreenReaderTest : public MainWindowTest {
protected:
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QList<TfrmSchedule *> Schedules() const { return window->findChildren<TfrmSchedule *>(); }
};

struct PaneKey {
    const char *Name;
    int TabsToInput; // from the loan field
    Qt::KeyboardModifiers Modifiers;
};

class SwitchingPanes : public KeyboardAndScreenReaderTest, public testing::WithParamInterface<PaneKey> {};

TEST_P(SwitchingPanes, F6MovesFromAnInputToTheChartAndBackToThatInput)
{
    for (int i = 0; i < GetParam().TabsToInput; ++i)
        Key(Qt::Key_Tab);
    QWidget *input = QApplication::focusWidget();
    Key(Qt::Key_F6, GetParam().Modifiers);
    EXPECT_EQ(QApplication::focusWidget(), c().grdPayment);
    EXPECT_EQ(c().grdPayment->Cells(4, 6), QStringLiteral(" $786.70")); // leaving the field rebuilt
    Key(Qt::Key_F6, GetParam().Modifiers);
    EXPECT_EQ(QApplication::focusWidget(), input);
    // Tab still skips the chart.
    for (int i = 0; i < 5; ++i) {
        Key(Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), c().grdPayment);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, SwitchingPanes,
                         testing::Values(PaneKey{"F6FromTheLoanField", 0, Qt::NoModifier},
                                         PaneKey{"ShiftF6FromTheRateField", 2, Qt::ShiftModifier},
                                         PaneKey{"F6FromAStepGroup", 3, Qt::NoModifier}),
                         [](const testing::TestParamInfo<PaneKey> &info) {
                             return std::string(info.param.Name);
                         });

TEST_F(KeyboardAndScreenReaderTest, InTheChartReturnOpensTheCurrentCellsSchedule)
{
    Key(Qt::Key_F6);
    Key(Qt::Key_Return);
    ASSERT_EQ(Schedules().size(), 1);
    EXPECT_EQ(Schedules()[0]->Controls().TermValues[3]->text(), QStringLiteral("$786.70"));
}

TEST_F(KeyboardAndScreenReaderTest, PopupMenuOpensTheEnteredCellsScheduleOnceTheChartIsBuilt)
{
    EXPECT_EQ(c().mnuPopSchedule->text(), QStringLiteral("Payment Schedule"));
    EXPECT_FALSE(c().mnuPopSchedule->isEnabled());
    Key(Qt::Key_Tab);
    ASSERT_TRUE(c().mnuPopSchedule->isEnabled());
    c().mnuPopSchedule->trigger();
    ASSERT_EQ(Schedules().size(), 1);
    EXPECT_EQ(Schedules()[0]->Controls().TermValues[0]->text(), QStringLiteral("$100,000.00"));
    EXPECT_EQ(Schedules()[0]->Controls().TermValues[3]->text(), QStringLiteral("$786.70"));
}

TEST_F(KeyboardAndScreenReaderTest, PrintPreviewReadsDisabledUntilTheChartIsBuiltAndTheChartReadsItsPayments)
{
    AccessibleEvents events;
    QAccessibleInterface *print = QAccessible::queryAccessibleInterface(c().btnPrint);
    EXPECT_EQ(print->role(), QAccessible::Button);
    EXPECT_EQ(print->text(QAccessible::Name), QStringLiteral("Print Preview"));
    EXPECT_TRUE(print->state().disabled);
    QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(c().grdPayment);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Payment chart"));
    EXPECT_EQ(chart->tableInterface()->cellAt(6, 4)->text(QAccessible::Name), QString());

    Key(Qt::Key_Tab);
    EXPECT_FALSE(print->state().disabled);
    EXPECT_EQ(print->actionInterface()->actionNames().front(), QAccessibleActionInterface::pressAction());
    EXPECT_EQ(chart->tableInterface()->cellAt(6, 4)->text(QAccessible::Name), QStringLiteral(" $786.70"));
    EXPECT_EQ(chart->tableInterface()->cellAt(0, 4)->text(QAccessible::Name).trimmed(),
              QStringLiteral("8.75%"));
    EXPECT_FALSE(events.Of(c().btnPrint, QAccessible::StateChanged).empty());
}
} // namespace
