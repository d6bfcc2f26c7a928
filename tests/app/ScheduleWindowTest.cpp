// The schedule window: its figures, the switch to yearly rows, the copy, closing by Escape and what a
// closed window leaves behind.
#include "app/schedule/ScheduleWindow.h"

#include "controls/common/WindowLook.h"
#include "report/preview/FmPreview.h"
#include "report/preview/SaveFileDialog.h"
#include "report/printer/ReportPrinter.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/WindowManager.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/SaveDialogTyping.h"
#include "tests/support/AccessibleEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QMap>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSplitterHandle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

const LocaleValues Dollars{"$", 0, 0, ",", "."};

// 1,200.00 at 12 % (1 % a month) over two years, repaid by 100.00 a month in 13 months.
PaymentSchedule TwoYearSchedule()
{
    return MakePaymentSchedule("$1,200.00", "12%", 2, 120000, 10000, {1, 100});
}

// Answers the save dialog with `fileName` (empty: cancelled) while it lives.
class SaveAnswer {
public:
    explicit SaveAnswer(const QString &fileName)
        : m_previous(
              SetSaveFileAsker([this, fileName](QWidget *, const SaveFileKind &, const QString &offered) {
                  m_offered = offered;
                  return fileName;
              }))
    {
    }
    ~SaveAnswer() { SetSaveFileAsker(m_previous); }
    SaveAnswer(const SaveAnswer &) = delete;
    SaveAnswer &operator=(const SaveAnswer &) = delete;

    // The name the dialog last started at.
    QString Offered() const { return m_offered; }

private:
    SaveFileAsker m_previous;
    QString m_offered;
};

QStringList FileLines(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
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
            previewParents.push_back(preview->windowHandle()->transientParent());
            preview->close();
        });
        command();
    }

    ReportPrinting printing{
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter()))};
    std::vector<int> previewedPages;       // the page count at each preview
    std::vector<QWindow *> previewParents; // the window the preview stood over at each preview
    QPointer<TFmPreview> preview;          // the preview window last seen
    QPointer<TfrmSchedule> window;
};

TEST_F(ScheduleWindowTest, ShowsTheTermsTheTotalsAndAMonthARow)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Payment Schedule - $1,200.00 at 12% over 2 years"));
    ASSERT_NE(c().lblPaidOff, nullptr);
    EXPECT_EQ(c().lblPaidOff->text(), QStringLiteral("Paid off after 13 payments"));
    EXPECT_EQ(Texts(c().TermValues), (QStringList{"$1,200.00", "12%", "2 years", "$100.00", "13"}));
    // Twelve payments of 100.00 and a last one of 84.78: the balance left, 83.94, and its interest.
    EXPECT_EQ(Texts(c().TotalValues), (QStringList{"$1,284.78", "$84.78"}));
    EXPECT_EQ(QStringList({Shown(0, 0), Shown(0, 1), Shown(0, 2), Shown(0, 3), Shown(0, 4)}),
              (QStringList{"1", "$100.00", "$12.00", "$88.00", "$1,112.00"}));
}

