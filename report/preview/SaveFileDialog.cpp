#include "report/preview/SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <utility>

namespace {
SaveFileAsker &InstalledAsker()
{
    static SaveFileAsker asker;
    return asker;
}

// Qt's own save dialog (not the desktop's, which names the file its own way) that adds the suffix
// before it checks for a file to replace: the default suffix for a name without one, the kind's
// suffix after any other suffix.
class TSaveFileDialog : public QFileDialog {
public:
    TSaveFileDialog(QWidget *parent, const SaveFileKind &kind, const QString &suggestedName)
        : QFileDialog(parent, kind.Title, suggestedName, kind.Filter), m_suffix(kind.Suffix)
    {
        setOption(DontUseNativeDialog);
        setAcceptMode(AcceptSave);
        setFileMode(AnyFile);
        setDefaultSuffix(m_suffix);
    }

protected:
    void accept() override
    {
        const QString chosen = selectedFiles().value(0);
        if (!chosen.isEmpty() && !QFileInfo(chosen).isDir() && WithSuffix(chosen, m_suffix) != chosen)
            selectFile(WithSuffix(chosen, m_suffix));
        QFileDialog::accept();
    }

private:
    QString m_suffix;
};
} // namespace

SaveFileKind PdfFileKind()
{
    return {QStringLiteral("Save as PDF"), QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf")};
}

SaveFileKind CsvFileKind()
{
    return {QStringLiteral("Save As"), QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv")};
}

QString WithSuffix(const QString &fileName, const QString &suffix)
{
    const QString ending = QLatin1Char('.') + suffix;
    return fileName.endsWith(ending, Qt::CaseInsensitive) ? fileName : fileName + ending;
}

QString AskSaveFileName(QWidget *parent, const SaveFileKind &kind, const QString &suggestedName)
{
    if (const SaveFileAsker &asker = InstalledAsker())
        return asker(parent, kind, suggestedName);
    TSaveFileDialog dialog(parent, kind, suggestedName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

SaveFileAsker SetSaveFileAsker(SaveFileAsker asker)
{
    return std::exchange(InstalledAsker(), std::move(asker));
}
