#include "report/preview/PdfFileDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct NameRule {
    const char *From;
    const char *To;
};

TEST(PdfFileNameForTitle, IsTheTitleWithWhatAFileNameCannotHoldReplaced)
{
    const NameRule rows[] = {
        {"Payment Chart", "Payment Chart.pdf"},
        {" Rates 5/10: \"A\\B\" <*?|>\t", "Rates 5_10_ _A_B_ _____.pdf"},
        {"  ", "Report.pdf"},
    };
    for (const NameRule &row : rows)
        EXPECT_EQ(PdfFileNameForTitle(QString::fromLatin1(row.From)).toStdString(), row.To) << row.From;
}

TEST(WithPdfSuffix, AddsPdfUnlessTheNameEndsInItInAnyCase)
{
    const NameRule rows[] = {
        {"/home/ann/plan", "/home/ann/plan.pdf"},     {"/home/ann/plan.v2", "/home/ann/plan.v2.pdf"},
        {"/home/ann.b/plan", "/home/ann.b/plan.pdf"}, {"/home/ann/plan.pdf", "/home/ann/plan.pdf"},
        {"/home/ann/Plan.PdF", "/home/ann/Plan.PdF"},
    };
    for (const NameRule &row : rows)
        EXPECT_EQ(WithPdfSuffix(QString::fromLatin1(row.From)).toStdString(), row.To);
}

struct TypedName {
    const char *Name;
    const char *Typed;    // in the dialog's folder
    const char *Existing; // a file already there, or empty
    const char *Answer;   // the file the dialog answers
};

class PdfFileDialogAnswer : public testing::TestWithParam<TypedName> {};

// The user types a name and accepts; when that replaces a file the dialog asks first, on the name with
// ".pdf", and the user says yes.
TEST_P(PdfFileDialogAnswer, AsksBeforeReplacingTheFileThatIsWritten)
{
    const TypedName &row = GetParam();
    QTemporaryDir folder;
    const QString existing = QString::fromLatin1(row.Existing);
    if (!existing.isEmpty()) {
        QFile file(folder.filePath(existing));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString suggested = folder.filePath(QStringLiteral("Payment Chart.pdf"));
    QString startedAt;
    QString question;
    const QObject timers; // drops what the dialog did not reach
    QTimer::singleShot(0, &timers, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        startedAt = dialog->selectedFiles().value(0);
        dialog->selectFile(QString::fromLatin1(row.Typed));
        QTimer::singleShot(0, &timers, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                question = box->text();
                box->button(QMessageBox::Yes)->click();
            }
        });
        QMetaObject::invokeMethod(dialog, "accept"); // as the Save button does
    });
    const QString answer = AskPdfFileName(nullptr, suggested);
    EXPECT_EQ(startedAt.toStdString(), suggested.toStdString());
    EXPECT_EQ(answer.toStdString(), folder.filePath(QString::fromLatin1(row.Answer)).toStdString());
    EXPECT_EQ(question.contains(QString::fromLatin1(row.Answer)), !existing.isEmpty())
        << question.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Names, PdfFileDialogAnswer,
                         testing::Values(TypedName{"NoSuffix", "plan", "plan.pdf", "plan.pdf"},
                                         TypedName{"AnotherSuffix", "plan.v2", "plan.v2.pdf", "plan.v2.pdf"},
                                         TypedName{"PdfInCapitals", "Plan.PDF", "Plan.PDF", "Plan.PDF"},
                                         TypedName{"NewFile", "new.v2", "", "new.v2.pdf"}),
                         [](const testing::TestParamInfo<TypedName> &info) { return info.param.Name; });

} // namespace
