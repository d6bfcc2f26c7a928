#include "app/schedule/charts/SchedulePlotCharts.h"

#include "app/schedule/charts/PageTabs.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// Texts in pixels, so that the charts' layout is the same in logical pixels at every scale.
constexpr int TextPixels = 12;
constexpr int TitlePixels = 13;
constexpr int ChartMargin = 4;   // around a chart, inside its view
constexpr qreal MarkerSize = 10; // across the payoff marker; the axes leave room for half of it

// Qt Charts' room around its texts (logical pixels), beyond the texts' own sizes.
constexpr qreal TextItemMargin = 2;   // of a text item, across and down
constexpr qreal AxisLabelRoom = 9;    // between the left axis's labels and the plot area
constexpr qreal PlotRightRoom = 1;    // between the plot area and the chart's margin
constexpr qreal TitleRoom = 2;        // under the chart's title
constexpr qreal LegendEntryRoom = 20; // a legend entry's marker before its text
constexpr qreal LegendRoom = 20;      // around the legend's entries, across
constexpr qreal LabelSpacing = 4;     // between two labels of the left axis, beyond their height
constexpr qreal BottomRoom = 9; // between the plot area, the bottom axis's labels, its title and the legend
constexpr qreal LegendEntryMargin = 3; // above and below a legend entry's text

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

QFont PixelFont(const QFont &family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A chart in a view of its own, its legend below, tight in its view so that the plot area gets the room.
QChartView *ChartView(const QFont &family)
{
    auto *chart = new QChart;
    chart->setTitleFont(PixelFont(family, TitlePixels, true));
    chart->setMargins(QMargins(ChartMargin, ChartMargin, ChartMargin, ChartMargin));
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    QLegend &legend = *chart->legend();
    legend.setAlignment(Qt::AlignBottom);
    legend.setFont(PixelFont(family, TextPixels, false));
    // As high as its entries: the style's layout margins would leave a blank line above and below them.
    qreal left = 0;
    qreal right = 0;
    legend.layout()->getContentsMargins(&left, nullptr, &right, nullptr);
    legend.layout()->setContentsMargins(left, 0, right, 0);
    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFrameShape(QFrame::NoFrame);
    return view;
}

// An axis whose labels stand at their values.
QCategoryAxis *Axis(QChart &chart, Qt::Alignment alignment, const QFont &family)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setLabelsFont(PixelFont(family, TextPixels, false));
    axis->setTitleFont(PixelFont(family, TextPixels, true));
    chart.addAxis(axis, alignment);
    return axis;
}

// Replaces the axis's title, range and marks by `description`'s.
void ShowAxis(QCategoryAxis &axis, const PlotAxis &description)
{
    for (const QString &label : axis.categoriesLabels())
        axis.remove(label);
    axis.setTitleText(Text(description.Title));
    axis.setStartValue(description.Min);
    for (const PlotMark &mark : description.Marks)
        axis.append(Text(mark.Text), mark.Value);
    axis.setRange(description.Min, description.Max);
}

QSizeF TextItemSize(const QFont &font, const QString &text)
{
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(text) + TextItemMargin, metrics.height() + TextItemMargin};
}

qreal WidestText(const QFont &font, const PlotAxis &axis)
{
    qreal widest = 0;
    for (const PlotMark &mark : axis.Marks)
        widest = std::max(widest, TextItemSize(font, Text(mark.Text)).width());
    return widest;
}

// The least gap between two neighbouring marks, as a share of the axis.
qreal LeastMarkShare(const PlotAxis &axis)
{
    qreal least = 1;
    for (size_t i = 1; i < axis.Marks.size(); ++i)
        least = std::min(least, (axis.Marks[i].Value - axis.Marks[i - 1].Value) / (axis.Max - axis.Min));
    return least;
}

