// Clicking "What if..." in the payment schedule of the entered cell (30 years, 360 monthly rows), timed
// in the running program: once the main window has painted, the chart is built and the schedule is
// open, from the click to the first paint of the extras panel.
#include "app/MainWindow.h"
#include "app/schedule/ScheduleWindow.h"
#include "app/schedule/WhatIfPanel.h"
#include "bench/startup/IntervalProbe.h"

#include <QCheckBox>

int main(int argc, char **argv)
{
    const auto isWhatIfPanel = [](QObject *widget) {
        return qobject_cast<TWhatIfPanel *>(widget) != nullptr;
    };
    return RunIntervalProbe(
        argc, argv,
        [](TfrmMain &window) { window.findChild<TfrmSchedule *>()->Controls().chkWhatIf->click(); },
        {isWhatIfPanel, isWhatIfPanel}, 0,
        [](TfrmMain &window) {
            window.ShowPaymentSchedule(PaymentChart::EnteredColumn, PaymentChart::EnteredRow);
        });
}
