// quillmere-chart: runs the chart builder on the command line's values and prints the chart.
#include "ChartText.h"
#include "ChartToolOptions.h"
#include "ConsoleChartHost.h"
#include "Errors.h"

#include <clocale>
#include <exception>
#include <iostream>

int main(int argc, char *argv[])
{
    std::setlocale(LC_ALL, "");
    ChartToolOptions options;
    try {
        options = ParseChartToolOptions(argc, argv);
    } catch (const UsageError &error) {
        std::cerr << "quillmere-chart: " << error.what() << "\n\n" << ChartToolUsage();
        return 2;
    }
    if (options.Help) {
        std::cout << ChartToolUsage();
        return 0;
    }
    SetCurrentLocaleValues(options.Locale(ReadSystemLocaleValues()));

    ConsoleChartHost host(options.Loan, options.Years, options.Rate, options.LoanStepIndex,
                          options.RateStepIndex, std::cerr);
    ShowInitialChart(host);
    int status = 0;
    try {
        CalculatePaymentTable(host);
    } catch (const std::exception &failure) {
        std::cerr << FailureMessage(failure) << '\n';
        status = 1;
    }
    std::cout << (options.Tsv ? TsvText(host.Chart()) : AlignedText(host.Chart())) << std::flush;
    return status;
}