// The least size of `chart`, drawing `time` along its bottom and `money` at its left, in which every
// text reads whole: no label elided or hidden for want of room, the left axis's title along the plot's
// height, the legend (`legendNames`) and the title in one line each. The plot's height also leaves
// `bottomRoom` of its axis for half the payoff marker.
QSize LeastChartSize(const QChart &chart, const PlotAxis &time, const PlotAxis &money,
                     const QStringList &legendNames, qreal bottomRoom)
{
    const QFont labelFont = chart.axes(Qt::Horizontal).front()->labelsFont();
    const QFont axisTitleFont = chart.axes(Qt::Horizontal).front()->titleFont();
    const QSizeF title = TextItemSize(chart.titleFont(), chart.title());
    const qreal line = TextItemSize(labelFont, QString()).height();
    const qreal axisTitleLine = TextItemSize(axisTitleFont, QString()).height();
    const qreal legendLine = TextItemSize(chart.legend()->font(), QString()).height();

    qreal legend = LegendRoom;
    for (const QString &name : legendNames)
        legend += LegendEntryRoom + TextItemSize(chart.legend()->font(), name).width();
    const qreal plotWidth = std::max(WidestText(labelFont, time) / LeastMarkShare(time),
                                     TextItemSize(axisTitleFont, Text(time.Title)).width());
    const qreal axesWidth =
        AxisLabelRoom + axisTitleLine + WidestText(labelFont, money) + plotWidth + PlotRightRoom;
    const qreal width = 2 * ChartMargin + std::max({title.width(), legend, axesWidth});

    const qreal plotHeight = std::max({(line + LabelSpacing) / LeastMarkShare(money),
                                       TextItemSize(axisTitleFont, Text(money.Title)).width(),
                                       bottomRoom > 0 ? MarkerSize / 2 / bottomRoom : 0});
    const qreal height = 2 * ChartMargin + title.height() + TitleRoom + plotHeight + line + axisTitleLine +
                         BottomRoom + legendLine + 2 * LegendEntryMargin;
    return {static_cast<int>(std::ceil(width)), static_cast<int>(std::ceil(height))};
}

QList<QPointF> ChartPoints(const std::vector<PlotPoint> &points)
{
    QList<QPointF> chartPoints;
    chartPoints.reserve(static_cast<qsizetype>(points.size()));
    for (const PlotPoint &point : points)
        chartPoints.append({point.Time, point.Amount});
    return chartPoints;
}

// Shows `text` at the mouse while `shown`. The hover handlers do nothing else: no code of ours runs
// in them that could fail.
void ShowTip(bool shown, const QString &text, QWidget *widget)
{
    if (shown)
        QToolTip::showText(QCursor::pos(), text, widget);
    else
        QToolTip::hideText();
}

class TSchedulePlotCharts : public QWidget {
public:
    explicit TSchedulePlotCharts(QWidget *parent);
    void ShowDescription(const SchedulePlotDescription &description);

private:
    void CreateBalanceChart();
    void CreateYearChart();
    // The lines in the legend's order, then the marker; once, as the first description comes.
    void AddBalanceSeries(qsizetype lineCount);
    void ShowBalance(const BalanceChart &balance);
    void ShowYears(const YearChart &years);

    QChartView *m_balanceView = nullptr;
    QList<QLineSeries *> m_lines; // the description's lines, in order
    QScatterSeries *m_payoffMarker = nullptr;
    QCategoryAxis *m_timeAxis = nullptr;
    QCategoryAxis *m_balanceAxis = nullptr;

    QChartView *m_yearView = nullptr;
    QStackedBarSeries *m_bars = nullptr;
    QCategoryAxis *m_yearAxis = nullptr;
    QCategoryAxis *m_yearMoneyAxis = nullptr;

    QStringList m_yearTips;
};

