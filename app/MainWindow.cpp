#include "app/MainWindow.h"

#include "about/AboutBox.h"
#include "app/ChartCopy.h"
#include "app/HintStyle.h"
#include "app/InformationBox.h"
#include "app/ModalWindow.h"
#include "app/PaymentChartGrid.h"
#include "app/ReportPrinting.h"
#include "app/WindowParts.h"
#include "app/schedule/ScheduleWindow.h"
#include "calc/Errors.h"
#include "calc/Schedule.h"
#include "calc/ScheduleCsv.h"
#include "controls/common/Accessibility.h"
#include "controls/common/Announcer.h"
#include "controls/common/FailureGuard.h"
#include "controls/common/WindowLook.h"
#include "report/chart/PaymentChartReport.h"
#include "report/preview/FmPreview.h"
#include "report/printer/ReportPrinter.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <memory>

TfrmMain::TfrmMain(const LocaleValues &locale, ReportPrinting &printing, QWidget *parent)
    : QWidget(parent), m_locale(locale), m_printing(printing),
      m_controls(LoadMainWindowLayout(*this, locale)), m_lastChart(InitialPaymentChart()),
      m_announcer(new TAnnouncer(*this))
{
    InstallAccessibleInterface<TfrmMain, TWindowAccessible>();
    BindHandlers();
    FormCreate(this);
}

TfrmMain::~TfrmMain()
{
    SetFailureHandler({});
}

void TfrmMain::BindHandlers()
{
    const auto bindAction = [this](QAction *action, void (TfrmMain::*handler)(QObject *)) {
        connect(action, &QAction::triggered, this,
                [this, action, handler] { RunGuarded([&] { (this->*handler)(action); }); });
    };
    bindAction(m_controls.mnuPopPrint, &TfrmMain::btnPrintClick);
    bindAction(m_controls.mnuPopSchedule, &TfrmMain::mnuPopScheduleClick);
    bindAction(m_controls.mnuPopSaveAs, &TfrmMain::mnuPopSaveAsClick);
    bindAction(m_controls.mnuPopAbout, &TfrmMain::btnHelpClick);
    bindAction(m_controls.mnuPopWebSite, &TfrmMain::mnuPopWebSiteClick);
    bindAction(m_controls.mnuPopExit, &TfrmMain::btnExitClick);
    // The buttons and the label raise their notifications guarded themselves.
    m_controls.btnExit->OnClick = [this](QObject *sender) { btnExitClick(sender); };
    m_controls.btnHelp->OnClick = [this](QObject *sender) { btnHelpClick(sender); };
    m_controls.btnPrint->OnClick = [this](QObject *sender) { btnPrintClick(sender); };
    m_controls.m_makerNameLink->OnClick = [this](QObject *sender) { btnHelpClick(sender); };
    // The fields, step groups and grid raise their notifications guarded themselves.
    const auto rebuild = [this](QObject *sender) { CalculatePaymentTable(sender); };
    m_controls.rgInterest->OnClick = rebuild;
    m_controls.rgLoan->OnClick = rebuild;
    m_controls.edtLoan->OnExit = rebuild;
    m_controls.edtTerm->OnExit = rebuild;
    m_controls.edtInterest->OnExit = rebuild;
    m_controls.grdPayment->OnClick = [this](QObject *sender, TClickCause cause) {
        grdPaymentClick(sender, cause);
    };
    m_controls.edtTerm->OnInvalidEntry = [this](QObject *sender) { edtTermInvalidEntry(sender); };

    GuardedShortcut(m_controls.grdPayment, QKeySequence::keyBindings(QKeySequence::Copy), Qt::WidgetShortcut,
                    [this](QObject *) { CopyChart(); });
    m_controls.grdPayment->OnDblClick = [this](QObject *sender, int col, int row) {
        grdPaymentDblClick(sender, col, row);
    };
    GuardedShortcut(m_controls.grdPayment, {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                    Qt::WidgetShortcut, [this](QObject *sender) { grdPaymentReturn(sender); });
    GuardedShortcut(this, {QKeySequence(Qt::Key_F6), QKeySequence(Qt::ShiftModifier | Qt::Key_F6)},
                    Qt::WindowShortcut, [this](QObject *sender) { SwitchPane(sender); });
    GuardedShortcut(this, {QKeySequence(Qt::ShiftModifier | Qt::Key_F10)}, Qt::WindowShortcut,
                    [this](QObject *sender) { OpenContextMenu(sender); });
}

void TfrmMain::FormCreate(QObject *)
{
    HighlightEnteredCell(*m_controls.grdPayment);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            RunGuarded([this] { ApplicationActivate(qApp); });
    });
    SetFailureHandler([this](const std::exception &failure) { AppOnException(qApp, failure); });
    SetHintDelayZero();
    for (int column = 0; column < PaymentChart::ColumnCount; ++column)
        m_controls.grdPayment->SetColWidths(column, PaymentChartColumnWidth);
    ShowChart(InitialPaymentChart());
    m_numLock.SwitchOn();
}

