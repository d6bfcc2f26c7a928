#pragma once

#include "report/engine/RPComponent.h"
#include "report/engine/RPFrame.h"

#include <QColor>
#include <functional>
#include <memory>
#include <vector>

// The kinds of band, by the place where they print; the value is the index of the report's band
// list that holds them (5 to 7 and 9 are kinds this engine does not print: groups, sub-details and
// overlays).
enum class TBandType {
    rbTitle = 0,        // once, at the top of the first page
    rbPageHeader = 1,   // at the top of every page
    rbDetail = 2,       // once per data record
    rbPageFooter = 3,   // at the bottom of every page
    rbSummary = 4,      // once, after the last record
    rbColumnHeader = 8, // at the top of every column
};
inline constexpr int BandListCount = 10;

class TRPCustomControl;

// A horizontal strip of a report form with its printable controls. The form owns the band; the
// band owns its controls and keeps them in creation order, the order they print in. Heights are
// design pixels.
class TRPBand : public TRPComponent, public ParentFontSource {
public:
    // `form` holds the band and outlives it.
    TRPBand(const ParentFontSource &form, TBandType type);
    ~TRPBand() override;

    // A new control of the given class on this band, appended to the band's control order.
    template <class Control> Control *Create()
    {
        auto control = std::make_unique<Control>(*this);
        Control *created = control.get();
        m_controls.push_back(std::move(control));
        return created;
    }
    const std::vector<std::unique_ptr<TRPCustomControl>> &Controls() const { return m_controls; }

    TBandType BandType() const { return m_bandType; }
    void SetBandType(TBandType bandType) { m_bandType = bandType; }

    // Filled across the column before the controls print.
    const QColor &Color() const { return m_color; }
    void SetColor(const QColor &color) { m_color = color; }

    // A disabled band never prints.
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }

    // The form's font while ParentFont is on; setting a font turns ParentFont off.
    const TRPFont &Font() const override;
    void SetFont(const TRPFont &font);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool parentFont) { m_parentFont = parentFont; }

    // Starts a new page before the band once a detail has printed on the current one.
    bool ForceNewPage() const { return m_forceNewPage; }
    void SetForceNewPage(bool forceNewPage) { m_forceNewPage = forceNewPage; }

    // Drawn along the band's rectangle, one column wide. Pen width 1, no edges at creation.
    const TRPFrame &Frame() const { return m_frame; }
    void SetFrame(const TRPFrame &frame) { m_frame = frame; }

    int Height() const { return m_height; }
    void SetHeight(int height) { m_height = height; }

    // Before the band prints; clearing printBand skips it (nothing drawn, no room taken).
    std::function<void(TRPComponent *sender, bool &printBand)> BeforePrint;
    // After the band's turn, with whether it printed.
    std::function<void(TRPComponent *sender, bool bandPrinted)> AfterPrint;

private:
    const ParentFontSource &m_form;
    std::vector<std::unique_ptr<TRPCustomControl>> m_controls;
    TBandType m_bandType;
    QColor m_color{255, 255, 255};
    bool m_enabled = true;
    TRPFont m_font;
    bool m_parentFont = true;
    bool m_forceNewPage = false;
    TRPFrame m_frame;
    int m_height = 0;
};
