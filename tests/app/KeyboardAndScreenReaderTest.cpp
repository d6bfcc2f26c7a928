// The main window from the keyboard alone and as a screen reader reads it: F6 between the inputs and
// the chart, the keys that explore the chart, the popup menu's schedule of the entered cell, the
// chart's cells, what a new chart says and the toolbar buttons.
#include "app/schedule/ScheduleWindow.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/AccessibleEvents.h"

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
                                         PaneKey{"F6FromAStepGroup", 4, Qt::NoModifier}),
                         [](const testing::TestParamInfo<PaneKey> &info) {
                             return std::string(info.param.Name);
                         });

TEST_F(KeyboardAndScreenReaderTest, InTheChartReturnOpensTheScheduleOfTheCellTheKeysMovedTo)
{
    Key(Qt::Key_F6);
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    ASSERT_EQ(Schedules().size(), 1);
    EXPECT_EQ(Schedules()[0]->Controls().TermValues[0]->text(), QStringLiteral("$101,000.00"));
}

struct ChartKey {
    const char *Name;
    Qt::Key Key;
    int Col;
    int Row;
};

class ChartKeys : public KeyboardAndScreenReaderTest, public testing::WithParamInterface<ChartKey> {};

// With no input changed since the last rebuild, a key explores the chart: the current cell moves and
// stays, and the screen reader hears of the new cell, whose headings are its row's amount and its
// column's rate.
TEST_P(ChartKeys, MoveTheCurrentCellAndSayItWithItsHeadings)
{
    Key(Qt::Key_F6); // leaving the loan field builds the chart
    const PaymentChart built = window->LastChart();
    AccessibleEvents events;
    Key(GetParam().Key);
    EXPECT_EQ(c().grdPayment->Selection(),
              (TGridRect{GetParam().Col, GetParam().Row, GetParam().Col, GetParam().Row}));
    EXPECT_EQ(window->LastChart(), built);
    const int child = GetParam().Row * PaymentChart::ColumnCount + GetParam().Col;
    const auto focus = events.Of(c().grdPayment, QAccessible::Focus);
    ASSERT_FALSE(focus.empty());
    EXPECT_EQ(focus.back().Child, child);

    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(c().grdPayment)->child(child);
    ASSERT_TRUE(cell->state().focused);
    QAccessibleTableCellInterface *place = cell->tableCellInterface();
    ASSERT_EQ(place->rowHeaderCells().size(), 1);
    ASSERT_EQ(place->columnHeaderCells().size(), 1);
    EXPECT_EQ(place->rowHeaderCells()[0]->text(QAccessible::Name), c().grdPayment->Cells(0, GetParam().Row));
    EXPECT_EQ(place->columnHeaderCells()[0]->text(QAccessible::Name),
              c().grdPayment->Cells(GetParam().Col, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ChartKeys,
    testing::Values(ChartKey{"Down", Qt::Key_Down, 4, 7}, ChartKey{"Up", Qt::Key_Up, 4, 5},
                    ChartKey{"Left", Qt::Key_Left, 3, 6}, ChartKey{"Right", Qt::Key_Right, 5, 6},
                    ChartKey{"Home", Qt::Key_Home, 1, 6}, ChartKey{"End", Qt::Key_End, 7, 6},
                    ChartKey{"PageUp", Qt::Key_PageUp, 4, 1}, ChartKey{"PageDown", Qt::Key_PageDown, 4, 11}),
    [](const testing::TestParamInfo<ChartKey> &info) { return std::string(info.param.Name); });

TEST_F(KeyboardAndScreenReaderTest, AKeyAfterAnInputChangedRebuildsAndReturnsToTheEnteredCell)
{
    Key(Qt::Key_F6);
    Key(Qt::Key_Down);
    c().edtTerm->SetValue(15);
    Key(Qt::Key_Down);
    EXPECT_EQ(window->LastChart().Header().Years, 15);
    EXPECT_EQ(c().grdPayment->Selection(), (TGridRect{4, 6, 4, 6}));
}

TEST_F(KeyboardAndScreenReaderTest, ANewChartSaysItsEnteredCellOnce)
{
    AccessibleEvents events;
    const auto announcements = [&events] { return events.Notices(); };
    Key(Qt::Key_Tab);
    EXPECT_EQ(announcements(), QStringList(QStringLiteral("$100,000.00 at 8.75%: $786.70 a month")));
    // The same inputs again: the chart on the screen does not change, and nothing is said.
    QTest::mouseClick(c().grdPayment->viewport(), Qt::LeftButton, {},
                      c().grdPayment->CellRect(2, 2).center());
    EXPECT_EQ(announcements().size(), 1);
}

TEST_F(KeyboardAndScreenReaderTest, PopupMenuOpensTheEnteredCellsScheduleOnceTheChartIsBuilt)
{
    EXPECT_EQ(c().mnuPopSchedule->text(), QStringLiteral("Payment &Schedule"));
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
