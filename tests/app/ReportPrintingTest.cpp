// Readying the first preview while the program is idle, and the preview that follows.
#include "app/ReportPrinting.h"

#include "report/chart/PaymentChartReport.h"
#include "report/preview/FmPreview.h"
#include "report/preview/RPCustomPreview.h"
#include "report/printer/CupsPrinterDevice.h"
#include "report/printer/ReportPrinter.h"
#include "report/schedule/ScheduleReport.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/TestSchedulers.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The preview windows that exist, shown or not.
QList<TFmPreview *> PreviewWindows()
{
    QList<TFmPreview *> previews;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *preview = qobject_cast<TFmPreview *>(window))
            previews << preview;
    }
    return previews;
}

TEST(ReportPrinting, PreparingMeasuresThePrinterAndMakesTheHiddenPreviewThatTheFirstPreviewShows)
{
    auto fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    ReportPrinting printing(std::make_unique<FakePrinterDevice>(fake), TRPPaymentChart::Fonts());
    ASSERT_TRUE(PreviewWindows().isEmpty());
    while (printing.PrepareFirstPreview()) {
    }
    EXPECT_EQ(fake->Measurements, 1);
    EXPECT_EQ(printing.ReportPrinter().PageWidth(), 768) << "Letter's printable width";
    ASSERT_EQ(PreviewWindows().size(), 1);
    const QPointer<TFmPreview> prepared = PreviewWindows()[0];
    EXPECT_FALSE(prepared->isVisible());

    const PaymentSchedule schedule = MakePaymentSchedule("$1,200.00", "12%", 2, 120000, 10000, {1, 100});
    const WhatIfSchedule plain = WhatIfOf(schedule, {});
    TRPSchedule report(schedule, plain, ScheduleView::Monthly, LocaleValues{"$", 0, 0, ",", "."},
                       printing.ReportPrinter());
    QWidget opener;
    QWidget *shown = nullptr;
    QTimer::singleShot(0, &opener, [&shown] {
        shown = QApplication::activeModalWidget();
        if (shown != nullptr)
            shown->close();
    });
    printing.PreviewReport(report.Rep(), [&] { printing.ShowPreview(opener); });
    EXPECT_EQ(shown, prepared.data());
    EXPECT_EQ(PreviewWindows().size(), 1);
    EXPECT_FALSE(printing.PrepareFirstPreview()) << "nothing is left to ready once a report was previewed";
}

// Readying is work the user did not ask for: it does not wait with the user for a frozen print system,
// and takes the printer as not available until the preview asks again.
TEST(ReportPrinting, PreparingGivesUpOnAFrozenPrintSystemWithoutAWindowThatWaits)
{
    if (PrivateSchedulerPid() <= 0)
        GTEST_SKIP() << "needs the private CUPS scheduler of the tests (QUILLMERE_TEST_CUPSD_PID); the "
                        "machine's scheduler is never stopped";
    ReportPrinting printing(std::make_unique<CupsPrinterDevice>());
    bool waited = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&waited] {
        if (auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            waited = true;
            window->reject();
        }
    });
    watch.start(10);
    {
        const FrozenScheduler frozen(PrivateSchedulerPid());
        printing.PrepareFirstPreview();
    }
    EXPECT_FALSE(waited);
    EXPECT_FALSE(printing.ReportPrinter().PrinterAvailable());
}

TEST(ReportPrinting, APreviewClosedByItsCloseBoxKeepsItsNativeWindowForTheNext)
{
    ReportPrinting printing(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    const PaymentSchedule schedule = MakePaymentSchedule("$1,200.00", "12%", 2, 120000, 10000, {1, 100});
    const WhatIfSchedule plain = WhatIfOf(schedule, {});
    TRPSchedule report(schedule, plain, ScheduleView::Monthly, LocaleValues{"$", 0, 0, ",", "."},
                       printing.ReportPrinter());
    QWidget opener;
    std::vector<WId> shownIn;
    for (int showing = 0; showing < 2; ++showing) {
        QTimer::singleShot(0, &opener, [&shownIn] {
            if (QWidget *shown = QApplication::activeModalWidget()) {
                shownIn.push_back(shown->winId());
                shown->close(); // as the window system's close box does
            }
        });
        printing.PreviewReport(report.Rep(), [&] { printing.ShowPreview(opener); });
    }
    ASSERT_EQ(shownIn.size(), 2u);
    EXPECT_EQ(shownIn[0], shownIn[1]);
    EXPECT_FALSE(PreviewWindows()[0]->isVisible());
}

// Notes the printer's page width when a preview's sheet first paints at a showing, then closes the
// preview.
class FirstSheetPaints : public QObject {
public:
    explicit FirstSheetPaints(const TRPPrinter &printer) : m_printer(printer)
    {
        qApp->installEventFilter(this);
    }

    std::vector<int> Widths;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<TFmPreview *>(watched) != nullptr)
            m_painted = false;
        if (event->type() == QEvent::Paint && !m_painted &&
            qobject_cast<TRPCustomPreview *>(watched) != nullptr) {
            m_painted = true;
            Widths.push_back(m_printer.PageWidth());
            QTimer::singleShot(0, static_cast<QWidget *>(watched)->window(), &QWidget::close);
        }
        return false;
    }

private:
    const TRPPrinter &m_printer;
    bool m_painted = false;
};

// A repeat preview is made from what the device kept while the device asks whether the printer
// changed; pages made for a printer that changed are made again before they are painted.
TEST(ReportPrinting, APreviewPaintsPagesMadeForThePrinterAsItIsNow)
{
    auto fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    ReportPrinting printing(std::make_unique<FakePrinterDevice>(fake));
    const PaymentSchedule schedule = MakePaymentSchedule("$1,200.00", "12%", 2, 120000, 10000, {1, 100});
    const WhatIfSchedule plain = WhatIfOf(schedule, {});
    TRPSchedule report(schedule, plain, ScheduleView::Monthly, LocaleValues{"$", 0, 0, ",", "."},
                       printing.ReportPrinter());
    QWidget opener;
    const auto paintedPageWidths = [&] {
        const FirstSheetPaints paints(printing.ReportPrinter());
        printing.PreviewReport(report.Rep(), [&] { printing.ShowPreview(opener); });
        return paints.Widths;
    };
    EXPECT_EQ(paintedPageWidths(), std::vector<int>{768}) << "Letter";
    EXPECT_EQ(paintedPageWidths(), std::vector<int>{768}) << "unchanged";
    fake->Facts = FakePrinter::A4();
    EXPECT_EQ(paintedPageWidths(), std::vector<int>{762}) << "A4, painted once";
    EXPECT_FALSE(PreviewWindows()[0]->isVisible());
}

} // namespace
