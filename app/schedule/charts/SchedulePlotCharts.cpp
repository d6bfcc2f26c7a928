#include "app/schedule/charts/SchedulePlotCharts.h"

#include "app/schedule/charts/PageTabs.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

// A chart in a view of its own, its legend below.
QChartView *ChartView(const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(title);
    return view;
}

// A money axis whose labels stand at their values, on the chart's left.
QCategoryAxis *MoneyAxis(QChart &chart)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart.addAxis(axis, Qt::AlignLeft);
    return axis;
}

// Replaces the axis's labels by `ticks` and spans it from the first to the last.
void SetMoneyTicks(QCategoryAxis &axis, const QList<AxisTick> &ticks)
{
    for (const QString &label : axis.categoriesLabels())
        axis.remove(label);
    axis.setStartValue(ticks.front().Value);
    for (const AxisTick &tick : ticks)
        axis.append(tick.Text, tick.Value);
    axis.setRange(ticks.front().Value, ticks.back().Value);
}

QLineSeries *AttachedLine(QChart &chart, const QString &name)
{
    auto *line = new QLineSeries;
    line->setName(name);
    chart.addSeries(line);
    return line;
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
    void ShowContent(const SchedulePlotContent &content);

private:
    void CreateBalanceChart();
    void CreateYearChart();

    QChartView *m_balanceView = nullptr;
    QLineSeries *m_plainLine = nullptr;
    QLineSeries *m_whatIfLine = nullptr;
    QScatterSeries *m_payoffMarker = nullptr;
    QValueAxis *m_timeAxis = nullptr;
    QCategoryAxis *m_balanceAxis = nullptr;

    QChartView *m_yearView = nullptr;
    QBarSet *m_interestBars = nullptr;
    QBarSet *m_principalBars = nullptr;
    QBarCategoryAxis *m_yearAxis = nullptr;
    QCategoryAxis *m_yearMoneyAxis = nullptr;

    QString m_payoffText;
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
    m_balanceView = ChartView(QStringLiteral("Balance over time"));
    QChart &chart = *m_balanceView->chart();
    m_plainLine = AttachedLine(chart, QStringLiteral("Without extras"));
    m_whatIfLine = AttachedLine(chart, QStringLiteral("With extras"));
    m_payoffMarker = new QScatterSeries;
    m_payoffMarker->setName(QStringLiteral("Paid off"));
    m_payoffMarker->setPointLabelsVisible(true);
    m_payoffMarker->setPointLabelsClipping(false);
    chart.addSeries(m_payoffMarker);
    connect(m_payoffMarker, &QScatterSeries::hovered, this,
            [this](const QPointF &, bool shown) { ShowTip(shown, m_payoffText, m_balanceView); });

    m_timeAxis = new QValueAxis;
    m_timeAxis->setTickType(QValueAxis::TicksDynamic);
    m_timeAxis->setTickAnchor(0);
    m_timeAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart.addAxis(m_timeAxis, Qt::AlignBottom);
    m_balanceAxis = MoneyAxis(chart);
    for (QAbstractSeries *series : chart.series()) {
        series->attachAxis(m_timeAxis);
        series->attachAxis(m_balanceAxis);
    }
}

void TSchedulePlotCharts::CreateYearChart()
{
    m_yearView = ChartView(QStringLiteral("Interest and principal per year"));
    QChart &chart = *m_yearView->chart();
    m_interestBars = new QBarSet(QStringLiteral("Interest"));
    m_principalBars = new QBarSet(QStringLiteral("Principal"));
    auto *bars = new QStackedBarSeries;
    bars->append(m_interestBars);
    bars->append(m_principalBars);
    chart.addSeries(bars);
    connect(bars, &QStackedBarSeries::hovered, this, [this](bool shown, int index, QBarSet *) {
        ShowTip(shown && index >= 0 && index < m_yearTips.size(), m_yearTips.value(index), m_yearView);
    });

    m_yearAxis = new QBarCategoryAxis;
    m_yearAxis->setLabelsAngle(-90); // upright, a year's four digits fit under a narrow bar
    chart.addAxis(m_yearAxis, Qt::AlignBottom);
    m_yearMoneyAxis = MoneyAxis(chart);
    bars->attachAxis(m_yearAxis);
    bars->attachAxis(m_yearMoneyAxis);
}

void TSchedulePlotCharts::ShowContent(const SchedulePlotContent &content)
{
    m_plainLine->replace(content.PlainBalance);
    m_whatIfLine->replace(content.WhatIfBalance);
    m_payoffText = content.Texts.Payoff;
    m_payoffMarker->setPointLabelsFormat(m_payoffText);
    m_payoffMarker->replace({content.Payoff});
    m_timeAxis->setTitleText(content.TimeTitle);
    m_timeAxis->setTickInterval(content.TimeStep);
    m_timeAxis->setRange(content.TimeStart, content.TimeEnd);
    SetMoneyTicks(*m_balanceAxis, content.BalanceTicks);

    m_interestBars->remove(0, m_interestBars->count());
    m_interestBars->append(content.Years.Interest);
    m_principalBars->remove(0, m_principalBars->count());
    m_principalBars->append(content.Years.Principal);
    m_yearAxis->setCategories(content.Years.Categories);
    m_yearAxis->setTitleText(content.TimeTitle);
    m_yearTips = content.YearTips;
    SetMoneyTicks(*m_yearMoneyAxis, content.YearTicks);

    m_balanceView->setAccessibleDescription(content.Texts.Balance);
    m_yearView->setAccessibleDescription(content.Texts.Years);
}

} // namespace

QWidget *QuillmerePlotChartsCreate(QWidget *parent)
{
    return new TSchedulePlotCharts(parent);
}

void QuillmerePlotChartsShow(QWidget *charts, const SchedulePlotContent &content)
{
    static_cast<TSchedulePlotCharts *>(charts)->ShowContent(content);
}
