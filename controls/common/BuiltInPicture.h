#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

// Reads a picture compiled into the program (a Qt resource path such as ":/pictures/logo.xpm") in
// the format its suffix names. Unlike QImage(path) it does not ask every image plugin whether it
// knows the format, which would load them all at start-up. A null image when the picture is missing.
QImage BuiltInPicture(const QString &path);

// Draws `picture` with its top-left corner at `at`, a pixel of the picture a device-independent pixel,
// on a device of any pixel ratio: at a whole ratio each picture pixel becomes an even square of device
// pixels; at a fractional one (1.5) neighbouring pixels are blended (smooth scaling), where repeating
// them would draw some rows and columns twice and others once.
void DrawPicture(QPainter &painter, QPoint at, const QImage &picture);