TEST_F(ScheduleWindowTest, ByYearShowsAYearARowWithTheSameTotals)
{
    QTest::mouseClick(c().chkByYear, Qt::LeftButton);
    EXPECT_EQ(c().grdSchedule->model()->rowCount(), 2);
    EXPECT_EQ(c().grdSchedule->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Payment"));
    EXPECT_EQ(Shown(0, 1), QStringLiteral("$1,200.00"));
    EXPECT_EQ(Shown(1, 0), QStringLiteral("2 (1 month)"));
    EXPECT_EQ(Texts(c().TotalValues), (QStringList{"$1,284.78", "$84.78"}));
}

// The last month pays the 83.94 left and its 0.84 of interest; the first year's interest is the
// 84.78 in all less that 0.84.
TEST_F(ScheduleWindowTest, CtrlCCopiesTheRowsShownWithAHeadingLine)
{
    QTest::keyClick(c().grdSchedule, Qt::Key_C, Qt::ControlModifier);
    const QStringList monthly = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(monthly.size(), 1 + 13 + 1);
    EXPECT_EQ(
        monthly.first(),
        QStringLiteral("No.\tPayment\tInterest\tPrincipal\tBalance\tInterest to date\tPrincipal to date"));
    EXPECT_EQ(monthly[1], QStringLiteral("1\t$100.00\t$12.00\t$88.00\t$1,112.00\t$12.00\t$88.00"));
    EXPECT_EQ(monthly[13], QStringLiteral("13\t$84.78\t$0.84\t$83.94\t$0.00\t$84.78\t$1,200.00"));
    EXPECT_EQ(monthly.last(), QString());

    QTest::mouseClick(c().chkByYear, Qt::LeftButton);
    QTest::keyClick(c().grdSchedule, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "Year\tPayment\tInterest\tPrincipal\tBalance\tInterest to date\tPrincipal to date\n"
              "1\t$1,200.00\t$83.94\t$1,116.06\t$83.94\t$83.94\t$1,116.06\n"
              "2 (1 month)\t$84.78\t$0.84\t$83.94\t$0.00\t$84.78\t$1,200.00\n");
}

TEST_F(ScheduleWindowTest, PrintPreviewAndCtrlPShowTheRecordedPagesOverTheWindowAndDiscardThem)
{
    PreviewAndClose([this] { c().btnPrint->OnClick(c().btnPrint); });
    PreviewAndClose([this] { QTest::keyClick(c().grdSchedule, Qt::Key_P, Qt::ControlModifier); });
    EXPECT_EQ(previewedPages, (std::vector<int>{1, 1}));
    EXPECT_EQ(previewParents, (std::vector<QWindow *>{window->windowHandle(), window->windowHandle()}));
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

TEST_F(ScheduleWindowTest, AnExtraEachMonthRecomputesTheTableAndTheFiguresAtOnce)
{
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    ASSERT_TRUE(c().pnlWhatIf->isVisible());
    TNumericEdit *extra = c().pnlWhatIf->edtExtraMonthly;
    extra->setFocus();
    extra->selectAll();
    QTest::keyClicks(extra, QStringLiteral("100"));
    // 12.00 of interest on 1,200.00; 188.00 of principal with the extra.
    QStringList row;
    for (int column = 0; column < 8; ++column)
        row << Shown(0, column);
    EXPECT_EQ(
        row, (QStringList{"1", "$100.00", "$100.00", "$12.00", "$188.00", "$1,012.00", "$12.00", "$188.00"}));
    EXPECT_EQ(c().grdSchedule->model()->headerData(7, Qt::Horizontal).toString(),
              QStringLiteral("Principal to date"));
    // Six months of 200.00 leave 43.42, paid with its 0.43 of interest in the seventh: 43.85 of interest
    // in all against 84.78 without the extra.
    EXPECT_EQ(Texts(c().TotalValues), (QStringList{"$643.85", "$43.85"}));
    EXPECT_EQ(Texts(c().WhatIfCaptions.mid(0, 3)),
              (QStringList{"Total of extras:", "Interest saved:", "Paid off:"}));
    EXPECT_EQ(Texts(c().WhatIfValues.mid(0, 3)),
              (QStringList{"$600.00", "$40.93", "6 payments (6 months) sooner"}));
    EXPECT_TRUE(c().WhatIfValues[3]->isHidden());
    EXPECT_EQ(c().lblPaidOff->text(), QStringLiteral("Paid off after 7 payments"));
}

// The columns an extra or a date brings have room from the opening of the extras on: a keystroke
// never resizes the window, which would lay out and repaint the plot and all.
TEST_F(ScheduleWindowTest, TypingAnExtraOrADateLeavesTheWindowAsTheExtrasOpenedIt)
{
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    QCoreApplication::processEvents();
    const QSize opened = window->size();
    TNumericEdit *extra = c().pnlWhatIf->edtExtraMonthly;
    extra->setFocus();
    extra->selectAll();
    QTest::keyClicks(extra, QStringLiteral("100"));
    QTest::mouseClick(c().pnlWhatIf->chkFirstPayment, Qt::LeftButton);
    c().pnlWhatIf->edtFirstMonth->SetValue(11);
    c().pnlWhatIf->edtFirstYear->SetValue(2027);
    QCoreApplication::processEvents();
    ASSERT_EQ(c().grdSchedule->model()->columnCount(), 9) << "dated, with an extra";
    EXPECT_EQ(window->size(), opened);
}

TEST_F(ScheduleWindowTest, OpeningTheExtrasAtTheScreensEdgeKeepsTheWindowOnTheScreen)
{
    const QRect area = AvailableArea(*window);
    window->move(area.right() + 1 - window->frameGeometry().width(), area.top());
    QCoreApplication::processEvents();
    const int closedWidth = window->width();
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_GT(window->width(), closedWidth) << "grown for the extras' columns";
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << "frame " << window->frameGeometry().x() << "+" << window->frameGeometry().width();
}

TEST_F(ScheduleWindowTest, PlotShowsTheScheduleAndFollowsEveryChange)
{
    EXPECT_EQ(c().pltSchedule, nullptr) << "no plot is made before it is asked for";
    QTest::mouseClick(c().chkPlot, Qt::LeftButton);
    ASSERT_NE(c().pltSchedule, nullptr);
    EXPECT_TRUE(c().pltSchedule->isVisible());
    EXPECT_EQ(c().pltSchedule->accessibleDescription(),
              QStringLiteral("Balance of the $1,200.00 loan: paid off with payment 13. Interest $84.78 and "
                             "principal $1,200.00 paid over 2 years."));
    c().pnlWhatIf->edtExtraMonthly->SetValue(100);
    const QString withExtra = QStringLiteral("Balance of the $1,200.00 loan: paid off with payment 7 with "
                                             "the extras, with payment 13 without them. "
                                             "Interest $43.85 and principal $1,200.00 paid over 1 year.");
    EXPECT_TRUE(QTest::qWaitFor([&] { return c().pltSchedule->accessibleDescription() == withExtra; }))
        << c().pltSchedule->accessibleDescription().toStdString();
    QTest::mouseClick(c().chkPlot, Qt::LeftButton);
    EXPECT_FALSE(c().pltSchedule->isVisible());
}

TEST_F(ScheduleWindowTest, TheUserMovesTheBorderBetweenTheTableAndThePlotByMouseAndKeyboard)
{
    QTest::mouseClick(c().chkPlot, Qt::LeftButton);
    QSplitterHandle *border = c().splSchedule->handle(1);
    const int tableHeight = c().grdSchedule->height();
    const int plotHeight = c().pltSchedule->height();
    const int middle = border->width() / 2;
    QTest::mousePress(border, Qt::LeftButton, {}, {middle, 0});
    QTest::mouseMove(border, {middle, -40});
    QTest::mouseRelease(border, Qt::LeftButton, {}, {middle, -40});
    EXPECT_EQ(c().grdSchedule->height(), tableHeight - 40);
    EXPECT_EQ(c().pltSchedule->height(), plotHeight + 40);

    // From the keyboard: Tab from the table to the border, and Down a row.
    c().grdSchedule->setFocus();
    QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), border);
    QTest::keyClick(window->windowHandle(), Qt::Key_Down);
    EXPECT_EQ(c().grdSchedule->height(),
              tableHeight - 40 + c().grdSchedule->verticalHeader()->defaultSectionSize());
}

