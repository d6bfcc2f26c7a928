#pragma once

#include "app/MainWindowLayout.h"
#include "app/NumLock.h"
#include "calc/Chart.h"
#include "report/chart/PaymentChartReport.h"
#include "report/chart/PrintedChartHost.h"

#include <QPointer>
#include <QWidget>
#include <exception>
#include <memory>
#include <optional>

class ReportPrinting;
class TAnnouncer;
class TRPPaymentChart;

// The main window: the chart inputs, the chart and the toolbar. Closing it ends the program.
// It is the chart builder's host: the builder reads the fields and step groups through it, and the
// window shows the chart the builder made in its grid. Print Preview prints its last completed chart.
// Every handler runs guarded: a failure in it goes to the application's failure handler, which
// FormCreate makes AppOnException.
class TfrmMain : public QWidget, public ChartHost, public PrintedChartHost {
    Q_OBJECT
public:
    // Lays the window out (LoadMainWindowLayout), binds the handlers and runs FormCreate. The chart's
    // texts and the entry fields follow `locale`. `printing` (the report printer and the preview window,
    // owned by the application) must outlive the window and the schedule windows it opens.
    TfrmMain(const LocaleValues &locale, ReportPrinting &printing, QWidget *parent = nullptr);
    ~TfrmMain() override; // gives up the application-wide hooks it installed

    const TMainWindowControls &Controls() const { return m_controls; }

    // The chart of the last completed rebuild; the initial chart (with an all-zero header) before
    // the first one. A rebuild cut off by a failure leaves it unchanged.
    const PaymentChart &LastChart() const { return m_lastChart; }

    // Highlight, application-wide hooks, hint delay, column widths, initial headings, Num Lock.
    void FormCreate(QObject *sender);
    // The first activation: the caret goes into the loan field.
    void FormActivate(QObject *sender);
    // The program became the active application: its active window comes to the front.
    void ApplicationActivate(QObject *sender);
    // Every failure that a guarded handler reports: the information box with the family's message.
    void AppOnException(QObject *sender, const std::exception &failure);
    // About command (btnHelp, m_makerNameLink, mnuPopAbout): a new modal About box centred over the window,
    // destroyed when it closes.
    void btnHelpClick(QObject *sender);
    // Exit command (btnExit, mnuPopExit): closes the window, which ends the program.
    void btnExitClick(QObject *sender);
    // Print Preview command (btnPrint, mnuPopPrint), enabled by the first completed rebuild: the
    // report printer's two titles, then the chart report (made on the first preview) records the
    // pages, shows them through MyPreview and discards them when the preview has closed. Raises what
    // the report raises (a printer fault, a failure of the report's handlers).
    void btnPrintClick(QObject *sender);
    // The report printer's preview hook for the chart: shows the preview window modally over this
    // window until it closes.
    void MyPreview();
    // The term field's invalid entry: the message, then the caret back into the field.
    void edtTermInvalidEntry(QObject *sender);
    // Rebuilds the chart from the fields and step groups and shows it; a completed rebuild
    // highlights the entered cell, enables Print Preview and becomes LastChart. A failure (what
    // ReadChartInputs and BuildPaymentChart raise) leaves the cells written before it in the grid.
    void CalculatePaymentTable(QObject *sender);
    // The chart's click notification. A click on a payment cell rebuilds the chart (committing an
    // entry the click took the focus from); a key that moved the current cell rebuilds only when an
    // input changed since the last rebuild, so that otherwise the keys explore the chart cell by cell.
    void grdPaymentClick(QObject *sender, TClickCause cause);
    // A double-click on the chart (after the click's rebuild): a payment cell opens its schedule.
    void grdPaymentDblClick(QObject *sender, int col, int row);
    // Return or Enter on the chart: the current cell opens its schedule.
    void grdPaymentReturn(QObject *sender);
    // The popup menu's "Payment Schedule", enabled with Print Preview: the entered cell's schedule.
    void mnuPopScheduleClick(QObject *sender);
    // Save As (mnuPopSaveAs and Ctrl+S), enabled with Print Preview: asks for a file name, then
    // writes LastChart there as a CSV file, whole or not at all; a file that cannot be written is
    // said in the information box.
    void mnuPopSaveAsClick(QObject *sender);
    // "Visit the web site": the web address opens as a click on it opens it.
    void mnuPopWebSiteClick(QObject *sender);
    // Shift+F10: what the context-menu key does, the popup menu of the control with the focus.
    void OpenContextMenu(QObject *sender);
    // F6 and Shift+F6: the focus moves from the chart inputs to the chart, and from the chart back to
    // the input it came from (the loan field at first). The chart stays out of the Tab order.
    void SwitchPane(QObject *sender);
    // A new Payment Schedule window for payment cell (column 1..7, row 1..11) of LastChart, not
    // modal; when the cell has no schedule, or the grid shows a rebuild cut off by a failure, the
    // information box says why instead.
    void ShowPaymentSchedule(int column, int row);

    // ChartHost: the fields' values, the step groups' indexes and the information box. The reads
    // may raise ConversionError.
    double ReadLoanValue() override;
    double ReadYearsValue() override;
    void WriteYearsValue(double years) override;
    double ReadRateValue() override;
    int ReadLoanStepIndex() override;
    int ReadRateStepIndex() override;
    void ShowInformation(const std::string &message) override;

    // PrintedChartHost: LastChart, written in the window's locale.
    const PaymentChart &ChartToPrint() const override { return m_lastChart; }
    LocaleValues PrintLocale() const override { return m_locale; }

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The inputs as the fields and step groups hold them, to tell whether any changed since a rebuild.
    struct ChartEntries {
        QString Loan;
        QString Years;
        QString Rate;
        int LoanStep = -1;
        int RateStep = -1;
        bool operator==(const ChartEntries &) const = default;
    };

    void BindHandlers();
    ChartEntries Entries() const;
    void RebuildChart();
    void ShowChart(const PaymentChart &chart);
    void EnableChartCommands(); // Print Preview and the entered cell's schedule
    void CopyChart();
    bool ChartHasFocus() const;

    LocaleValues m_locale;
    ReportPrinting &m_printing;
    TMainWindowControls m_controls;
    PaymentChart m_shownChart; // what the grid shows, also after a rebuild cut off by a failure
    PaymentChart m_lastChart;
    std::optional<ChartEntries> m_rebuiltEntries; // those the last rebuild read, also a failed one
    TAnnouncer *m_announcer;                      // says each new chart's entered cell
    TKeypadNumLock m_numLock;
    bool m_activated = false;                          // FormActivate has run
    QPointer<QWidget> m_inputFocus;                    // the chart input that F6 left for the chart
    std::unique_ptr<TRPPaymentChart> m_rpPaymentChart; // the chart's report form, from the first preview
};
