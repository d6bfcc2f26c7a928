#pragma once

#include "design/Alignment.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where the glyph stands relative to the caption.
enum class TFlatButtonLayout { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };

// What the arithmetic needs to know; all sizes in pixels.
struct FlatButtonGeometryInput {
    QSize Button;              // W x H
    QSize Glyph;               // size of Bitmap; an empty size means "no glyph"
    bool CaptionShown = false; // boIconOnly is off and the caption is not empty
    QSize Caption;             // measured TW x TH of the formatted caption (ignored when not shown)
    bool PopupMark = false;    // boPopupMark is on and a DropDownMenu is set
    TFlatButtonLayout Layout = TFlatButtonLayout::blBitmapTop;
    TAlignment Alignment = TAlignment::taCenter;
    bool WordWrap = false;
};

// Positions of one paint, for the normal look; the pressed look adds (1, 1) to the glyph and the mark.
struct FlatButtonGeometry {
    QPoint Glyph;     // top-left of the glyph (GX, GY); meaningless without a glyph
    QRect Text;       // caption rectangle (TX, TT, TW x TH); TW may come out negative: nothing is drawn
    QPoint PopupMark; // anchor of the drop-down arrow (see PopupMarkPixels)
};

// Lays out glyph, caption and drop-down mark. Halving truncates toward zero, so odd free space leaves
// the extra pixel on the right or at the bottom.
FlatButtonGeometry LayOutFlatButton(const FlatButtonGeometryInput &input);

// The pixels of the drop-down arrow anchored at `anchor`: rows anchor.y - 1 to anchor.y + 2,
// 7, 5, 3 and 1 pixels wide, centred on anchor.x + 3.
QList<QRect> PopupMarkRows(QPoint anchor);

// The caption without accelerator marks: "&" before a character is dropped, "&&" becomes "&",
// a lone "&" as the very last character stays. Used for hints and for measuring.
QString StripAcceleratorMarks(const QString &caption);

// Index in StripAcceleratorMarks(caption) of the letter marked with a single "&", or -1.
qsizetype AcceleratorIndex(const QString &caption);
