#include "report/printer/ReportPrinter.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/ReportValuePrinters.h"
#include "tests/report/support/RuledDocument.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

class PageRecording : public testing::Test {
protected:
    std::shared_ptr<FakePrinter> m_fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
    TRPPrinter m_printer{std::make_unique<FakePrinterDevice>(m_fake)};
};

TEST_F(PageRecording, GoesFromIdleThroughBuildingToFinishedAndBack)
{
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Idle);
    m_printer.BeginDocument();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Building);
    EXPECT_EQ(m_printer.PageCount(), 1);
    m_printer.AddPage();
    m_printer.AddPage();
    EXPECT_EQ(m_printer.PageCount(), 3);
    EXPECT_EQ(m_fake->Measurements, 3) << "measured at the start and at every new page";
    m_printer.EndDocument();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Finished);
    EXPECT_EQ(m_printer.Pages().size(), 3u);
    EXPECT_EQ(m_printer.CurrentPageImage(), &m_printer.Pages()[0]);
    m_printer.SetFirstPage(2);
    m_printer.SetLastPage(3);
    m_printer.DiscardPages();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Idle);
    EXPECT_TRUE(m_printer.Pages().empty());
    EXPECT_EQ(m_printer.CurrentPageImage(), nullptr);
    EXPECT_EQ(m_printer.FirstPage(), 0);
    EXPECT_EQ(m_printer.LastPage(), 0);
}

TEST_F(PageRecording, CallsOutOfTheirStateDoNothing)
{
    m_printer.AddPage();
    m_printer.EndDocument();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Idle);
    m_printer.BeginDocument();
    m_printer.Canvas().FillRect({0, 0, 4, 4});
    m_printer.BeginDocument();
    m_printer.DiscardPages();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Building);
    EXPECT_EQ(m_printer.Canvas().Page().Operations().size(), 1u) << "a second begin must not restart";
}

TEST_F(PageRecording, BeginningOnAFinishedDocumentDiscardsItFirst)
{
    RecordRuledDocument(m_printer, {10, 20});
    m_printer.SetDocumentTitle(QStringLiteral("Chart"));
    m_printer.BeginDocument();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Building);
    EXPECT_EQ(m_printer.PageCount(), 1);
    EXPECT_TRUE(m_printer.Pages().empty());
    EXPECT_TRUE(m_printer.DocumentTitle().isEmpty());
}

TEST_F(PageRecording, SelectPageTakesOnlyPagesOfAFinishedDocument)
{
    m_printer.BeginDocument();
    m_printer.AddPage();
    m_printer.SelectPage(2);
    EXPECT_EQ(m_printer.CurrentPage(), 1) << "not while building";
    m_printer.EndDocument();
    for (int outside : {0, 3, -1})
        m_printer.SelectPage(outside);
    EXPECT_EQ(m_printer.CurrentPage(), 1);
    m_printer.SelectPage(2);
    EXPECT_EQ(m_printer.CurrentPage(), 2);
    EXPECT_EQ(m_printer.CurrentPageImage(), &m_printer.Pages()[1]);
}

// A failure in the middle of building used to leave the printer Building for good.
TEST_F(PageRecording, AbandoningADocumentBeingBuiltReturnsToIdle)
{
    m_printer.BeginDocument();
    m_printer.AddPage();
    EXPECT_TRUE(m_printer.Busy());
    m_printer.AbandonDocument();
    EXPECT_EQ(m_printer.PrinterState(), TRPPrinterState::Idle);
    EXPECT_FALSE(m_printer.Busy());
    RecordRuledDocument(m_printer, {5});
    EXPECT_EQ(m_printer.Pages().size(), 1u);
}

TEST_F(PageRecording, EachOperationKeepsThePenBrushAndFontOfItsMoment)
{
    m_printer.BeginDocument();
    PageCanvas &canvas = m_printer.Canvas();
    EXPECT_EQ(canvas.PenPos(), QPoint(0, 0));
    canvas.SetPen(QPen(Qt::red, 8));
    canvas.SetBrush(QBrush(Qt::yellow));
    canvas.Rectangle({4, 8, 40, 80});
    canvas.MoveTo(QPoint(10, 20));
    canvas.LineTo(QPoint(30, 20));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(40);
    canvas.SetFont(font);
    canvas.SetTextColor(Qt::blue);
    canvas.TextRect({0, 0, 100, 60}, QPoint(50, 4), QStringLiteral("Rate"), Qt::AlignHCenter);

    const auto &ops = canvas.Page().Operations();
    ASSERT_EQ(ops.size(), 3u);
    const auto &rectangle = std::get<RectangleOp>(ops[0]);
    EXPECT_EQ(rectangle.Rect, (PageRect{4, 8, 40, 80}));
    EXPECT_EQ(rectangle.Pen, QPen(Qt::red, 8));
    EXPECT_EQ(rectangle.Brush, QBrush(Qt::yellow));
    const auto &line = std::get<LineOp>(ops[1]);
    EXPECT_EQ(line.From, QPoint(10, 20));
    EXPECT_EQ(line.To, QPoint(30, 20));
    EXPECT_EQ(canvas.PenPos(), QPoint(30, 20));
    const auto &text = std::get<TextOp>(ops[2]);
    EXPECT_EQ(text.Origin, QPoint(50, 4));
    EXPECT_EQ(text.Font.pointSize(), 40);
    EXPECT_EQ(text.Color, QColor(Qt::blue));
    EXPECT_EQ(text.Alignment, Qt::AlignHCenter);
    EXPECT_EQ(text.Clip, (PageRect{0, 0, 100, 60}));
}

