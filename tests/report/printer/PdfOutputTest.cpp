#include "printer/ReportPrinter.h"
#include "support/FakePrinterDevice.h"
#include "support/PdfTools.h"
#include "support/RuledDocument.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
TEST(PdfOutput, KeepsTextPositionsAndPointSizes)
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

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    printer.WritePdf(pdf);
    ASSERT_EQ(PdfPageCount(pdf), 2);
    EXPECT_TRUE(ToolOutput(QStringLiteral("pdfinfo"), {pdf})
                    .value_or(QString())
                    .contains(QStringLiteral("612 x 792 pts")));
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

TEST(PdfOutput, AFileThatCannotBeWrittenIsAFailure)
{
    TRPPrinter printer(
        std::make_unique<FakePrinterDevice>(std::make_shared<FakePrinter>(FakePrinter::Letter())));
    RecordRuledDocument(printer, {10});
    EXPECT_THROW(printer.WritePdf(QStringLiteral("/nonexistent-folder/chart.pdf")), PrinterError);
    EXPECT_FALSE(printer.Busy());
}

} // namespace
