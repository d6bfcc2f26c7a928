#include "report/preview/FmPreview.h"

#include "controls/BevelPanel.h"
#include "controls/common/Announcer.h"
#include "controls/common/BuiltInPicture.h"
#include "controls/common/FailureGuard.h"
#include "controls/common/WindowLook.h"
#include "controls/flatbutton/FlatButton.h"
#include "design/ColorNames.h"
#include "design/DesignFont.h"
#include "report/preview/NotPrintedBox.h"
#include "report/preview/PdfFileDialog.h"
#include "report/preview/PreviewGeometry.h"
#include "report/preview/RPCustomPreview.h"
#include "report/preview/RPPreview.h"
#include "report/preview/SaveFileDialog.h"
#include "report/printer/PrinterError.h"
#include "report/printer/ReportPrinter.h"
#include "resources/Pictures.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {
// Rows of the window that one step of PrepareFirstShowing draws.
constexpr int PreparedBandHeight = 256;
// Distances of Close's and Print's left edges from the button bar's right end: 76 and 144 from the
// outer edge of a window with a 4-pixel sizing frame each side. So at the window's first width (632)
// Close stands at 564 and Print at 496, two pixels clear of Close.
constexpr int CloseFromRight = 68;
constexpr int PrintFromRight = 136;

TFlatButton *BarButton(QWidget *panel, const QRect &geometry, const QString &caption, const QString &glyph,
                       TFlatButtonOptions options)
{
    auto *button = new TFlatButton(panel);
    button->setGeometry(geometry);
    button->SetCaption(caption);
    button->SetBitmap(BuiltInPicture(glyph));
    button->SetLayout(TFlatButtonLayout::blBitmapLeft);
    button->SetOptions(options);
    button->setFont(Arial(TFontSize::Pt9));
    button->SetFontColor(clBlack);
    button->setAccessibleName(StripAcceleratorMarks(caption).trimmed());
    return button;
}

// A page button, hidden: paging is by keyboard only, and its Enabled flag gates the keys.
QPushButton *PageButton(QWidget *panel, const QRect &geometry, const QString &caption)
{
    auto *button = new QPushButton(caption, panel);
    button->setGeometry(geometry);
    button->setFont(Arial(TFontSize::Pt9));
    button->setAutoDefault(false);
    button->hide();
    return button;
}

// A page button takes the focus only when it can: shown and enabled.
void FocusIfAble(QWidget *widget)
{
    if (widget->isVisible() && widget->isEnabled())
        widget->setFocus();
}

// The hourglass from construction to destruction, also when a failure passes through.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Runs a command that may write a file. A file that could not be written is said in a message box over
// the window, which stays open; every other failure passes on.
template <class Command> void SayingFileFailures(QWidget *window, Command command)
{
    QString why;
    try {
        command();
    } catch (const FileWriteError &failure) {
        why = QString::fromUtf8(failure.what());
    }
    if (why.isEmpty())
        return;
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), why, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
} // namespace

