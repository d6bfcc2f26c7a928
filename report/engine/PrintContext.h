#pragma once

#include "calc/Real6.h"
#include "report/engine/RPComponent.h"
#include "report/printer/PageCanvas.h"

#include <QString>
#include <ctime>
#include <vector>

// A pen of a width in design pixels as the page draws it, in page units.
QPen PagePen(const QPen &designPen);
// A line from `from` to `to`; the canvas's pen position ends at `to`.
void DrawLine(PageCanvas &canvas, QPoint from, QPoint to);

// A recorded text that shows the document's page count, which is known only once the document ends:
// then it becomes Before, the count and After.
struct TRPPageCountText {
    int Page = 0;         // 1-based
    size_t Operation = 0; // the text's index among the page's operations
    QString Before;
    QString After;

    QString Text(int pageCount) const { return Before + QString::number(pageCount) + After; }
};

// The font a text is recorded in on a page: `font` at its point size scaled by `scaleFactor` (rounded
// half to even), times the page units per pixel.
QFont PageFont(const TRPFont &font, long double scaleFactor = 1);

// What the controls of a printing band draw with: the canvas of the page being recorded, the mapping
// from design pixels to page units and the facts of the run.
class TRPPrintContext {
public:
    // `pageCountTexts` collects the run's texts that show the page count.
    TRPPrintContext(PageCanvas &canvas, Real6 scaleFactor, int pageNumber, const TRPClock &clock,
                    std::vector<TRPPageCountText> &pageCountTexts)
        : m_canvas(canvas), m_scaleFactor(scaleFactor), m_pageNumber(pageNumber), m_clock(clock),
          m_pageCountTexts(pageCountTexts)
    {
    }

    PageCanvas &Canvas() const { return m_canvas; }
    // The form's pixels per inch / 96.
    long double ScaleFactor() const { return m_scaleFactor.ToExtended(); }
    // Page units of a design-pixel position or length: Round(ScaleFactor x v) x PageUnitsPerPixel.
    int Unit(int designPixels) const;
    PageRect UnitRect(int left, int top, int right, int bottom) const;
    // PageFont at the report's scale factor.
    QFont PageFont(const TRPFont &font) const;

    // The page being recorded, from 1.
    int PageNumber() const { return m_pageNumber; }
    // The clock's time in the process's time zone.
    std::tm LocalNow() const;
    // The text recorded last on the page shows the page count: `before`, the count and `after`.
    void CountPagesInLastText(const QString &before, const QString &after) const;

private:
    PageCanvas &m_canvas;
    Real6 m_scaleFactor;
    int m_pageNumber;
    const TRPClock &m_clock;
    std::vector<TRPPageCountText> &m_pageCountTexts;
};
