#pragma once

#include <QImage>
#include <QLabel>

// A picture control: shows a picture at its own size, a picture pixel a device-independent pixel,
// drawn for the screen's device pixel ratio (DrawPicture). Screen readers see a graphic, as for any
// label that shows a picture.
class TImage : public QLabel {
    Q_OBJECT
public:
    TImage(QWidget *parent, const QImage &picture, QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
