#include "report/engine/RPBand.h"

#include "report/engine/RPControls.h"

TRPBand::TRPBand(const ParentFontSource &form, TBandType type) : m_form(form), m_bandType(type) {}

TRPBand::~TRPBand() = default;

const TRPFont &TRPBand::Font() const
{
    return m_parentFont ? m_form.Font() : m_font;
}

void TRPBand::SetFont(const TRPFont &font)
{
    m_font = font;
    m_parentFont = false;
}
