#include "report/printer/PrinterError.h"
#include "report/printer/ReportPrinter.h"
#include "tests/report/support/DiskFailures.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/PdfTools.h"
#include "tests/report/support/ReportValuePrinters.h"
#include "tests/report/support/RuledDocument.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

QFont Font(int points)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(points);
    return font;
}

// Liberation Sans spans 0.905 em above the baseline and 0.212 em below, which is the box pdftotext
// gives a word.
constexpr double LineHeightInEm = 1.117;

// Sheet of Letter paper with a quarter inch unprintable: the page starts 18 points from the sheet's
// left and top edges, and a page pixel is 0.75 points.
TEST(PdfOutput, KeepsTextPositionsAndPointSizesUnderTheReportsTitle)
{
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    printer.BeginDocument();
    printer.Canvas().SetFont(Font(48)); // 12 points on paper
    printer.Canvas().TextOut(QPoint(400, 800), QStringLiteral("Amount"));
    printer.AddPage();
    printer.Canvas().SetFont(Font(96));
    printer.Canvas().TextOut(QPoint(4 * 300, 4 * 600), QStringLiteral("Rate"), Qt::AlignRight);
    printer.EndDocument();
    printer.SetPreviewTitle(QStringLiteral("Preview of Payment Schedule"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    printer.WritePdf(pdf);
    ASSERT_EQ(PdfPageCount(pdf), 2);
    const QString info = ToolOutput(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts")));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +Payment Schedule\n"))))
        << info.toStdString();
    const std::vector<PdfWord> words = PdfWords(pdf);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].Text, QStringLiteral("Amount"));
    EXPECT_NEAR(words[0].Left, 18 + 100 * 0.75, 1);
    EXPECT_NEAR(words[0].Top, 18 + 200 * 0.75, 1);
    EXPECT_NEAR((words[0].Bottom - words[0].Top) / LineHeightInEm, 12, 0.3);
    EXPECT_EQ(words[1].Text, QStringLiteral("Rate"));
    EXPECT_NEAR(words[1].Right, 18 + 300 * 0.75, 1);
    EXPECT_NEAR((words[1].Bottom - words[1].Top) / LineHeightInEm, 24, 0.3);
}

// The page stands at the print offset of its sheet, which differs across and down here: 18 pixels
// (13.5 points) from the left edge and 30 (22.5 points) from the top.
TEST(PdfOutput, PutsThePageAtItsOffsetAcrossAndDown)
{
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::LetterOffCentre())));
    printer.BeginDocument();
    printer.Canvas().SetFont(Font(48));
    printer.Canvas().TextOut(QPoint(400, 800), QStringLiteral("Amount"));
    printer.EndDocument();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    printer.WritePdf(pdf);
    EXPECT_TRUE(ToolOutput(QStringLiteral("pdfinfo"), {pdf})
                    .value_or(QString())
                    .contains(QStringLiteral("612 x 792 pts")));
    const std::vector<PdfWord> words = PdfWords(pdf);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_NEAR(words[0].Left, 13.5 + 100 * 0.75, 1);
    EXPECT_NEAR(words[0].Top, 22.5 + 200 * 0.75, 1);
}

enum class WriteFailure { FullDisk, FileSizeLimit, MissingFolder };

std::string NameOf(const testing::TestParamInfo<WriteFailure> &info)
{
    const char *names[] = {"FullDisk", "FileSizeLimit", "MissingFolder"};
    return names[static_cast<int>(info.param)];
}

class FailedPdfWrite : public testing::TestWithParam<WriteFailure> {};