// A refusal is said as the field turns red; the new figures once typing pauses, not at each keystroke.
TEST_F(ScheduleWindowTest, ARefusalIsSaidAtOnceAndTheNewFiguresOnceTypingPauses)
{
    AccessibleEvents events;
    const auto said = [&events] { return events.Notices(); };
    TNumericEdit *extra = c().pnlWhatIf->edtExtraMonthly;
    extra->setFocus();
    extra->selectAll();
    QTest::keyClicks(extra, QStringLiteral("100"));
    EXPECT_TRUE(said().empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !said().empty(); }));
    EXPECT_EQ(said(),
              QStringList(QStringLiteral("Total of extras: $600.00. Interest saved: $40.93. Paid off: 6 "
                                         "payments (6 months) sooner. Paid off after 7 payments")));

    events.Clear();
    TNumericEdit *from = c().pnlWhatIf->edtExtraFrom;
    from->setFocus();
    from->selectAll();
    QTest::keyClicks(from, QStringLiteral("25"));
    EXPECT_EQ(said(),
              QStringList(QStringLiteral(
                  "The extra each month from payment 25 is not included: Enter a payment from 1 to 24.")));
}

// The plot's current page tab reports itself focused while the tab bar has the focus, and only then.
TEST_F(ScheduleWindowTest, ThePlotsPageTabIsFocusedOnlyWhileItsBarHasTheFocus)
{
    QTest::mouseClick(c().chkPlot, Qt::LeftButton);
    auto *tabs = window->findChild<QTabBar *>();
    ASSERT_NE(tabs, nullptr);
    const auto currentTab = [tabs] {
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(tabs);
        QAccessibleInterface *tab = bar->child(tabs->currentIndex());
        EXPECT_EQ(tab->text(QAccessible::Name), tabs->tabText(tabs->currentIndex()));
        return tab->state();
    };
    tabs->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([tabs] { return tabs->hasFocus(); }));
    EXPECT_TRUE(currentTab().focused);
    EXPECT_TRUE(currentTab().selected);
    c().chkByYear->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([this] { return c().chkByYear->hasFocus(); }));
    EXPECT_FALSE(currentTab().focused);
    EXPECT_TRUE(currentTab().selected);
}

