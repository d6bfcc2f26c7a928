#pragma once

#include "design/Alignment.h"
#include "report/engine/RPComponent.h"

#include <QBrush>
#include <QPen>
#include <QString>

class TRPPrintContext;

// What a label prints after its caption: a blank when right-justified, which keeps the text that far
// from the right edge; else nothing.
QString TrailingBlank(TAlignment alignment);

// A control that prints on a band. Positions and sizes are design pixels relative to the band.
class TRPCustomControl : public TRPComponent {
public:
    // `band` holds the control and outlives it.
    explicit TRPCustomControl(const ParentFontSource &band) : m_band(band) {}

    int Left() const { return m_left; }
    void SetLeft(int left) { m_left = left; }
    int Top() const { return m_top; }
    void SetTop(int top) { m_top = top; }
    int Width() const { return m_width; }
    void SetWidth(int width) { m_width = width; }
    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }

    // An invisible control does not print.
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }

    // Draws the control for its band placed at (x, y), design pixels on the page.
    virtual void PrintAt(const TRPPrintContext &context, int x, int y) = 0;

protected:
    const ParentFontSource &m_band;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
};

// A line of text printed in the label's rectangle. Colours are the paper's: a label fills its
// rectangle in the window colour (white) and writes in the window text colour (black) unless told
// otherwise.
class TRPCustomLabel : public TRPCustomControl {
public:
    explicit TRPCustomLabel(const ParentFontSource &band);

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) { m_alignment = alignment; }

    // An auto-sized label is not clipped to its rectangle.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }

    const QColor &Color() const { return m_color; }
    void SetColor(const QColor &color) { m_color = color; }

    // The band's font while ParentFont is on; setting a font turns ParentFont off. The size is in
    // points; the page prints it four times as large, on page units of a quarter design pixel.
    const TRPFont &Font() const;
    void SetFont(const TRPFont &font);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont) { m_parentFont = parentFont; }

    // A transparent label leaves what lies under its rectangle.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent) { m_transparent = transparent; }

protected:
    // Prints `caption` and its TrailingBlank in the label's rectangle for its band at (x, y); answers
    // whether it printed. An empty caption prints nothing at all, not even the fill.
    bool PrintCaption(const TRPPrintContext &context, int x, int y, QString caption) const;

private:
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_autoSize = true;
    QColor m_color;
    TRPFont m_font;
    bool m_parentFont = true;
    bool m_transparent = false;
};

class TRPLabel : public TRPCustomLabel {
public:
    using TRPCustomLabel::TRPCustomLabel;

    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption) { m_caption = caption; }

    void PrintAt(const TRPPrintContext &context, int x, int y) override;

private:
    QString m_caption;
};

// What a system data label prints after its Text.
enum class TRPSysDataType {
    rpsTime,        // the current time, short time format
    rpsDate,        // today, short date format
    rpsDateTime,    // short date, a space and the long time; date alone at midnight
    rpsPageNumber,  // the page being printed, from 1
    rpsPageOfCount, // the page being printed and the document's page count: "3 of 12"
};

// A label that prints a value of the run: its Text followed by the value of its Data kind. Not
// auto-sized at creation.
class TRPSysData : public TRPCustomLabel {
public:
    explicit TRPSysData(const ParentFontSource &band);

    TRPSysDataType Data() const { return m_data; }
    void SetData(TRPSysDataType data) { m_data = data; }

    // The prefix printed before the value.
    const QString &Text() const { return m_text; }
    void SetText(const QString &text) { m_text = text; }

    void PrintAt(const TRPPrintContext &context, int x, int y) override;

private:
    TRPSysDataType m_data = TRPSysDataType::rpsTime;
    QString m_text;
};

enum class TRPShapeType {
    rpsRectangle,
    rpsCircle,
    rpsVertLine,
    rpsHorLine,
    rpsTopAndBottom,
    rpsRightAndLeft
};

// Lines, boxes and ellipses drawn with a pen (width in design pixels) and a brush. A new shape is a
// 65 x 65 rectangle with a black pen of width 1 and a white brush. The lines lie along the shape's
// edges: a horizontal line along its top, a vertical one along its left.
class TRPShape : public TRPCustomControl {
public:
    explicit TRPShape(const ParentFontSource &band);

    // Choosing a vertical line makes the width pen width + 3, a horizontal one the height.
    TRPShapeType Shape() const { return m_shape; }
    void SetShape(TRPShapeType shape);

    const QPen &Pen() const { return m_pen; }
    void SetPen(const QPen &pen) { m_pen = pen; }
    // Qt::NoBrush leaves the inside of a rectangle or ellipse untouched.
    const QBrush &Brush() const { return m_brush; }
    void SetBrush(const QBrush &brush) { m_brush = brush; }

    void PrintAt(const TRPPrintContext &context, int x, int y) override;

private:
    TRPShapeType m_shape = TRPShapeType::rpsRectangle;
    QPen m_pen;
    QBrush m_brush{Qt::white, Qt::SolidPattern};
};