// A document written over an existing file where the writing fails: the failure says why, the file
// keeps every byte it had and nothing else is left in the folder.
TEST_P(FailedPdfWrite, SaysWhyAndLeavesTheFolderAsItWas)
{
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    RecordRuledDocument(printer, {10, 20});
    QTemporaryDir scratch;
    const bool missing = GetParam() == WriteFailure::MissingFolder;
    const QString folder = missing ? scratch.filePath(QStringLiteral("gone")) : scratch.path();
    const QString file = folder + QStringLiteral("/chart.pdf");
    const QByteArray before = "%PDF-1.4 the chart saved last week\n";
    std::optional<SmallDisk> disk;
    if (GetParam() == WriteFailure::FullDisk) {
        disk.emplace(folder);
        if (!disk->Mounted())
            GTEST_SKIP() << "cannot mount a small disk here";
    }
    if (!missing) {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly) && existing.write(before) == before.size());
    }
    if (disk)
        disk->Fill();
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    std::optional<FileSizeLimit> limit;
    if (GetParam() == WriteFailure::FileSizeLimit)
        limit.emplace(512);

    std::optional<std::string> said;
    try {
        printer.WritePdf(file);
    } catch (const FileWriteError &failure) {
        said = failure.what();
    }
    limit.reset(); // before anything is printed, to a file perhaps
    const QString expected[] = {
        QStringLiteral("There is not enough space on the disk."),
        QStringLiteral("The file \"%1\" could not be written: File too large.").arg(file),
        QStringLiteral("The folder \"%1\" does not exist.").arg(folder),
    };
    ASSERT_TRUE(said) << "the failed write passed as done";
    EXPECT_EQ(*said, expected[static_cast<int>(GetParam())].toStdString());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), entries);
    if (!missing) {
        QFile existing(file);
        ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
        EXPECT_EQ(existing.readAll().toStdString(), before.toStdString());
    }
    EXPECT_FALSE(printer.Busy());
}

INSTANTIATE_TEST_SUITE_P(Ways, FailedPdfWrite,
                         testing::Values(WriteFailure::FullDisk, WriteFailure::FileSizeLimit,
                                         WriteFailure::MissingFolder),
                         NameOf);

// A table as the reports draw one: each row a white band, eight framed cells, and in each cell a
// white label box with its text centred and clipped to it.
RecordedPage TablePage()
{
    RecordedPage page(QSize(4 * 768, 4 * 1008));
    for (int row = 0; row < 30; ++row) {
        const int top = 4 * (100 + 24 * row);
        page.Append(FillRectOp{{0, top, 4 * 768, top + 96}, QBrush(Qt::white)});
        for (int column = 0; column < 8; ++column) {
            const int left = 4 * (34 + 86 * column);
            page.Append(RectangleOp{{left, top, left + 4 * 85, top + 88}, QPen(Qt::black, 4), Qt::NoBrush});
        }
        for (int column = 0; column < 8; ++column) {
            const PageRect box{4 * (38 + 86 * column), top + 12, 4 * (120 + 86 * column), top + 72};
            page.Append(FillRectOp{box, QBrush(Qt::white)});
            page.Append(TextOp{{(box.Left + box.Right) / 2, box.Top},
                               QStringLiteral("$%1.70").arg(700 + 13 * row + column),
                               Font(36),
                               Qt::black,
                               Qt::AlignHCenter,
                               box});
        }
    }
    return page;
}

// The table page drawn straight through QPainter: one mapping of page units onto the target for the
// whole page, then each operation as it comes.
void DrawStraight(QPainter &painter, const RecordedPage &page, const QRectF &target)
{
    const auto rect = [](const PageRect &r) {
        return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    };
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.Size().width(), target.height() / page.Size().height());
    for (const PageOperation &operation : page.Operations()) {
        if (const auto *fill = std::get_if<FillRectOp>(&operation)) {
            painter.fillRect(rect(fill->Rect), fill->Brush);
        } else if (const auto *box = std::get_if<RectangleOp>(&operation)) {
            painter.setPen(box->Pen);
            painter.setBrush(box->Brush);
            painter.drawRect(rect(box->Rect).adjusted(0, 0, -1, -1));
        } else if (const auto *text = std::get_if<TextOp>(&operation)) {
            QFont font(text->Font);
            font.setPointSizeF(font.pointSizeF() * ScreenPixelsPerInch / painter.device()->logicalDpiY());
            painter.setFont(font);
            painter.setPen(text->Color);
            painter.drawText(rect(*text->Clip), Qt::AlignHCenter | Qt::AlignTop, text->Text);
        }
    }
}

qint64 PdfBytes(const std::function<void(QPainter &, const QRectF &)> &draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    QPainter painter(&writer);
    draw(painter, QRectF(QPointF(0, 0), writer.pageLayout().paintRectPixels(1200).size()));
    painter.end();
    return buffer.size();
}

TEST(PdfOutput, APageIsNoLargerThanThePageDrawnStraight)
{
    const RecordedPage page = TablePage();
    const qint64 replayed =
        PdfBytes([&](QPainter &painter, const QRectF &target) { page.Replay(painter, target); });
    const qint64 straight =
        PdfBytes([&](QPainter &painter, const QRectF &target) { DrawStraight(painter, page, target); });
    EXPECT_LE(replayed, straight);
}

} // namespace
