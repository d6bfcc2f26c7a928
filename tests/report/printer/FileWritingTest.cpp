#include "report/printer/FileWriting.h"

#include "report/printer/PrinterError.h"
#include "tests/report/support/DiskFailures.h"
#include "tests/report/support/ReportValuePrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

struct Reason {
    int ErrorNumber;
    const char *Text;
};

// Root writes despite any permission, so these reasons are asked for by number.
TEST(FileWriteFailureText, SaysWhyInTheUsersWords)
{
    const Reason reasons[] = {
        {ENOSPC, "There is not enough space on the disk."},
        {EDQUOT, "There is not enough space on the disk."},
        {EACCES, "You do not have permission to write to the folder \"/home/ann/plans\"."},
        {EPERM, "You do not have permission to write to the folder \"/home/ann/plans\"."},
        {ENOENT, "The folder \"/home/ann/plans\" does not exist."},
        {EROFS, "The folder \"/home/ann/plans\" is on a disk that cannot be written to."},
        {EIO, "The file \"/home/ann/plans/chart.pdf\" could not be written: Input/output error."},
    };
    for (const Reason &reason : reasons)
        EXPECT_EQ(FileWriteFailureText(reason.ErrorNumber, QStringLiteral("/home/ann/plans/chart.pdf"))
                      .toStdString(),
                  reason.Text)
            << "error number " << reason.ErrorNumber;
}

// What WriteFileWhole said, or nothing when it wrote.
std::optional<std::string> Refusal(const QString &fileName, const QByteArray &content)
{
    try {
        WriteFileWhole(fileName, content);
    } catch (const FileWriteError &failure) {
        return failure.what();
    }
    return std::nullopt;
}

QByteArray Content(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct stat Status(const QString &fileName)
{
    struct stat status {};
    stat(QFile::encodeName(fileName).constData(), &status);
    return status;
}

// A file "plan.csv" in a folder of its own, holding "old", with the given mode and, when the tests run
// as root, the owner and group "nobody", so that a replacement made as root shows.
class ExistingFile {
public:
    explicit ExistingFile(mode_t mode)
    {
        QFile file(FileName());
        if (file.open(QIODevice::WriteOnly))
            file.write("old");
        file.close();
        if (geteuid() == 0)
            chown(QFile::encodeName(FileName()).constData(), ActingAsNobody::Nobody, ActingAsNobody::Nobody);
        chmod(QFile::encodeName(FileName()).constData(), mode);
    }
    QString FileName() const { return m_folder.filePath(QStringLiteral("plan.csv")); }
    QString Folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

class ReplacedFile : public testing::TestWithParam<mode_t> {};

// Root's own permissions (it may read, write and run anything) do not pass to the file: a group's
// execute permission does not make one for the owner.
TEST_P(ReplacedFile, KeepsItsPermissionsAndOwner)
{
    const ExistingFile existing(GetParam());
    const struct stat before = Status(existing.FileName());
    EXPECT_EQ(Refusal(existing.FileName(), "new"), std::nullopt);
    const struct stat after = Status(existing.FileName());
    EXPECT_EQ(Content(existing.FileName()), "new");
    EXPECT_EQ(after.st_mode & 07777, GetParam());
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

INSTANTIATE_TEST_SUITE_P(Modes, ReplacedFile, testing::Values(0600, 0640, 0654, 0666),
                         [](const testing::TestParamInfo<mode_t> &info) {
                             return "Mode" + QString::number(info.param, 8).toStdString();
                         });

// Marked read-only by its owner: root, who could replace it, does not either.
TEST(WriteFileWhole, LeavesAReadOnlyFileAsItWasAndSaysSo)
{
    const ExistingFile existing(0444);
    EXPECT_EQ(Refusal(existing.FileName(), "new"),
              QStringLiteral("The file \"%1\" is read-only.").arg(existing.FileName()).toStdString());
    EXPECT_EQ(Content(existing.FileName()), "old");
    EXPECT_EQ(Status(existing.FileName()).st_mode & 07777, 0444u);
    EXPECT_EQ(QDir(existing.Folder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("plan.csv")});
}

// Root's file in root's folder, both open to others for reading only, as another user sees them: the
// failure is the file's, not its folder's.
TEST(WriteFileWhole, NamesTheFileThatAnotherUserMayNotWrite)
{
    QTemporaryDir folder;
    chmod(QFile::encodeName(folder.path()).constData(), 0755);
    const QString fileName = folder.filePath(QStringLiteral("plan.csv"));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    file.close();
    chmod(QFile::encodeName(fileName).constData(), 0644);
    const ActingAsNobody nobody;
    if (!nobody.Switched())
        GTEST_SKIP() << "only root can act as another user";
    EXPECT_EQ(Refusal(fileName, "new"),
              QStringLiteral("You do not have permission to write to the file \"%1\".")
                  .arg(fileName)
                  .toStdString());
    EXPECT_EQ(Content(fileName), "old");
}

// Root's file of the group "users", which the group may write, replaced by another member of the group:
// the file stays the group's.
TEST(WriteFileWhole, KeepsTheGroupOfAFileThatAnotherMemberReplaces)
{
    QTemporaryDir folder;
    chmod(QFile::encodeName(folder.path()).constData(), 0777);
    const QString fileName = folder.filePath(QStringLiteral("plan.csv"));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old") == 3);
    file.close();
    const QByteArray path = QFile::encodeName(fileName);
    chown(path.constData(), 0, ActingAsNobody::Users);
    chmod(path.constData(), 0664);
    const ActingAsNobody nobody;
    if (!nobody.Switched())
        GTEST_SKIP() << "only root can act as another user";
    EXPECT_EQ(Refusal(fileName, "new"), std::nullopt);
    EXPECT_EQ(Content(fileName), "new");
    EXPECT_EQ(Status(fileName).st_gid, ActingAsNobody::Users);
    EXPECT_EQ(Status(fileName).st_mode & 07777, 0664u);
}

class ControlCharacterInName : public testing::TestWithParam<const char16_t *> {};

// A line break pasted into a name, a tab, an escape, a Unicode line separator.
TEST_P(ControlCharacterInName, IsRefusedAndNothingIsWritten)
{
    QTemporaryDir folder;
    EXPECT_EQ(Refusal(folder.filePath(QString::fromUtf16(GetParam())), "new"),
              "A file name cannot contain line breaks, tabs or other control characters.");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

INSTANTIATE_TEST_SUITE_P(Names, ControlCharacterInName,
                         testing::Values(u"plan\n.csv", u"plan\r\nB.csv", u"\tplan.csv", u"plan\x1b.csv",
                                         u"plan\u2028B.csv"));

} // namespace
