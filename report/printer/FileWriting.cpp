#include "report/printer/FileWriting.h"

#include "report/printer/PrinterError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Refuse(const QString &why)
{
    throw FileWriteError(why.toStdString());
}

[[noreturn]] void Fail(QSaveFile &file, int errorNumber)
{
    file.cancelWriting();
    // A failure that left no error number is still a failure: it reads as an input/output error.
    Refuse(FileWriteFailureText(errorNumber != 0 ? errorNumber : EIO, file.fileName()));
}

bool IsControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

// Refuses to replace a file that is marked read-only, which root could otherwise replace, or that this
// user may not write; either is said of the file, not of its folder.
void CheckReplaceable(const QString &fileName, const QByteArray &path, const struct stat &existing)
{
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        Refuse(QStringLiteral("The file \"%1\" is read-only.").arg(fileName));
    if (faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) != 0) {
        if (errno != EACCES && errno != EPERM)
            Refuse(FileWriteFailureText(errno, fileName));
        Refuse(QStringLiteral("You do not have permission to write to the file \"%1\".").arg(fileName));
    }
}

// Gives the file that is to replace another the other's permissions, exactly: QSaveFile would add what
// the user may do to them, so that root, who may write anything, makes a 444 file 644. The owner and
// group stay too where the system lets us give them: root may give both, others a group of their own.
// The set-user and set-group bits are left off, as a write to the file itself would clear them.
void TakePermissions(QSaveFile &file, const struct stat &existing)
{
    const int handle = file.handle();
    if (fchown(handle, existing.st_uid, existing.st_gid) != 0 && fchown(handle, -1, existing.st_gid) != 0 &&
        errno != EPERM)
        Fail(file, errno);
    if (fchmod(handle, existing.st_mode & 0777) != 0)
        Fail(file, errno);
}

} // namespace

QString FileNameRefusal(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    if (std::any_of(name.cbegin(), name.cend(), IsControl))
        return QStringLiteral("A file name cannot contain line breaks, tabs or other control characters.");
    return {};
}

void WriteFileWhole(const QString &fileName, const QByteArray &content)
{
    if (const QString refusal = FileNameRefusal(fileName); !refusal.isEmpty())
        Refuse(refusal);
    const QByteArray path = QFile::encodeName(fileName);
    struct stat existing {};
    const bool replacing = stat(path.constData(), &existing) == 0;
    if (replacing)
        CheckReplaceable(fileName, path, existing);
    QSaveFile file(fileName);
    // Unbuffered, so that a write that falls short shows at the write itself: QSaveFile commits a file
    // whose buffered bytes were lost as it closed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(file, errno);
    if (replacing)
        TakePermissions(file, existing);
    if (file.write(content) != content.size())
        Fail(file, errno);
    if (!file.commit())
        Fail(file, errno);
}

QString FileWriteFailureText(int errorNumber, const QString &fileName)
{
    const QString folder = QFileInfo(fileName).absolutePath();
    switch (errorNumber) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("There is not enough space on the disk.");
    case EACCES:
    case EPERM:
        return QStringLiteral("You do not have permission to write to the folder \"%1\".").arg(folder);
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("The folder \"%1\" does not exist.").arg(folder);
    case EROFS:
        return QStringLiteral("The folder \"%1\" is on a disk that cannot be written to.").arg(folder);
    default:
        return QStringLiteral("The file \"%1\" could not be written: %2.")
            .arg(fileName, QString::fromLocal8Bit(std::strerror(errorNumber)));
    }
}
