#include "controls/flatbutton/FlatButton.h"
#include "report/preview/FmPreview.h"
#include "report/printer/CupsPrinterDevice.h"
#include "tests/report/support/PdfTools.h"
#include "tests/report/support/RuledDocument.h"
#include "tests/report/support/TestSchedulers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cups/cups.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using namespace std::chrono_literals;

// The ids of the jobs titled title in any queue of the system's scheduler, finished or not.
std::vector<int> JobsTitled(const QByteArray &title)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<int> ids;
    for (int n = 0; n < count; ++n) {
        if (title == jobs[n].title)
            ids.push_back(jobs[n].id);
    }
    cupsFreeJobs(count, jobs);
    return ids;
}

// Print in the preview over the system's print service (scripts/test sets up the queues): the job
// goes to the printer CUPS resolves, or the window says why not and offers a PDF file instead. Each
// test names its printer in PRINTER and its own job title, and puts PRINTER and the server back.
class PreviewPrinting : public testing::Test {
protected:
    void SetUp() override
    {
        if (m_queue.isEmpty() || qEnvironmentVariableIsEmpty("QUILLMERE_TEST_PAUSED_PRINTER"))
            GTEST_SKIP() << "needs the test print queues that scripts/test sets up";
    }

    void TearDown() override
    {
        cupsSetServer(nullptr);
        if (!m_queue.isEmpty())
            qputenv("PRINTER", m_queue);
        CancelJobs();
        m_window.reset();
    }

    // Cancels the jobs of the preview opened last, so that none waits in a paused queue.
    void CancelJobs() const
    {
        for (const int job : JobsTitled(m_title))
            cupsCancelJob2(CUPS_HTTP_DEFAULT, nullptr, job, 0);
    }

    // The preview of a one-page document, shown and active, recorded with PRINTER set to printerName
    // (unset when empty); the job is titled after the test and printerName.
    void Open(const QByteArray &printerName,
              std::chrono::milliseconds answerTimeout = CupsPrinterDevice::DefaultAnswerTimeout)
    {
        if (printerName.isEmpty())
            qunsetenv("PRINTER");
        else
            qputenv("PRINTER", printerName);
        m_title = m_testTitle + ' ' + printerName;
        m_printer = std::make_unique<TRPPrinter>(std::make_unique<CupsPrinterDevice>(answerTimeout));
        m_printer->SetShowProgress(false);
        RecordRuledDocument(*m_printer, {100});
        m_printer->SetDocumentTitle(QString::fromLatin1(m_title));
        m_window = std::make_unique<TFmPreview>(*m_printer);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Clicks Print and answers the message box it opens, if any, with Cancel; returns the box's text,
    // empty when none opened. Any other window it opens (the wait for the print system) goes to onOther.
    QString Print(const std::function<void(QWidget &)> &onOther = {})
    {
        QString text;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                text = box->text();
                box->button(QMessageBox::Cancel)->click();
            } else if (modal != nullptr && onOther) {
                onOther(*modal);
            }
        });
        answer.start(10);
        QTest::mouseClick(m_window->Controls().bbPrint, Qt::LeftButton, {}, QPoint(10, 10));
        return text;
    }

    const QByteArray m_queue = qgetenv("PRINTER");
    const QByteArray m_testTitle = "Quillmere preview printing " +
                                   QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                                   testing::UnitTest::GetInstance()->current_test_info()->name();
    QByteArray m_title;
    std::unique_ptr<TRPPrinter> m_printer;
    std::unique_ptr<TFmPreview> m_window;
};

struct UnprintedRow {
    QByteArray Printer; // PRINTER
    QString Message;    // the start of the box's text
    bool Queued;        // the job is in the printer's queue all the same
};

