#pragma once

#include "LocaleValues.h"
#include "Schedule.h"
#include "SchedulePlot.h"

#include <QStringList>
#include <QWidget>
#include <optional>

class QBarCategoryAxis;
class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

// The plot of a schedule, on two tabs: the balance over time with the extras and without, the payoff
// marked (its label and tooltip say when); and each year's interest and principal as stacked bars.
// Money axes in the locale's currency, time in years (calendar years when dated). Nothing of Qt
// Charts runs before the first plot is made.
class TSchedulePlot : public QWidget {
    Q_OBJECT
public:
    explicit TSchedulePlot(QWidget *parent = nullptr);

    // Draws `series` anew, replacing what was shown; dated when `firstPayment` is given. The
    // accessible descriptions say the payoff and the totals.
    void ShowSeries(const SchedulePlotSeries &series, std::optional<PaymentMonth> firstPayment,
                    const LocaleValues &locale);

private:
    void CreateBalanceChart();
    void CreateYearChart();
    void ShowPayoffTip(bool shown);
    void ShowYearTip(bool shown, int index);

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
    QStringList m_yearTexts; // the tooltip of each year's bar
};
