#include "controls/common/BuiltInPicture.h"

#include <QFileInfo>
#include <QImageReader>

QImage BuiltInPicture(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
