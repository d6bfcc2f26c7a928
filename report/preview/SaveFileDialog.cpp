#include "report/preview/SaveFileDialog.h"

#include "report/printer/FileWriting.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <utility>

namespace {
SaveFileAsker &InstalledAsker()
{
    static SaveFileAsker asker;
    return asker;
}

QString &LastFolder()
{
    static QString folder;
    return folder;
}

// The file a name typed in `folder` names: the name as it stands, also when it holds quotes (which
// Qt's dialog reads as a list of files); a leading "~" stands for the home folder.
QString TypedFile(const QDir &folder, const QString &typed)
{
    if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/")))
        return QDir::homePath() + typed.mid(1);
    return folder.absoluteFilePath(typed);
}

// Qt's own save dialog (not the desktop's, which names the file its own way) that saves under the name
// typed in its name field, with the kind's suffix (WithSuffix), and nowhere else. It refuses a name no
// file may have (FileNameRefusal) and asks before it replaces a file, on that final name.
class TSaveFileDialog : public QFileDialog {
public:
    TSaveFileDialog(QWidget *parent, const SaveFileKind &kind, const QString &suggestedName)
        : QFileDialog(parent, kind.Title, suggestedName, kind.Filter), m_suffix(kind.Suffix)
    {
        setOption(DontUseNativeDialog);
        setAcceptMode(AcceptSave);
        setFileMode(AnyFile);
        setDefaultSuffix(m_suffix); // the list shows the file a name without a suffix would replace
        // Only now: where the desktop offers its own dialog, Qt makes its widgets once they are asked for.
        m_nameEdit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    }

    // The file chosen once the dialog was accepted.
    QString ChosenFile() const { return m_chosen; }

protected:
    void accept() override
    {
        const QString typed = m_nameEdit->text();
        if (typed.isEmpty())
            return;
        const QString named = TypedFile(directory(), typed);
        if (QFileInfo(named).isDir()) {
            setDirectory(named);
            m_nameEdit->clear();
            return;
        }
        const QString file = WithSuffix(named, m_suffix);
        if (const QString refusal = FileNameRefusal(file); !refusal.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
            return;
        }
        if (QFileInfo::exists(file) &&
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(file).fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
            return;
        m_chosen = file;
        QDialog::accept();
    }

private:
    QString m_suffix;
    QLineEdit *m_nameEdit = nullptr; // the name field of Qt's dialog
    QString m_chosen;
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

QString LastSaveFolder()
{
    return LastFolder();
}

void SetLastSaveFolder(const QString &folder)
{
    LastFolder() = folder;
}

QString StartingName(const QString &suggestedName)
{
    if (!QFileInfo(LastFolder()).isDir())
        return suggestedName;
    return QDir(LastFolder()).filePath(QFileInfo(suggestedName).fileName());
}

QString AskSaveFileName(QWidget *parent, const SaveFileKind &kind, const QString &suggestedName)
{
    const QString start = StartingName(suggestedName);
    if (const SaveFileAsker &asker = InstalledAsker())
        return asker(parent, kind, start);
    TSaveFileDialog dialog(parent, kind, start);
    return dialog.exec() == QDialog::Accepted ? dialog.ChosenFile() : QString();
}

SaveFileAsker SetSaveFileAsker(SaveFileAsker asker)
{
    return std::exchange(InstalledAsker(), std::move(asker));
}
