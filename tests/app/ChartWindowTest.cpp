// The chart in the running window: start-up state, rebuilds from fields, step groups and grid,
// the commands that take no focus, the failure messages and the copy of the chart.
#include "about/AboutBox.h"
#include "calc/Errors.h"
#include "design/ColorNames.h"
#include "tests/app/MainWindowFixture.h"

#include <QClipboard>
#include <QImage>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace {
class ChartWindowTest : public MainWindowTest {
protected:
    QString Cell(int col, int row) const { return c().grdPayment->Cells(col, row); }

    void ClickCell(int col, int row) const
    {
        TStyledGrid *grid = c().grdPayment;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }

    // A pixel near the bottom-left corner of a cell, clear of its top-aligned text and grid lines.
    QColor CellBackground(const QImage &image, int col, int row) const
    {
        const QRect rect = c().grdPayment->CellRect(col, row);
        return image.pixelColor(rect.left() + 3, rect.bottom() - 2);
    }

    static void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    // Marks the entered cell, so that a test can tell whether a rebuild rewrote it.
    void MarkChart() const { c().grdPayment->SetCells(4, 6, QStringLiteral("unchanged")); }
    bool Rebuilt() const { return Cell(4, 6) != QStringLiteral("unchanged"); }

    // Closes the next modal About box as soon as it shows, and tells whether one did.
    void CloseNextAboutBox()
    {
        QTimer::singleShot(0, [this] {
            if (auto *box = qobject_cast<TAboutBox *>(QApplication::activeModalWidget())) {
                aboutBoxesShown += 1;
                box->Controls().BtnClose->OnClick(box->Controls().BtnClose);
            }
        });
    }

    int aboutBoxesShown = 0;
};

TEST_F(ChartWindowTest, StartsWithHeadingsOnlyAndTheEnteredCellHighlighted)
{
    EXPECT_EQ(Cell(0, 0), QStringLiteral(" Amount/Rate"));
    EXPECT_EQ(Cell(0, 1), QStringLiteral(" $95,000.00"));
    EXPECT_EQ(Cell(0, 6), QStringLiteral(" $100,000.00"));
    EXPECT_EQ(Cell(0, 11), QStringLiteral(" $105,000.00"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("8.00%"));
    EXPECT_EQ(Cell(7, 0), QStringLiteral("9.50%"));
    for (int col = 1; col < 8; ++col)
        for (int row = 1; row < 12; ++row)
            EXPECT_TRUE(Cell(col, row).isEmpty()) << col << ", " << row;
    EXPECT_EQ(c().grdPayment->Selection(), (TGridRect{4, 6, 4, 6}));
    for (int col = 0; col < 8; ++col)
        EXPECT_EQ(c().grdPayment->ColWidths(col), 69);

    const QImage image = c().grdPayment->viewport()->grab().toImage();
    EXPECT_EQ(CellBackground(image, 4, 3), clYellow);
    EXPECT_EQ(CellBackground(image, 2, 6), clYellow);
    EXPECT_EQ(CellBackground(image, 4, 6), clYellow);
    EXPECT_EQ(CellBackground(image, 2, 3), clWhite);
    EXPECT_EQ(CellBackground(image, 0, 6), clSilver);
    EXPECT_EQ(CellBackground(image, 4, 0), clSilver);
}

TEST_F(ChartWindowTest, OpensCentredOnTheScreen)
{
    const QRect screen = window->screen()->geometry();
    EXPECT_EQ(window->pos(), QPoint((screen.width() - 564) / 2, (screen.height() - 386) / 2));
}

TEST_F(ChartWindowTest, LeavingTheLoanFieldBuildsTheChartAndEnablesPrintPreview)
{
    Tab();
    EXPECT_EQ(Cell(1, 0), QStringLiteral("  8%"));
    EXPECT_EQ(Cell(4, 6), QStringLiteral(" $786.70"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" $697.08"));
    EXPECT_EQ(Cell(7, 11), QStringLiteral(" $882.90"));
    EXPECT_TRUE(c().btnPrint->Enabled());
    EXPECT_TRUE(c().mnuPopPrint->isEnabled());
    EXPECT_TRUE(messages.isEmpty());
}

struct Typing {
    const char *Name;
    int TabsToField;
    const char *Keys;
    const char *FieldText;
    int Col, Row;
    const char *CellText;
};

class TypingIntoAField : public ChartWindowTest, public testing::WithParamInterface<Typing> {};

TEST_P(TypingIntoAField, AndTabbingOutRebuildsTheChart)
{
    const Typing &typing = GetParam();
    for (int i = 0; i < typing.TabsToField; ++i)
        Tab();
    auto *field = qobject_cast<TNumericEdit *>(QApplication::focusWidget());
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, QString::fromLatin1(typing.Keys));
    EXPECT_EQ(field->text(), QString::fromLatin1(typing.FieldText));
    MarkChart();
    Tab();
    EXPECT_TRUE(Rebuilt());
    EXPECT_EQ(Cell(typing.Col, typing.Row), QString::fromLatin1(typing.CellText));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypingIntoAField,
    testing::Values(Typing{"Loan", 0, "200000", "200000.00", 0, 6, " $200,000.00"},
                    Typing{"OneYear", 1, "1", "1", 4, 6, " $8,733.56"},
                    // The rate of column 1 is then exactly 0: payments by straight division.
                    Typing{"ZeroRateColumn", 2, "0.75", "0.750", 1, 6, " $277.78"}),
    [](const testing::TestParamInfo<Typing> &info) { return std::string(info.param.Name); });

