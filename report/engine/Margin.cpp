#include "report/engine/Margin.h"

#include "calc/Rounding.h"
#include "report/engine/RPComponent.h"
#include "report/printer/PageGeometry.h"

namespace {
constexpr long double TenthInch = 0.1L;
constexpr long double InchesPerMillimetre = 0.03937007874015748L;
constexpr long double MillimetresPerInch = 25.4L;
} // namespace

int TRPMargin::Inches() const
{
    return RoundHalfEven(m_inches.ToExtended() * 10);
}

void TRPMargin::SetInches(int tenths)
{
    m_inches = Real6::FromExtended(tenths * TenthInch);
}

int TRPMargin::MM() const
{
    return RoundHalfEven(m_inches.ToExtended() * MillimetresPerInch);
}

void TRPMargin::SetMM(int millimetres)
{
    m_inches = Real6::FromExtended(millimetres * InchesPerMillimetre);
}

int TRPMargin::DesignPixels() const
{
    return RoundHalfEven(m_inches.ToExtended() * ScreenPixelsPerInch);
}
