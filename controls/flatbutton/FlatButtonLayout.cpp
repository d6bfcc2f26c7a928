#include "flatbutton/FlatButtonLayout.h"

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

// Glyph left and top, caption left, top and width, as the placement rules produce them.
struct Placement {
    int gx = 0;
    int gy = 0;
    int tx = 0;
    int tt = 0;
    int tw = 0;
};

// Glyph and caption on top of each other (blBitmapTop, blBitmapBottom); gw includes the mark's room.
Placement PlaceStacked(const FlatButtonLayoutInput &in, int gw, int gh, int sp, int tw, int th)
{
    const int w = in.button.width();
    const int h = in.button.height();
    Placement p;
    p.tw = tw;
    if (in.layout == TFlatButtonLayout::blBitmapTop) {
        p.gy = (h - (gh + th + sp)) / 2;
        p.tt = p.gy + gh + sp;
    } else {
        p.tt = (h - (gh + th + sp)) / 2;
        p.gy = p.tt + th + sp;
    }
    switch (in.alignment) {
    case TFlatButtonAlignment::taLeftJustify:
        p.gx = Margin;
        p.tx = Margin;
        break;
    case TFlatButtonAlignment::taRightJustify:
        p.gx = w - gw - Margin;
        p.tx = w - tw - Margin;
        break;
    case TFlatButtonAlignment::taCenter:
        p.gx = (w - gw) / 2;
        p.tx = (w - tw) / 2;
        break;
    }
    return p;
}

// Glyph and caption side by side (blBitmapLeft, blBitmapRight); a caption too wide is shortened.
Placement PlaceSideBySide(const FlatButtonLayoutInput &in, int gw, int gh, int sp, int tw, int th)
{
    const int w = in.button.width();
    const int h = in.button.height();
    Placement p;
    p.tw = (w - CaptionInset < gw + tw + sp) ? w - CaptionInset - sp - gw : tw;
    p.gy = (h - gh) / 2;
    p.tt = (h - th) / 2;
    const bool glyphFirst = in.layout == TFlatButtonLayout::blBitmapLeft;
    const int firstWidth = glyphFirst ? gw : p.tw;
    const int secondWidth = glyphFirst ? p.tw : gw;
    int first = 0;
    int second = 0;
    switch (in.alignment) {
    case TFlatButtonAlignment::taLeftJustify:
        first = Margin;
        second = first + firstWidth + sp;
        break;
    case TFlatButtonAlignment::taRightJustify:
        second = w - secondWidth - Margin;
        first = second - firstWidth - sp;
        break;
    case TFlatButtonAlignment::taCenter:
        first = (w - (gw + p.tw + sp)) / 2;
        second = first + firstWidth + sp;
        break;
    }
    p.gx = glyphFirst ? first : second;
    p.tx = glyphFirst ? second : first;
    return p;
}

// The caption alone (no glyph); under the mark its drawn width shrinks while it is placed 10 wider.
Placement PlaceCaptionOnly(const FlatButtonLayoutInput &in, int tw, int th)
{
    const int w = in.button.width();
    Placement p;
    int placingWidth = tw;
    p.tw = tw;
    if (in.popupMark) {
        placingWidth = tw + PopupMarkRoom;
        p.tw = std::min(tw, w - CaptionInset - PopupMarkRoom);
    }
    p.tt = (in.button.height() - th) / 2;
    switch (in.alignment) {
    case TFlatButtonAlignment::taLeftJustify:
        p.tx = Margin;
        break;
    case TFlatButtonAlignment::taRightJustify:
        p.tx = w - placingWidth - Margin;
        break;
    case TFlatButtonAlignment::taCenter:
        p.tx = (w - placingWidth) / 2;
        break;
    }
    return p;
}
} // namespace

FlatButtonLayout LayOutFlatButton(const FlatButtonLayoutInput &in)
{
    const int w = in.button.width();
    const int sp = in.captionShown ? CaptionSpacing : 0;
    const int tw = in.captionShown ? std::min(in.caption.width(), w - CaptionInset) : 0;
    const int th = in.captionShown ? in.caption.height() : 0;
    const bool hasGlyph = !in.glyph.isEmpty();
    const int gw = in.glyph.width() + (in.popupMark ? PopupMarkRoom : 0);
    const int gh = in.glyph.height();

    Placement p;
    if (!hasGlyph)
        p = PlaceCaptionOnly(in, tw, th);
    else if (in.layout == TFlatButtonLayout::blBitmapTop || in.layout == TFlatButtonLayout::blBitmapBottom)
        p = PlaceStacked(in, gw, gh, sp, tw, th);
    else
        p = PlaceSideBySide(in, gw, gh, sp, tw, th);
    if (in.wordWrap && p.tx + p.tw > w - 5)
        p.tw = w - p.tx - 5;

    FlatButtonLayout result;
    result.glyph = QPoint(p.gx, p.gy);
    result.text = QRect(p.tx, p.tt, p.tw, th);
    result.popupMark = hasGlyph ? QPoint(p.gx + in.glyph.width() + 3, p.gy + gh / 2)
                                : QPoint(p.tx + p.tw + 3, p.tt + th / 2);
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
