#include "report/schedule/SchedulePlotControl.h"

#include "design/ColorNames.h"
#include "report/engine/FormBuilding.h"
#include "report/engine/PrintContext.h"
#include "report/schedule/SchedulePlotGeometry.h"

#include <QRectF>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int TextPixels = 9;
constexpr qreal PanelGap = 24;
constexpr qreal TickLength = 3;
constexpr qreal TextGap = 3;       // between a mark and its text
constexpr qreal RightRoom = 10;    // for half the last year's text
constexpr qreal LegendSample = 18; // a legend's line or swatch across
constexpr int LegendRows = 3;      // the most entries of a panel's legend, one a row
constexpr int CurvePenWidth = 6;   // page units
constexpr qreal MarkerSize = 6;    // across the payoff marker
// The balance lines' styles and the bars' parts' greys, in the description's order.
constexpr std::array LineStyles{Qt::SolidLine, Qt::DashLine};
const std::array<QColor, 2> BarGreys{clSilver, QColor(96, 96, 96)};

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

    void Dot(QPointF centre)
    {
        const QPoint topLeft = Page(centre - QPointF(MarkerSize / 2, MarkerSize / 2));
        const QPoint bottomRight = Page(centre + QPointF(MarkerSize / 2, MarkerSize / 2));
        m_canvas.SetPen(QPen(Qt::black, 0));
        m_canvas.SetBrush(QBrush(Qt::black));
        m_canvas.Ellipse({topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
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

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

// The widest text of the axis's marks.
qreal WidestText(const PlotAxis &axis)
{
    qreal widest = 0;
    for (const PlotMark &mark : axis.Marks)
        widest = std::max(widest, PrintedWidth(Text(mark.Text), PlotFont(TFontStyle::Regular)));
    return widest;
}

// The panel's title and its money axis's title at its top, its time axis's title and legend at its
// bottom; the box its plot fills between them, beside the money texts.
QRectF PlotBox(PlotPainter &painter, const QRectF &panel, const std::string &title, const PlotAxis &money)
{
    const qreal moneyWidth = WidestText(money);
    const qreal line = painter.LineHeight();
    painter.Text(panel.topLeft(), Text(title), Qt::AlignLeft, TFontStyle::Bold);
    painter.Text({panel.left(), panel.top() + line}, Text(money.Title), Qt::AlignLeft);
    return QRectF(
        QPointF(panel.left() + moneyWidth + TextGap + TickLength, panel.top() + line * 2.5),
        QPointF(panel.right() - RightRoom, panel.bottom() - line * (LegendRows + 2) - TickLength - TextGap));
}

// The axes along the box's left and bottom, the money marks at its left, the time marks below and the
// time axis's title under them.
void Axes(PlotPainter &painter, const QRectF &box, const std::vector<PlotTick> &money,
          const std::vector<PlotTick> &time, const std::string &timeTitle)
{
    const qreal line = painter.LineHeight();
    painter.Line(box.topLeft(), box.bottomLeft());
    painter.Line(box.bottomLeft(), box.bottomRight());
    for (const PlotTick &tick : money) {
        painter.Line({box.left() - TickLength, tick.Position}, {box.left(), tick.Position});
        painter.Text({box.left() - TickLength - TextGap, tick.Position - line / 2}, tick.Text,
                     Qt::AlignRight);
    }
    for (const PlotTick &tick : time) {
        painter.Line({tick.Position, box.bottom()}, {tick.Position, box.bottom() + TickLength});
        painter.Text({tick.Position, box.bottom() + TickLength}, tick.Text, Qt::AlignHCenter);
    }
    painter.Text({box.center().x(), box.bottom() + TickLength + line}, Text(timeTitle), Qt::AlignHCenter);
}

// Legend row `index` under the panel: its sample, then its text.
template <class Sample>
void LegendLine(PlotPainter &painter, const QRectF &panel, int index, const std::string &text, Sample sample)
{
    const qreal line = painter.LineHeight();
    const qreal top = panel.bottom() - line * (LegendRows - index);
    sample(QRectF(panel.left(), top + line * 0.25, LegendSample, line * 0.5));
    painter.Text({panel.left() + LegendSample + TextGap * 2, top}, Text(text), Qt::AlignLeft);
}

} // namespace

void TRPSchedulePlot::SetSeries(const SchedulePlotSeries &series, const LocaleValues &locale)
{
    m_plot = DescribePlot(series, locale, PaperMostSteps);
}

void TRPSchedulePlot::PrintAt(const TRPPrintContext &context, int x, int y)
{
    PlotPainter painter(context);
    const qreal panelWidth = (m_width - PanelGap) / 2;
    const QRectF balancePanel(x + m_left, y + m_top, panelWidth, m_height);
    const QRectF barsPanel(balancePanel.right() + PanelGap, y + m_top, panelWidth, m_height);

    const BalanceChart &balanceChart = m_plot.Balance;
    const QRectF balanceBox = PlotBox(painter, balancePanel, balanceChart.Title, balanceChart.Money);
    const BalancePlot balance = BalancePlotIn(balanceChart, balanceBox);
    Axes(painter, balanceBox, balance.Money, balance.Time, balanceChart.Time.Title);
    for (size_t i = 0; i < balance.Lines.size(); ++i) {
        const Qt::PenStyle style = LineStyles.at(i);
        painter.Curve(balance.Lines[i], style);
        LegendLine(painter, balancePanel, static_cast<int>(i), balanceChart.Lines[i].Name,
                   [&painter, style](const QRectF &r) {
                       painter.Curve(
                           QPolygonF({QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y())}),
                           style);
                   });
    }
    painter.Dot(balance.Payoff);
    LegendLine(painter, balancePanel, static_cast<int>(balance.Lines.size()), balanceChart.PayoffText,
               [&painter](const QRectF &r) { painter.Dot(r.center()); });

    const YearChart &yearChart = m_plot.Years;
    const QRectF barsBox = PlotBox(painter, barsPanel, yearChart.Title, yearChart.Money);
    const YearBarsPlot bars = YearBarsIn(yearChart, barsBox);
    for (const YearBar &bar : bars.Bars)
        for (size_t part = 0; part < bar.Parts.size(); ++part)
            painter.Fill(bar.Parts[part], BarGreys.at(part));
    Axes(painter, barsBox, bars.Money, bars.Years, yearChart.Years.Title);
    for (size_t part = 0; part < yearChart.Stack.size(); ++part) {
        const QColor grey = BarGreys.at(part);
        LegendLine(painter, barsPanel, static_cast<int>(part), yearChart.Stack[part].Name,
                   [&painter, grey](const QRectF &r) { painter.Fill(r, grey); });
    }
}
