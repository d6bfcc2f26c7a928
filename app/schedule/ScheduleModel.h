#pragma once

#include "calc/CellSchedule.h"
#include "calc/ScheduleText.h"

#include <QAbstractTableModel>

// A payment schedule as a table for a view: five columns (number, payment, interest, principal,
// balance), one row per month or per year. Texts are made only for the cells the view asks for, so
// a 999-year schedule costs no more to show than a one-year one.
class TScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TScheduleModel(PaymentSchedule schedule, const LocaleValues &locale, QObject *parent = nullptr);

    const PaymentSchedule &Schedule() const { return m_schedule; }
    const LocaleValues &Locale() const { return m_locale; }
    ScheduleView View() const { return m_view; }
    void SetView(ScheduleView view); // resets the model
    const std::vector<ScheduleRow> &Rows() const { return RowsOf(m_schedule, m_view); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    // The cell's text; money flush right, the number centred.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    PaymentSchedule m_schedule;
    LocaleValues m_locale;
    ScheduleView m_view = ScheduleView::Monthly;
};
