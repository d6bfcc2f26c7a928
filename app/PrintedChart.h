#pragma once

#include <functional>
#include <memory>

class PrintedChartHost;
class TFmPreview;
class TRPPaymentChart;
class TRPPrinter;

// The printed chart's long-lived objects, owned by the application object: the report printer on the
// system's printers, the chart's report form and the preview window. They are created together on
// first use, that is the first Print Preview, so that start-up neither asks the print system for
// anything nor builds a window that may never open.
class TPrintedChart {
public:
    TPrintedChart();
    ~TPrintedChart();
    TPrintedChart(const TPrintedChart &) = delete;
    TPrintedChart &operator=(const TPrintedChart &) = delete;

    // What the report prints (the main window) and what the report printer's preview hook runs (the
    // main window's MyPreview). Both must stay alive while the objects are used; bind before the
    // first use.
    void Bind(const PrintedChartHost &host, std::function<void()> previewHook);

    // Each creates all three objects on the first call.
    TRPPrinter &ReportPrinter();
    TRPPaymentChart &RPPaymentChart();
    TFmPreview &FmPreview();

private:
    void CreateOnFirstUse();

    const PrintedChartHost *m_host = nullptr;
    std::function<void()> m_previewHook;
    // Destroyed in reverse order: the window and the form before the printer they refer to.
    std::unique_ptr<TRPPrinter> m_reportPrinter;
    std::unique_ptr<TFmPreview> m_fmPreview;
    std::unique_ptr<TRPPaymentChart> m_rpPaymentChart;
};
