#include "controls/common/ClassicColours.h"
#include "controls/common/FailureGuard.h"
#include "controls/flatbutton/FlatButton.h"
#include "design/ColorNames.h"
#include "report/preview/FmPreview.h"
#include "report/preview/PdfFileDialog.h"
#include "report/preview/RPCustomPreview.h"
#include "report/preview/RPPreview.h"
#include "report/printer/PrinterError.h"
#include "tests/report/support/FakePrinterDevice.h"
#include "tests/report/support/RuledDocument.h"
#include "tests/support/AccessibleEvents.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {
// Records one page per title: the title at the top and "End" below it, recorded bottom up.
void RecordTitledDocument(TRPPrinter &printer, const QStringList &titles)
{
    printer.BeginDocument();
    for (const QString &title : titles) {
        if (&title != &titles.front())
            printer.AddPage();
        printer.Canvas().TextOut({0, 400}, QStringLiteral("End"));
        printer.Canvas().TextOut({0, 0}, title);
    }
    printer.EndDocument();
}

// The preview window over a fake printer, shown and active on the X server, as the program shows it
// for a document recorded with a rule on each page at the given pixel rows.
class PreviewWindowTest : public testing::Test {
protected:
    void Open(const std::vector<int> &rules, std::optional<PrinterFacts> facts = FakePrinter::Letter())
    {
        OpenRecorded([&] { RecordRuledDocument(*printer, rules); }, facts);
    }
    void OpenTitled(const QStringList &titles)
    {
        OpenRecorded([&] { RecordTitledDocument(*printer, titles); }, FakePrinter::Letter());
    }
    template <class Recording> void OpenRecorded(Recording record, std::optional<PrinterFacts> facts)
    {
        fake = std::make_shared<FakePrinter>(facts);
        printer = std::make_unique<TRPPrinter>(std::make_unique<FakePrinterDevice>(fake));
        printer->SetShowProgress(false);
        record();
        window = std::make_unique<TFmPreview>(*printer);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        SetFailureHandler({});
    }

    const TFmPreviewControls &c() const { return window->Controls(); }
    TRPPreview &view() const { return *c().RPPreview1; }
    QScrollBar &vertical() const { return *view().verticalScrollBar(); }
    QScrollBar &horizontal() const { return *view().horizontalScrollBar(); }
    QSize sheetSize() const { return printer->Geometry().Sheet; }

    // The zoom buttons that are enabled, in bar order.
    std::vector<const TFlatButton *> EnabledZoomButtons() const
    {
        std::vector<const TFlatButton *> enabled;
        for (const TFlatButton *button : {c().bbZoomOut, c().bbZoomW, c().bbZoomIn})
            if (button->Enabled())
                enabled.push_back(button);
        return enabled;
    }

    static void Click(TFlatButton *button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }
    // A key as the platform delivers it: to the focused control, or to the window when none has it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    std::shared_ptr<FakePrinter> fake;
    std::unique_ptr<TRPPrinter> printer;
    std::unique_ptr<TFmPreview> window;
};

TEST_F(PreviewWindowTest, FillsTheWorkAreaWithPrintAndCloseAtTheRightEndAfterEveryResize)
{
    Open({100});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Print Preview"));
    EXPECT_EQ(window->frameGeometry(), window->screen()->availableGeometry());
    // Maximised, so that a window manager fits it to the work area in device pixels at any scale.
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(view().geometry(), QRect(0, 30, window->width(), window->height() - 30));
    EXPECT_EQ(c().bbClose->geometry(), QRect(window->width() - 68, 3, 66, 24));
    EXPECT_EQ(c().bbPrint->geometry(), QRect(window->width() - 136, 3, 66, 24));

    window->resize(632, 435);
    QApplication::processEvents();
    EXPECT_EQ(c().bbClose->x(), 564);
    EXPECT_EQ(c().bbPrint->x(), 496);
    EXPECT_EQ(c().bbZoomOut->x(), 11);
}