TEST_F(ChartWindowTest, ChoosingAnotherStepRebuildsButChoosingTheSameOneDoesNot)
{
    QTest::mouseClick(c().rgLoan->Button(0), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(Cell(0, 1), QStringLiteral(" $99,500.00"));
    MarkChart();
    QTest::mouseClick(c().rgLoan->Button(0), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_FALSE(Rebuilt());
    QTest::mouseClick(c().rgInterest->Button(8), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("  5.75%"));
}

TEST_F(ChartWindowTest, ArrowKeyInAStepGroupChoosesTheNextStepAndRebuilds)
{
    for (int i = 0; i < 4; ++i)
        Tab();
    ASSERT_EQ(QApplication::focusWidget(), c().rgInterest->Button(3));
    MarkChart();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(c().rgInterest->ItemIndex(), 4);
    EXPECT_TRUE(Rebuilt());
    EXPECT_EQ(Cell(1, 0), QStringLiteral("  7.751%"));
}

TEST_F(ChartWindowTest, ClickOnAPaymentCellRebuildsAndSnapsBackToTheEnteredCell)
{
    Tab();
    MarkChart();
    ClickCell(2, 2);
    EXPECT_TRUE(Rebuilt());
    EXPECT_EQ(c().grdPayment->Selection(), (TGridRect{4, 6, 4, 6}));
    EXPECT_EQ(QApplication::focusWidget(), c().grdPayment);
}

TEST_F(ChartWindowTest, ClickOnAHeadingCellDoesNotRebuild)
{
    // The grid takes the focus first, so that no field's focus loss rebuilds the chart.
    ClickCell(2, 2);
    ASSERT_EQ(QApplication::focusWidget(), c().grdPayment);
    MarkChart();
    ClickCell(0, 3);
    ClickCell(5, 0);
    EXPECT_FALSE(Rebuilt());
}

TEST_F(ChartWindowTest, TabFromTheLastFieldSkipsTheGrid)
{
    Tab();
    Tab();
    ASSERT_EQ(QApplication::focusWidget(), c().edtInterest);
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), c().m_webAddressLink);
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), c().rgInterest->Button(3));
}

TEST_F(ChartWindowTest, ToolbarButtonMakersNameAndMenuItemTakeNoFocusAndSoDoNotRebuild)
{
    QTest::keyClicks(c().edtLoan, QStringLiteral("5"));
    ASSERT_EQ(c().edtLoan->text(), QStringLiteral("5.00"));

    CloseNextAboutBox();
    QTest::mouseClick(c().btnHelp, Qt::LeftButton, {}, QPoint(12, 12));
    CloseNextAboutBox();
    QTest::mouseClick(c().m_makerNameLink, Qt::LeftButton, {}, QPoint(20, 8));
    RightClick(c().m_inputPanel, QPoint(250, 90));
    ASSERT_TRUE(QTest::qWaitFor([this] { return c().mnuPop->isVisible(); }));
    CloseNextAboutBox();
    QTest::mouseClick(c().mnuPop, Qt::LeftButton, {}, c().mnuPop->actionGeometry(c().mnuPopAbout).center());

    EXPECT_EQ(aboutBoxesShown, 3);
    EXPECT_EQ(QApplication::focusWidget(), c().edtLoan);
    EXPECT_EQ(Cell(0, 6), QStringLiteral(" $100,000.00"));
    EXPECT_TRUE(Cell(4, 6).isEmpty());
    EXPECT_FALSE(c().btnPrint->Enabled());
}

TEST_F(ChartWindowTest, RightClickOnAStepItemLeavesTheFocusInTheFieldAndDoesNotRebuild)
{
    QTest::keyClicks(c().edtLoan, QStringLiteral("5"));
    QRadioButton *item = c().rgLoan->Button(2);
    QTest::mousePress(item, Qt::RightButton, {}, QPoint(5, 7));
    QTest::mouseRelease(item, Qt::RightButton, {}, QPoint(5, 7));
    RightClick(item, QPoint(5, 7));
    ASSERT_TRUE(QTest::qWaitFor([this] { return c().mnuPop->isVisible(); }));
    c().mnuPop->close();
    EXPECT_EQ(QApplication::focusWidget(), c().edtLoan);
    EXPECT_EQ(c().rgLoan->ItemIndex(), 3);
    EXPECT_TRUE(Cell(4, 6).isEmpty());

    // A left click takes the focus (the field's loss rebuilds) and chooses the step.
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(QApplication::focusWidget(), item);
    EXPECT_EQ(c().rgLoan->ItemIndex(), 2);
    EXPECT_EQ(Cell(4, 6), QStringLiteral(" $0.04"));
}

