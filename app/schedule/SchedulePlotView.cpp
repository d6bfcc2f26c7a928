#include "schedule/SchedulePlotView.h"

#include "common/FailureGuard.h"
#include "schedule/SchedulePlotPoints.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

namespace {

// A chart in a view of its own, its legend below.
QChartView *ChartView(const QString &title, const QString &accessibleName)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(accessibleName);
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

} // namespace

TSchedulePlot::TSchedulePlot(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Schedule plot"));
    CreateBalanceChart();
    CreateYearChart();
    auto *tabs = new QTabWidget;
    tabs->addTab(m_balanceView, QStringLiteral("Balance"));
    tabs->addTab(m_yearView, QStringLiteral("Interest and principal"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
}

void TSchedulePlot::CreateBalanceChart()
{
    m_balanceView = ChartView(QStringLiteral("Balance over time"), QStringLiteral("Balance over time"));
    QChart &chart = *m_balanceView->chart();
    m_plainLine = AttachedLine(chart, QStringLiteral("Without extras"));
    m_whatIfLine = AttachedLine(chart, QStringLiteral("With extras"));
    m_payoffMarker = new QScatterSeries;
    m_payoffMarker->setName(QStringLiteral("Paid off"));
    m_payoffMarker->setPointLabelsVisible(true);
    m_payoffMarker->setPointLabelsClipping(false);
    chart.addSeries(m_payoffMarker);
    connect(m_payoffMarker, &QScatterSeries::hovered, this,
            [this](const QPointF &, bool shown) { RunGuarded([&] { ShowPayoffTip(shown); }); });

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

void TSchedulePlot::CreateYearChart()
{
    m_yearView = ChartView(QStringLiteral("Interest and principal per year"),
                           QStringLiteral("Interest and principal per year"));
    QChart &chart = *m_yearView->chart();
    m_interestBars = new QBarSet(QStringLiteral("Interest"));
    m_principalBars = new QBarSet(QStringLiteral("Principal"));
    auto *bars = new QStackedBarSeries;
    bars->append(m_interestBars);
    bars->append(m_principalBars);
    chart.addSeries(bars);
    connect(bars, &QStackedBarSeries::hovered, this,
            [this](bool shown, int index, QBarSet *) { RunGuarded([&] { ShowYearTip(shown, index); }); });

    m_yearAxis = new QBarCategoryAxis;
    m_yearAxis->setLabelsAngle(-90); // upright, a year's four digits fit under a narrow bar
    chart.addAxis(m_yearAxis, Qt::AlignBottom);
    m_yearMoneyAxis = MoneyAxis(chart);
    bars->attachAxis(m_yearAxis);
    bars->attachAxis(m_yearMoneyAxis);
}

void TSchedulePlot::ShowSeries(const SchedulePlotSeries &series, std::optional<PaymentMonth> firstPayment,
                               const LocaleValues &locale)
{
    m_plainLine->replace(BalanceChartPoints(series.PlainBalance, firstPayment));
    m_whatIfLine->replace(BalanceChartPoints(series.WhatIfBalance, firstPayment));
    const SchedulePlotTexts texts = PlotTexts(series, firstPayment, locale);
    m_payoffText = texts.Payoff;
    m_payoffMarker->setPointLabelsFormat(m_payoffText);
    m_payoffMarker->replace({{PaymentPosition(series.PayoffPayment, firstPayment), 0}});

    const std::int32_t lastPayment = series.PlainBalance.empty() ? 0 : series.PlainBalance.back().Payment;
    const double start = PaymentPosition(0, firstPayment);
    const double end = PaymentPosition(lastPayment, firstPayment);
    m_timeAxis->setTitleText(firstPayment ? QStringLiteral("Year") : QStringLiteral("Loan year"));
    m_timeAxis->setTickInterval(static_cast<double>(NiceStep(static_cast<std::int64_t>(end - start) + 1, 8)));
    m_timeAxis->setRange(start, end);
    std::int64_t topBalance = 0;
    for (const auto *balance : {&series.PlainBalance, &series.WhatIfBalance})
        for (const BalancePoint &point : *balance)
            topBalance = std::max(topBalance, point.Balance);
    SetMoneyTicks(*m_balanceAxis, MoneyTicks(topBalance, locale));

    const YearBars bars = YearBarSets(series.Years);
    m_interestBars->remove(0, m_interestBars->count());
    m_interestBars->append(bars.Interest);
    m_principalBars->remove(0, m_principalBars->count());
    m_principalBars->append(bars.Principal);
    m_yearAxis->setCategories(bars.Categories);
    m_yearAxis->setTitleText(firstPayment ? QStringLiteral("Year") : QStringLiteral("Loan year"));
    std::int64_t topYear = 0;
    m_yearTexts.clear();
    for (const YearSplit &year : series.Years) {
        topYear = std::max(topYear, year.Interest + year.Principal);
        m_yearTexts.append(YearBarText(year, locale));
    }
    SetMoneyTicks(*m_yearMoneyAxis, MoneyTicks(topYear, locale));

    m_balanceView->setAccessibleDescription(texts.Balance);
    m_yearView->setAccessibleDescription(texts.Years);
    setAccessibleDescription(texts.Balance + QLatin1Char(' ') + texts.Years);
}

void TSchedulePlot::ShowPayoffTip(bool shown)
{
    if (shown)
        QToolTip::showText(QCursor::pos(), m_payoffText, m_balanceView);
    else
        QToolTip::hideText();
}

void TSchedulePlot::ShowYearTip(bool shown, int index)
{
    if (shown && index >= 0 && index < m_yearTexts.size())
        QToolTip::showText(QCursor::pos(), m_yearTexts[index], m_yearView);
    else
        QToolTip::hideText();
}
