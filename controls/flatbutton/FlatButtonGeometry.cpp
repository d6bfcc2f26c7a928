#include "controls/flatbutton/FlatButtonGeometry.h"

#include <QList>
#include <algorithm>

namespace {
// Room the drop-down arrow takes right of the glyph or caption.
constexpr int PopupMarkRoom = 10;
// Free margin between the button's edge and its contents.
constexpr int Margin = 3;
// Width the caption may take: the button less two pixels each side.
constexpr int CaptionInset = 4;
// Gap between glyph and caption.
constexpr int CaptionSpacing = 2;

// Glyph left and top, caption left, top and width of one layout.
struct Placement {
    int GX = 0;
    int GY = 0;
    int TX = 0;
    int TT = 0;
    int TW = 0;
};

// Glyph and caption on top of each other (blBitmapTop, blBitmapBottom); gw includes the mark's room.
Placement PlaceStacked(const FlatButtonGeometryInput &in, int gw, int gh, int sp, int tw, int th)
{
    const int w = in.Button.width();
    const int h = in.Button.height();
    Placement p;
    p.TW = tw;
    if (in.Layout == TFlatButtonLayout::blBitmapTop) {
        p.GY = (h - (gh + th + sp)) / 2;
        p.TT = p.GY + gh + sp;
    } else {
        p.TT = (h - (gh + th + sp)) / 2;
        p.GY = p.TT + th + sp;
    }
    switch (in.Alignment) {
    case TAlignment::taLeftJustify:
        p.GX = Margin;
        p.TX = Margin;
        break;
    case TAlignment::taRightJustify:
        p.GX = w - gw - Margin;
        p.TX = w - tw - Margin;
        break;
    case TAlignment::taCenter:
        p.GX = (w - gw) / 2;
        p.TX = (w - tw) / 2;
        break;
    }
    return p;
}

// Glyph and caption side by side (blBitmapLeft, blBitmapRight); a caption too wide is shortened.
Placement PlaceSideBySide(const FlatButtonGeometryInput &in, int gw, int gh, int sp, int tw, int th)
{
    const int w = in.Button.width();
    const int h = in.Button.height();
    Placement p;
    p.TW = (w - CaptionInset < gw + tw + sp) ? w - CaptionInset - sp - gw : tw;
    p.GY = (h - gh) / 2;
    p.TT = (h - th) / 2;
    const bool glyphFirst = in.Layout == TFlatButtonLayout::blBitmapLeft;
    const int firstWidth = glyphFirst ? gw : p.TW;
    const int secondWidth = glyphFirst ? p.TW : gw;
    int first = 0;
    int second = 0;
    switch (in.Alignment) {
    case TAlignment::taLeftJustify:
        first = Margin;
        second = first + firstWidth + sp;
        break;
    case TAlignment::taRightJustify:
        second = w - secondWidth - Margin;
        first = second - firstWidth - sp;
        break;
    case TAlignment::taCenter:
        first = (w - (gw + p.TW + sp)) / 2;
        second = first + firstWidth + sp;
        break;
    }
    p.GX = glyphFirst ? first : second;
    p.TX = glyphFirst ? second : first;
    return p;
}

// The caption alone (no glyph); under the mark its drawn width shrinks while it is placed 10 wider.
Placement PlaceCaptionOnly(const FlatButtonGeometryInput &in, int tw, int th)
{
    const int w = in.Button.width();
    Placement p;
    int placingWidth = tw;
    p.TW = tw;
    if (in.PopupMark) {
        placingWidth = tw + PopupMarkRoom;
        p.TW = std::min(tw, w - CaptionInset - PopupMarkRoom);
    }
    p.TT = (in.Button.height() - th) / 2;
    switch (in.Alignment) {
    case TAlignment::taLeftJustify:
        p.TX = Margin;
        break;
    case TAlignment::taRightJustify:
        p.TX = w - placingWidth - Margin;
        break;
    case TAlignment::taCenter:
        p.TX = (w - placingWidth) / 2;
        break;
    }
    return p;
}
} // namespace

FlatButtonGeometry LayOutFlatButton(const FlatButtonGeometryInput &in)
{
    const int w = in.Button.width();
    const int sp = in.CaptionShown ? CaptionSpacing : 0;
    const int tw = in.CaptionShown ? std::min(in.Caption.width(), w - CaptionInset) : 0;
    const int th = in.CaptionShown ? in.Caption.height() : 0;
    const bool hasGlyph = !in.Glyph.isEmpty();
    const int gw = in.Glyph.width() + (in.PopupMark ? PopupMarkRoom : 0);
    const int gh = in.Glyph.height();

    Placement p;
    if (!hasGlyph)
        p = PlaceCaptionOnly(in, tw, th);
    else if (in.Layout == TFlatButtonLayout::blBitmapTop || in.Layout == TFlatButtonLayout::blBitmapBottom)
        p = PlaceStacked(in, gw, gh, sp, tw, th);
    else
        p = PlaceSideBySide(in, gw, gh, sp, tw, th);
    if (in.WordWrap && p.TX + p.TW > w - 5)
        p.TW = w - p.TX - 5;

    FlatButtonGeometry result;
    result.Glyph = QPoint(p.GX, p.GY);
    result.Text = QRect(p.TX, p.TT, p.TW, th);
    result.PopupMark = hasGlyph ? QPoint(p.GX + in.Glyph.width() + 3, p.GY + gh / 2)
                                : QPoint(p.TX + p.TW + 3, p.TT + th / 2);
    return result;
}

QList<QRect> PopupMarkRows(QPoint anchor)
{
    QList<QRect> rows;
    for (int row = 0; row < 4; ++row)
        rows.append(QRect(anchor.x() + row, anchor.y() - 1 + row, 7 - 2 * row, 1));
    return rows;
}

namespace {
// Walks the caption's accelerator marks; calls `visit(ch, marked)` for every shown character.
template <class Visit> void WalkAcceleratorMarks(const QString &caption, Visit visit)
{
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar ch = caption.at(i);
        if (ch == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            const QChar next = caption.at(i);
            visit(next, next != QLatin1Char('&'));
        } else {
            visit(ch, false);
        }
    }
}
} // namespace

QString StripAcceleratorMarks(const QString &caption)
{
    QString plain;
    WalkAcceleratorMarks(caption, [&](QChar ch, bool) { plain.append(ch); });
    return plain;
}

qsizetype AcceleratorIndex(const QString &caption)
{
    qsizetype index = -1;
    qsizetype position = 0;
    WalkAcceleratorMarks(caption, [&](QChar, bool marked) {
        if (marked && index < 0)
            index = position;
        ++position;
    });
    return index;
}
