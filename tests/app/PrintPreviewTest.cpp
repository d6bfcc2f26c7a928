#include "controls/common/FailureGuard.h"
#include "controls/flatbutton/FlatButton.h"
#include "report/preview/FmPreview.h"
#include "report/preview/PdfFileDialog.h"
#include "report/preview/PreviewGeometry.h"
#include "report/preview/RPCustomPreview.h"
#include "report/preview/RPPreview.h"
#include "report/printer/ReportPrinter.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/report/support/PdfTools.h"
#include "tests/report/support/RuledDocument.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cups/cups.h>
#include <functional>

namespace {
// Print Preview from the main window's button after a rebuild, through the report and the real
// preview window, to the system's print service or a PDF file.
class PrintPreviewTest : public MainWindowTest {
protected:
    // Clicks Print Preview and runs body on the preview window it opens; closes the window if body
    // left it open. Returns when the command has returned.
    void RunPrintPreview(const std::function<void(TFmPreview &)> &body)
    {
        RunGuarded([this] { window->CalculatePaymentTable(window.get()); });
        bool opened = false;
        QObject scope; // drops the timer when the command returns without opening the window
        QTimer::singleShot(0, &scope, [&] {
            auto *preview = qobject_cast<TFmPreview *>(QApplication::activeModalWidget());
            if (preview == nullptr)
                return;
            opened = true;
            if (QTest::qWaitForWindowExposed(preview))
                body(*preview);
            preview->close();
        });
        QTest::mouseClick(c().btnPrint, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_TRUE(opened);
    }

    TRPPrinter &printer() { return printing.ReportPrinter(); }

    // The separate lines that cross a column (runs of dark pixels), each as its first row.
    static std::vector<int> LinesAcross(const QImage &image, int column)
    {
        std::vector<int> lines;
        int previous = -2;
        for (const int row : DarkRows(image, column)) {
            if (row != previous + 1)
                lines.push_back(row);
            previous = row;
        }
        return lines;
    }
};

// The column 36 design pixels in crosses the table's first box edges and the header's and the footer's
// rules, and no text.
constexpr int RulesColumn = 36;

TEST_F(PrintPreviewTest, PrintSendsOneJobWhosePageShowsTheChartWhereThePreviewDoes)
{
    const QString queue = qEnvironmentVariable("PRINTER");
    const QString out = qEnvironmentVariable("QUILLMERE_TEST_PDF_OUT");
    if (queue.isEmpty() || out.isEmpty())
        GTEST_SKIP() << "needs the test print queue that scripts/test sets up";
    const QStringList before = PdfFiles(out);
    QImage sheet;
    QRect page;
    RunPrintPreview([&](TFmPreview &preview) {
        sheet = preview.Controls().RPPreview1->Sheet()->grab().toImage();
        page = PageImageRect(printer().Geometry().Offset, printer().Geometry().Page, 100);
        QTest::mouseClick(preview.Controls().bbPrint, Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_FALSE(preview.isVisible());
    });
    ASSERT_FALSE(sheet.isNull());

    const QString pdf = NewPdfAfterJobs(out, before, queue);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << out.toStdString();
    EXPECT_EQ(PdfFiles(out).size(), before.size() + 1) << "exactly one job";
    ASSERT_EQ(PdfPageCount(pdf), 1);
    QTemporaryDir scratch;
    const QImage printed = RasterisedPdfPage(pdf, 1, 96, scratch.filePath(QStringLiteral("sheet")));
    ASSERT_FALSE(printed.isNull());

    // Both in page pixels: the preview stretches the page into its printable area on the sheet.
    std::vector<int> shown;
    for (const int row : LinesAcross(sheet, page.left() + RulesColumn * page.width() / printer().PageWidth()))
        if (page.contains(page.left(), row))
            shown.push_back((row - page.top()) * printer().PageHeight() / page.height());
    std::vector<int> onPaper;
    for (const int row : LinesAcross(printed, printer().PrintOffsetX() + RulesColumn))
        onPaper.push_back(row - printer().PrintOffsetY());
    ASSERT_EQ(shown.size(), onPaper.size());
    EXPECT_GE(shown.size(), 2u + 2 * PaymentChart::RowCount + 1)
        << "two header rules, the boxes, the footer rule";
    for (std::size_t n = 0; n < shown.size(); ++n)
        EXPECT_NEAR(shown[n], onPaper[n], 2) << "line " << n;
}

TEST_F(PrintPreviewTest, WithoutAPrintSystemPrintOffersAPdfFileAndThePreviewStaysOpen)
{
    cupsSetServer(NowhereServer.constData());
    QString offer;
    bool stayedOpen = false;
    RunPrintPreview([&](TFmPreview &preview) {
        QTimer::singleShot(0, &preview, [&offer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr)
                return;
            offer = box->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QTest::mouseClick(preview.Controls().bbPrint, Qt::LeftButton, {}, QPoint(10, 10));
        stayedOpen = preview.isVisible();
    });
    cupsSetServer(nullptr);
    EXPECT_TRUE(offer.startsWith(QStringLiteral("The print system is not running.")));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(messages.isEmpty());
}

// What the scheduler says of printer `name` (printer-state-message).
QString PrinterStateMessage(const QByteArray &name)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 ("ipp://localhost/printers/" + name).constData());
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    const QString message = QString::fromUtf8(
        ippGetString(ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT), 0, nullptr));
    ippDelete(response);
    return message;
}

// The queue takes the job and its backend then fails: the preview closes as on success, and once the
// scheduler holds the job the program says why, in the scheduler's words, and saves the document as a
// PDF file when asked.
TEST_F(PrintPreviewTest, AJobThePrinterDoesNotPrintIsSaidWithTheSchedulersReasonAndOfferedAsAPdf)
{
    const QByteArray failing = qgetenv("QUILLMERE_TEST_FAILING_PRINTER");
    if (failing.isEmpty())
        GTEST_SKIP() << "needs the failing test queue that scripts/test sets up";
    const QByteArray queue = qgetenv("PRINTER");
    qputenv("PRINTER", failing);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    const PdfFileAsker before = SetPdfFileAsker([&](QWidget *, const QString &) { return pdf; });
    QString said;
    QTimer answer; // takes the offer once it is made
    QObject::connect(&answer, &QTimer::timeout, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said = box->text();
            box->defaultButton()->click(); // "Save as PDF..."
        }
    });
    answer.start(10);
    bool closed = false;
    RunPrintPreview([&](TFmPreview &preview) {
        QTest::mouseClick(preview.Controls().bbPrint, Qt::LeftButton, {}, QPoint(10, 10));
        closed = !preview.isVisible();
    });
    const bool saved = QTest::qWaitFor([&] { return QFile::exists(pdf); }, 30000);
    answer.stop();
    SetPdfFileAsker(before);
    qputenv("PRINTER", queue);
    const QString reason = PrinterStateMessage(failing);
    cupsCancelJob(failing.constData(), CUPS_JOBID_ALL);

    EXPECT_TRUE(closed);
    ASSERT_TRUE(saved) << "said: " << said.toStdString();
    ASSERT_FALSE(reason.isEmpty()) << said.toStdString();
    EXPECT_TRUE(said.startsWith(
        QStringLiteral("The printer \"%1\" did not print the document: ").arg(QString::fromLatin1(failing))))
        << said.toStdString();
    EXPECT_TRUE(said.contains(reason)) << said.toStdString() << " / " << reason.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 1);
}

TEST_F(PrintPreviewTest, CtrlSInThePreviewWritesTheChartAsAOnePagePdf)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    const PdfFileAsker before = SetPdfFileAsker([&](QWidget *, const QString &) { return pdf; });
    RunPrintPreview([](TFmPreview &preview) {
        // The window's keys are its own once it is the active window, which a loaded server makes it late.
        ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
        QTest::keyClick(&preview, Qt::Key_S, Qt::ControlModifier);
    });
    SetPdfFileAsker(before);
    EXPECT_EQ(PdfPageCount(pdf), 1);
    const std::vector<PdfWord> words = PdfWords(pdf);
    EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                            [](const PdfWord &word) { return word.Text == QStringLiteral("$100000"); }));
}
} // namespace
