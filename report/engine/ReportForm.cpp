#include "report/engine/ReportForm.h"

#include "report/engine/RPBand.h"

TReportForm::TReportForm() = default;
TReportForm::~TReportForm() = default;

TRPBand *TReportForm::CreateBand(TBandType type)
{
    m_bands.push_back(std::make_unique<TRPBand>(*this, type));
    return m_bands.back().get();
}
