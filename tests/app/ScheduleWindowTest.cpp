// The schedule window: its figures, the switch to yearly rows, the copy, closing by Escape and what a
// closed window leaves behind.
#include "schedule/ScheduleWindow.h"

#include "MainWindowFixture.h"
#include "preview/FmPreview.h"
#include "printer/ReportPrinter.h"
#include "support/FakePrinterDevice.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const LocaleValues Dollars{"$", 0, 0, ",", "."};

// 1,200.00 at 12 % (1 % a month) over two years, repaid by 100.00 a month in 13 months.
PaymentSchedule TwoYearSchedule()
{
    return MakePaymentSchedule("$1,200.00", "12%", 2, 120000, 10000, {1, 100});
}

QStringList Texts(const QList<QLabel *> &labels)
{
    QStringList texts;
    for (const QLabel *label : labels)
        texts << label->text();
    return texts;
}

class ScheduleWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new TfrmSchedule(TwoYearSchedule(), Dollars, printing, nullptr);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override { delete window.data(); }

    const TScheduleControls &c() const { return window->Controls(); }
    QString Shown(int row, int column) const
    {
        return c().grdSchedule->model()->index(row, column).data().toString();
    }

    // Runs a Print Preview command; the preview window that it opens is closed at once, once seen.
    void PreviewAndClose(const std::function<void()> &command)
    {
        QObject scope; // drops the timer when the command returns without opening the preview
        QTimer::singleShot(0, &scope, [this] {
            preview = qobject_cast<TFmPreview *>(QApplication::activeModalWidget());
            if (preview == nullptr)
                return;
            previewedPages.push_back(printing.ReportPrinter().PageCount());
            previewParents.push_back(preview->parentWidget());
            preview->close();
        });
        command();
    }

    ReportPrinting printing{
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter()))};
    std::vector<int> previewedPages;       // the page count at each preview
    std::vector<QWidget *> previewParents; // the preview window's parent at each preview
    QPointer<TFmPreview> preview;          // the preview window last seen
    QPointer<TfrmSchedule> window;
};

TEST_F(ScheduleWindowTest, ShowsTheTermsTheTotalsAndAMonthARow)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Payment Schedule - $1,200.00 at 12% over 2 years"));
    ASSERT_NE(c().lblPaidOff, nullptr);
    EXPECT_EQ(c().lblPaidOff->text(), QStringLiteral("Paid off after 13 payments"));
    EXPECT_EQ(Texts(c().TermValues), (QStringList{"$1,200.00", "12%", "2 years", "$100.00",
                                                  QString::number(window->Model().Rows().size())}));
    const ScheduleTotals totals = TotalsOf(window->Model().Rows());
    EXPECT_EQ(Texts(c().TotalValues),
              (QStringList{QString::fromStdString(CentsText(totals.Payments, Dollars)),
                           QString::fromStdString(CentsText(totals.Interest, Dollars))}));
    EXPECT_EQ(QStringList({Shown(0, 0), Shown(0, 1), Shown(0, 2), Shown(0, 3), Shown(0, 4)}),
              (QStringList{"1", "$100.00", "$12.00", "$88.00", "$1,112.00"}));
}

TEST_F(ScheduleWindowTest, ByYearShowsAYearARowWithTheSameTotals)
{
    const QStringList monthlyTotals = Texts(c().TotalValues);
    QTest::mouseClick(c().chkByYear, Qt::LeftButton);
    EXPECT_EQ(c().grdSchedule->model()->rowCount(), 2);
    EXPECT_EQ(c().grdSchedule->model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Total paid"));
    EXPECT_EQ(Shown(0, 1), QStringLiteral("$1,200.00"));
    EXPECT_EQ(Shown(1, 0), QStringLiteral("2 (1 month)"));
    EXPECT_EQ(Texts(c().TotalValues), monthlyTotals);
}

TEST_F(ScheduleWindowTest, CtrlCCopiesTheRowsShownWithAHeadingLine)
{
    QTest::mouseClick(c().chkByYear, Qt::LeftButton);
    QTest::keyClick(c().grdSchedule, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Year\tTotal paid\tInterest\tPrincipal\tBalance"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1\t$1,200.00\t"))) << lines[1].toStdString();
}

TEST_F(ScheduleWindowTest, PrintPreviewAndCtrlPShowTheRecordedPagesOverTheWindowAndDiscardThem)
{
    PreviewAndClose([this] { c().btnPrint->OnClick(c().btnPrint); });
    PreviewAndClose([this] { QTest::keyClick(c().grdSchedule, Qt::Key_P, Qt::ControlModifier); });
    EXPECT_EQ(previewedPages, (std::vector<int>{1, 1}));
    EXPECT_EQ(previewParents, (std::vector<QWidget *>{window, window}));
    EXPECT_EQ(printing.ReportPrinter().PreviewTitle(), QStringLiteral("Preview of Payment Schedule"));
    EXPECT_EQ(printing.ReportPrinter().PrinterState(), TRPPrinterState::Idle);
}