TEST_F(ScheduleWindowTest, PrintPreviewPlotsTheScheduleOnlyWithExtrasOrDates)
{
    std::vector<bool> plotted; // whether the first page previewed holds the plot's lines
    const auto preview = [&] {
        QObject scope;
        QTimer::singleShot(0, &scope, [&] {
            auto *shown = qobject_cast<TFmPreview *>(QApplication::activeModalWidget());
            if (shown == nullptr)
                return;
            const auto &operations = printing.ReportPrinter().Pages().front().Operations();
            plotted.push_back(
                std::any_of(operations.begin(), operations.end(), [](const PageOperation &operation) {
                    return std::holds_alternative<PolylineOp>(operation);
                }));
            shown->close();
        });
        c().btnPrint->OnClick(c().btnPrint);
    };
    preview();
    c().pnlWhatIf->edtExtraMonthly->SetValue(100);
    preview();
    EXPECT_EQ(plotted, (std::vector<bool>{false, true}));
}

// Typing 25 over payment 2 passes through 2: the figures must not stay those of payment 2.
TEST_F(ScheduleWindowTest, ARefusedEntryIsLeftOutOfEveryFigureAndTheFiguresSayWhy)
{
    const QStringList plainTotals = Texts(c().TotalValues);
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    QTest::mouseClick(c().pnlWhatIf->chkFirstPayment, Qt::LeftButton);
    c().pnlWhatIf->edtFirstMonth->SetValue(11);
    c().pnlWhatIf->edtFirstYear->SetValue(2027);
    QTest::mouseClick(c().pnlWhatIf->btnAddExtra, Qt::LeftButton);
    const TWhatIfPanel::OneTimeRow row = c().pnlWhatIf->OneTimeRows()[0];
    row.edtAmount->SetValue(500);
    row.edtPayment->setFocus();
    row.edtPayment->selectAll();
    QTest::keyClicks(row.edtPayment, QStringLiteral("2"));
    ASSERT_NE(Texts(c().TotalValues), plainTotals) << "the extra at payment 2 counts";
    EXPECT_EQ(row.lblMonth->text(), QStringLiteral("2027-12"));

    QTest::keyClicks(row.edtPayment, QStringLiteral("5"));
    EXPECT_EQ(row.edtPayment->toolTip(), QStringLiteral("Enter a payment from 1 to 24."));
    EXPECT_EQ(Texts(c().TotalValues), plainTotals);
    EXPECT_EQ(c().grdSchedule->model()->rowCount(), 13);
    EXPECT_EQ(c().grdSchedule->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Interest"))
        << "no Extra column";
    EXPECT_TRUE(row.lblMonth->text().isEmpty());
    EXPECT_TRUE(c().lblLeftOut->isVisible());
    EXPECT_EQ(
        c().lblLeftOut->text(),
        QStringLiteral("The one-time extra at payment 25 is not included: Enter a payment from 1 to 24."));

    QTest::keyClick(row.edtPayment, Qt::Key_Backspace);
    EXPECT_FALSE(c().lblLeftOut->isVisible());
    EXPECT_EQ(row.lblMonth->text(), QStringLiteral("2027-12"));
}

TEST_F(ScheduleWindowTest, ARefusedFromPaymentLeavesOutTheExtraEachMonth)
{
    c().pnlWhatIf->edtExtraMonthly->SetValue(50);
    c().pnlWhatIf->edtExtraFrom->SetValue(25);
    EXPECT_EQ(c().pnlWhatIf->edtExtraFrom->toolTip(), QStringLiteral("Enter a payment from 1 to 24."));
    EXPECT_EQ(c().lblLeftOut->text(), QStringLiteral("The extra each month from payment 25 is not included: "
                                                     "Enter a payment from 1 to 24."));
    EXPECT_EQ(c().grdSchedule->model()->columnCount(), 7) << "no Extra column";
    EXPECT_EQ(c().grdSchedule->model()->rowCount(), 13);
    c().pnlWhatIf->edtExtraFrom->SetValue(24);
    EXPECT_TRUE(c().lblLeftOut->text().isEmpty());
    EXPECT_EQ(c().grdSchedule->model()->columnCount(), 8);
}

TEST_F(ScheduleWindowTest, AFirstPaymentDatesTheRowsAndGivesThePayoffDate)
{
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    QTest::mouseClick(c().pnlWhatIf->chkFirstPayment, Qt::LeftButton);
    c().pnlWhatIf->edtFirstMonth->SetValue(11);
    c().pnlWhatIf->edtFirstYear->SetValue(2027);
    EXPECT_EQ(c().grdSchedule->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Date"));
    EXPECT_EQ(Shown(2, 1), QStringLiteral("2028-01"));
    EXPECT_EQ(c().WhatIfCaptions[0]->text(), QStringLiteral("Payoff date:"));
    EXPECT_EQ(c().WhatIfValues[0]->text(), QStringLiteral("2028-11")); // payment 13
}

TEST_F(ScheduleWindowTest, OneTimeExtrasAreAddedAndRemoved)
{
    QTest::mouseClick(c().pnlWhatIf->btnAddExtra, Qt::LeftButton);
    ASSERT_EQ(c().pnlWhatIf->OneTimeRows().size(), 1);
    const TWhatIfPanel::OneTimeRow row = c().pnlWhatIf->OneTimeRows()[0];
    EXPECT_EQ(row.edtAmount->accessibleName(), QStringLiteral("One-time extra 1: amount"));
    row.edtPayment->SetValue(2);
    row.edtAmount->SetValue(500);
    // Month 2: 11.12 of interest on 1,112.00, 588.88 of principal.
    EXPECT_EQ(QStringList({Shown(1, 2), Shown(1, 4), Shown(1, 5)}),
              (QStringList{"$500.00", "$588.88", "$523.12"}));
    QTest::mouseClick(row.btnRemove, Qt::LeftButton);
    EXPECT_TRUE(c().pnlWhatIf->OneTimeRows().isEmpty());
    EXPECT_EQ(c().grdSchedule->model()->columnCount(), 7);
}

// The extras take the height of their rows, none without rows and three at most; more scroll.
TEST_F(ScheduleWindowTest, TheOneTimeExtrasGrowUpToThreeRowsAndScrollTheRest)
{
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    const TWhatIfPanel *panel = c().pnlWhatIf;
    const auto *rowsView = panel->findChild<QScrollArea *>();
    ASSERT_NE(rowsView, nullptr);
    // The panel's new height reaches the window's layout over later turns of the event loop.
    const auto addRow = [panel] {
        QTest::mouseClick(panel->btnAddExtra, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([panel] { return panel->height() == panel->sizeHint().height(); }));
        return panel->height();
    };
    int height = panel->height();
    for (int rows = 1; rows <= 3; ++rows) {
        const int before = std::exchange(height, addRow());
        EXPECT_GT(height, before) << rows << " rows";
    }
    EXPECT_FALSE(rowsView->verticalScrollBar()->isVisible()) << "three rows whole";
    EXPECT_EQ(addRow(), height) << "grown for a fourth row";
    EXPECT_TRUE(QTest::qWaitFor([rowsView] { return rowsView->verticalScrollBar()->isVisible(); }))
        << "the fourth row out of reach";
}

TEST_F(ScheduleWindowTest, SaveAsWritesTheRowsShownAsCsvOrSaysWhyNot)
{
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("plan.csv"));
    {
        const SaveAnswer answer(fileName);
        QTest::keyClick(c().grdSchedule, Qt::Key_S, Qt::ControlModifier);
    }
    const QStringList lines = FileLines(fileName);
    ASSERT_EQ(lines.size(), 4 + 14);
    EXPECT_EQ(lines.mid(0, 4), (QStringList{"Loan,1200.00", "Rate,12", "Years,2", "Monthly payment,100.00"}));
    EXPECT_EQ(lines[4],
              QStringLiteral("No.,Payment,Interest,Principal,Balance,Interest to date,Principal to date"));
    EXPECT_EQ(lines[5], QStringLiteral("1,100.00,12.00,88.00,1112.00,12.00,88.00"));
    EXPECT_EQ(lines[17], QStringLiteral("13,84.78,0.84,83.94,0.00,84.78,1200.00"));
    QTest::mouseClick(c().chkByYear, Qt::LeftButton);
    {
        const SaveAnswer answer(fileName);
        QTest::keyClick(c().grdSchedule, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(
        FileLines(fileName).mid(4),
        (QStringList{"Year,Months,Payment,Interest,Principal,Balance,Interest to date,Principal to date",
                     "1,12,1200.00,83.94,1116.06,83.94,83.94,1116.06",
                     "2,1,84.78,0.84,83.94,0.00,84.78,1200.00"}));

    QStringList messages;
    const InformationShower previous = SetInformationShower([&](const QString &text) { messages << text; });
    {
        const SaveAnswer answer(folder.filePath(QStringLiteral("missing/plan.csv")));
        QTest::mouseClick(c().btnSaveAs, Qt::LeftButton);
    }
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing/plan.csv"))));
    const QTemporaryDir other;
    const QString readOnly = other.filePath(QStringLiteral("plan.csv"));
    ASSERT_TRUE(QFile(readOnly).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
        const SaveAnswer answer(readOnly);
        QTest::mouseClick(c().btnSaveAs, Qt::LeftButton);
    }
    SetInformationShower(previous);
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(messages.value(1).toStdString(),
              QStringLiteral("The file \"%1\" is read-only.").arg(readOnly).toStdString());
    EXPECT_EQ(QFile(readOnly).size(), 0);

    // Opens where the last file was saved, not where a save failed.
    const SaveAnswer cancelled{QString()};
    QTest::keyClick(c().grdSchedule, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(cancelled.Offered().toStdString(),
              folder.filePath(QStringLiteral("Payment Schedule.csv")).toStdString());
}

// Typed into the dialog, a name with quotes is the file written; the file the quotes enclose, in the
// folder the dialog opened in, is left alone and nothing asks to replace it.
TEST_F(ScheduleWindowTest, SaveAsWritesTheFileTypedAlsoWhenItsNameHoldsQuotes)
{
    const QTemporaryDir folder;
    const QString enclosed = folder.filePath(QStringLiteral("q.csv"));
    QFile file(enclosed);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
    file.close();
    const QString before = LastSaveFolder();
    SetLastSaveFolder(folder.path());
    const SaveDialogRun run =
        TypeIntoSaveDialog(folder.filePath(QStringLiteral("a \"q\" b.csv")), false,
                           [this] { QTest::mouseClick(c().btnSaveAs, Qt::LeftButton); });
    SetLastSaveFolder(before);
    EXPECT_EQ(run.Said.join(QLatin1Char('|')).toStdString(), "");
    EXPECT_EQ(FileLines(folder.filePath(QStringLiteral("a \"q\" b.csv"))).size(), 4 + 14);
    EXPECT_EQ(FileLines(enclosed).join(QLatin1Char('|')).toStdString(), "kept");
}

TEST_F(ScheduleWindowTest, EscapeClosesAndDeletesTheWindow)
{
    QTest::keyClick(c().grdSchedule, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(ScheduleWindowTest, TabLeavesTheTableForByYearWhichAltYSwitches)
{
    const auto key = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    };
    ASSERT_EQ(QApplication::focusWidget(), c().grdSchedule);
    const int row = c().grdSchedule->currentIndex().row();
    key(Qt::Key_Down);
    EXPECT_EQ(c().grdSchedule->currentIndex().row(), row + 1);
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().chkByYear);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), c().grdSchedule);
    key(Qt::Key_Y, Qt::AltModifier); // clicks in a moment, as a click shows it
    EXPECT_TRUE(QTest::qWaitFor([this] { return c().chkByYear->isChecked(); }));
    EXPECT_EQ(c().grdSchedule->model()->rowCount(), 2);
}

// The current cell is framed and reported focused while the table has the focus, and only then; it
// is where it was when the focus comes back.
TEST_F(ScheduleWindowTest, OnlyTheFocusedTableFramesAndReportsItsCurrentCell)
{
    QTableView *table = c().grdSchedule;
    const auto key = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    };
    const auto framed = [table](const QModelIndex &cell) {
        const QPoint inside = table->visualRect(cell).topLeft() + QPoint(1, 1);
        return table->viewport()->grab().toImage().pixelColor(inside) ==
               table->palette().color(QPalette::Text);
    };
    const auto reportedFocused = [table](const QModelIndex &cell) {
        QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
        return cells->cellAt(cell.row(), cell.column())->state().focused;
    };
    ASSERT_EQ(QApplication::focusWidget(), table);
    key(Qt::Key_Down);
    const QModelIndex cell = table->currentIndex();
    ASSERT_TRUE(cell.isValid());
    EXPECT_TRUE(framed(cell));
    EXPECT_TRUE(reportedFocused(cell));
    key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), c().chkByYear);
    EXPECT_FALSE(framed(cell));
    EXPECT_FALSE(reportedFocused(cell));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(table->currentIndex(), cell);
    EXPECT_TRUE(framed(cell));
}

