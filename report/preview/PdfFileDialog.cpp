#include "report/preview/PdfFileDialog.h"

#include "report/preview/SaveFileDialog.h"

#include <utility>

namespace {
PdfFileAsker &InstalledAsker()
{
    static PdfFileAsker asker;
    return asker;
}
} // namespace

QString PdfFileNameForTitle(const QString &title)
{
    static const QString unfit = QStringLiteral("/\\:*?\"<>|");
    QString name = title.trimmed();
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || unfit.contains(c))
            c = QLatin1Char('_');
    }
    return (name.isEmpty() ? QStringLiteral("Report") : name) + QStringLiteral(".pdf");
}

QString WithPdfSuffix(const QString &fileName)
{
    return WithSuffix(fileName, PdfFileKind().Suffix);
}

QString AskPdfFileName(QWidget *parent, const QString &suggestedName)
{
    if (const PdfFileAsker &asker = InstalledAsker())
        return asker(parent, StartingName(suggestedName));
    return AskSaveFileName(parent, PdfFileKind(), suggestedName);
}

PdfFileAsker SetPdfFileAsker(PdfFileAsker asker)
{
    return std::exchange(InstalledAsker(), std::move(asker));
}
