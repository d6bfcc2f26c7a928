// quillmere-chart: builds the chart from the command line's values and prints it, or the payment
// schedule of one of its cells.
#include "calc/Errors.h"
#include "calc/LocaleValues.h"
#include "tools/ChartText.h"
#include "tools/ChartToolOptions.h"
#include "tools/ConsoleChartHost.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

namespace {

// `status` once standard output has taken everything written to it, else 1 and a message that says
// why not: a full disk, a closed output.
int CheckedOutput(int status)
{
    std::cout.flush();
    if (std::cout)
        return status;
    // The writers stop at the write that failed, so errno is still that write's.
    const int error = errno;
    std::cerr << "quillmere-chart: cannot write the output: " << std::strerror(error) << '\n';
    return 1;
}

// Status 2: what is wrong with the command line, and where to read how to use it.
int UsageFailure(const UsageError &error)
{
    std::cerr << "quillmere-chart: " << error.what()
              << "\nTry 'quillmere-chart --help' for more information.\n";
    return 2;
}

// The schedule of the cell the options name, with `extras` and the start month when given, or why it
// has none (status 1), or a usage error for an extra after the cell's term (status 2).
int PrintSchedule(const ChartToolOptions &options, const ScheduleExtras &extras, const PaymentChart &chart,
                  const LocaleValues &locale)
{
    const ScheduleView view = options.Yearly ? ScheduleView::Yearly : ScheduleView::Monthly;
    try {
        const PaymentSchedule schedule = ScheduleOfCell(chart, options.ScheduleColumn, options.ScheduleRow);
        options.CheckExtraMonths(schedule.Months());
        const WhatIfSchedule whatIf = WhatIfOf(schedule, extras, options.Start);
        if (options.Tsv)
            WriteScheduleTsv(std::cout, schedule, whatIf, view, locale);
        else
            WriteAlignedSchedule(std::cout, schedule, whatIf, view, locale);
        return 0;
    } catch (const ScheduleRefused &refused) {
        std::cerr << "quillmere-chart: " << refused.what() << '\n';
        return 1;
    } catch (const UsageError &error) {
        return UsageFailure(error);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<std::string> warning = UseEnvironmentLocale())
        std::cerr << "quillmere-chart: " << *warning << '\n';
    ChartToolOptions options;
    LocaleValues locale;
    ScheduleExtras extras;
    try {
        options = ParseChartToolOptions(argc, argv);
        if (options.Help) {
            std::cout << ChartToolUsage();
            return CheckedOutput(0);
        }
        locale = options.Locale(ReadSystemLocaleValues());
        extras = options.Extras(locale);
    } catch (const UsageError &error) {
        return UsageFailure(error);
    }

    ConsoleChartHost host(options.Loan, options.Years, options.Rate, options.LoanStepIndex,
                          options.RateStepIndex, locale, std::cerr);
    // Like the window, the chart starts as the initial chart and keeps what a failed run wrote.
    PaymentChart chart = InitialPaymentChart();
    int status = 0;
    bool inputsRead = false;
    try {
        const ChartInputs inputs = ReadChartInputs(host);
        inputsRead = true;
        BuildPaymentChart(inputs, locale, chart);
    } catch (const std::exception &failure) {
        std::cerr << WithPlainLineFeeds(FailureMessage(failure)) << '\n';
        if (!inputsRead)
            std::cerr << "quillmere-chart: " << host.ArgumentFailure(failure) << '\n';
        status = 1;
    }
    if (options.Schedule)
        return status != 0 ? status : CheckedOutput(PrintSchedule(options, extras, chart, locale));
    if (options.Tsv)
        WriteChartTsv(std::cout, chart);
    else
        WriteAlignedChart(std::cout, chart);
    return CheckedOutput(status);
}
