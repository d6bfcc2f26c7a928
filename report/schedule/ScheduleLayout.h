#pragma once

#include "calc/CellSchedule.h"
#include "calc/ScheduleText.h"
#include "design/Alignment.h"
#include "design/DesignFont.h"
#include "report/engine/RPComponent.h"

#include <array>
#include <vector>

// A printed text's extent across the page, in design pixels.
struct ScheduleSpan {
    int Left = 0;
    int Width = 0;

    int Right() const { return Left + Width; }
    bool operator==(const ScheduleSpan &) const = default;
};

// Where a term (a caption and its value, such as "Loan:" and "$100,000.00") stands in the header.
struct ScheduleTermPlace {
    int Line = 0; // from 0
    int CaptionLeft = 0;
    int ValueLeft = 0;

    bool operator==(const ScheduleTermPlace &) const = default;
};

// The printed schedule across one printable width, so that no text is cut: the table's money columns
// share the width that its number and date columns leave between the margins in the largest font, 12 down to
// 8 pixels high, that gives each its widest text; the terms stand on one line, or on two in a font of 13 down
// to 11 pixels, or on more where even that does not fit. Design pixels; fonts by their character height in
// pixels (ReportArial), all black.
struct ScheduleLayout {
    int Left = 0;          // where the ruled lines, the terms, the table and the footer start
    int Right = 0;         // and end
    int RowPixels = 0;     // the rows' font
    int HeadingPixels = 0; // a point larger: the column headings, the note and the totals
    int CellHeight = 0;    // a row's labels
    int RowHeight = 0;
    int HeadingHeight = 0;
    std::vector<ScheduleColumn> Shown;           // the table's columns, in order
    std::vector<ScheduleSpan> Columns;           // where each of Shown prints
    std::vector<std::vector<std::string>> Cells; // each row's texts in Shown, made once to measure and print
    int TermPixels = 0;                          // the terms' captions; their values bold
    std::vector<ScheduleTermPlace> Terms;        // in the order of ScheduleTerms
    int TermLines = 0;
    std::vector<std::string> Scenario; // under the terms, in their regular font: ScenarioLines of the width
    ScheduleSpan TotalAmounts;         // flush right at Right; the totals' captions end before it

    TRPFont RowFont() const { return Font(RowPixels, TFontStyle::Regular); }
    TRPFont HeadingFont(TFontStyle style) const { return Font(HeadingPixels, style); }
    static TRPFont Font(int pixels, TFontStyle style);
};

// The number and the date centred, the money flush right.
TAlignment ScheduleColumnAlignment(ScheduleColumn column);

// The gap between a term's caption and its value.
inline constexpr int ScheduleCaptionGap = 5;

// The columns a printed schedule has at the most: the running totals print beside extras or dates.
std::vector<ScheduleColumn> PrintedColumns(const WhatIfSchedule &whatIf);

// The layout of the rows of `view` of `whatIf`, `plain` repaid with its extras and dated from its first
// payment, across `printableWidth` design pixels, for the texts they print in `locale`: its columns
// (WhatIfColumns), with extras or dates also the running totals when all of them fit in a font above
// 8 pixels; the terms of `plain` and under them the extras and the first payment (ScenarioPhrases) in
// as few lines as fit; the summary's amounts wide enough for the totals and WhatIfFigures. Measures
// with the application's fonts (a QGuiApplication must exist); needs no printer. Below 8 pixels
// nothing shrinks further: a table too wide even then is cut at its right.
ScheduleLayout LayOutSchedule(int printableWidth, const PaymentSchedule &plain, const WhatIfSchedule &whatIf,
                              ScheduleView view, const LocaleValues &locale);
