#include "report/printer/CupsCaller.h"
#include "report/printer/CupsDestination.h"
#include "report/printer/CupsPrinterDevice.h"
#include "report/printer/PrinterError.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/DiskFailures.h"
#include "tests/report/support/PdfTools.h"
#include "tests/report/support/ReportValuePrinters.h"
#include "tests/report/support/RuledDocument.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace {

// The highest id of the queue's jobs, finished ones included; 0 when it has none.
int LastJobId(const QByteArray &queue)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs(&jobs, queue.constData(), 0, CUPS_WHICHJOBS_ALL);
    int last = 0;
    for (int i = 0; i < count; ++i)
        last = std::max(last, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return last;
}

// True when lpadmin, run against the tests' scheduler, did what it was asked.
bool Lpadmin(const QStringList &arguments)
{
    QProcess lpadmin;
    lpadmin.setProgram(QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {"/usr/sbin", "/usr/bin"}));
    lpadmin.setArguments(arguments);
    lpadmin.setStandardErrorFile(QProcess::nullDevice()); // it says that printer drivers are deprecated
    lpadmin.start();
    return lpadmin.waitForFinished() && lpadmin.exitStatus() == QProcess::NormalExit &&
           lpadmin.exitCode() == 0;
}

// The sheet of the device's current printer for `settings`, in screen pixels (96 to the inch); empty
// when it has none.
QSize MeasuredSheet(CupsPrinterDevice &device, const PaperSettings &settings)
{
    const std::optional<PrinterFacts> facts = device.Measure(settings);
    if (!facts || facts->DotsPerInch.isEmpty())
        return {};
    return {qRound(facts->Dots.Sheet.width() * 96.0 / facts->DotsPerInch.width()),
            qRound(facts->Dots.Sheet.height() * 96.0 / facts->DotsPerInch.height())};
}

// Letter and A4 as PPDs give them: 612 x 792 and 595 x 842 points.
const QSize LetterSheet(816, 1056);
const QSize A4Sheet(793, 1123);

// A queue of the test's own, removed again at the end. Nothing is printed on it.
class TestQueue {
public:
    // One with the PPD of queue `original`.
    static TestQueue CopyOf(const QString &original)
    {
        TestQueue queue;
        QTemporaryFile ppd;
        http_t *http =
            httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr);
        if (http == nullptr || !ppd.open())
            return queue;
        const http_status_t got =
            cupsGetFd(http, ("/printers/" + original.toUtf8() + ".ppd").constData(), ppd.handle());
        httpClose(http);
        queue.m_added =
            got == HTTP_STATUS_OK && queue.Add({"-v", "cups-pdf:/" + original, "-P", ppd.fileName()});
        return queue;
    }
    // One without a PPD, on the device of queue `original`.
    static TestQueue RawOn(const QString &original)
    {
        TestQueue queue;
        queue.m_added = queue.Add({"-v", "cups-pdf:/" + original, "-m", QStringLiteral("raw")});
        return queue;
    }
    TestQueue(TestQueue &&other) noexcept
        : m_name(other.m_name), m_added(std::exchange(other.m_added, false)),
          m_previousPrinter(std::exchange(other.m_previousPrinter, std::nullopt))
    {
    }
    ~TestQueue()
    {
        if (m_previousPrinter)
            qputenv("PRINTER", *m_previousPrinter);
        if (m_added)
            Lpadmin({"-x", m_name});
    }
    TestQueue(const TestQueue &) = delete;
    TestQueue &operator=(const TestQueue &) = delete;
    TestQueue &operator=(TestQueue &&) = delete;

    bool Added() const { return m_added; }
    // The queue is the current printer (PRINTER) until it is removed.
    void MakeCurrent()
    {
        m_previousPrinter = qgetenv("PRINTER");
        qputenv("PRINTER", m_name.toUtf8());
    }
    // The scheduler writes the queue's PPD anew with this default paper (a PageSize choice).
    bool SetDefaultPaper(const QString &paper) { return Lpadmin({"-p", m_name, "-o", "PageSize=" + paper}); }
    // Waits until the PPD's time stamp is one the scheduler vouches for: no longer in its current second.
    bool PpdTimeSettled() const
    {
        return QTest::qWaitFor(
            [this] {
                const CupsCall call(cupsServer(), std::chrono::seconds(5));
                return CupsPpdTime(call, m_name, std::nullopt).has_value();
            },
            3000);
    }