TFmPreview::TFmPreview(TRPPrinter &printer, QWidget *parent)
    : QDialog(parent), m_printer(printer), m_announcer(new TAnnouncer(*this))
{
    TFmPreviewControls &c = m_controls;
    setWindowTitle(QStringLiteral("Print Preview"));
    // System menu and close box, no minimise or maximise box; the border stays resizable.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    resize(632, 435);
    SetBackground(*this, clSilver);
    // The button bar and the page view cover the window whole: filling it first would paint every
    // pixel twice.
    setAttribute(Qt::WA_NoSystemBackground);
    setFont(Arial(TFontSize::Pt9));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    c.m_toolbar = new TBevelPanel(this);
    c.m_toolbar->SetColor(clSilver);
    c.m_toolbar->setFixedHeight(30);
    c.m_toolbar->SetAccessibleRole(QAccessible::ToolBar);
    c.m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    layout->addWidget(c.m_toolbar);

    QWidget *panel = c.m_toolbar;
    c.m_pageLabel = new QLabel(QStringLiteral("Page 1 of 1"), panel);
    c.m_pageLabel->setGeometry(370, 5, 112, 15);
    c.m_pageLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    c.m_pageLabel->setFont(Arial(TFontSize::Pt9));
    SetPaletteColour(*c.m_pageLabel, QPalette::WindowText, clBlack);
    c.m_pageLabel->hide();

    const TFlatButtonOptions zoomOptions = TFlatButtonOption::boPopupMark | TFlatButtonOption::boShowBevel;
    c.bbZoomOut =
        BarButton(panel, {11, 3, 93, 24}, QStringLiteral(" Zoom &Out"), ZoomOutGlyph(), zoomOptions);
    c.bbZoomIn = BarButton(panel, {197, 3, 93, 24}, QStringLiteral(" Zoom &In"), ZoomInGlyph(), zoomOptions);
    c.bbZoomW =
        BarButton(panel, {104, 3, 93, 24}, QStringLiteral(" Page &Width"), PageWidthGlyph(), zoomOptions);
    c.bbPrint = BarButton(panel, {497, 3, 66, 24}, QStringLiteral(" Prin&t"), PrintGlyph(), zoomOptions);
    c.bbClose = BarButton(panel, {564, 3, 66, 24}, QStringLiteral(" &Close"), ExitGlyph(),
                          TFlatButtonOption::boShowBevel);
    c.bbPrev = PageButton(panel, {281, 3, 66, 24}, QStringLiteral("Pre&v Page"));
    c.bbNext = PageButton(panel, {348, 3, 66, 24}, QStringLiteral("&Next Page"));

    c.RPPreview1 = new TRPPreview(printer, this);
    c.RPPreview1->setFont(Arial(TFontSize::Pt12));
    c.RPPreview1->SetPageNumber(1);
    c.RPPreview1->SetZoom(100);
    layout->addWidget(c.RPPreview1);
    UpdatePaging();

    BindHandlers();
}

void TFmPreview::BindHandlers()
{
    TFmPreviewControls &c = m_controls;
    // The flat buttons raise their notifications guarded themselves.
    c.bbZoomOut->OnClick = [this](QObject *sender) { bbZoomOutClick(sender); };
    c.bbZoomIn->OnClick = [this](QObject *sender) { bbZoomInClick(sender); };
    c.bbZoomW->OnClick = [this](QObject *sender) { bbZoomWClick(sender); };
    c.bbPrint->OnClick = [this](QObject *sender) { SayingFileFailures(this, [&] { bbPrintClick(sender); }); };
    c.bbClose->OnClick = [this](QObject *sender) { bbCloseClick(sender); };
    const auto bindButton = [this](QPushButton *button, void (TFmPreview::*handler)(QObject *)) {
        connect(button, &QPushButton::clicked, this,
                [this, button, handler] { RunGuarded([&] { (this->*handler)(button); }); });
        // A hidden button's own Alt letter does nothing; the window takes it, gated by the button's
        // Enabled flag as the paging keys are.
        auto *mnemonic = new QShortcut(QKeySequence::mnemonic(button->text()), this);
        connect(mnemonic, &QShortcut::activated, this, [this, button, handler] {
            RunGuarded([&] {
                if (button->isEnabled())
                    (this->*handler)(button);
            });
        });
    };
    bindButton(c.bbPrev, &TFmPreview::bbPrevClick);
    bindButton(c.bbNext, &TFmPreview::bbNextClick);
    auto *save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this,
            [this] { RunGuarded([this] { SayingFileFailures(this, [this] { SaveAsPdf(this); }); }); });
}

void TFmPreview::FormShow(QObject *)
{
    TFmPreviewControls &c = m_controls;
    c.RPPreview1->SetZoom(100);
    // The document is new, also on a page 1 that the last showing left: a screen reader reads it from
    // its top.
    c.RPPreview1->Sheet()->ShowCurrentPage();
    c.m_pageLabel->setText(QStringLiteral("Page 1 of %1").arg(m_printer.PageCount()));
    UpdatePaging();
    EnableZoomButtons(c.bbZoomIn);
}

void TFmPreview::FormActivate(QObject *)
{
    TakeWorkArea();
}