TEST_F(PreviewWindowTest, EachZoomButtonShowsItsViewAndIsTheOneDisabled)
{
    Open({100});
    EXPECT_EQ(view().Zoom(), 100);
    EXPECT_EQ(EnabledZoomButtons(), (std::vector<const TFlatButton *>{c().bbZoomOut, c().bbZoomW}));

    Click(c().bbZoomOut);
    EXPECT_EQ(view().Zoom(), FitPageZoom(view().viewport()->size(), sheetSize(), true).Zoom);
    EXPECT_EQ(EnabledZoomButtons(), (std::vector<const TFlatButton *>{c().bbZoomW, c().bbZoomIn}));
    // Fitted: centred both ways, no scrolling.
    const QSize fitted = SheetWidgetSize(sheetSize(), view().Zoom());
    EXPECT_EQ(view().Sheet()->geometry(),
              QRect(SheetWidgetOrigin(view().viewport()->size(), fitted), fitted));
    EXPECT_EQ(vertical().maximum(), 0);

    Click(c().bbZoomW);
    EXPECT_EQ(view().Zoom(), PageWidthZoom(view().viewport()->size(), sheetSize(), true).Zoom);
    EXPECT_EQ(EnabledZoomButtons(), (std::vector<const TFlatButton *>{c().bbZoomOut, c().bbZoomIn}));
    // Taller than the view: at the top, scrolled to 0.
    EXPECT_EQ(view().Sheet()->y(), 0);
    EXPECT_GT(vertical().maximum(), 0);

    Click(c().bbZoomIn);
    EXPECT_EQ(view().Zoom(), 100);
    EXPECT_EQ(view().Sheet()->size(), SheetWidgetSize(sheetSize(), 100));
    EXPECT_EQ(EnabledZoomButtons(), (std::vector<const TFlatButton *>{c().bbZoomOut, c().bbZoomW}));

    // The captions' accelerators work from the keyboard too.
    Key(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(view().ZoomMode(), TPreviewZoomMode::FitPage);
}

TEST_F(PreviewWindowTest, AResizeFitsAgainAfterZoomOutButKeepsZoomInAtAHundred)
{
    Open({100});
    Click(c().bbZoomOut);
    window->resize(632, 435);
    QApplication::processEvents();
    EXPECT_EQ(view().Zoom(), FitPageZoom(view().viewport()->size(), sheetSize(), true).Zoom);
    EXPECT_LT(view().Zoom(), 40);

    Click(c().bbZoomIn);
    window->resize(1000, 800);
    QApplication::processEvents();
    EXPECT_EQ(view().Zoom(), 100);
    EXPECT_EQ(view().Sheet()->x(), (view().viewport()->width() - view().Sheet()->width()) / 2);
}

struct KeyStep {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    int Page; // the page shown after the key
};

TEST_F(PreviewWindowTest, PagingKeysDoNothingOnAOnePageDocument)
{
    Open({100});
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End}) {
        Key(key);
        Key(key, Qt::ControlModifier);
    }
    EXPECT_EQ(view().PageNumber(), 1);
    EXPECT_EQ(c().m_pageLabel->text(), QStringLiteral("Page 1 of 1"));
    EXPECT_FALSE(c().bbNext->isEnabled());
    EXPECT_FALSE(c().bbPrev->isEnabled());
}

TEST_F(PreviewWindowTest, PagingKeysWalkATwoPageDocument)
{
    // A short sheet holds one rule per page.
    Open({50, 60}, FakePrinter::ShortSheet());
    ASSERT_EQ(printer->PageCount(), 2);
    EXPECT_TRUE(c().bbNext->isEnabled());
    const KeyStep steps[] = {
        {Qt::Key_PageUp, {}, 1},                    // Prev Page disabled
        {Qt::Key_PageDown, {}, 2},                  //
        {Qt::Key_PageDown, {}, 2},                  // Next Page now disabled
        {Qt::Key_Home, Qt::ShiftModifier, 1},       // Home with any modifiers
        {Qt::Key_End, {}, 2},                       //
        {Qt::Key_PageUp, Qt::ControlModifier, 1},   // to page 1
        {Qt::Key_PageDown, Qt::ShiftModifier, 2},   // a plain Page Down
        {Qt::Key_PageUp, Qt::AltModifier, 1},       // a plain Page Up
        {Qt::Key_PageDown, Qt::ControlModifier, 2}, // to the last page
    };
    for (const KeyStep &step : steps) {
        Key(step.Key, step.Modifiers);
        ASSERT_EQ(view().PageNumber(), step.Page) << "key " << step.Key;
        EXPECT_EQ(printer->CurrentPage(), step.Page);
        EXPECT_EQ(c().m_pageLabel->text(), QStringLiteral("Page %1 of 2").arg(step.Page));
        EXPECT_EQ(c().bbPrev->isEnabled(), step.Page == 2);
        EXPECT_EQ(c().bbNext->isEnabled(), step.Page == 1);
    }
}

