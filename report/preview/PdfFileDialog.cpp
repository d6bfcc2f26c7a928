#include "preview/PdfFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <utility>

namespace {
PdfFileAsker &InstalledAsker()
{
    static PdfFileAsker asker;
    return asker;
}
} // namespace

QString AskPdfFileName(QWidget *parent, const QString &suggestedName)
{
    if (const PdfFileAsker &asker = InstalledAsker())
        return asker(parent, suggestedName);
    QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Save as PDF"), suggestedName,
                                                    QStringLiteral("PDF files (*.pdf)"));
    if (!fileName.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QStringLiteral(".pdf");
    return fileName;
}

PdfFileAsker SetPdfFileAsker(PdfFileAsker asker)
{
    return std::exchange(InstalledAsker(), std::move(asker));
}
