#include "controls/common/BuiltInPicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

QImage BuiltInPicture(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {
bool IsWhole(qreal scale)
{
    return scale == std::round(scale);
}
} // namespace

void DrawPicture(QPainter &painter, QPoint at, const QImage &picture)
{
    // The painter's scale to device pixels: the device pixel ratio of the device it finally draws on
    // (also when a widget is rendered into an image), and any scaling of its own.
    const QTransform toDevice = painter.deviceTransform();
    const bool wholeScale =
        toDevice.type() <= QTransform::TxScale && IsWhole(toDevice.m11()) && IsWhole(toDevice.m22());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !wholeScale);
    painter.drawImage(at, picture);
    painter.restore();
}