void TfrmMain::FormActivate(QObject *)
{
    m_controls.edtLoan->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::ApplicationActivate(QObject *)
{
    // The active window is the main window or a modal window open over it.
    if (QWidget *active = QApplication::activeWindow())
        active->raise();
}

void TfrmMain::AppOnException(QObject *, const std::exception &failure)
{
    ShowInformationBox(QString::fromLatin1(FailureMessage(failure)));
}

void TfrmMain::btnHelpClick(QObject *)
{
    const QRect outer = frameGeometry();
    repaint(); // fully drawn before the modal box opens over it
    // One box per showing, destroyed when it closes, also when showing it fails.
    const auto aboutBox = std::make_unique<TAboutBox>(this);
    aboutBox->PlaceCentredOver(outer);
    ExecModal(*aboutBox);
}

void TfrmMain::btnExitClick(QObject *)
{
    close();
}

void TfrmMain::btnPrintClick(QObject *)
{
    TRPPrinter &reportPrinter = m_printing.ReportPrinter();
    reportPrinter.SetPreviewTitle(QStringLiteral("Preview of Mortgage Payment Chart"));
    reportPrinter.SetProgressTitle(QStringLiteral("Preparing Mortgage Payment Chart"));
    if (!m_rpPaymentChart)
        m_rpPaymentChart = std::make_unique<TRPPaymentChart>(*this, reportPrinter);
    m_printing.PreviewReport(m_rpPaymentChart->Rep(), [this] { MyPreview(); });
}

void TfrmMain::MyPreview()
{
    m_printing.ShowPreview(*this);
}

void TfrmMain::edtTermInvalidEntry(QObject *)
{
    // Bound, but never raised while the term field's range stays open (both bounds 0).
    ShowInformationBox(QStringLiteral("The number of years must be between 1 and %1.").arg(MaximumTermYears));
    m_controls.edtTerm->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::CalculatePaymentTable(QObject *)
{
    try {
        RebuildChart();
    } catch (...) {
        m_rebuiltEntries = Entries(); // a key in the chart does not run into the same failure again
        throw;
    }
    m_rebuiltEntries = Entries(); // read after the rebuild, which may have corrected the years
}

void TfrmMain::RebuildChart()
{
    const ChartInputs inputs = ReadChartInputs(*this);
    PaymentChart chart = m_shownChart;
    try {
        BuildPaymentChart(inputs, m_locale, chart);
    } catch (...) {
        ShowChart(chart); // the cells written before the failure
        throw;
    }
    ShowChart(chart);
    HighlightEnteredCell(*m_controls.grdPayment);
    EnableChartCommands();
    const bool changed = !(chart == m_lastChart);
    m_lastChart = std::move(chart);
    if (changed)
        m_announcer->Say(EnteredCellAnnouncement(m_lastChart));
}

void TfrmMain::grdPaymentClick(QObject *sender, TClickCause cause)
{
    if (cause == TClickCause::Mouse || m_rebuiltEntries != Entries())
        CalculatePaymentTable(sender);
}

void TfrmMain::grdPaymentDblClick(QObject *, int col, int row)
{
    if (col >= 1 && row >= 1)
        ShowPaymentSchedule(col, row);
}

void TfrmMain::grdPaymentReturn(QObject *)
{
    ShowPaymentSchedule(m_controls.grdPayment->Col(), m_controls.grdPayment->Row());
}

void TfrmMain::mnuPopScheduleClick(QObject *)
{
    ShowPaymentSchedule(PaymentChart::EnteredColumn, PaymentChart::EnteredRow);
}

void TfrmMain::mnuPopSaveAsClick(QObject *)
{
    SaveCsvFileAs(this, QStringLiteral("Payment Chart.csv"), [this] { return ChartCsv(m_lastChart); });
}

void TfrmMain::mnuPopWebSiteClick(QObject *)
{
    m_controls.m_webAddressLink->Click();
}

void TfrmMain::OpenContextMenu(QObject *)
{
    QWidget *target = QApplication::focusWidget();
    if (!target || target->window() != this)
        target = this;
    // Where the context-menu key would open it: at the caret of a field, else in the control's middle.
    const QRect caret = target->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint position = caret.isValid() ? caret.center() : target->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, position, target->mapToGlobal(position));
    QApplication::sendEvent(target, &event);
}

// With two panes, forwards and backwards lead to the same place.
void TfrmMain::SwitchPane(QObject *)
{
    if (ChartHasFocus()) {
        QWidget *input = m_inputFocus ? m_inputFocus.data() : m_controls.edtLoan;
        input->setFocus(Qt::OtherFocusReason);
        return;
    }
    QWidget *focus = QApplication::focusWidget();
    if (focus && m_controls.m_inputPanel->isAncestorOf(focus))
        m_inputFocus = focus;
    m_controls.grdPayment->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::ShowPaymentSchedule(int column, int row)
{
    PaymentSchedule schedule;
    try {
        // After a rebuild cut off by a failure the grid mixes new headings with older payments.
        if (!(m_shownChart == m_lastChart))
            throw ScheduleRefused(ScheduleRefusal::ChartCutOff);
        schedule = ScheduleOfCell(m_lastChart, column, row);
    } catch (const ScheduleRefused &refused) {
        ShowInformationBox(QString::fromUtf8(refused.what()));
        return;
    }
    auto *window = new TfrmSchedule(std::move(schedule), m_locale, m_printing, this);
    // Beside the chart, never over it; each further window a step down, so that none hides the one before.
    PlaceBeside(*window, *this,
                static_cast<int>(findChildren<TfrmSchedule *>(Qt::FindDirectChildrenOnly).size()) - 1);
    window->show();
    // Its keys (Escape, Ctrl+C, Ctrl+P) must reach it, also where no window manager activates it.
    window->activateWindow();
}

double TfrmMain::ReadLoanValue()
{
    return m_controls.edtLoan->Value();
}

double TfrmMain::ReadYearsValue()
{
    return m_controls.edtTerm->Value();
}

void TfrmMain::WriteYearsValue(double years)
{
    m_controls.edtTerm->SetValue(years);
}

double TfrmMain::ReadRateValue()
{
    return m_controls.edtInterest->Value();
}

int TfrmMain::ReadLoanStepIndex()
{
    return m_controls.rgLoan->ItemIndex();
}

int TfrmMain::ReadRateStepIndex()
{
    return m_controls.rgInterest->ItemIndex();
}

void TfrmMain::ShowInformation(const std::string &message)
{
    ShowInformationBox(QString::fromStdString(message));
}

TfrmMain::ChartEntries TfrmMain::Entries() const
{
    return {m_controls.edtLoan->text(), m_controls.edtTerm->text(), m_controls.edtInterest->text(),
            m_controls.rgLoan->ItemIndex(), m_controls.rgInterest->ItemIndex()};
}

void TfrmMain::ShowChart(const PaymentChart &chart)
{
    m_shownChart = chart;
    ShowChartTexts(*m_controls.grdPayment, chart);
}

void TfrmMain::EnableChartCommands()
{
    m_controls.btnPrint->SetEnabled(true);
    m_controls.mnuPopPrint->setEnabled(true);
    m_controls.mnuPopSchedule->setEnabled(true);
    m_controls.mnuPopSaveAs->setEnabled(true);
}

void TfrmMain::CopyChart()
{
    QGuiApplication::clipboard()->setText(ChartAsTabSeparatedText(m_lastChart));
}

bool TfrmMain::ChartHasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == m_controls.grdPayment || m_controls.grdPayment->isAncestorOf(focus));
}

bool TfrmMain::event(QEvent *event)
{
    // Activation from no window of the program: in practice once, when the window first gets the
    // focus; returning from a modal window does not count.
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        RunGuarded([this] { FormActivate(this); });
    }
    return QWidget::event(event);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent *event)
{
    // Controls without a menu of their own leave the event to their parents, so a right click
    // anywhere on the window, its panels, labels, logo, radio groups or grid ends up here.
    m_controls.mnuPop->popup(event->globalPos());
}
