#pragma once

#include "app/schedule/ScheduleModel.h"
#include "app/schedule/SchedulePlotView.h"
#include "app/schedule/WhatIfPanel.h"
#include "controls/BevelPanel.h"
#include "controls/KeyboardSplitter.h"
#include "controls/flatbutton/FlatButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <QWidget>

class ReportPrinting;
class TAnnouncer;

// The schedule window's controls. The window owns them all.
struct TScheduleControls {
    TBevelPanel *pnlToolbar = nullptr;
    TFlatButton *btnPrint = nullptr;
    TFlatButton *btnClose = nullptr;
    QCheckBox *chkByYear = nullptr;
    QCheckBox *chkWhatIf = nullptr; // shows the extras and dates
    QCheckBox *chkPlot = nullptr;   // shows the plot
    QPushButton *btnSaveAs = nullptr;
    TBevelPanel *pnlFigures = nullptr;
    QList<QLabel *> TermValues;     // loan, rate, term, monthly payment, number of payments
    QList<QLabel *> TotalValues;    // total of payments, total interest
    QLabel *lblPaidOff = nullptr;   // the note of a loan paid off before its term; empty otherwise
    QList<QLabel *> WhatIfCaptions; // what the extras change and the payoff date; unused ones hidden
    QList<QLabel *> WhatIfValues;
    QLabel *lblLeftOut = nullptr;     // the entries refused and left out of the figures, and why
    QScrollArea *scrBody = nullptr;   // all below the toolbar, scrolled where the screen is too small
    TBevelPanel *pnlExtras = nullptr; // holds pnlWhatIf; hidden until "What if" is ticked
    TWhatIfPanel *pnlWhatIf = nullptr;
    TKeyboardSplitter *splSchedule = nullptr; // the table above the plot; their border moves
    QTableView *grdSchedule = nullptr;
    TSchedulePlot *pltSchedule = nullptr; // made when the plot is first shown, below the table
};

// "Payment Schedule": the terms and totals of one chart cell's loan and what its extras change, its
// extra payments and first payment month, above its schedule, a month or a year a row with running
// totals, titled with the loan, rate and term. Every change of the extras recomputes it; a refused
// entry is left out of every figure, and the figures say so and why. Once typing pauses, the new
// figures are told to assistive technology. "What if" and "Plot" grow the window to show the table's
// first rows and the whole plot, within the screen and clear of the main window's title bar; the table
// and the plot share the room as the user moves their border. Not modal, so several can stand side by
// side; it deletes itself when closed. Escape and the Close button close it; Ctrl+C copies the rows shown;
// Save As (Ctrl+S) writes them as a CSV file; Print Preview (its button and Ctrl+P) prints them; Alt+Y
// switches "By year". Tab walks the window's controls and leaves the table, whose cells the arrow keys walk.
// Tab reaches the border between the table and the plot, which the Up and Down keys move a row.
// Assistive technology sees a frame named by its title. Every handler runs guarded.
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
    // "Plot" switched: the plot below the table shows or hides; it shows the schedule as it stands.
    void chkPlotClick(QObject *sender);
    // Print Preview: the report printer's titles, then the rows shown as a report in the preview window
    // over this window; the pages are discarded when the preview closes. Raises what the report raises.
    void btnPrintClick(QObject *sender);
    // The rows shown, as tab-separated text with a heading line, to the clipboard.
    void CopySchedule(QObject *sender);
    // The extras or dates changed: the schedule again from them, or their refusals at the fields.
    void WhatIfChange(QObject *sender);
    // Asks for a file name, then writes the rows shown there as a CSV file, whole or not at all; a
    // file that cannot be written is said in the information box.
    void btnSaveAsClick(QObject *sender);

    // The client size at which every panel shown has its room, the table its columns and its first
    // rows, and a shown plot its minimum size hint (design pixels).
    QSize OpeningSize() const;
    // The least client size at which the panels shown and the table's columns are whole, the table
    // shows a row and a shown plot has its minimum size hint; a smaller window scrolls them.
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void BindHandlers();
    void SizeScheduleColumns();
    void ShowTotals();
    void ShowPlot();
    void ShowWhatIfFigures();
    void ShowLeftOut(const WhatIfReading &reading);
    void AnnounceFigures();
    bool PlotShown() const;
    // Grows the window to OpeningSize() as far as the screen allows; whether it grew.
    bool GrowToOpeningSize();
    void PlacePlotBorder();
    void OrderTabs();

    TScheduleModel m_model;
    ReportPrinting &m_printing;
    QTimer m_plotDelay;     // the plot follows a change once typing pauses
    QTimer m_announceDelay; // and so do the figures' words to assistive technology
    int m_columnsWidth = 0; // the table's columns at their least, with its frame and scroll bar
    QSize m_grownForPlot;   // the plot's minimum size hint when the window last grew
    bool m_framed = false;  // whether the window manager's frame has been seen
    // The greatest height of the extras that the window has grown for.
    int m_grownForExtras = 0;
    TScheduleControls m_controls;
    TAnnouncer *m_announcer; // says refusals and new figures to assistive technology
};