// The hidden page buttons' letters page as the buttons would, within the same limits.
TEST_F(PreviewWindowTest, AltNAndAltVPageForwardAndBack)
{
    Open({50, 60}, FakePrinter::ShortSheet());
    ASSERT_EQ(printer->PageCount(), 2);
    const KeyStep steps[] = {{Qt::Key_V, Qt::AltModifier, 1},
                             {Qt::Key_N, Qt::AltModifier, 2},
                             {Qt::Key_N, Qt::AltModifier, 2},
                             {Qt::Key_V, Qt::AltModifier, 1}};
    for (const KeyStep &step : steps) {
        Key(step.Key, step.Modifiers);
        EXPECT_EQ(view().PageNumber(), step.Page) << "key " << step.Key;
        EXPECT_EQ(c().m_pageLabel->text(), QStringLiteral("Page %1 of 2").arg(step.Page));
    }
}

TEST_F(PreviewWindowTest, ThePageReadsAsADocumentNamedByItsPageAndHasTheFocusAtEachShowing)
{
    OpenTitled({QStringLiteral("First"), QStringLiteral("Second")});
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view().Sheet());
    EXPECT_EQ(page->role(), QAccessible::Document);
    EXPECT_EQ(page->text(QAccessible::Name), QStringLiteral("Page 1 of 2"));
    EXPECT_EQ(page->textInterface()->text(0, -1), QStringLiteral("First\nEnd"));
    EXPECT_TRUE(page->state().readOnly);
    EXPECT_EQ(QApplication::focusWidget(), view().Sheet());

    // Whatever had the focus when the window closed.
    c().bbNext->show();
    c().bbNext->setFocus();
    Key(Qt::Key_Escape);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), view().Sheet());
}

TEST_F(PreviewWindowTest, PagingRenamesThePageAndTellsAssistiveTechnology)
{
    AccessibleEvents events;
    OpenTitled({QStringLiteral("First"), QStringLiteral("Second")});
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view().Sheet());
    page->textInterface()->setCursorPosition(3);
    events.Clear();
    Key(Qt::Key_PageDown);
    EXPECT_EQ(page->text(QAccessible::Name), QStringLiteral("Page 2 of 2"));
    EXPECT_EQ(page->textInterface()->text(0, -1), QStringLiteral("Second\nEnd"));
    EXPECT_EQ(page->textInterface()->cursorPosition(), 0);
    EXPECT_EQ(events.Of(view().Sheet(), QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(events.Of(view().Sheet(), QAccessible::TextUpdated).size(), 1u);
    EXPECT_EQ(events.Notices(), QStringList(QStringLiteral("Page 2 of 2")));
}

// A screen reader reads the line the caret moved to; the view scrolls all the same.
TEST_F(PreviewWindowTest, ArrowKeysMoveTheReadersCaretALineOrACharacterAndScroll)
{
    AccessibleEvents events;
    OpenTitled({QStringLiteral("First")});
    window->resize(400, 300);
    QApplication::processEvents();
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(view().Sheet())->textInterface();
    events.Clear();
    Key(Qt::Key_Down);
    EXPECT_EQ(text->cursorPosition(), 6); // "First\nEnd"
    EXPECT_EQ(vertical().value(), 50);
    Key(Qt::Key_Right);
    EXPECT_EQ(text->cursorPosition(), 7);
    Key(Qt::Key_Up);
    EXPECT_EQ(text->cursorPosition(), 0);
    EXPECT_EQ(events.Of(view().Sheet(), QAccessible::TextCaretMoved).size(), 3u);
}

TEST_F(PreviewWindowTest, ARepeatPreviewIsReadFromTheTopOfItsNewDocument)
{
    AccessibleEvents events;
    OpenTitled({QStringLiteral("First")});
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view().Sheet());
    page->textInterface()->setCursorPosition(9);
    Key(Qt::Key_Escape);
    printer->DiscardPages();
    RecordTitledDocument(*printer, {QStringLiteral("Another")});
    events.Clear();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(page->textInterface()->cursorPosition(), 0);
    const std::vector<AccessibleEvents::Event> updates = events.Of(view().Sheet(), QAccessible::TextUpdated);
    ASSERT_FALSE(updates.empty());
    EXPECT_EQ(page->textInterface()->text(0, -1), QStringLiteral("Another\nEnd"));
}

// Each zoom button's view is said, and stays the sheet's description.
TEST_F(PreviewWindowTest, EachZoomViewIsSaidAndDescribesThePage)
{
    AccessibleEvents events;
    Open({100});
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(view().Sheet());
    EXPECT_EQ(page->text(QAccessible::Description), QStringLiteral("100 %"));
    const std::pair<TFlatButton *, QString> views[] = {{c().bbZoomOut, QStringLiteral("Whole page")},
                                                       {c().bbZoomW, QStringLiteral("Page width")},
                                                       {c().bbZoomIn, QStringLiteral("100 %")}};
    for (const auto &[button, text] : views) {
        events.Clear();
        Click(button);
        EXPECT_EQ(page->text(QAccessible::Description), text);
        EXPECT_EQ(events.Of(view().Sheet(), QAccessible::DescriptionChanged).size(), 1u)
            << text.toStdString();
        EXPECT_EQ(events.Notices(), QStringList(text));
    }
}

