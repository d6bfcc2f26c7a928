#include "engine/RPControls.h"

#include "Rounding.h"
#include "engine/PaperColors.h"
#include "engine/PrintContext.h"
#include "engine/SystemDataText.h"

#include <cstdlib>

TRPCustomLabel::TRPCustomLabel(const ParentFontSource &band) : TRPCustomControl(band), m_color(clWindow)
{
    m_font.Color = clWindowText;
}

const TRPFont &TRPCustomLabel::Font() const
{
    return m_parentFont ? m_band.Font() : m_font;
}

void TRPCustomLabel::SetFont(const TRPFont &font)
{
    m_font = font;
    m_parentFont = false;
}

QString TrailingBlank(TAlignment alignment)
{
    return alignment == TAlignment::taRightJustify ? QStringLiteral(" ") : QString();
}

QFont PageFont(const TRPFont &font, long double scaleFactor)
{
    QFont pageFont = font.Font;
    pageFont.setPointSize(std::abs(RoundHalfEven(scaleFactor * pageFont.pointSize())) * 4);
    return pageFont;
}

bool TRPCustomLabel::PrintCaption(const TRPPrintContext &context, int x, int y, QString caption) const
{
    const int left = x + m_left;
    const int right = left + m_width;
    const int top = y + m_top;
    const int bottom = top + m_height;
    caption += TrailingBlank(m_alignment);
    if (caption.isEmpty())
        return false;

    PageCanvas &canvas = context.Canvas();
    canvas.SetFont(PageFont(Font(), context.ScaleFactor()));
    canvas.SetTextColor(Font().Color);
    const PageRect rect = context.UnitRect(left, top, right, bottom);
    if (!m_transparent) {
        canvas.SetBrush(QBrush(m_color));
        canvas.FillRect(rect);
    }

    const Qt::Alignment alignment = QtAlignment(m_alignment);
    const QPoint origin(context.Unit(AnchorX(m_alignment, left, right)), rect.Top);
    if (m_autoSize)
        canvas.TextOut(origin, caption, alignment);
    else
        canvas.TextRect(rect, origin, caption, alignment);
    return true;
}

void TRPLabel::PrintAt(const TRPPrintContext &context, int x, int y)
{
    PrintCaption(context, x, y, m_caption);
}

TRPSysData::TRPSysData(const ParentFontSource &band) : TRPCustomLabel(band)
{
    SetAutoSize(false);
}

void TRPSysData::PrintAt(const TRPPrintContext &context, int x, int y)
{
    const QString page = QString::number(context.PageNumber());
    const QString ofCount = page + QStringLiteral(" of ");
    QString value;
    switch (m_data) {
    case TRPSysDataType::rpsTime:
        value = ShortTimeText(context.LocalNow());
        break;
    case TRPSysDataType::rpsDate:
        value = ShortDateText(context.LocalNow());
        break;
    case TRPSysDataType::rpsDateTime:
        value = DateTimeText(context.LocalNow());
        break;
    case TRPSysDataType::rpsPageNumber:
        value = page;
        break;
    case TRPSysDataType::rpsPageOfCount:
        // The count is known once the document ends; until then the text counts the pages so far.
        value = ofCount + page;
        break;
    }
    if (PrintCaption(context, x, y, m_text + value) && m_data == TRPSysDataType::rpsPageOfCount)
        context.CountPagesInLastText(m_text + ofCount, TrailingBlank(Alignment()));
}

TRPShape::TRPShape(const ParentFontSource &band) : TRPCustomControl(band)
{
    m_width = 65;
    m_height = 65;
}

void TRPShape::SetShape(TRPShapeType shape)
{
    m_shape = shape;
    if (shape == TRPShapeType::rpsVertLine)
        m_width = m_pen.width() + 3;
    else if (shape == TRPShapeType::rpsHorLine)
        m_height = m_pen.width() + 3;
}

void TRPShape::PrintAt(const TRPPrintContext &context, int x, int y)
{
    PageCanvas &canvas = context.Canvas();
    canvas.SetBrush(m_brush);
    canvas.SetPen(PagePen(m_pen));
    const PageRect box = context.UnitRect(x + m_left, y + m_top, x + m_left + m_width, y + m_top + m_height);
    const QPoint topLeft(box.Left, box.Top);
    const QPoint topRight(box.Right, box.Top);
    const QPoint bottomLeft(box.Left, box.Bottom);
    const QPoint bottomRight(box.Right, box.Bottom);
    switch (m_shape) {
    case TRPShapeType::rpsRectangle:
        canvas.Rectangle(box);
        break;
    case TRPShapeType::rpsCircle:
        canvas.Ellipse(box);
        break;
    case TRPShapeType::rpsVertLine:
        DrawLine(canvas, topLeft, bottomLeft);
        break;
    case TRPShapeType::rpsHorLine:
        DrawLine(canvas, topLeft, topRight);
        break;
    case TRPShapeType::rpsTopAndBottom:
        DrawLine(canvas, topLeft, topRight);
        DrawLine(canvas, bottomLeft, bottomRight);
        break;
    case TRPShapeType::rpsRightAndLeft:
        DrawLine(canvas, topLeft, bottomLeft);
        DrawLine(canvas, topRight, bottomRight);
        break;
    }
}