// With the extras open, each Alt+letter belongs to one control, so that it ticks its check box at once
// instead of moving between two that share the letter.
TEST_F(ScheduleWindowTest, WithTheExtrasOpenEachAltLetterTicksItsOwnCheckBox)
{
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    QMap<int, QString> owners;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const auto *button = qobject_cast<QAbstractButton *>(widget);
        const auto *label = qobject_cast<QLabel *>(widget);
        const QString text = button != nullptr  ? button->text()
                             : label != nullptr ? label->text()
                                                : QString();
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        if (!widget->isVisible() || mnemonic.isEmpty())
            continue;
        EXPECT_FALSE(owners.contains(mnemonic[0].toCombined()))
            << text.toStdString() << " shares its letter with "
            << owners[mnemonic[0].toCombined()].toStdString();
        owners[mnemonic[0].toCombined()] = text;
    }
    QCheckBox *firstPayment = c().pnlWhatIf->chkFirstPayment;
    for (QCheckBox *box : {c().chkPlot, firstPayment}) {
        QTest::keyClick(window->windowHandle(), QKeySequence::mnemonic(box->text())[0].key(),
                        Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([box] { return box->isChecked(); })) << box->text().toStdString();
    }
}

// A frame named by its title, a named tool bar and pane, and a name for everything shown in them.
TEST_F(ScheduleWindowTest, ReadsAsAFrameWhoseControlsAreAllNamed)
{
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(window.data());
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), window->windowTitle());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(c().pnlToolbar)->role(), QAccessible::ToolBar);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(c().pnlFigures)->role(), QAccessible::Pane);
    QTest::mouseClick(c().chkWhatIf, Qt::LeftButton);
    QTest::mouseClick(c().chkPlot, Qt::LeftButton);
    std::vector<QAccessibleInterface *> pending{frame};
    QStringList unnamed;
    while (!pending.empty()) {
        QAccessibleInterface *node = pending.back();
        pending.pop_back();
        if (node->state().invisible || node->role() == QAccessible::LayeredPane)
            continue; // a screen reader passes over what is not shown and a tab widget's page stack
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString::fromLatin1(node->object()->metaObject()->className());
        if (node->role() == QAccessible::Table)
            continue; // its cells read their texts
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    EXPECT_EQ(unnamed, QStringList());
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
    // The second a step of 24 pixels further down and away from the chart.
    const QPoint first = Schedules()[0]->frameGeometry().topLeft();
    const QPoint second = Schedules()[1]->frameGeometry().topLeft();
    EXPECT_EQ(second.y(), first.y() + 24);
    EXPECT_EQ(std::abs(second.x() - first.x()), 24);
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

TEST_F(ChartScheduleTest, CtrlSSavesTheChartsValuesAsCsv)
{
    QTest::mouseClick(c().grdPayment->viewport(), Qt::LeftButton, {},
                      c().grdPayment->CellRect(2, 2).center());
    const QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("chart.csv"));
    const SaveAnswer answer(fileName);
    QTest::keyClick(c().grdPayment, Qt::Key_S, Qt::ControlModifier);
    const QStringList lines = FileLines(fileName);
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0].split(QLatin1Char(','))[0], QString());
    EXPECT_EQ(lines[0].split(QLatin1Char(','))[4], QStringLiteral("8.75"));
    EXPECT_EQ(lines[6].split(QLatin1Char(','))[0], QStringLiteral("100000.00"));
    EXPECT_EQ(lines[6].split(QLatin1Char(','))[4], QStringLiteral("786.70"));
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
    EXPECT_EQ(messages, QStringList{"A payment schedule needs a loan amount above 0."});
}

