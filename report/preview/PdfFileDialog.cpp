#include "report/preview/PdfFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <utility>

namespace {
PdfFileAsker &InstalledAsker()
{
    static PdfFileAsker asker;
    return asker;
}

// Qt's own save dialog (not the desktop's, which names the file its own way) that adds the suffix
// before it checks for a file to replace: the default suffix for a name without one, ".pdf" after
// any other suffix.
class TPdfFileDialog : public QFileDialog {
public:
    TPdfFileDialog(QWidget *parent, const QString &suggestedName)
        : QFileDialog(parent, QStringLiteral("Save as PDF"), suggestedName,
                      QStringLiteral("PDF files (*.pdf)"))
    {
        setOption(DontUseNativeDialog);
        setAcceptMode(AcceptSave);
        setFileMode(AnyFile);
        setDefaultSuffix(QStringLiteral("pdf"));
    }

protected:
    void accept() override
    {
        const QString chosen = selectedFiles().value(0);
        if (!chosen.isEmpty() && !QFileInfo(chosen).isDir() && WithPdfSuffix(chosen) != chosen)
            selectFile(WithPdfSuffix(chosen));
        QFileDialog::accept();
    }
};
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
    const QString suffix = QStringLiteral(".pdf");
    return fileName.endsWith(suffix, Qt::CaseInsensitive) ? fileName : fileName + suffix;
}

QString AskPdfFileName(QWidget *parent, const QString &suggestedName)
{
    if (const PdfFileAsker &asker = InstalledAsker())
        return asker(parent, suggestedName);
    TPdfFileDialog dialog(parent, suggestedName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

PdfFileAsker SetPdfFileAsker(PdfFileAsker asker)
{
    return std::exchange(InstalledAsker(), std::move(asker));
}
