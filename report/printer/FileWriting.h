#pragma once

#include <QByteArray>
#include <QString>

// Writes content to fileName whole or not at all: into a temporary file beside it that takes the name
// only once every byte is written, so a failure leaves a file of that name exactly as it was and no
// temporary file behind. Throws FileWriteError saying why.
void WriteFileWhole(const QString &fileName, const QByteArray &content);

// Why fileName could not be written, in the user's words, from the system's error number: no space
// on the disk, no permission to write to the folder, a folder that does not exist, a read-only disk;
// otherwise the file's name and the system's own words.
QString FileWriteFailureText(int errorNumber, const QString &fileName);
