#pragma once

#include <QLabel>
#include <QRect>

// A plain-text label that sizes itself to its text, as the windows lay out their labels: the width
// becomes the text's width, the height stays that of the box it was placed in (`designBox`); a right-aligned
// label keeps the box's right edge, every other label its left edge. The text stands at the top of the box.
// Returns the label, owned by `parent`.
QLabel *NewAutoSizeLabel(QWidget *parent, const QString &text, const QRect &designBox, const QFont &font,
                         Qt::Alignment alignment = Qt::AlignLeft);