void TFmPreview::TakeWorkArea()
{
    if (windowState().testFlag(Qt::WindowMaximized))
        return;
    // The work area as the window manager or compositor maximises a window, in device pixels, so exact
    // at any scale factor; the frame set first is that area for a desktop without either.
    SetFrameGeometry(*this, AvailableArea(*this));
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TFmPreview::FormClose(QObject *)
{
    TFmPreviewControls &c = m_controls;
    c.RPPreview1->SetPageNumber(1);
    UpdatePaging();
    c.RPPreview1->horizontalScrollBar()->setValue(0);
    c.RPPreview1->verticalScrollBar()->setValue(0);
}

// The rows are tested in this order:
//   Ctrl+Page Down (Ctrl alone) or End (any modifiers), Next Page enabled: to the last page;
//   Ctrl+Page Up (Ctrl alone) or Home (any modifiers), Prev Page enabled: to page 1;
//   Page Down (any other modifiers), Next Page enabled: as Next Page;
//   Page Up (any other modifiers), Prev Page enabled: as Prev Page.
bool TFmPreview::FormKeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift)
{
    TFmPreviewControls &c = m_controls;
    const bool ctrlAlone = (shift & ~Qt::KeypadModifier) == Qt::ControlModifier;
    const int pageCount = m_printer.PageCount();
    if (((key == Qt::Key_PageDown && ctrlAlone) || key == Qt::Key_End) && c.bbNext->isEnabled()) {
        c.RPPreview1->SetPageNumber(pageCount);
        ShowPageLabel();
        UpdatePaging();
        FocusIfAble(c.bbPrev);
        return true;
    }
    if (((key == Qt::Key_PageUp && ctrlAlone) || key == Qt::Key_Home) && c.bbPrev->isEnabled()) {
        c.RPPreview1->SetPageNumber(1);
        ShowPageLabel();
        UpdatePaging();
        FocusIfAble(c.bbNext);
        return true;
    }
    if (key == Qt::Key_PageDown && c.bbNext->isEnabled()) {
        bbNextClick(sender);
        return true;
    }
    if (key == Qt::Key_PageUp && c.bbPrev->isEnabled()) {
        bbPrevClick(sender);
        return true;
    }
    return false;
}

void TFmPreview::bbZoomOutClick(QObject *)
{
    m_controls.RPPreview1->ZoomToFitPage();
    ZoomViewShown(m_controls.bbZoomOut);
}

void TFmPreview::bbZoomWClick(QObject *)
{
    m_controls.RPPreview1->ZoomToPageWidth();
    ZoomViewShown(m_controls.bbZoomW);
}

void TFmPreview::bbZoomInClick(QObject *)
{
    m_controls.RPPreview1->SetZoom(100);
    ZoomViewShown(m_controls.bbZoomIn);
}

void TFmPreview::EnableZoomButtons(TFlatButton *shownView)
{
    for (TFlatButton *button : {m_controls.bbZoomOut, m_controls.bbZoomW, m_controls.bbZoomIn})
        button->SetEnabled(button != shownView);
}

void TFmPreview::ZoomViewShown(TFlatButton *shownView)
{
    EnableZoomButtons(shownView);
    const TRPPreview &view = *m_controls.RPPreview1;
    m_announcer->Say(ZoomViewText({view.Zoom(), view.ZoomMode()}));
}

void TFmPreview::bbNextClick(QObject *)
{
    TFmPreviewControls &c = m_controls;
    if (c.RPPreview1->PageNumber() < m_printer.PageCount())
        c.RPPreview1->SetPageNumber(c.RPPreview1->PageNumber() + 1);
    ShowPageLabel();
    UpdatePaging();
    if (!c.bbNext->isEnabled())
        FocusIfAble(c.bbPrev);
}

void TFmPreview::bbPrevClick(QObject *)
{
    TFmPreviewControls &c = m_controls;
    if (c.RPPreview1->PageNumber() > 1)
        c.RPPreview1->SetPageNumber(c.RPPreview1->PageNumber() - 1);
    ShowPageLabel();
    UpdatePaging();
    if (!c.bbPrev->isEnabled())
        FocusIfAble(c.bbNext);
}

void TFmPreview::UpdatePaging()
{
    const int page = m_controls.RPPreview1->PageNumber();
    m_controls.bbPrev->setEnabled(page > 1);
    m_controls.bbNext->setEnabled(page < m_printer.PageCount());
}

void TFmPreview::ShowPageLabel()
{
    m_controls.m_pageLabel->setText(
        QStringLiteral("Page %1 of %2").arg(m_controls.RPPreview1->PageNumber()).arg(m_printer.PageCount()));
    m_announcer->Say(m_controls.m_pageLabel->text());
}

