#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Where the glyph stands relative to the caption.
enum class TFlatButtonLayout { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };

// Horizontal placement of glyph and caption inside the button.
enum class TFlatButtonAlignment { taLeftJustify, taRightJustify, taCenter };

// What the arithmetic needs to know; all sizes in pixels.
struct FlatButtonLayoutInput {
    QSize button;              // W x H
    QSize glyph;               // size of Bitmap; an empty size means "no glyph"
    bool captionShown = false; // boIconOnly is off and the caption is not empty
    QSize caption;             // measured TW x TH of the formatted caption (ignored when not shown)
    bool popupMark = false;    // boPopupMark is on and a DropDownMenu is set
    TFlatButtonLayout layout = TFlatButtonLayout::blBitmapTop;
    TFlatButtonAlignment alignment = TFlatButtonAlignment::taCenter;
    bool wordWrap = false;
};

// Positions of one paint, for the normal look; the pressed look adds (1, 1) to the glyph and the mark.
struct FlatButtonLayout {
    QPoint glyph;     // top-left of the glyph (GX, GY); meaningless without a glyph
    QRect text;       // caption rectangle (TX, TT, TW x TH); TW may come out negative: nothing is drawn
    QPoint popupMark; // anchor of the drop-down arrow (see PopupMarkPixels)
};

// Lays out glyph, caption and drop-down mark. Halving truncates toward zero, as in the original
// arithmetic, so odd free space leaves the extra pixel on the right or at the bottom.
FlatButtonLayout LayOutFlatButton(const FlatButtonLayoutInput &input);

// The pixels of the drop-down arrow anchored at `anchor`: rows anchor.y - 1 to anchor.y + 2,
// 7, 5, 3 and 1 pixels wide, centred on anchor.x + 3.
QList<QRect> PopupMarkRows(QPoint anchor);

// The caption without accelerator marks: "&" before a character is dropped, "&&" becomes "&",
// a lone "&" as the very last character stays. Used for hints and for measuring.
QString StripAcceleratorMarks(const QString &caption);

// Index in StripAcceleratorMarks(caption) of the letter marked with a single "&", or -1.
qsizetype AcceleratorIndex(const QString &caption);