private:
    TestQueue() : m_name(QStringLiteral("QuillmereTest%1").arg(QCoreApplication::applicationPid())) {}
    bool Add(const QStringList &device) { return Lpadmin(QStringList{"-p", m_name, "-E"} + device); }

    QString m_name;
    bool m_added = false;
    std::optional<QByteArray> m_previousPrinter;
};

// The document goes through the system's print service: scripts/test starts a CUPS scheduler and a
// cups-pdf queue, names it in PRINTER and the folder of its PDF files in QUILLMERE_TEST_PDF_OUT.
TEST(CupsPrinting, ATwoPageDocumentComesOutAsOnePdfOfTwoSheets)
{
    const QString queue = qEnvironmentVariable("PRINTER");
    const QString out = qEnvironmentVariable("QUILLMERE_TEST_PDF_OUT");
    if (queue.isEmpty() || out.isEmpty())
        GTEST_SKIP() << "needs the test print queue that scripts/test sets up";
    TRPPrinter printer(std::make_unique<CupsPrinterDevice>());
    printer.SetShowProgress(false);
    const std::vector<int> rules{100, 300};
    RecordRuledDocument(printer, rules);
    ASSERT_TRUE(printer.PrinterAvailable());
    printer.SetDocumentTitle(QStringLiteral("Quillmere printing test"));
    const QStringList before = PdfFiles(out);
    printer.PrintDocument();

    const QString pdf = NewPdfAfterJobs(out, before, queue);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << out.toStdString();
    ASSERT_EQ(PdfPageCount(pdf), 2);
    QTemporaryDir scratch;
    for (int page = 1; page <= 2; ++page) {
        const QImage sheet = RasterisedPdfPage(pdf, page, 96, scratch.filePath(QStringLiteral("sheet")));
        ASSERT_FALSE(sheet.isNull());
        EXPECT_NEAR(sheet.width(), printer.PhysicalWidth(), 1);
        const std::vector<int> dark = DarkRows(sheet, sheet.width() / 2);
        ASSERT_FALSE(dark.empty()) << "no rule on sheet " << page;
        const int expected = printer.PrintOffsetY() + rules[page - 1];
        EXPECT_GE(dark.front(), expected - 1) << "sheet " << page;
        EXPECT_LE(dark.back(), expected + 1) << "sheet " << page;
    }
}

// Qt hands the job to CUPS as painting ends and ignores the answer; a job that a queue refuses after
// it was asked (PrintDocument asks first) must not pass as printed, nor as a print system that stopped.
TEST(CupsPrinting, AJobTheQueueRefusesIsAFailure)
{
    const QByteArray refusing = qgetenv("QUILLMERE_TEST_REFUSING_PRINTER");
    if (refusing.isEmpty())
        GTEST_SKIP() << "needs the refusing queue that scripts/test sets up";
    const QByteArray queue = qgetenv("PRINTER");
    qputenv("PRINTER", refusing);
    CupsPrinterDevice device;
    const std::unique_ptr<PrintJob> job = device.StartJob(QStringLiteral("refused"), PaperSettings{});
    std::optional<TPrinterCondition> printSystem;
    EXPECT_THROW(
        try { job->Finish(); } catch (const PrintSystemError &failure) {
            printSystem = failure.Condition();
            throw;
        },
        PrinterError);
    EXPECT_EQ(printSystem, std::nullopt);
    qputenv("PRINTER", queue);
}

