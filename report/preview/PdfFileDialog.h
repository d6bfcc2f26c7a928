#pragma once

#include <QString>
#include <functional>

class QWidget;

// Asks where to save a PDF file: a file dialog over parent, starting at suggestedName. Returns the
// chosen file name, with ".pdf" added when it has no suffix, or an empty string when the user
// cancelled.
QString AskPdfFileName(QWidget *parent, const QString &suggestedName);

// Replaces the dialog (tests answer without a modal loop); an empty asker restores the real dialog.
// Returns the asker that was installed before.
using PdfFileAsker = std::function<QString(QWidget *parent, const QString &suggestedName)>;
PdfFileAsker SetPdfFileAsker(PdfFileAsker asker);