TEST_F(ChartScheduleTest, ARebuildCutOffByAFailureOpensNoSchedule)
{
    // The rate 0.3 with steps of .10 leaves a column rate of about 1E-13 %, whose payment fails.
    c().edtInterest->SetValue(0.3);
    c().rgInterest->SetItemIndex(0);
    DoubleClickCell(4, 6);
    EXPECT_TRUE(Schedules().isEmpty());
    EXPECT_EQ(messages.back(), QStringLiteral("The chart was not completed, so its cells have no schedule. "
                                              "Correct the entries and try again."));
}

// Under a window manager, whose frame a window gets only once it is shown.
class ManagedScheduleTest : public ChartScheduleTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(windowManager.Start()) << "openbox is not installed";
        ChartScheduleTest::SetUp();
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->frameGeometry() != window->geometry(); }));
    }

    // The schedule of the entered cell, opened and framed; none when it did not open.
    const TfrmSchedule *OpenedSchedule()
    {
        DoubleClickCell(4, 6);
        const TfrmSchedule *schedule = Schedules().value(0);
        if (schedule != nullptr) {
            EXPECT_TRUE(
                QTest::qWaitFor([schedule] { return schedule->frameGeometry() != schedule->geometry(); }));
        }
        return schedule;
    }

    static std::string FrameText(const TfrmSchedule &schedule)
    {
        const QRect frame = schedule.frameGeometry();
        return QStringLiteral("%1,%2 %3x%4")
            .arg(frame.x())
            .arg(frame.y())
            .arg(frame.width())
            .arg(frame.height())
            .toStdString();
    }

    // Whether the schedule's whole frame lies on the screen's available area, clear of the main
    // window's title bar.
    bool Placed(const TfrmSchedule &schedule) const
    {
        const QRect frame = schedule.frameGeometry();
        return AvailableArea(schedule).contains(frame) && !frame.intersects(TitleBar(*window));
    }

    WindowManager windowManager;
};

