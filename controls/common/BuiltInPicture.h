#pragma once

#include <QImage>
#include <QString>

// Reads a picture compiled into the program (a Qt resource path such as ":/pictures/logo.xpm") in
// the format its suffix names. Unlike QImage(path) it does not ask every image plugin whether it
// knows the format, which would load them all at start-up. A null image when the picture is missing.
QImage BuiltInPicture(const QString &path);
