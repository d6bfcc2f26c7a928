#include "report/printer/FileWriting.h"

#include "report/printer/PrinterError.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

[[noreturn]] void Fail(QSaveFile &file, int errorNumber)
{
    file.cancelWriting();
    // A failure that left no error number is still a failure: it reads as an input/output error.
    throw FileWriteError(
        FileWriteFailureText(errorNumber != 0 ? errorNumber : EIO, file.fileName()).toStdString());
}

} // namespace

void WriteFileWhole(const QString &fileName, const QByteArray &content)
{
    QSaveFile file(fileName);
    // Unbuffered, so that a write that falls short shows at the write itself: QSaveFile commits a file
    // whose buffered bytes were lost as it closed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        Fail(file, errno);
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
