#include "report/engine/PrintContext.h"

#include "calc/Rounding.h"
#include "report/printer/PageGeometry.h"

#include <cstdlib>

int TRPPrintContext::Unit(int designPixels) const
{
    return RoundHalfEven(m_scaleFactor.ToExtended() * designPixels) * PageUnitsPerPixel;
}

PageRect TRPPrintContext::UnitRect(int left, int top, int right, int bottom) const
{
    return {Unit(left), Unit(top), Unit(right), Unit(bottom)};
}

QFont PageFont(const TRPFont &font, long double scaleFactor)
{
    QFont pageFont = font.Font;
    pageFont.setPointSize(std::abs(RoundHalfEven(scaleFactor * pageFont.pointSize())) * PageUnitsPerPixel);
    return pageFont;
}

QFont TRPPrintContext::PageFont(const TRPFont &font) const
{
    return ::PageFont(font, ScaleFactor());
}

std::tm TRPPrintContext::LocalNow() const
{
    const std::time_t now = std::chrono::system_clock::to_time_t(m_clock());
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void TRPPrintContext::CountPagesInLastText(const QString &before, const QString &after) const
{
    m_pageCountTexts.push_back({m_pageNumber, m_canvas.Page().Operations().size() - 1, before, after});
}

QPen PagePen(const QPen &designPen)
{
    QPen pen = designPen;
    pen.setWidth(designPen.width() * PageUnitsPerPixel);
    return pen;
}

void DrawLine(PageCanvas &canvas, QPoint from, QPoint to)
{
    canvas.MoveTo(from);
    canvas.LineTo(to);
}