TEST_F(ManagedScheduleTest, TheWholeFrameOpensOnTheScreenClearOfTheMainWindowsTitleBar)
{
    const TfrmSchedule *schedule = OpenedSchedule();
    ASSERT_NE(schedule, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Placed(*schedule); })) << "opened at " << FrameText(*schedule);
}

// On the test's screen of 1280 x 1024 at scale 1, below the centred main window's title bar.
TEST_F(ManagedScheduleTest, WhatIfAndPlotGrowTheWindowToTenRowsAndTheWholePlotClearOfTheMainWindowsTitleBar)
{
    ASSERT_EQ(window->screen()->geometry().size(), QSize(1280, 1024));
    ASSERT_EQ(window->devicePixelRatio(), 1.0);
    const TfrmSchedule *opened = OpenedSchedule();
    ASSERT_NE(opened, nullptr);
    const TfrmSchedule &schedule = *opened;
    const TScheduleControls &s = schedule.Controls();
    QTest::mouseClick(s.chkWhatIf, Qt::LeftButton);
    QTest::mouseClick(s.chkPlot, Qt::LeftButton);
    const TSchedulePlot *plot = s.pltSchedule;
    const int rowHeight = s.grdSchedule->verticalHeader()->defaultSectionSize();
    const auto plotWhole = [plot] {
        const QSize least = plot->minimumSizeHint();
        return plot->width() >= least.width() && plot->height() >= least.height();
    };
    const auto tenRows = [&] { return s.grdSchedule->viewport()->height() >= 10 * rowHeight; };
    const auto expectFit = [&](const char *when) {
        SCOPED_TRACE(when);
        // The plot's charts and the extras settle their room over later turns of the event loop.
        (void)QTest::qWaitFor([&] { return plotWhole() && tenRows() && Placed(schedule); });
        EXPECT_TRUE(plotWhole()) << "the plot is smaller than its least size";
        EXPECT_TRUE(tenRows()) << s.grdSchedule->viewport()->height() << " high";
        EXPECT_FALSE(s.grdSchedule->horizontalScrollBar()->isVisible()) << "every column whole";
        EXPECT_TRUE(Placed(schedule)) << "grown to " << FrameText(schedule);
    };
    expectFit("opened");
    // The screen has room for a one-time extra's row too.
    QTest::mouseClick(s.pnlWhatIf->btnAddExtra, Qt::LeftButton);
    expectFit("with a one-time extra");
}

} // namespace
