#include "app/schedule/SchedulePlotView.h"
#include "tests/support/SchedulePlotSamples.h"

#include <QAccessible>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QChartView &ViewNamed(const TSchedulePlot &plot, const QString &name)
{
    for (QChartView *view : plot.findChildren<QChartView *>())
        if (view->accessibleName() == name)
            return *view;
    throw std::runtime_error("no chart view named " + name.toStdString());
}

QString AccessibleText(QWidget &widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(&widget)->text(text);
}

QStringList Texts(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

// Every text a chart of the plot shows: its title, its axes' titles and marks and its legend's names.
QStringList ChartTexts(const std::string &title, std::vector<const PlotAxis *> axes,
                       const std::vector<std::string> &legend)
{
    std::vector<std::string> texts{title};
    for (const PlotAxis *axis : axes) {
        texts.push_back(axis->Title);
        for (const PlotMark &mark : axis->Marks)
            texts.push_back(mark.Text);
    }
    texts.insert(texts.end(), legend.begin(), legend.end());
    return Texts(texts);
}

// The texts the view shows: Qt Charts elides a text it has no room for ("...") and hides a label that
// would overlap its neighbour.
std::vector<const QGraphicsTextItem *> ShownTexts(QChartView &view)
{
    std::vector<const QGraphicsTextItem *> shown;
    for (QGraphicsItem *item : view.scene()->items())
        if (const auto *text = dynamic_cast<QGraphicsTextItem *>(item);
            text && text->isVisible() && !text->toPlainText().isEmpty())
            shown.push_back(text);
    return shown;
}

// The payoff marker's extent in the chart.
QRectF MarkerRect(QChart &chart)
{
    for (QAbstractSeries *series : chart.series())
        if (const auto *marker = qobject_cast<QScatterSeries *>(series)) {
            const QPointF centre = chart.mapToPosition(marker->at(0), series);
            const qreal half = marker->markerSize() / 2;
            return QRectF(centre - QPointF(half, half), centre + QPointF(half, half));
        }
    return {};
}

struct PlotCase {
    const char *Name;
    SchedulePlotSeries Series;
    LocaleValues Locale;
};

void PrintTo(const PlotCase &plotCase, std::ostream *os)
{
    *os << plotCase.Name;
}

// A loan of `years` whole years of `yearCents` principal each, or fewer with an extra each month.
SchedulePlotSeries Loan(int years, std::int64_t yearCents, int extraMonths,
                        std::optional<PaymentMonth> firstPayment)
{
    SchedulePlotSeries series;
    const int months = years * 12;
    for (int month = 0; month <= months; ++month)
        series.PlainBalance.push_back({month, (months - month) * yearCents / 12});
    const int whatIfMonths = months - extraMonths;
    for (int month = 0; month <= whatIfMonths; ++month)
        series.WhatIfBalance.push_back({month, (whatIfMonths - month) * (yearCents * years / whatIfMonths)});
    for (int year = 1; year <= (whatIfMonths + 11) / 12; ++year)
        series.Years.push_back(
            {firstPayment ? firstPayment->Year + year - 1 : year, 0, yearCents / 10, yearCents});
    series.PayoffPayment = whatIfMonths;
    series.FirstPayment = firstPayment;
    return series;
}

class SchedulePlotAtItsLeastSize : public testing::TestWithParam<PlotCase> {};

TEST_P(SchedulePlotAtItsLeastSize, ShowsEveryTextWholeOutsideThePlotAndThePayoffMarkerInsideIt)
{
    TSchedulePlot plot;
    plot.ShowSeries(GetParam().Series, GetParam().Locale);
    plot.resize(plot.minimumSizeHint());
    plot.show();
    const SchedulePlotDescription description =
        DescribePlot(GetParam().Series, GetParam().Locale, ScreenMostSteps);
    const BalanceChart &balance = description.Balance;
    const YearChart &years = description.Years;
    std::vector<std::string> balanceLegend;
    for (const PlotLine &line : balance.Lines)
        balanceLegend.push_back(line.Name);
    balanceLegend.push_back(balance.PayoffText);
    std::vector<std::string> yearLegend;
    for (const PlotBarSet &part : years.Stack)
        yearLegend.push_back(part.Name);
    const std::vector<std::pair<QChartView *, QStringList>> charts{
        {&ViewNamed(plot, QStringLiteral("Balance over time")),
         ChartTexts(balance.Title, {&balance.Time, &balance.Money}, balanceLegend)},
        {&ViewNamed(plot, QStringLiteral("Interest and principal per year")),
         ChartTexts(years.Title, {&years.Years, &years.Money}, yearLegend)}};

    auto *tabs = plot.findChild<QTabWidget *>();
    for (const auto &[view, texts] : charts) {
        SCOPED_TRACE(view->accessibleName().toStdString());
        tabs->setCurrentWidget(view);
        QCoreApplication::processEvents();
        // The series are clipped to the plot area: a text outside it crosses no line. Inside it, Qt
        // Charts would draw only the points' labels, among the lines.
        for (QAbstractSeries *series : view->chart()->series()) {
            const auto *xy = qobject_cast<QXYSeries *>(series);
            EXPECT_FALSE(xy && xy->pointLabelsVisible()) << series->name().toStdString();
        }
        QStringList shown;
        const QRectF plotArea = view->chart()->plotArea().adjusted(1, 1, -1, -1);
        for (const QGraphicsTextItem *item : ShownTexts(*view)) {
            shown.append(item->toPlainText());
            EXPECT_FALSE(item->sceneBoundingRect().intersects(plotArea))
                << item->toPlainText().toStdString() << " inside the plot";
        }
        for (const QString &text : texts)
            EXPECT_TRUE(shown.contains(text))
                << text.toStdString() << " not whole among " << shown.join(" | ").toStdString();
    }
    QChart &chart = *charts.front().first->chart();
    EXPECT_TRUE(chart.plotArea().contains(MarkerRect(chart))) << "the payoff marker leaves the plot";
    // Modest: within half the height and three quarters the width of a 1280 x 1024 screen at scale 2.
    EXPECT_LE(plot.minimumSizeHint().width(), 480);
    EXPECT_LE(plot.minimumSizeHint().height(), 256);
}

INSTANTIATE_TEST_SUITE_P(
    Plots, SchedulePlotAtItsLeastSize,
    testing::Values(PlotCase{"DatedWithExtras", Loan(30, 3333'33, 120, PaymentMonth{2024, 3}), Dollars},
                    PlotCase{"UndatedMarkOnTheLastBar", Loan(10, 10000'00, 0, std::nullopt), Dollars},
                    PlotCase{"MillionsInEuros", Loan(25, 100000'00, 60, PaymentMonth{2031, 12}),
                             LocaleValues{"€", 3, 8, ".", ","}}),
    [](const testing::TestParamInfo<PlotCase> &info) { return std::string(info.param.Name); });

TEST(SchedulePlotView, RedrawsItsDescriptionAndSaysItToAScreenReader)
{
    TSchedulePlot plot;
    SchedulePlotSeries longer = WithExtra(std::nullopt);
    longer.PlainBalance.push_back({4, 0});
    longer.Years.push_back({2025, 0, 1'00, 1'00});
    plot.ShowSeries(longer, Dollars);
    plot.ShowSeries(WithExtra(PaymentMonth{2024, 11}), Dollars);

    QChartView &balanceView = ViewNamed(plot, QStringLiteral("Balance over time"));
    const QList<QAbstractSeries *> balance = balanceView.chart()->series();
    ASSERT_EQ(balance.size(), 3);
    EXPECT_EQ(balance[0]->name(), QStringLiteral("Without extras"));
    EXPECT_EQ(qobject_cast<QLineSeries *>(balance[0])->points().size(), 4);
    EXPECT_EQ(balance[1]->name(), QStringLiteral("With extras"));
    EXPECT_EQ(qobject_cast<QLineSeries *>(balance[1])->points(),
              (QList<QPointF>{{2024 + 9.0 / 12, 3000}, {2024 + 10.0 / 12, 1500}, {2024 + 11.0 / 12, 0}}));
    EXPECT_EQ(balance[2]->name(), QStringLiteral("Paid off in 2024-12 (payment 2)"));
    EXPECT_EQ(qobject_cast<QScatterSeries *>(balance[2])->points(), (QList<QPointF>{{2024 + 11.0 / 12, 0}}));
    auto *balanceAxis = qobject_cast<QCategoryAxis *>(balanceView.chart()->axes(Qt::Vertical).front());
    EXPECT_EQ(balanceAxis->titleText(), QStringLiteral("Balance"));
    EXPECT_EQ(balanceAxis->categoriesLabels(), (QStringList{"$0.00", "$1,000.00", "$2,000.00", "$3,000.00"}));

    QChartView &yearView = ViewNamed(plot, QStringLiteral("Interest and principal per year"));
    const auto *bars = qobject_cast<QStackedBarSeries *>(yearView.chart()->series().front());
    ASSERT_EQ(bars->barSets().size(), 2);
    EXPECT_EQ(bars->barSets()[0]->label(), QStringLiteral("Interest")); // the first set stacks at the bottom
    EXPECT_EQ(bars->barSets()[0]->count(), 1);
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(0), 45.12);
    EXPECT_EQ(bars->barSets()[1]->label(), QStringLiteral("Principal"));
    EXPECT_EQ(
        qobject_cast<QCategoryAxis *>(yearView.chart()->axes(Qt::Horizontal).front())->categoriesLabels(),
        QStringList{"2024"});

    EXPECT_EQ(AccessibleText(plot, QAccessible::Name), QStringLiteral("Schedule plot"));
    const QString balanceText =
        QStringLiteral("Balance of the $3,000.00 loan: paid off in 2024-12 (payment 2) with "
                       "the extras, in 2025-01 (payment 3) without them.");
    const QString yearsText = QStringLiteral("Interest $45.12 and principal $3,000.00 paid over 1 year.");
    EXPECT_EQ(AccessibleText(balanceView, QAccessible::Description), balanceText);
    EXPECT_EQ(AccessibleText(yearView, QAccessible::Description), yearsText);
    EXPECT_EQ(AccessibleText(plot, QAccessible::Description), balanceText + QLatin1Char(' ') + yearsText);
}

} // namespace