void TFmPreview::bbPrintClick(QObject *sender)
{
    std::optional<PrinterStatus> status;
    {
        const BusyCursor busy;
        status = m_printer.PrintDocument();
        for (; m_tag > 1 && status && TakesJobs(*status); --m_tag)
            status = m_printer.PrintDocument();
        m_tag = 1;
    }
    if (!status || status->Condition == TPrinterCondition::Ready) {
        close();
        return;
    }
    if (status->Condition == TPrinterCondition::Cancelled)
        return; // the user stopped waiting: nothing to say
    if (OfferPdf(this, NotPrintedText(*status), status->Condition == TPrinterCondition::Paused))
        SaveAsPdf(sender);
}

void TFmPreview::bbCloseClick(QObject *)
{
    close();
}

void TFmPreview::SaveAsPdf(QObject *)
{
    const QString fileName =
        AskPdfFileName(this, QDir::home().filePath(PdfFileNameForTitle(m_printer.PdfTitle())));
    if (fileName.isEmpty())
        return;
    const BusyCursor busy;
    m_printer.WritePdf(fileName);
    SetLastSaveFolder(QFileInfo(fileName).path());
}

bool TFmPreview::PrepareFirstShowing()
{
    if (isVisible())
        return false;
    if (m_preparedRows < 0) {
        TakeWorkArea();
        winId(); // creates the native window
        m_preparedRows = 0;
        return true;
    }
    QBackingStore *store = backingStore();
    if (store == nullptr || m_preparedRows >= height())
        return false;
    if (store->size() != size())
        store->resize(size());
    const QRect band(0, m_preparedRows, width(), std::min(PreparedBandHeight, height() - m_preparedRows));
    store->beginPaint(band);
    render(store->paintDevice(), band.topLeft(), band);
    store->endPaint();
    m_preparedRows += band.height();
    return m_preparedRows < height();
}

void TFmPreview::done(int result)
{
    RunGuarded([this] { FormClose(this); });
    QDialog::done(result);
}

bool TFmPreview::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        RunGuarded([this] { FormActivate(this); });
    return QDialog::event(event);
}

void TFmPreview::showEvent(QShowEvent *event)
{
    // The page has the focus, so that a screen reader reads it.
    m_controls.RPPreview1->setFocus(Qt::ActiveWindowFocusReason);
    RunGuarded([this] {
        FormShow(this);
        // Before it appears, so that it never shows at its design size first.
        TakeWorkArea();
    });
    QDialog::showEvent(event);
    // A modal window that has just opened is the one the user works in, with or without a window
    // manager to say so.
    activateWindow();
}

void TFmPreview::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    // An accepted close destroys the native window, and with it the buffer, which the next showing
    // would have to make and fill anew; hidden, the window is closed all the same.
    if (event->isAccepted() && !isVisible())
        event->ignore();
}

void TFmPreview::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    PlaceRightEndButtons();
}

void TFmPreview::PlaceRightEndButtons()
{
    // The bar spans the client area, less the frame where the window draws its own.
    const int barWidth = m_controls.m_toolbar->width();
    m_controls.bbClose->move(barWidth - CloseFromRight, m_controls.bbClose->y());
    m_controls.bbPrint->move(barWidth - PrintFromRight, m_controls.bbPrint->y());
}

void TFmPreview::keyPressEvent(QKeyEvent *event)
{
    bool taken = false;
    RunGuarded(
        [&] { taken = FormKeyDown(this, event->key(), event->modifiers()) || ScrollByArrow(event->key()); });
    if (!taken)
        QDialog::keyPressEvent(event);
}

bool TFmPreview::ScrollByArrow(int key)
{
    QScrollBar *horizontal = m_controls.RPPreview1->horizontalScrollBar();
    QScrollBar *vertical = m_controls.RPPreview1->verticalScrollBar();
    switch (key) {
    case Qt::Key_Left:
        horizontal->setValue(horizontal->value() - PreviewScrollStep);
        return true;
    case Qt::Key_Right:
        horizontal->setValue(horizontal->value() + PreviewScrollStep);
        return true;
    case Qt::Key_Up:
        vertical->setValue(vertical->value() - PreviewScrollStep);
        return true;
    case Qt::Key_Down:
        vertical->setValue(vertical->value() + PreviewScrollStep);
        return true;
    default:
        return false;
    }
}
