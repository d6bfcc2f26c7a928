#pragma once

#include <QString>
#include <functional>

class QWidget;

// A kind of file the program saves: the dialog's title, its filter and the suffix (without the dot)
// every chosen name gets.
struct SaveFileKind {
    QString Title;
    QString Filter;
    QString Suffix;
};

// PDF documents and CSV spreadsheet files.
SaveFileKind PdfFileKind();
SaveFileKind CsvFileKind();

// fileName with "." and suffix added unless it ends in them in any case, also when it has another
// suffix ("plan.v2": "plan.v2.pdf").
QString WithSuffix(const QString &fileName, const QString &suffix);

// The folder the last file was saved to while the program runs, empty before the first save (nothing
// is kept between runs). Every kind shares it: the chart's CSV file and its PDF document belong
// together. Whoever writes a chosen file sets it once the file is written.
QString LastSaveFolder();
void SetLastSaveFolder(const QString &folder);

// suggestedName's file name in LastSaveFolder, or suggestedName itself before the first save and once
// that folder is gone.
QString StartingName(const QString &suggestedName);

// Asks where to save a file of `kind`: Qt's file dialog over parent, starting at
// StartingName(suggestedName). Returns the chosen file name, always with the kind's suffix (WithSuffix),
// or an empty string when the user cancelled. The name typed is one file, taken as it stands (quotes
// included; "~/" is the home folder) in the folder the dialog shows; a name that FileNameRefusal refuses
// is said over the dialog, which stays open. A chosen file that exists is replaced only after the dialog
// asked, on that final name.
QString AskSaveFileName(QWidget *parent, const SaveFileKind &kind, const QString &suggestedName);

// Replaces the dialog (tests answer without a modal loop); an empty asker restores the real dialog.
// Returns the asker that was installed before.
using SaveFileAsker =
    std::function<QString(QWidget *parent, const SaveFileKind &kind, const QString &suggestedName)>;
SaveFileAsker SetSaveFileAsker(SaveFileAsker asker);
