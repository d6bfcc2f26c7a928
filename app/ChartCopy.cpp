#include "app/ChartCopy.h"

#include <QStringList>

namespace {
QString WithoutLeadingBlanks(const std::string &text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? QString() : QString::fromStdString(text.substr(first));
}
} // namespace

QString ChartAsTabSeparatedText(const PaymentChart &chart)
{
    QString text;
    for (int row = 0; row < PaymentChart::RowCount; ++row) {
        QStringList cells;
        for (int column = 0; column < PaymentChart::ColumnCount; ++column)
            cells << WithoutLeadingBlanks(chart.Cell(column, row));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
