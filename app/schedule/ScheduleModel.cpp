#include "app/schedule/ScheduleModel.h"

#include "calc/ScheduleCsv.h"

TScheduleModel::TScheduleModel(PaymentSchedule schedule, const LocaleValues &locale, QObject *parent)
    : QAbstractTableModel(parent), m_schedule(std::move(schedule)), m_whatIf(WhatIfOf(m_schedule, {})),
      m_columns(WhatIfColumns(m_whatIf, true)), m_locale(locale)
{
}

void TScheduleModel::SetWhatIf(WhatIfSchedule whatIf)
{
    beginResetModel();
    m_whatIf = std::move(whatIf);
    m_columns = WhatIfColumns(m_whatIf, true);
    endResetModel();
}

void TScheduleModel::SetView(ScheduleView view)
{
    if (view == m_view)
        return;
    beginResetModel();
    m_view = view;
    endResetModel();
}

std::string TScheduleModel::Tsv() const
{
    std::string text = TsvLine(ScheduleColumnHeadings(m_columns, m_view));
    for (size_t row = 0; row < Rows().size(); ++row)
        text += TsvLine(WhatIfRowCells(m_whatIf, m_view, row, m_columns, m_locale));
    return text;
}

std::string TScheduleModel::Csv() const
{
    return WhatIfCsv(m_schedule, m_whatIf, m_view, m_columns);
}

std::vector<ScheduleFigure> TScheduleModel::WhatIfFigures() const
{
    return ::WhatIfFigures(m_schedule, m_whatIf, m_locale);
}

std::optional<std::string> TScheduleModel::PaidOffNote() const
{
    return ::PaidOffNote(m_schedule, m_whatIf, m_locale);
}

int TScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Rows().size());
}

int TScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const ScheduleColumn &column = m_columns[static_cast<size_t>(index.column())];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(WhatIfRowCells(m_whatIf, m_view, static_cast<size_t>(index.row()),
                                                     std::span(&column, 1), m_locale)[0]);
    if (role == Qt::TextAlignmentRole) {
        const bool centred = column == ScheduleColumn::Number || column == ScheduleColumn::Date;
        return QVariant::fromValue(Qt::AlignVCenter | (centred ? Qt::AlignHCenter : Qt::AlignRight));
    }
    return {};
}

QVariant TScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // A year's Payment heading depends on whether an Extra column stands beside it.
    return QString::fromStdString(ScheduleColumnHeadings(m_columns, m_view)[static_cast<size_t>(section)]);
}
