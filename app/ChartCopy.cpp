#include "ChartCopy.h"

#include <QStringList>

namespace {
QString WithoutLeadingBlanks(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text[first] == QLatin1Char(' '))
        ++first;
    return text.mid(first);
}
} // namespace

QString ChartAsTabSeparatedText(int columnCount, int rowCount,
                                const std::function<QString(int column, int row)> &cellText)
{
    QString text;
    for (int row = 0; row < rowCount; ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount; ++column)
            cells << WithoutLeadingBlanks(cellText(column, row));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}
