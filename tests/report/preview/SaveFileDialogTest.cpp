#include "report/preview/SaveFileDialog.h"

#include "tests/report/support/SaveDialogTyping.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace {

struct TypedName {
    const char *Name;
    const char *Suffix;   // of the kind of file saved: "csv" or "pdf"
    const char *Typed;    // in the dialog's folder, %1
    bool Pasted;          // pasted, not typed key by key
    const char *Existing; // a file already in the folder, or empty
    const char *Answer;   // the file the dialog answers (%1 the folder, %h the home folder); empty: none
    const char *Said;     // what the dialog says over itself, answered with Yes or OK; empty: nothing
};

void PrintTo(const TypedName &row, std::ostream *out)
{
    *out << row.Name;
}

class TypedIntoTheSaveDialog : public testing::TestWithParam<TypedName> {};

// A name is one file, in the folder the dialog shows or the one typed: quotes are part of it and do not
// pick another file to replace; a name no file may have is refused over the dialog.
TEST_P(TypedIntoTheSaveDialog, NamesTheFileThatIsWritten)
{
    const TypedName &row = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const QString existing = QString::fromUtf8(row.Existing);
    if (!existing.isEmpty()) {
        QFile file(folder.filePath(existing));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const SaveFileKind kind =
        QLatin1String(row.Suffix) == QLatin1String("pdf") ? PdfFileKind() : CsvFileKind();
    const QString suggested = folder.filePath(QStringLiteral("Payment Chart.") + kind.Suffix);
    QString answered;
    const SaveDialogRun run =
        TypeIntoSaveDialog(QString::fromUtf8(row.Typed).replace(QStringLiteral("%1"), folder.path()),
                           row.Pasted, [&] { answered = AskSaveFileName(nullptr, kind, suggested); });
    const QString answer = QString::fromUtf8(row.Answer)
                               .replace(QStringLiteral("%1"), folder.path())
                               .replace(QStringLiteral("%h"), QDir::homePath());
    EXPECT_EQ(answered.toStdString(), answer.toStdString());
    EXPECT_EQ(run.Said.join(QLatin1Char('|')).toStdString(), row.Said);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TypedIntoTheSaveDialog,
    testing::Values(
        TypedName{"QuotesInAPath", "csv", "%1/sub/a \"q\" b.csv", false, "q.csv", "%1/sub/a \"q\" b.csv", ""},
        TypedName{"QuotesAndSeparators", "csv", "it's, \"x\";y", false, "x.csv", "%1/it's, \"x\";y.csv", ""},
        TypedName{"QuotedNameThatExists", "csv", "\"x\"", false, "\"x\".csv", "%1/\"x\".csv",
                  "\"x\".csv already exists.\nDo you want to replace it?"},
        TypedName{"QuotesInAPdfName", "pdf", "a \"q\" b", false, "q.pdf", "%1/a \"q\" b.pdf", ""},
        TypedName{"HomeFolder", "csv", "~/plan", false, "", "%h/plan.csv", ""},
        TypedName{"Folder", "csv", "sub", false, "", "", ""},
        TypedName{"PastedLineBreak", "csv", "plan\nB", true, "", "",
                  "A file name cannot contain line breaks, tabs or other control characters."},
        TypedName{"PastedTab", "pdf", "plan\tB.pdf", true, "", "",
                  "A file name cannot contain line breaks, tabs or other control characters."}),
    [](const testing::TestParamInfo<TypedName> &info) { return info.param.Name; });

// The folder last saved to, while it is there; the folder of the name suggested before the first save
// and once that folder is gone.
TEST(SaveDialog, OpensInTheFolderLastSavedToWhileItIsThere)
{
    const QString before = LastSaveFolder();
    QTemporaryDir suggestedIn;
    const QString suggested = suggestedIn.filePath(QStringLiteral("Payment Chart.csv"));
    auto saved = std::make_unique<QTemporaryDir>();
    SetLastSaveFolder(saved->path());
    const auto startedIn = [&](const SaveFileKind &kind) {
        return TypeIntoSaveDialog(QString(), false, [&] { AskSaveFileName(nullptr, kind, suggested); })
            .StartedIn.toStdString();
    };
    EXPECT_EQ(startedIn(PdfFileKind()), saved->path().toStdString());
    saved.reset();
    EXPECT_EQ(startedIn(CsvFileKind()), suggestedIn.path().toStdString());
    SetLastSaveFolder(before);
}

} // namespace