TEST_F(ChartWindowTest, RightClickOnTheGridOpensTheWindowMenu)
{
    RightClick(c().grdPayment->viewport(), c().grdPayment->CellRect(3, 3).center());
    EXPECT_TRUE(QTest::qWaitFor([this] { return c().mnuPop->isVisible(); }));
}

TEST_F(ChartWindowTest, TextThatIsNoNumberShowsTheUnidentifiedErrorMessage)
{
    c().edtLoan->setText(QStringLiteral("abc"));
    Tab();
    EXPECT_EQ(messages, QStringList{QString::fromLatin1(OtherFailureMessage)});
    EXPECT_EQ(c().edtLoan->text(), QStringLiteral("abc"));
    EXPECT_FALSE(c().btnPrint->Enabled());
}

TEST_F(ChartWindowTest, DivisionByZeroShowsTheTooLargeMessageAndKeepsTheEarlierPayments)
{
    Tab();
    Tab();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0.3"));
    ASSERT_EQ(c().edtInterest->text(), QStringLiteral("0.300"));
    Tab();
    ASSERT_TRUE(messages.isEmpty());
    const QString paymentBefore = Cell(1, 1);
    // With the .10 step column 1's rate is a tiny remainder instead of 0; its payment divides by zero.
    QTest::mouseClick(c().rgInterest->Button(0), Qt::LeftButton, {}, QPoint(5, 7));
    EXPECT_EQ(messages, QStringList{QString::fromLatin1(ArithmeticFailureMessage)});
    EXPECT_EQ(Cell(1, 0), QStringLiteral("  1.1369E-13%"));
    EXPECT_EQ(Cell(1, 1), paymentBefore);
}

TEST_F(ChartWindowTest, ZeroYearsAreCorrectedToThirtyWithAMessage)
{
    Tab();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    ASSERT_EQ(c().edtTerm->text(), QStringLiteral("0"));
    Tab();
    EXPECT_EQ(c().edtTerm->text(), QStringLiteral("30"));
    EXPECT_EQ(messages, QStringList{QStringLiteral("The number of years must be greater than 0.")});
    EXPECT_EQ(Cell(4, 6), QStringLiteral(" $786.70"));
}

// The term field's range stays open: a term beyond 999 years is computed without a range message.
TEST_F(ChartWindowTest, TermFieldTakesAThousandYearsWithoutARangeMessage)
{
    Tab();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1000"));
    ASSERT_EQ(c().edtTerm->text(), QStringLiteral("1000"));
    Tab();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(Cell(4, 6), QStringLiteral(" $729.17")); // next to interest only
}

TEST_F(ChartWindowTest, CopyPutsTheWholeChartOnTheClipboardAsTabSeparatedLines)
{
    Tab();
    ClickCell(2, 2);
    ASSERT_EQ(QApplication::focusWidget(), c().grdPayment);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(c().grdPayment, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')),
              QStringList({"Amount/Rate", "8%", "8.25%", "8.5%", "8.75%", "9%", "9.25%", "9.5%"}));
    EXPECT_TRUE(lines[6].startsWith(QStringLiteral("$100,000.00\t$733.76\t")));
    EXPECT_EQ(lines[6].split(QLatin1Char('\t'))[4], QStringLiteral("$786.70"));
}

TEST_F(ChartWindowTest, CopyAfterAFailedRebuildCopiesTheLastCompletedChart)
{
    Tab();
    Tab();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0.3"));
    Tab();
    ASSERT_EQ(Cell(1, 0), QStringLiteral("  -0.45%"));
    QTest::mouseClick(c().rgInterest->Button(0), Qt::LeftButton, {}, QPoint(5, 7));
    ASSERT_EQ(Cell(1, 0), QStringLiteral("  1.1369E-13%")); // the failed rebuild's new heading
    EXPECT_EQ(window->LastChart().Cell(1, 0), "  -0.45%");
    ClickCell(0, 3); // a heading: takes the focus without a rebuild
    ASSERT_EQ(QApplication::focusWidget(), c().grdPayment);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(c().grdPayment, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("Amount/Rate\t-0.45%\t")));
}

TEST_F(ChartWindowTest, CopyInAFieldCopiesTheFieldsTextOnly)
{
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(c().edtLoan, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("100000.00"));
}

TEST_F(ChartWindowTest, RestingOnAToolbarButtonShowsItsHintAtOnce)
{
    QTest::mouseMove(c().btnExit, QPoint(12, 12));
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Exit"));
    QToolTip::hideText();
}
} // namespace
