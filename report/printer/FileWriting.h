#pragma once

#include <QByteArray>
#include <QString>

// Why no file may be named fileName, or an empty string when one may: a name (the part after the last
// '/') that holds a line break, a tab or another control character is refused.
QString FileNameRefusal(const QString &fileName);

// Writes content to fileName whole or not at all: into a temporary file beside it that takes the name
// only once every byte is written, so a failure leaves a file of that name exactly as it was and no
// temporary file behind. A file it replaces keeps its permissions (and its owner and group where the
// system allows); a file that is read-only or that this user may not write is not replaced. Throws
// FileWriteError saying why, also for a name that FileNameRefusal refuses.
void WriteFileWhole(const QString &fileName, const QByteArray &content);

// Why fileName could not be written, in the user's words, from the system's error number: no space
// on the disk, no permission to write to the folder, a folder that does not exist, a read-only disk;
// otherwise the file's name and the system's own words.
QString FileWriteFailureText(int errorNumber, const QString &fileName);
