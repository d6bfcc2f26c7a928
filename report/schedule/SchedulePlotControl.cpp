#include "report/schedule/SchedulePlotControl.h"

#include "calc/ScheduleText.h"
#include "controls/common/ColorNames.h"
#include "report/engine/FormBuilding.h"
#include "report/engine/PrintContext.h"
#include "report/schedule/SchedulePlotGeometry.h"

#include <QRectF>
#include <algorithm>
#include <cmath>

namespace {

constexpr int TextPixels = 9;
constexpr qreal PanelGap = 24;
constexpr qreal TickLength = 3;
constexpr qreal TextGap = 3;       // between a mark and its text
constexpr qreal RightRoom = 10;    // for half the last year's text
constexpr qreal LegendSample = 18; // a legend's line or swatch across
constexpr int CurvePenWidth = 6;   // page units
constexpr QColor PrincipalGrey{96, 96, 96};
const QColor &InterestGrey = clSilver;

TRPFont PlotFont(TFontStyle style)
{
    return ReportArial(TextPixels, style, clBlack);
}

// What the plot draws with, in design pixels on the page.
class PlotPainter {
public:
    explicit PlotPainter(const TRPPrintContext &context)
        : m_context(context), m_canvas(context.Canvas()),
          m_lineHeight(PrintedLineHeight(PlotFont(TFontStyle::Regular)))
    {
    }

    qreal LineHeight() const { return m_lineHeight; }

    QPoint Page(QPointF point) const
    {
        const qreal unitsPerPixel = 4 * static_cast<qreal>(m_context.ScaleFactor());
        return {static_cast<int>(std::lround(point.x() * unitsPerPixel)),
                static_cast<int>(std::lround(point.y() * unitsPerPixel))};
    }

    void Line(QPointF from, QPointF to)
    {
        m_canvas.SetPen(QPen(Qt::black, 0));
        m_canvas.MoveTo(Page(from));
        m_canvas.LineTo(Page(to));
    }

    void Curve(const QPolygonF &points, Qt::PenStyle style)
    {
        std::vector<QPoint> onPage;
        for (const QPointF &point : points)
            onPage.push_back(Page(point));
        m_canvas.SetPen(QPen(QBrush(Qt::black), CurvePenWidth, style, Qt::FlatCap, Qt::RoundJoin));
        m_canvas.Polyline(std::move(onPage));
    }