TEST_F(PreviewWindowTest, ArrowKeysScrollByFiftyPixelsWithinTheRange)
{
    Open({100});
    window->resize(400, 300);
    QApplication::processEvents();
    ASSERT_GT(horizontal().maximum(), 100);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(horizontal().value(), 100);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_EQ(horizontal().value(), 0);
    vertical().setValue(vertical().maximum() - 10);
    Key(Qt::Key_Down);
    EXPECT_EQ(vertical().value(), vertical().maximum());
    Key(Qt::Key_Up);
    EXPECT_EQ(vertical().value(), vertical().maximum() - 50);
    // The sheet moves with the scroll bars.
    EXPECT_EQ(view().Sheet()->pos(), QPoint(0, 50 - vertical().maximum()));
}

TEST_F(PreviewWindowTest, SheetIsWhitePaperWithOutlineShadowAndThePageInItsPrintableArea)
{
    // The Letter sheet's printable area starts 24 pixels in; a rule on the page's last row must end
    // up on the sheet's row 24 + 1008 - 1, not 24 pixels higher.
    Open({1007});
    const QImage sheet = view().Sheet()->grab().toImage();
    const int w = sheet.width();
    const int h = sheet.height();
    ASSERT_EQ(sheet.size(), QSize(816 + 4, 1056 + 4));
    EXPECT_EQ(DarkRows(sheet, w / 2), (std::vector<int>{0, 24 + 1007, h - 3, h - 2, h - 1}));
    EXPECT_EQ(sheet.pixelColor(w / 2, 10), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(w - 3, h / 2), QColor(Qt::black)); // outline
    EXPECT_EQ(sheet.pixelColor(w - 1, h / 2), QColor(Qt::black)); // shadow
    // The shadow starts 2 pixels down and 2 in; its corners show the page view's silver.
    EXPECT_EQ(sheet.pixelColor(w - 1, 1), QColor(clSilver));
    EXPECT_EQ(sheet.pixelColor(1, h - 1), QColor(clSilver));
}

TEST_F(PreviewWindowTest, TheAreaAroundTheSheetIsSilverLikeTheWindowInASunkenEdge)
{
    Open({100});
    Click(c().bbZoomOut);
    const QRect sheet = view().Sheet()->geometry();
    ASSERT_GT(sheet.left(), 2) << "the fitted sheet leaves room at its left";
    const QImage area = view().viewport()->grab().toImage();
    EXPECT_EQ(area.pixelColor(sheet.left() / 2, sheet.center().y()), QColor(clSilver));
    const QImage edge = view().grab().toImage();
    const int right = edge.width() - 1;
    const int bottom = edge.height() - 1;
    EXPECT_EQ(
        (std::vector<QColor>{edge.pixelColor(0, 5), edge.pixelColor(1, 5), edge.pixelColor(right - 1, 5),
                             edge.pixelColor(right, 5)}),
        (std::vector<QColor>{Classic::Shadow, Classic::DarkShadow3D, Classic::Light3D, Classic::Highlight}));
    EXPECT_EQ(edge.pixelColor(5, bottom), QColor(Classic::Highlight));
}

TEST_F(PreviewWindowTest, TheScrollBarsAreClassicOnesInTheEdgesColours)
{
    Open({100});
    ASSERT_TRUE(vertical().isVisible()) << "the sheet at 100 % is taller than the view";
    const QImage bar = vertical().grab().toImage();
    const int side = bar.width() - 1;
    // The up-arrow button stands raised in the classic colours, its outer light edge the face's own.
    EXPECT_EQ((std::vector<QColor>{bar.pixelColor(0, 0), bar.pixelColor(1, 1), bar.pixelColor(side, side),
                                   bar.pixelColor(side - 1, side - 1), bar.pixelColor(3, side - 3)}),
              (std::vector<QColor>{Classic::Light3D, Classic::Highlight, Classic::DarkShadow3D,
                                   Classic::Shadow, Classic::Face}));
    // Below the thumb the track is a checker of white and silver.
    const int y = bar.height() - side - 4;
    EXPECT_EQ((std::vector<QColor>{bar.pixelColor(5, y), bar.pixelColor(6, y)}),
              (std::vector<QColor>{bar.pixelColor(6, y + 1), bar.pixelColor(5, y + 1)}));
    EXPECT_NE(bar.pixelColor(5, y), bar.pixelColor(6, y));
}

