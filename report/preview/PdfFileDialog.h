#pragma once

#include <QString>
#include <functional>

class QWidget;

// The name a document titled title is offered under: the title without the spaces around it, each
// character that a file name cannot hold on the usual systems (/ \ : * ? " < > | and control
// characters) replaced by '_', and ".pdf"; "Report.pdf" when no title is left.
QString PdfFileNameForTitle(const QString &title);

// fileName with ".pdf" added unless it ends in ".pdf" in any case, also when it has another suffix
// ("plan.v2": "plan.v2.pdf").
QString WithPdfSuffix(const QString &fileName);

// Asks where to save a PDF file: AskSaveFileName for PdfFileKind, over parent, starting at
// StartingName(suggestedName). Returns the chosen file name, always with the ".pdf" suffix
// (WithPdfSuffix), or an empty string when the user cancelled.
QString AskPdfFileName(QWidget *parent, const QString &suggestedName);

// Replaces the dialog (tests answer without a modal loop); an empty asker restores the real dialog.
// Returns the asker that was installed before.
using PdfFileAsker = std::function<QString(QWidget *parent, const QString &suggestedName)>;
PdfFileAsker SetPdfFileAsker(PdfFileAsker asker);
