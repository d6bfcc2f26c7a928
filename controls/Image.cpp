#include "controls/Image.h"

#include "controls/common/BuiltInPicture.h"

#include <QPainter>
#include <QPixmap>

TImage::TImage(QWidget *parent, const QImage &picture, QPoint position) : QLabel(parent), m_picture(picture)
{
    // The label's own picture tells its size and, to screen readers, that it shows a graphic.
    setPixmap(QPixmap::fromImage(picture));
    setGeometry(QRect(position, picture.size()));
}

void TImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawPicture(painter, {0, 0}, m_picture);
}