TEST_F(PreviewWindowTest, EscapeClosesAndTheNextShowingStartsOnPageOneAtTheTop)
{
    Open({50, 60}, FakePrinter::ShortSheet());
    Key(Qt::Key_End);
    Click(c().bbZoomW);
    vertical().setValue(100);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(view().PageNumber(), 1);
    EXPECT_EQ(printer->CurrentPage(), 1);
    EXPECT_FALSE(c().bbPrev->isEnabled());
    EXPECT_EQ(vertical().value(), 0);
}

TEST_F(PreviewWindowTest, PrintPrintsOnceAndCloses)
{
    Open({100});
    Click(c().bbPrint);
    EXPECT_EQ(fake->JobsStarted, 1);
    EXPECT_TRUE(fake->Finished);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PreviewWindowTest, ATagAboveOnePrintsThatManyCopiesAndIsLeftAtOne)
{
    Open({100});
    window->SetTag(3);
    Click(c().bbPrint);
    EXPECT_EQ(fake->JobsStarted, 3);
    EXPECT_EQ(window->Tag(), 1);
}

TEST_F(PreviewWindowTest, AFailedPrintIsReportedAndTheWindowStaysOpen)
{
    Open({100});
    fake->FailJob = true;
    QString reported;
    SetFailureHandler([&](const std::exception &failure) { reported = QString::fromUtf8(failure.what()); });
    Click(c().bbPrint);
    EXPECT_FALSE(reported.isEmpty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(PreviewWindowTest, WithoutAPrinterPrintOffersAPdfFileAndTheWindowStaysOpen)
{
    Open({100}, std::nullopt);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    const PdfFileAsker before = SetPdfFileAsker([&](QWidget *, const QString &) { return pdf; });
    QString boxText;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxText = box->text();
        box->buttons().at(0)->click(); // Save as PDF...
    });
    Click(c().bbPrint);
    SetPdfFileAsker(before);
    EXPECT_TRUE(boxText.startsWith(QStringLiteral("No printer is installed.")));
    EXPECT_EQ(fake->JobsStarted, 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(PreviewWindowTest, CtrlSSavesThePagesAsAPdfFileWhereTheDialogSays)
{
    Open({50, 60}, FakePrinter::ShortSheet());
    printer->SetPreviewTitle(QStringLiteral("Preview of Payment Schedule"));
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("chart.pdf"));
    QStringList answers{QString(), saved, QString()}; // cancelled, saved, cancelled
    QStringList offered;
    const PdfFileAsker before = SetPdfFileAsker([&](QWidget *, const QString &suggested) {
        offered << suggested;
        return answers.takeFirst();
    });
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_S, Qt::ControlModifier);
    SetPdfFileAsker(before);
    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(QFileInfo(offered[0]).fileName().toStdString(), "Payment Schedule.pdf");
    // Once saved, in the folder saved to.
    EXPECT_EQ(offered[2].toStdString(),
              folder.filePath(QStringLiteral("Payment Schedule.pdf")).toStdString());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("chart.pdf")});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r") + content.count("/Type /Page "),
              2);
    EXPECT_TRUE(window->isVisible());
}

// A file that cannot be written is said in a message box over the window, which stays open: after
// Ctrl+S and after the offer to save instead of printing.
TEST_F(PreviewWindowTest, AFileThatCannotBeWrittenIsSaidAndTheWindowStaysOpen)
{
    Open({100}, std::nullopt);
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("gone"));
    const PdfFileAsker before =
        SetPdfFileAsker([&](QWidget *, const QString &) { return missing + QStringLiteral("/chart.pdf"); });
    QStringList reported;
    SetFailureHandler([&](const std::exception &failure) { reported << QString::fromUtf8(failure.what()); });
    QStringList boxes;
    QTimer answerer; // each box is answered with its first button: Save as PDF..., OK
    answerer.callOnTimeout([&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->buttons().at(0)->click();
        }
    });
    answerer.start(10);
    const QString said = QStringLiteral("The folder \"%1\" does not exist.").arg(missing);

    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(boxes.join(QLatin1Char('|')).toStdString(), said.toStdString());
    Click(c().bbPrint);
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes.last().toStdString(), said.toStdString());
    SetPdfFileAsker(before);
    EXPECT_EQ(reported, QStringList());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(missing));
}
} // namespace