// The job's file is written whole in the temporary folder before CUPS gets it; a file that could not be
// written goes nowhere and leaves nothing behind.
TEST(CupsPrinting, AJobFileThatCannotBeWrittenWholeIsAFailureAndNothingIsSubmitted)
{
    const QByteArray queue = qgetenv("PRINTER");
    if (queue.isEmpty())
        GTEST_SKIP() << "needs the test print queue that scripts/test sets up";
    TRPPrinter printer(std::make_unique<CupsPrinterDevice>());
    printer.SetShowProgress(false);
    RecordRuledDocument(printer, {100});
    ASSERT_TRUE(printer.PrinterAvailable());
    QTemporaryDir temporary;
    const QByteArray before = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    const int lastJob = LastJobId(queue);
    bool failed = false;
    {
        const FileSizeLimit limit(512); // nothing may print to a file meanwhile
        try {
            printer.PrintDocument();
        } catch (const FileWriteError &) {
            failed = true;
        }
    }
    qputenv("TMPDIR", before);
    EXPECT_TRUE(failed);
    EXPECT_EQ(LastJobId(queue), lastJob);
    EXPECT_EQ(QDir(temporary.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// The device keeps its measurements while a document is made; another paper or orientation is still
// measured for what it is.
TEST(CupsPrinting, APaperOrOrientationChangeAfterAMeasurementIsHonoured)
{
    if (qEnvironmentVariable("PRINTER").isEmpty())
        GTEST_SKIP() << "needs the test print queue that scripts/test sets up";
    CupsPrinterDevice device;
    EXPECT_EQ(MeasuredSheet(device, {.Paper = TRPPaperSize::rppLetter}), LetterSheet);
    EXPECT_EQ(MeasuredSheet(device, {.Landscape = true, .Paper = TRPPaperSize::rppLetter}),
              LetterSheet.transposed());
    EXPECT_EQ(MeasuredSheet(device, {.Paper = TRPPaperSize::rppA4}), A4Sheet);
    EXPECT_EQ(MeasuredSheet(device, {.Paper = TRPPaperSize::rppLetter}), LetterSheet);
}

// The device keeps what it measured of a queue across documents; a queue whose PPD changed meanwhile is
// measured anew: at once after Forget, and after the answer to StartCheck, until which the kept queue
// answers.
TEST(CupsPrinting, AQueueWhosePpdChangedIsMeasuredAnewAtTheNextDocument)
{
    const QByteArray queue = qgetenv("PRINTER");
    if (queue.isEmpty())
        GTEST_SKIP() << "needs the test print queue that scripts/test sets up";
    TestQueue copy = TestQueue::CopyOf(QString::fromUtf8(queue));
    if (!copy.Added())
        GTEST_SKIP() << "the scheduler takes no queue from this user";
    ASSERT_TRUE(copy.SetDefaultPaper(QStringLiteral("Letter")));
    copy.MakeCurrent();
    CupsPrinterDevice device;
    EXPECT_EQ(MeasuredSheet(device, {}), LetterSheet);
    device.Forget();
    ASSERT_TRUE(copy.SetDefaultPaper(QStringLiteral("A4")));
    device.Forget(); // as at the end of a document
    ASSERT_TRUE(copy.PpdTimeSettled());
    EXPECT_EQ(MeasuredSheet(device, {}), A4Sheet);

    ASSERT_TRUE(copy.SetDefaultPaper(QStringLiteral("Letter")));
    device.StartCheck();
    EXPECT_EQ(MeasuredSheet(device, {}), A4Sheet) << "the kept queue, until the answer";
    EXPECT_FALSE(device.PrinterUnchanged());
    EXPECT_EQ(MeasuredSheet(device, {}), LetterSheet);
    EXPECT_TRUE(device.PrinterUnchanged()) << "no check pending";
}

// Without a PPD there is no time stamp to vouch for a kept queue: a checked document measures the
// queue in line, and the check does not call for the document to be made again.
TEST(CupsPrinting, AQueueWithoutAPpdIsMeasuredInLineAndNeedsNoSecondDocument)
{
    const QByteArray queue = qgetenv("PRINTER");
    if (queue.isEmpty())
        GTEST_SKIP() << "needs the test print queue that scripts/test sets up";
    TestQueue raw = TestQueue::RawOn(QString::fromUtf8(queue));
    if (!raw.Added())
        GTEST_SKIP() << "the scheduler takes no queue from this user";
    raw.MakeCurrent();
    CupsPrinterDevice device;
    ASSERT_TRUE(device.Measure({}));
    device.StartCheck();
    EXPECT_TRUE(device.Measure({}));
    EXPECT_TRUE(device.PrinterUnchanged());
}

// The print system out of reach: CUPS is asked at an address where no scheduler listens.
TEST(NoPrintSystem, TheAssumedPageIsUsedAndPrintSaysThePrintSystemIsNotRunning)
{
    cupsSetServer(NowhereServer.constData());
    TRPPrinter printer(std::make_unique<CupsPrinterDevice>());
    RecordRuledDocument(printer, {100});
    EXPECT_FALSE(printer.PrinterAvailable());
    EXPECT_EQ(printer.PhysicalWidth(), 785);
    EXPECT_EQ(printer.PrintOffsetX(), 5);
    EXPECT_EQ(printer.PrintDocument(), (PrinterStatus{TPrinterCondition::NoPrintSystem, {}}));
    CupsPrinterDevice device;
    EXPECT_THROW(device.StartJob(QStringLiteral("nothing"), PaperSettings{}), PrinterError)
        << "never Qt's PDF writer without a file";
    cupsSetServer(nullptr);
}

} // namespace
