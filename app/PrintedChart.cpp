#include "app/PrintedChart.h"

#include "report/chart/PaymentChartReport.h"
#include "report/preview/FmPreview.h"
#include "report/printer/CupsPrinterDevice.h"
#include "report/printer/ReportPrinter.h"

#include <stdexcept>

TPrintedChart::TPrintedChart() = default;

TPrintedChart::~TPrintedChart() = default;

void TPrintedChart::Bind(const PrintedChartHost &host, std::function<void()> previewHook)
{
    m_host = &host;
    m_previewHook = std::move(previewHook);
    if (m_reportPrinter)
        m_reportPrinter->SetPreviewHook(m_previewHook);
}

TRPPrinter &TPrintedChart::ReportPrinter()
{
    CreateOnFirstUse();
    return *m_reportPrinter;
}

TRPPaymentChart &TPrintedChart::RPPaymentChart()
{
    CreateOnFirstUse();
    return *m_rpPaymentChart;
}

TFmPreview &TPrintedChart::FmPreview()
{
    CreateOnFirstUse();
    return *m_fmPreview;
}

void TPrintedChart::CreateOnFirstUse()
{
    if (m_reportPrinter)
        return;
    if (m_host == nullptr)
        throw std::logic_error("the printed chart is used before it is bound to its host");
    m_reportPrinter = std::make_unique<TRPPrinter>(std::make_unique<CupsPrinterDevice>());
    m_reportPrinter->SetPreviewHook(m_previewHook);
    m_fmPreview = std::make_unique<TFmPreview>(*m_reportPrinter);
    m_rpPaymentChart = std::make_unique<TRPPaymentChart>(*m_host, *m_reportPrinter);
}