TSchedulePlotCharts::TSchedulePlotCharts(QWidget *parent) : QWidget(parent)
{
    CreateBalanceChart();
    CreateYearChart();
    setAccessibleName(QStringLiteral("Schedule charts"));
    // Its page tabs report the focus only while they have it.
    auto *tabs = new TPageTabs;
    tabs->setAccessibleName(QStringLiteral("Plots"));
    tabs->addTab(m_balanceView, QStringLiteral("Balance"));
    tabs->addTab(m_yearView, QStringLiteral("Interest and principal"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
}

void TSchedulePlotCharts::CreateBalanceChart()
{
    m_balanceView = ChartView(font());
    QChart &chart = *m_balanceView->chart();
    m_timeAxis = Axis(chart, Qt::AlignBottom, font());
    m_balanceAxis = Axis(chart, Qt::AlignLeft, font());
    m_payoffMarker = new QScatterSeries(this); // the chart takes it over with the first description
    m_payoffMarker->setMarkerSize(MarkerSize);
    connect(m_payoffMarker, &QScatterSeries::hovered, this,
            [this](const QPointF &, bool shown) { ShowTip(shown, m_payoffMarker->name(), m_balanceView); });
}

void TSchedulePlotCharts::CreateYearChart()
{
    m_yearView = ChartView(font());
    QChart &chart = *m_yearView->chart();
    m_bars = new QStackedBarSeries;
    chart.addSeries(m_bars);
    connect(m_bars, &QStackedBarSeries::hovered, this, [this](bool shown, int index, QBarSet *) {
        ShowTip(shown && index >= 0 && index < m_yearTips.size(), m_yearTips.value(index), m_yearView);
    });
    m_yearAxis = Axis(chart, Qt::AlignBottom, font());
    m_yearMoneyAxis = Axis(chart, Qt::AlignLeft, font());
    m_bars->attachAxis(m_yearAxis);
    m_bars->attachAxis(m_yearMoneyAxis);
}

void TSchedulePlotCharts::AddBalanceSeries(qsizetype lineCount)
{
    QChart &chart = *m_balanceView->chart();
    QList<QXYSeries *> series;
    for (qsizetype i = 0; i < lineCount; ++i) {
        m_lines.append(new QLineSeries);
        series.append(m_lines.back());
    }
    series.append(m_payoffMarker);
    for (QXYSeries *added : series) {
        chart.addSeries(added);
        added->attachAxis(m_timeAxis);
        added->attachAxis(m_balanceAxis);
    }
}

void TSchedulePlotCharts::ShowBalance(const BalanceChart &balance)
{
    QChart &chart = *m_balanceView->chart();
    chart.setTitle(Text(balance.Title));
    if (m_lines.isEmpty())
        AddBalanceSeries(static_cast<qsizetype>(balance.Lines.size()));
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const PlotLine &line = balance.Lines[static_cast<size_t>(i)];
        m_lines[i]->setName(Text(line.Name));
        m_lines[i]->replace(ChartPoints(line.Points));
    }
    m_payoffMarker->setName(Text(balance.PayoffText));
    m_payoffMarker->replace({QPointF(balance.Payoff.Time, balance.Payoff.Amount)});
    ShowAxis(*m_timeAxis, balance.Time);
    ShowAxis(*m_balanceAxis, balance.Money);
    QStringList legendNames;
    for (const PlotLine &line : balance.Lines)
        legendNames.append(Text(line.Name));
    legendNames.append(m_payoffMarker->name());
    const qreal markerRoom = -balance.Money.Min / (balance.Money.Max - balance.Money.Min);
    m_balanceView->setMinimumSize(
        LeastChartSize(chart, balance.Time, balance.Money, legendNames, markerRoom));
    m_balanceView->setAccessibleName(Text(balance.Title));
    m_balanceView->setAccessibleDescription(Text(balance.Description));
}

void TSchedulePlotCharts::ShowYears(const YearChart &years)
{
    m_yearView->chart()->setTitle(Text(years.Title));
    m_bars->clear();
    for (const PlotBarSet &part : years.Stack) {
        auto *set = new QBarSet(Text(part.Name));
        for (const double amount : part.Amounts)
            set->append(amount);
        m_bars->append(set);
    }
    ShowAxis(*m_yearAxis, years.Years);
    ShowAxis(*m_yearMoneyAxis, years.Money);
    m_yearTips.clear();
    for (const std::string &tip : years.Tips)
        m_yearTips.append(Text(tip));
    QStringList legendNames;
    for (const PlotBarSet &part : years.Stack)
        legendNames.append(Text(part.Name));
    m_yearView->setMinimumSize(
        LeastChartSize(*m_yearView->chart(), years.Years, years.Money, legendNames, 0));
    m_yearView->setAccessibleName(Text(years.Title));
    m_yearView->setAccessibleDescription(Text(years.Description));
}

void TSchedulePlotCharts::ShowDescription(const SchedulePlotDescription &description)
{
    ShowBalance(description.Balance);
    ShowYears(description.Years);
}

} // namespace

QWidget *QuillmerePlotChartsCreate(QWidget *parent)
{
    return new TSchedulePlotCharts(parent);
}

void QuillmerePlotChartsShow(QWidget *charts, const SchedulePlotDescription &description)
{
    static_cast<TSchedulePlotCharts *>(charts)->ShowDescription(description);
}