TEST_F(ScheduleWindowTest, ThePreviewOutlivesTheWindowThatOpenedIt)
{
    PreviewAndClose([this] { c().btnPrint->OnClick(c().btnPrint); });
    ASSERT_FALSE(preview.isNull());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window.isNull());
    EXPECT_FALSE(preview.isNull());
}

TEST_F(ScheduleWindowTest, EscapeClosesAndDeletesTheWindow)
{
    QTest::keyClick(c().grdSchedule, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

// The chart's payment cells open their schedules in the running program.
class ChartScheduleTest : public MainWindowTest {
protected:
    void DoubleClickCell(int col, int row) const
    {
        TStyledGrid *grid = c().grdPayment;
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
    }
    QList<TfrmSchedule *> Schedules() const { return window->findChildren<TfrmSchedule *>(); }
};

TEST_F(ChartScheduleTest, DoubleClickedPaymentsOpenTheirSchedulesBesideTheChartTitledApart)
{
    DoubleClickCell(4, 6);
    ASSERT_EQ(Schedules().size(), 1);
    EXPECT_EQ(Texts(Schedules()[0]->Controls().TermValues),
              (QStringList{"$100,000.00", "8.75%", "30 years", "$786.70", "360"}));
    EXPECT_FALSE(Schedules()[0]->isModal());
    DoubleClickCell(1, 1);
    ASSERT_EQ(Schedules().size(), 2);
    EXPECT_TRUE(messages.isEmpty());

    EXPECT_EQ(Schedules()[0]->windowTitle(),
              QStringLiteral("Payment Schedule - $100,000.00 at 8.75% over 30 years"));
    EXPECT_EQ(Schedules()[1]->windowTitle(),
              QStringLiteral("Payment Schedule - $95,000.00 at 8% over 30 years"));
    const QRect chart(c().grdPayment->mapToGlobal(QPoint(0, 0)), c().grdPayment->size());
    const QRect screen = window->screen()->availableGeometry();
    for (const TfrmSchedule *schedule : Schedules()) {
        const QRect frame = schedule->frameGeometry();
        EXPECT_FALSE(frame.intersects(chart)) << "over the chart";
        EXPECT_TRUE(screen.contains(frame)) << "off the screen";
    }
    EXPECT_NE(Schedules()[0]->frameGeometry().topLeft(), Schedules()[1]->frameGeometry().topLeft());
}

TEST_F(ChartScheduleTest, AClosedScheduleLeavesNothingBehind)
{
    const qsizetype topLevels = QApplication::topLevelWidgets().size();
    QList<qint64> paletteKeys;
    for (int i = 0; i < 2; ++i) {
        DoubleClickCell(4, 6);
        ASSERT_EQ(Schedules().size(), 1);
        TfrmSchedule *schedule = Schedules()[0];
        ASSERT_TRUE(QTest::qWaitForWindowExposed(schedule));
        // The style caches the header sections and scroll bars it draws under this key.
        paletteKeys << schedule->Controls().grdSchedule->horizontalHeader()->palette().cacheKey();
        schedule->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(Schedules().isEmpty());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevels);
    }
    // A key of each window's own would leave every closed window's pictures in that cache.
    EXPECT_EQ(paletteKeys[0], paletteKeys[1]);
}

TEST_F(ChartScheduleTest, AnOpenedScheduleTakesTheKeysAlsoWithoutAWindowManager)
{
    DoubleClickCell(4, 6);
    ASSERT_EQ(Schedules().size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == Schedules()[0]; }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("No.\tPayment")));
}

TEST_F(ChartScheduleTest, ReturnOpensTheCurrentCellsSchedule)
{
    // The click's rebuild makes the entered cell (4, 6) the current one.
    QTest::mouseClick(c().grdPayment->viewport(), Qt::LeftButton, {},
                      c().grdPayment->CellRect(2, 2).center());
    QTest::keyClick(c().grdPayment, Qt::Key_Return);
    ASSERT_EQ(Schedules().size(), 1);
    EXPECT_EQ(Schedules()[0]->Controls().TermValues[3]->text(), QStringLiteral("$786.70"));
}

TEST_F(ChartScheduleTest, ALoanOfZeroOpensNoScheduleButSaysWhy)
{
    c().edtLoan->SetValue(0);
    DoubleClickCell(4, 6);
    EXPECT_TRUE(Schedules().isEmpty());
    EXPECT_EQ(messages, QStringList{ScheduleRefusalMessage(ScheduleRefusal::NoLoan)});
}

TEST_F(ChartScheduleTest, ARebuildCutOffByAFailureOpensNoSchedule)
{
    // The rate 0.3 with steps of .10 leaves a column rate of about 1E-13 %, whose payment fails.
    c().edtInterest->SetValue(0.3);
    c().rgInterest->SetItemIndex(0);
    DoubleClickCell(4, 6);
    EXPECT_TRUE(Schedules().isEmpty());
    EXPECT_EQ(messages.back(), QString::fromLatin1(ScheduleRefusalMessage(ScheduleRefusal::ChartCutOff)));
}

} // namespace
