#include "app/schedule/ScheduleModel.h"

TScheduleModel::TScheduleModel(PaymentSchedule schedule, const LocaleValues &locale, QObject *parent)
    : QAbstractTableModel(parent), m_schedule(std::move(schedule)), m_locale(locale)
{
}

void TScheduleModel::SetView(ScheduleView view)
{
    if (view == m_view)
        return;
    beginResetModel();
    m_view = view;
    endResetModel();
}

int TScheduleModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Rows().size());
}

int TScheduleModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ScheduleColumnCount;
}

QVariant TScheduleModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole) {
        const ScheduleRow &row = Rows()[static_cast<size_t>(index.row())];
        return QString::fromStdString(ScheduleCellText(row, index.column(), m_locale));
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() == 0 ? Qt::AlignHCenter : Qt::AlignRight));
    return {};
}

QVariant TScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ScheduleColumnCount ||
        role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(ScheduleHeadings(m_view)[static_cast<size_t>(section)]);
}
