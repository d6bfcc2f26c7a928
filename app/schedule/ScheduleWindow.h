#pragma once

#include "BevelPanel.h"
#include "flatbutton/FlatButton.h"
#include "schedule/ScheduleModel.h"

#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QTableView>
#include <QWidget>

class ReportPrinting;

// The schedule window's controls. The window owns them all.
struct TScheduleControls {
    TBevelPanel *pnlToolbar = nullptr;
    TFlatButton *btnPrint = nullptr;
    TFlatButton *btnClose = nullptr;
    QCheckBox *chkByYear = nullptr;
    TBevelPanel *pnlFigures = nullptr;
    QList<QLabel *> TermValues;   // loan, rate, term, monthly payment, number of payments
    QList<QLabel *> TotalValues;  // total of payments, total interest
    QLabel *lblPaidOff = nullptr; // the note of a loan paid off before its term; none otherwise
    QTableView *grdSchedule = nullptr;
};

// "Payment Schedule": the terms and totals of one chart cell's loan above its schedule, a month or a
// year a row, titled with the loan, rate and term. Not modal, so several can stand side by side; it
// deletes itself when closed. Escape
// and the Close button close it; Ctrl+C copies the rows shown; Print Preview (its button and
// Ctrl+P) prints them. Every handler runs guarded.
class TfrmSchedule : public QWidget {
    Q_OBJECT
public:
    // A window of its own over `owner`, which owns it; the texts follow `locale`. `printing` prints and
    // previews the schedule and must outlive the window.
    TfrmSchedule(PaymentSchedule schedule, const LocaleValues &locale, ReportPrinting &printing,
                 QWidget *owner);

    const TScheduleControls &Controls() const { return m_controls; }
    const TScheduleModel &Model() const { return m_model; }

    // "By year" switched: the table and the totals change to the yearly or the monthly rows.
    void chkByYearClick(QObject *sender);
    void btnCloseClick(QObject *sender);
    // Print Preview: the report printer's titles, then the rows shown as a report in the preview window
    // over this window; the pages are discarded when the preview closes. Raises what the report raises.
    void btnPrintClick(QObject *sender);
    // The rows shown, as tab-separated text with a heading line, to the clipboard.
    void CopySchedule(QObject *sender);

private:
    void BindHandlers();
    void ShowTotals();

    TScheduleModel m_model;
    ReportPrinting &m_printing;
    TScheduleControls m_controls;
};