TEST_F(PreviewPrinting, APrinterThatCannotPrintNowIsNamedAndTheWindowStaysOpen)
{
    const QByteArray refusing = qgetenv("QUILLMERE_TEST_REFUSING_PRINTER");
    const QByteArray paused = qgetenv("QUILLMERE_TEST_PAUSED_PRINTER");
    const UnprintedRow rows[] = {
        {"QuillmereNoSuchQueue", QStringLiteral("The printer \"QuillmereNoSuchQueue\" does not exist."),
         false},
        {refusing, QStringLiteral("The printer \"%1\" is not accepting jobs.").arg(refusing), false},
        {paused, QStringLiteral("The printer \"%1\" is paused; the document waits in its queue.").arg(paused),
         true},
    };
    for (const UnprintedRow &row : rows) {
        Open(row.Printer);
        const QString text = Print();
        EXPECT_TRUE(text.startsWith(row.Message)) << row.Printer.constData() << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("PDF"))) << row.Printer.constData();
        EXPECT_TRUE(m_window->isVisible()) << row.Printer.constData();
        EXPECT_EQ(JobsTitled(m_title).size(), row.Queued ? 1u : 0u) << row.Printer.constData();
        CancelJobs();
    }
}

TEST_F(PreviewPrinting, WithThePrintSystemDownPrintSaysSoAndWorksOnceItIsBack)
{
    Open(m_queue);
    cupsSetServer(NowhereServer.constData());
    const QString text = Print();
    EXPECT_TRUE(text.startsWith(QStringLiteral("The print system is not running."))) << text.toStdString();
    EXPECT_TRUE(m_window->isVisible());

    cupsSetServer(nullptr);
    EXPECT_EQ(Print(), QString());
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(JobsTitled(m_title).size(), 1u);
}

// A frozen scheduler: Print says that it waits, the window keeps answering, and Cancel ends the wait with
// nothing printed and nothing more said.
TEST_F(PreviewPrinting, WhileThePrintSystemIsFrozenPrintSaysThatItWaitsAndCanBeCancelled)
{
    if (PrivateSchedulerPid() <= 0)
        GTEST_SKIP() << "needs the private CUPS scheduler of the tests (QUILLMERE_TEST_CUPSD_PID); the "
                        "machine's scheduler is never stopped";
    Open(m_queue);
    QString waiting;
    QString text;
    {
        const FrozenScheduler frozen(PrivateSchedulerPid());
        text = Print([&waiting](QWidget &wait) {
            waiting = wait.accessibleDescription();
            for (QPushButton *button : wait.findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("Cancel"))
                    button->click();
        });
    }
    EXPECT_EQ(waiting.toStdString(), "Waiting for the print system to answer...");
    EXPECT_EQ(text.toStdString(), "") << "a cancelled wait says nothing more";
    EXPECT_TRUE(m_window->isVisible());

    EXPECT_EQ(Print().toStdString(), "") << "once the print system answers again";
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(JobsTitled(m_title).size(), 1u);
}

// A scheduler that stays frozen past the answer timeout is said to have stopped answering, not that
// there is no default printer.
TEST_F(PreviewPrinting, APrintSystemFrozenPastTheTimeoutIsSaidToHaveStoppedAnswering)
{
    if (PrivateSchedulerPid() <= 0)
        GTEST_SKIP() << "needs the private CUPS scheduler of the tests (QUILLMERE_TEST_CUPSD_PID); the "
                        "machine's scheduler is never stopped";
    Open(m_queue, 1s);
    QString text;
    {
        const FrozenScheduler frozen(PrivateSchedulerPid());
        text = Print();
    }
    EXPECT_TRUE(text.startsWith(QStringLiteral("The print system stopped answering."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("PDF")));
    EXPECT_TRUE(m_window->isVisible());
}

// A scheduler killed while it is asked is said to have stopped, not that the printer does not exist.
TEST_F(PreviewPrinting, APrintSystemKilledWhileAskedIsSaidToHaveStopped)
{
    Open(m_queue);
    const DyingScheduler dying;
    ASSERT_TRUE(dying.Listening());
    cupsSetServer(dying.Path());
    const QString text = Print();
    cupsSetServer(nullptr);
    EXPECT_TRUE(text.startsWith(QStringLiteral("The print system stopped."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("PDF")));
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(JobsTitled(m_title).empty());
}

// Nothing named and no default: no printer is guessed.
TEST_F(PreviewPrinting, WithNoPrinterNamedAndNoDefaultNothingIsPrinted)
{
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    if (cups_dest_t *named = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)) {
        const std::string name = named->name;
        cupsFreeDests(1, named);
        GTEST_SKIP() << "the system has a default printer, " << name;
    }
    Open({});
    const QString text = Print();
    EXPECT_TRUE(text.startsWith(QStringLiteral("There is no default printer."))) << text.toStdString();
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_TRUE(JobsTitled(m_title).empty());
}

} // namespace
