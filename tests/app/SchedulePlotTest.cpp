#include "app/schedule/SchedulePlotPoints.h"
#include "app/schedule/SchedulePlotView.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <gtest/gtest.h>

namespace {

const LocaleValues Dollars{"$", 0, 0, ",", "."};

QList<double> TickValues(std::int64_t topCents)
{
    QList<double> values;
    for (const AxisTick &tick : MoneyTicks(topCents, Dollars))
        values.append(tick.Value);
    return values;
}

// $3,000.00 repaid in 3 payments, or in 2 with an extra.
SchedulePlotSeries WithExtra()
{
    SchedulePlotSeries series;
    series.PlainBalance = {{0, 3000'00}, {1, 2000'00}, {2, 1000'00}, {3, 0}};
    series.WhatIfBalance = {{0, 3000'00}, {1, 1500'00}, {2, 0}};
    series.Years = {{2024, 2, 45'12, 3000'00}};
    series.PayoffPayment = 2;
    return series;
}

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

} // namespace

TEST(SchedulePlotPoints, PaymentsStandAtTheirMonthsInYears)
{
    EXPECT_DOUBLE_EQ(PaymentPosition(0, std::nullopt), 0);
    EXPECT_DOUBLE_EQ(PaymentPosition(18, std::nullopt), 1.5);
    const PaymentMonth march2024{2024, 3};
    EXPECT_DOUBLE_EQ(PaymentPosition(1, march2024), 2024 + 2.0 / 12);
    EXPECT_DOUBLE_EQ(PaymentPosition(11, march2024), 2025);
    // The loan stands a month before the first payment, across the turn of the year.
    EXPECT_DOUBLE_EQ(PaymentPosition(0, PaymentMonth{2024, 1}), 2023 + 11.0 / 12);
}

TEST(SchedulePlotPoints, BalanceIsInCurrencyUnits)
{
    EXPECT_EQ(BalanceChartPoints({{0, 1200'00}, {1, 600'50}, {2, 0}}, std::nullopt),
              (QList<QPointF>{{0, 1200}, {1.0 / 12, 600.5}, {2.0 / 12, 0}}));
}

TEST(SchedulePlotPoints, MoneyTicksStepByOneTwoOrFiveUpToTheTop)
{
    EXPECT_EQ(TickValues(100000'00), (QList<double>{0, 20000, 40000, 60000, 80000, 100000}));
    EXPECT_EQ(TickValues(123456'78), (QList<double>{0, 50000, 100000, 150000}));
    EXPECT_EQ(TickValues(1), (QList<double>{0, 1})); // a cent reaches the first whole unit
    EXPECT_EQ(TickValues(0), (QList<double>{0, 1}));
}

TEST(SchedulePlotPoints, MoneyTicksAreInTheLocalesCurrency)
{
    const LocaleValues euro{"€", 3, 8, ".", ","};
    EXPECT_EQ(MoneyTicks(250000'00, euro)[1].Text, QStringLiteral("50.000,00 €"));
}

TEST(SchedulePlotPoints, YearBarsHoldEachYearsInterestAndPrincipal)
{
    const YearBars bars = YearBarSets({{2024, 10, 7000'00, 3000'50}, {2025, 0, 8000'00, 4000'00}});
    EXPECT_EQ(bars.Categories, (QStringList{"2024", "2025"}));
    EXPECT_EQ(bars.Interest, (QList<qreal>{7000, 8000}));
    EXPECT_EQ(bars.Principal, (QList<qreal>{3000.5, 4000}));
    EXPECT_EQ(YearBarText({2024, 10, 1234'56, 2000'00}, Dollars),
              QStringLiteral("2024 (10 months): interest $1,234.56, principal $2,000.00"));
}

TEST(SchedulePlotPoints, TextsSayThePayoffWithAndWithoutTheExtrasAndTheTotals)
{
    const SchedulePlotTexts texts = PlotTexts(WithExtra(), PaymentMonth{2024, 11}, Dollars);
    EXPECT_EQ(texts.Payoff, QStringLiteral("Paid off in 2024-12 (payment 2)"));
    EXPECT_EQ(texts.Balance, QStringLiteral("Balance of the $3,000.00 loan: paid off in 2024-12 (payment 2) "
                                            "with the extras, in 2025-01 (payment 3) without them."));
    EXPECT_EQ(texts.Years, QStringLiteral("Interest $45.12 and principal $3,000.00 paid over 1 year."));
}

TEST(SchedulePlotPoints, WithoutExtrasTheBalanceHasOnePayoff)
{
    SchedulePlotSeries series = WithExtra();
    series.WhatIfBalance = series.PlainBalance;
    series.PayoffPayment = 3;
    const SchedulePlotTexts texts = PlotTexts(series, std::nullopt, Dollars);
    EXPECT_EQ(texts.Payoff, QStringLiteral("Paid off with payment 3"));
    EXPECT_EQ(texts.Balance, QStringLiteral("Balance of the $3,000.00 loan: paid off with payment 3."));
}

TEST(SchedulePlotView, RedrawsTheSeriesAndSaysThemToAScreenReader)
{
    TSchedulePlot plot;
    SchedulePlotSeries longer = WithExtra();
    longer.PlainBalance.push_back({4, 0});
    longer.Years.push_back({2025, 0, 1'00, 1'00});
    plot.ShowSeries(longer, std::nullopt, Dollars);
    plot.ShowSeries(WithExtra(), PaymentMonth{2024, 11}, Dollars);

    QChartView &balanceView = ViewNamed(plot, QStringLiteral("Balance over time"));
    const QList<QAbstractSeries *> balance = balanceView.chart()->series();
    ASSERT_EQ(balance.size(), 3);
    EXPECT_EQ(qobject_cast<QLineSeries *>(balance[0])->points().size(), 4);
    EXPECT_EQ(qobject_cast<QLineSeries *>(balance[1])->points(),
              (QList<QPointF>{{2024 + 9.0 / 12, 3000}, {2024 + 10.0 / 12, 1500}, {2024 + 11.0 / 12, 0}}));
    EXPECT_EQ(qobject_cast<QScatterSeries *>(balance[2])->points(), (QList<QPointF>{{2024 + 11.0 / 12, 0}}));
    auto *balanceAxis = qobject_cast<QCategoryAxis *>(balanceView.chart()->axes(Qt::Vertical).front());
    EXPECT_EQ(balanceAxis->categoriesLabels(), (QStringList{"$0.00", "$1,000.00", "$2,000.00", "$3,000.00"}));

    QChartView &yearView = ViewNamed(plot, QStringLiteral("Interest and principal per year"));
    const auto *bars = qobject_cast<QStackedBarSeries *>(yearView.chart()->series().front());
    ASSERT_EQ(bars->barSets().size(), 2);
    EXPECT_EQ(bars->barSets()[0]->count(), 1);
    EXPECT_DOUBLE_EQ(bars->barSets()[0]->at(0), 45.12);
    EXPECT_EQ(qobject_cast<QBarCategoryAxis *>(yearView.chart()->axes(Qt::Horizontal).front())->categories(),
              QStringList{"2024"});

    EXPECT_EQ(AccessibleText(plot, QAccessible::Name), QStringLiteral("Schedule plot"));
    EXPECT_EQ(
        AccessibleText(balanceView, QAccessible::Description),
        QStringLiteral("Balance of the $3,000.00 loan: paid off in 2024-12 (payment 2) with the extras, "
                       "in 2025-01 (payment 3) without them."));
    EXPECT_EQ(AccessibleText(yearView, QAccessible::Description),
              QStringLiteral("Interest $45.12 and principal $3,000.00 paid over 1 year."));
}
