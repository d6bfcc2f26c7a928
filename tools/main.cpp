// quillmere-chart: builds the chart from the command line's values and prints it.
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
    LocaleValues locale;
    try {
        options = ParseChartToolOptions(argc, argv);
        if (options.Help) {
            std::cout << ChartToolUsage();
            return 0;
        }
        locale = options.Locale(ReadSystemLocaleValues());
    } catch (const UsageError &error) {
        std::cerr << "quillmere-chart: " << error.what() << "\n\n" << ChartToolUsage();
        return 2;
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
    std::cout << (options.Tsv ? TsvText(chart) : AlignedText(chart)) << std::flush;
    return status;
}
