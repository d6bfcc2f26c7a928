#pragma once

#include "report/engine/PaperColors.h"
#include "report/engine/RPComponent.h"

#include <memory>
#include <optional>
#include <vector>

class TRPBand;
enum class TBandType;

// A report form: data that is never shown. It owns its bands and keeps them in creation order, the
// order in which a report finds them at every run; each band owns its controls in the same way.
class TReportForm : public ParentFontSource {
public:
    TReportForm();
    TReportForm(const TReportForm &) = delete;
    TReportForm &operator=(const TReportForm &) = delete;
    virtual ~TReportForm();

    // A new band of the type with the band defaults, appended to the creation order.
    TRPBand *CreateBand(TBandType type);
    const std::vector<std::unique_ptr<TRPBand>> &Bands() const { return m_bands; }

    // The font of the form, which bands and controls with ParentFont take.
    const TRPFont &Font() const override { return m_font; }
    void SetFont(const TRPFont &font) { m_font = font; }

    // The resolution the form's positions are given in; none for a form that is not scaled, which
    // then takes the screen's.
    std::optional<int> PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(std::optional<int> pixelsPerInch) { m_pixelsPerInch = pixelsPerInch; }

private:
    std::vector<std::unique_ptr<TRPBand>> m_bands;
    TRPFont m_font{QFont(), clWindowText};
    std::optional<int> m_pixelsPerInch;
};
