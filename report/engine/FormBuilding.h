#pragma once

#include "design/DesignFont.h"
#include "report/engine/BandReport.h"
#include "report/engine/RPBand.h"
#include "report/engine/RPControls.h"
#include "report/engine/ReportForm.h"

#include <QColor>
#include <QString>

// Building blocks of the report forms. Positions and sizes are design pixels.

// The forms' margin left and right of their rules and texts.
inline constexpr int ReportMargin = 15;

// Arial of a character height in design pixels, at its point size (pixels x 72 / 96, rounded).
TRPFont ReportArial(int pixels, TFontStyle style, const QColor &color);

// Lays out and draws a line of every printable ASCII character in `font` once, as a recorded page draws
// it, so that the first page shown in that font finds it ready (its font engine made, its shaping
// prepared, its glyphs drawn). Needs a QGuiApplication.
void LayOutPrintedFont(const TRPFont &font);

// The advance of a text and the height of a line as a label in `font` prints them, in design pixels:
// measured at 96 pixels per inch and four times the size, as the page records them, whatever the
// screen. Needs the application's fonts (a QGuiApplication).
qreal PrintedWidth(const QString &text, const TRPFont &font);
qreal PrintedLineHeight(const TRPFont &font);

void Place(TRPCustomControl *control, int left, int top, int width, int height);

// An auto-sized, left-justified label in the band's font, or in `font`.
TRPLabel *Label(TRPBand *band, int left, int top, int width, int height, const QString &caption);
TRPLabel *Label(TRPBand *band, int left, int top, int width, int height, const QString &caption,
                const TRPFont &font);

// A rule along the top of a `width` x 4 line shape with the default pen.
TRPShape *Rule(TRPBand *band, int left, int top, int width = 735);

// A white band of the type and height, without frame edges.
TRPBand *Band(TReportForm &form, TBandType type, int height);

// The font of our report forms, which bands and controls with ParentFont take: Arial 13 px in window
// text.
TRPFont ReportFormFont();

// What our report forms share: their font, the data and the start of a run from the form's RepNeedData
// and RepBeforePrint, no progress window, the title above the first page header.
template <class Form> void SetUpReportForm(Form &form, TBandReport &rep)
{
    form.SetFont(ReportFormFont());
    rep.OnNeedData = [&form](TRPComponent *sender, bool &moreData) { form.RepNeedData(sender, moreData); };
    rep.BeforePrint = [&form](TRPComponent *sender, bool &printReport) {
        form.RepBeforePrint(sender, printReport);
    };
    rep.SetShowProgress(false);
    rep.SetTitleBeforeHeader(true);
}
