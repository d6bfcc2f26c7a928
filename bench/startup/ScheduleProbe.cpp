// Opening the payment schedule of the entered cell (30 years, 360 monthly rows), timed in the running
// program: once the main window has painted and the chart is built, from the command to the first
// paint of the schedule window.
#include "bench/startup/IntervalProbe.h"
#include "app/MainWindow.h"
#include "app/schedule/ScheduleWindow.h"

int main(int argc, char **argv)
{
    const auto isSchedule = [](QObject *widget) { return qobject_cast<TfrmSchedule *>(widget) != nullptr; };
    return RunIntervalProbe(argc, argv,
                            [](TfrmMain &window) {
                                window.ShowPaymentSchedule(PaymentChart::EnteredColumn,
                                                           PaymentChart::EnteredRow);
                            },
                            {isSchedule, isSchedule});
}
