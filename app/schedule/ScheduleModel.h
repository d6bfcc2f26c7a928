#pragma once

#include "calc/CellSchedule.h"
#include "calc/ScheduleText.h"

#include <QAbstractTableModel>

// A payment schedule with its extras and dates as a table for a view: the what-if columns with the
// running totals of interest and principal, one row per month or per year. Texts are made only for
// the cells the view asks for, so a 999-year schedule costs no more to show than a one-year one.
class TScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Shows `schedule` without extras or dates.
    TScheduleModel(PaymentSchedule schedule, const LocaleValues &locale, QObject *parent = nullptr);

    // The schedule without extras.
    const PaymentSchedule &Schedule() const { return m_schedule; }
    const WhatIfSchedule &WhatIf() const { return m_whatIf; }
    void SetWhatIf(WhatIfSchedule whatIf); // resets the model
    const LocaleValues &Locale() const { return m_locale; }
    ScheduleView View() const { return m_view; }
    void SetView(ScheduleView view); // resets the model
    const std::vector<ScheduleRow> &Rows() const { return RowsOf(m_whatIf, m_view); }
    const std::vector<ScheduleColumn> &Columns() const { return m_columns; }

    // The rows shown with a heading line: tab-separated in the currency layout, or as a CSV file that
    // begins with the loan's terms and the extras and dates (WhatIfCsv).
    std::string Tsv() const;
    std::string Csv() const;
    // What the extras change (WhatIfFigures), and "Paid off after n payments" when the rows end before
    // the term.
    std::vector<ScheduleFigure> WhatIfFigures() const;
    std::optional<std::string> PaidOffNote() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    // The cell's text; money flush right, the number and the date centred.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    PaymentSchedule m_schedule;
    WhatIfSchedule m_whatIf;
    std::vector<ScheduleColumn> m_columns;
    LocaleValues m_locale;
    ScheduleView m_view = ScheduleView::Monthly;
};