// A band that moves to another page: what came before it stays, what it drew comes back shifted whole,
// every corner and point of every kind of operation, a text's clip with the text.
TEST_F(PageRecording, OperationsTakenOffThePageComeBackMovedWhole)
{
    m_printer.BeginDocument();
    PageCanvas &canvas = m_printer.Canvas();
    canvas.FillRect({0, 0, 4, 4});
    canvas.FillRect({10, 20, 30, 40});
    canvas.Rectangle({11, 21, 31, 41});
    canvas.Ellipse({12, 22, 32, 42});
    canvas.MoveTo(QPoint(13, 23));
    canvas.LineTo(QPoint(33, 43));
    canvas.Polyline({QPoint(14, 24), QPoint(34, 44), QPoint(54, 64)});
    canvas.TextRect({15, 25, 35, 45}, QPoint(16, 26), QStringLiteral("Rate"));
    const std::vector<PageOperation> taken = canvas.TakeOperations(1);
    EXPECT_EQ(taken.size(), 6u);
    canvas.AppendMoved(taken, QPoint(100, 1000));

    const auto &ops = canvas.Page().Operations();
    ASSERT_EQ(ops.size(), 7u);
    EXPECT_EQ(std::get<FillRectOp>(ops[0]).Rect, (PageRect{0, 0, 4, 4}));
    EXPECT_EQ(std::get<FillRectOp>(ops[1]).Rect, (PageRect{110, 1020, 130, 1040}));
    EXPECT_EQ(std::get<RectangleOp>(ops[2]).Rect, (PageRect{111, 1021, 131, 1041}));
    EXPECT_EQ(std::get<EllipseOp>(ops[3]).Rect, (PageRect{112, 1022, 132, 1042}));
    EXPECT_EQ(std::get<LineOp>(ops[4]).From, QPoint(113, 1023));
    EXPECT_EQ(std::get<LineOp>(ops[4]).To, QPoint(133, 1043));
    EXPECT_EQ(std::get<PolylineOp>(ops[5]).Points,
              (std::vector<QPoint>{QPoint(114, 1024), QPoint(134, 1044), QPoint(154, 1064)}));
    const auto &text = std::get<TextOp>(ops[6]);
    EXPECT_EQ(text.Origin, QPoint(116, 1026));
    EXPECT_EQ(text.Clip, (PageRect{115, 1025, 135, 1045}));
    EXPECT_EQ(text.Text, QStringLiteral("Rate"));
}

TEST_F(PageRecording, ANewPageStartsWithTheDefaultsAndThePenAtTheOrigin)
{
    m_printer.BeginDocument();
    m_printer.Canvas().SetPen(QPen(Qt::red, 8));
    m_printer.Canvas().MoveTo(QPoint(100, 100));
    m_printer.AddPage();
    EXPECT_EQ(m_printer.Canvas().PenPos(), QPoint(0, 0));
    EXPECT_EQ(m_printer.Canvas().Pen(), QPen(Qt::black, 0));
}

// The progress window on the screen with this caption; nullptr when none shows.
QDialog *ShownProgressWindow(const QString &caption)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("TRPProgressForm") && window->isVisible() && window->windowTitle() == caption)
            return qobject_cast<QDialog *>(window);
    }
    return nullptr;
}

TEST_F(PageRecording, TheProgressWindowsCancelButtonCancelsAndHiddenItStaysHidden)
{
    m_printer.SetProgressTitle(QStringLiteral("Progress"));
    {
        const ProgressWindow shown = m_printer.CreateProgressForm(QStringLiteral("Printing"), 10);
        QDialog *window = ShownProgressWindow(QStringLiteral("Progress"));
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(window->findChild<QPushButton *>(), Qt::LeftButton);
        EXPECT_TRUE(m_printer.Cancelled());
    }
    EXPECT_EQ(ShownProgressWindow(QStringLiteral("Progress")), nullptr) << "closed with its holder";
    m_printer.SetShowProgress(false);
    const ProgressWindow hidden = m_printer.CreateProgressForm(QStringLiteral("Printing"), 10);
    EXPECT_EQ(ShownProgressWindow(QStringLiteral("Progress")), nullptr);
}

TEST_F(PageRecording, PaperIsSelectedOnlyWhenThePrinterListsIt)
{
    m_printer.SetPaperSize(TRPPaperSize::rppA4);
    EXPECT_EQ(m_fake->LastSettings.Paper, TRPPaperSize::rppA4) << "measured again with the new paper";
    m_printer.SetPaperSize(TRPPaperSize::rppA3);
    EXPECT_EQ(m_printer.Settings().Paper, TRPPaperSize::rppA4);
    m_printer.SetPaperWidth(1000);
    EXPECT_EQ(m_printer.Settings().CustomWidth, 0) << "the printer takes no custom paper";
    m_fake->Papers.push_back(TRPPaperSize::rppCustom);
    m_printer.SetPaperWidth(1000);
    m_printer.SetPaperLength(2000);
    EXPECT_EQ(m_fake->LastSettings, (PaperSettings{false, TRPPaperSize::rppCustom, 1000, 2000}));
    m_printer.SetPaperSize(TRPPaperSize::rppDefault);
    EXPECT_EQ(m_printer.Settings().Paper, TRPPaperSize::rppDefault);
}

TEST_F(PageRecording, UnreadablePrinterSettingsAreAPrinterDriverError)
{
    m_fake->FailSettings = true;
    for (const auto &change :
         std::vector<std::function<void()>>{[this] { m_printer.SetPaperSize(TRPPaperSize::rppA4); },
                                            [this] { m_printer.SetLandscape(true); }}) {
        try {
            change();
            ADD_FAILURE() << "no error";
        } catch (const PrinterError &error) {
            EXPECT_STREQ(error.what(), "Printer driver error");
        }
    }
    EXPECT_EQ(m_printer.Settings(), PaperSettings{});
}

} // namespace