    void Fill(const QRectF &rect, const QColor &color)
    {
        const QPoint topLeft = Page(rect.topLeft());
        const QPoint bottomRight = Page(rect.bottomRight());
        m_canvas.SetBrush(QBrush(color));
        m_canvas.FillRect({topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
    }

    // `text` with its top at `at`, its left, right or middle there as `alignment` says.
    void Text(QPointF at, const QString &text, Qt::Alignment alignment,
              TFontStyle style = TFontStyle::Regular)
    {
        const TRPFont font = PlotFont(style);
        m_canvas.SetFont(m_context.PageFont(font));
        m_canvas.SetTextColor(font.Color);
        m_canvas.TextOut(Page(at), text, alignment);
    }

private:
    const TRPPrintContext &m_context;
    PageCanvas &m_canvas;
    qreal m_lineHeight;
};

QString MoneyText(std::int64_t cents, const LocaleValues &locale)
{
    return QString::fromStdString(CentsText(cents, locale));
}

// The widest money text of `ticks`.
qreal MoneyTextWidth(const std::vector<PlotTick> &ticks, const LocaleValues &locale)
{
    qreal widest = 0;
    for (const PlotTick &tick : ticks)
        widest = std::max(widest, PrintedWidth(MoneyText(tick.Value, locale), PlotFont(TFontStyle::Regular)));
    return widest;
}

// The panel's caption at its top and the two lines of its legend at its bottom; the box its plot
// fills between them, beside its money texts.
QRectF PlotBox(PlotPainter &painter, const QRectF &panel, const QString &caption, qreal moneyWidth)
{
    const qreal line = painter.LineHeight();
    painter.Text(panel.topLeft(), caption, Qt::AlignLeft, TFontStyle::Bold);
    return QRectF(QPointF(panel.left() + moneyWidth + TextGap + TickLength, panel.top() + line * 1.5),
                  QPointF(panel.right() - RightRoom, panel.bottom() - line * 3 - TickLength - TextGap));
}

// The axes along the box's left and bottom, the money marks at its left and the years below.
void Axes(PlotPainter &painter, const QRectF &box, const std::vector<PlotTick> &money,
          const std::vector<PlotTick> &years, const LocaleValues &locale)
{
    const qreal line = painter.LineHeight();
    painter.Line(box.topLeft(), box.bottomLeft());
    painter.Line(box.bottomLeft(), box.bottomRight());
    for (const PlotTick &tick : money) {
        painter.Line({box.left() - TickLength, tick.Position}, {box.left(), tick.Position});
        painter.Text({box.left() - TickLength - TextGap, tick.Position - line / 2},
                     MoneyText(tick.Value, locale), Qt::AlignRight);
    }
    for (const PlotTick &tick : years) {
        painter.Line({tick.Position, box.bottom()}, {tick.Position, box.bottom() + TickLength});
        painter.Text({tick.Position, box.bottom() + TickLength}, QString::number(tick.Value),
                     Qt::AlignHCenter);
    }
}

// Legend line `index` (0, 1) under the panel: its sample, then its text.
template <class Sample>
void LegendLine(PlotPainter &painter, const QRectF &panel, int index, const QString &text, Sample sample)
{
    const qreal line = painter.LineHeight();
    const qreal top = panel.bottom() - line * (2 - index);
    sample(QRectF(panel.left(), top + line * 0.25, LegendSample, line * 0.5));
    painter.Text({panel.left() + LegendSample + TextGap * 2, top}, text, Qt::AlignLeft);
}

} // namespace

void TRPSchedulePlot::SetSeries(SchedulePlotSeries series, LocaleValues locale)
{
    m_series = std::move(series);
    m_locale = std::move(locale);
}

void TRPSchedulePlot::PrintAt(const TRPPrintContext &context, int x, int y)
{
    PlotPainter painter(context);
    const qreal panelWidth = (m_width - PanelGap) / 2;
    const QRectF balancePanel(x + m_left, y + m_top, panelWidth, m_height);
    const QRectF barsPanel(balancePanel.right() + PanelGap, y + m_top, panelWidth, m_height);
    const QRectF unit(0, 0, 1, 1); // for the marks' values alone

    const QRectF balanceBox = PlotBox(painter, balancePanel, QStringLiteral("Balance"),
                                      MoneyTextWidth(BalancePlotIn(m_series, unit).Money, m_locale));
    const BalancePlot balance = BalancePlotIn(m_series, balanceBox);
    Axes(painter, balanceBox, balance.Money, balance.Years, m_locale);
    painter.Curve(balance.Plain, Qt::SolidLine);
    painter.Curve(balance.WhatIf, Qt::DashLine);
    const auto curveSample = [&](Qt::PenStyle style) {
        return [&painter, style](const QRectF &r) {
            painter.Curve(QPolygonF({QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y())}),
                          style);
        };
    };
    LegendLine(painter, balancePanel, 0, QStringLiteral("Without extras"), curveSample(Qt::SolidLine));
    LegendLine(painter, balancePanel, 1, QStringLiteral("With extras"), curveSample(Qt::DashLine));

    const QRectF barsBox = PlotBox(painter, barsPanel, QStringLiteral("Paid each year"),
                                   MoneyTextWidth(YearBarsIn(m_series, unit, 0).Money, m_locale));
    const qreal yearWidth = PrintedWidth(QStringLiteral("0000"), PlotFont(TFontStyle::Regular));
    const YearBarsPlot bars = YearBarsIn(m_series, barsBox, yearWidth + TextGap * 2);
    for (const YearBar &bar : bars.Bars) {
        painter.Fill(bar.Principal, PrincipalGrey);
        painter.Fill(bar.Interest, InterestGrey);
    }
    Axes(painter, barsBox, bars.Money, bars.Years, m_locale);
    const auto swatch = [&painter](const QColor &color) {
        return [&painter, color](const QRectF &r) { painter.Fill(r, color); };
    };
    LegendLine(painter, barsPanel, 0, QStringLiteral("Principal"), swatch(PrincipalGrey));
    LegendLine(painter, barsPanel, 1, QStringLiteral("Interest"), swatch(InterestGrey));
}
