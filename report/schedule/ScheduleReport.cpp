#include "report/schedule/ScheduleReport.h"

#include "design/ColorNames.h"
#include "report/engine/FormBuilding.h"
#include "report/engine/PaperColors.h"
#include "report/printer/ReportPrinter.h"

#include <algorithm>

namespace {

constexpr int LineSpacing = 20; // of the terms and of the summary's lines
constexpr int FooterTextPixels = 11;
constexpr int TitleHeight = 56; // above the plot
constexpr int PlotHeight = 200; // where the page is at least three times as high
constexpr int PlotGap = 12;     // below the plot

constexpr int TitlePixels = 27;
constexpr int FirstLineTop = 14; // of the header's terms and of the summary, below their bands' rules

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

// `count` labels for the columns of the table; PlaceInColumns places and aligns them.
std::vector<TRPLabel *> ColumnLabels(TRPBand *band, size_t count)
{
    std::vector<TRPLabel *> labels;
    for (size_t c = 0; c < count; ++c) {
        labels.push_back(Label(band, 0, 0, 0, 0, QString()));
        labels.back()->SetAutoSize(false);
    }
    return labels;
}

// A row of the table, each label clipped to its column and aligned as it; the labels beyond the
// layout's columns stay hidden.
void PlaceInColumns(const std::vector<TRPLabel *> &labels, const ScheduleLayout &layout, int top, int height,
                    const TRPFont &font)
{
    for (size_t c = 0; c < labels.size(); ++c) {
        labels[c]->SetVisible(c < layout.Columns.size());
        if (c >= layout.Columns.size())
            continue;
        Place(labels[c], layout.Columns[c].Left, top, layout.Columns[c].Width, height);
        labels[c]->SetAlignment(ScheduleColumnAlignment(layout.Shown[c]));
        labels[c]->SetFont(font);
    }
}

} // namespace

TRPSchedule::TRPSchedule(const PaymentSchedule &schedule, const WhatIfSchedule &whatIf, ScheduleView view,
                         const LocaleValues &locale, TRPPrinter &printer)
    : m_schedule(schedule), m_whatIf(whatIf), m_view(view), m_locale(locale), m_rep(*this, printer)
{
    SetUpReportForm(*this, m_rep);
    CreateTitle();
    CreatePageHeader();
    CreateDetail();
    CreateSummary();
    CreatePageFooter();
}

TRPShape *TRPSchedule::NewRule(TRPBand *band, int top)
{
    m_rules.push_back(Rule(band, 0, top));
    return m_rules.back();
}

void TRPSchedule::CreateTitle()
{
    m_title = Band(*this, TBandType::rbTitle, TitleHeight);
    Label(m_title, ReportMargin, 12, 300, 32, "Payment Schedule",
          ReportArial(TitlePixels, TFontStyle::Bold, clBlack));
    // The plot sets the schedule against its extras and dates; without them it has nothing to show.
    if (m_whatIf.HasScenario()) {
        m_plot = m_title->Create<TRPSchedulePlot>();
        m_plot->SetSeries(PlotSeriesOf(m_schedule, m_whatIf), m_locale);
    }
}

void TRPSchedule::CreatePageHeader()
{
    m_pageHeader = Band(*this, TBandType::rbPageHeader, 0);
    NewRule(m_pageHeader, 3);
    // The loan's terms as the window shows them, a caption and its value each.
    for (const ScheduleFigure &term : ScheduleTerms(m_schedule, m_locale)) {
        m_terms.push_back({Label(m_pageHeader, 0, 0, 0, 16, Text(term.Caption + ":")),
                           Label(m_pageHeader, 0, 0, 0, 16, Text(term.Value))});
    }
    // A line each at most, the layout joins them where the width allows.
    const size_t scenarioLines = ScenarioFacts(m_whatIf).size();
    for (size_t i = 0; i < scenarioLines; ++i)
        m_scenario.push_back(Label(m_pageHeader, 0, 0, 0, 16, QString()));
    m_headings = ColumnLabels(m_pageHeader, PrintedColumns(m_whatIf).size());
    m_headingsRule = NewRule(m_pageHeader, 0);
}

void TRPSchedule::CreateDetail()
{
    m_detail = Band(*this, TBandType::rbDetail, 0);
    lblColumn = ColumnLabels(m_detail, PrintedColumns(m_whatIf).size());
}

void TRPSchedule::CreateSummary()
{
    m_summary = Band(*this, TBandType::rbSummary, 0);
    NewRule(m_summary, 4);
    if (const std::optional<std::string> note = PaidOffNote(m_schedule, m_whatIf, m_locale))
        m_paidOff = Label(m_summary, 0, 0, 0, 0, Text(*note));
    std::vector<ScheduleFigure> figures = ScheduleTotalsFigures(RowsOf(m_whatIf, m_view), m_locale);
    for (ScheduleFigure &figure : WhatIfFigures(m_schedule, m_whatIf, m_locale))
        figures.push_back(std::move(figure));
    for (const ScheduleFigure &total : figures) {
        FigureLabels labels{Label(m_summary, 0, 0, 0, 0, Text(total.Caption + ":")),
                            Label(m_summary, 0, 0, 0, 0, Text(total.Value))};
        for (TRPLabel *label : {labels.Caption, labels.Value}) {
            label->SetAlignment(TAlignment::taRightJustify);
            label->SetAutoSize(false);
        }
        m_totals.push_back(labels);
    }
}

void TRPSchedule::CreatePageFooter()
{
    TRPBand *pageFooter = Band(*this, TBandType::rbPageFooter, 34);
    const TRPFont small = ReportArial(FooterTextPixels, TFontStyle::Regular, clWindowText);
    NewRule(pageFooter, 2);
    m_pageNumber = pageFooter->Create<TRPSysData>();
    m_pageNumber->SetData(TRPSysDataType::rpsPageOfCount);
    m_pageNumber->SetText(QStringLiteral("Page "));
    m_pageNumber->SetAutoSize(true);
    m_pageNumber->SetFont(small);
    m_printed = pageFooter->Create<TRPSysData>();
    m_printed->SetData(TRPSysDataType::rpsDate);
    m_printed->SetText(QStringLiteral("Printed "));
    m_printed->SetAlignment(TAlignment::taRightJustify);
    m_printed->SetFont(small);
}

void TRPSchedule::Arrange(const ScheduleLayout &layout)
{
    const int width = layout.Right - layout.Left;
    for (TRPShape *rule : m_rules) {
        rule->SetLeft(layout.Left);
        rule->SetWidth(width);
    }

    // The header: the terms' lines, the column headings, a rule below them.
    for (size_t i = 0; i < m_terms.size(); ++i) {
        const ScheduleTermPlace &place = layout.Terms[i];
        const int top = FirstLineTop + LineSpacing * place.Line;
        m_terms[i].Caption->SetLeft(place.CaptionLeft);
        m_terms[i].Value->SetLeft(place.ValueLeft);
        m_terms[i].Caption->SetTop(top);
        m_terms[i].Value->SetTop(top);
        m_terms[i].Caption->SetFont(ScheduleLayout::Font(layout.TermPixels, TFontStyle::Regular));
        m_terms[i].Value->SetFont(ScheduleLayout::Font(layout.TermPixels, TFontStyle::Bold));
    }
    for (size_t i = 0; i < m_scenario.size(); ++i) {
        const bool shown = i < layout.Scenario.size();
        m_scenario[i]->SetVisible(shown);
        m_scenario[i]->SetCaption(shown ? Text(layout.Scenario[i]) : QString());
        m_scenario[i]->SetLeft(layout.Left);
        m_scenario[i]->SetTop(FirstLineTop + LineSpacing * (layout.TermLines + static_cast<int>(i)));
        m_scenario[i]->SetFont(ScheduleLayout::Font(layout.TermPixels, TFontStyle::Regular));
    }
    const int headerLines = layout.TermLines + static_cast<int>(layout.Scenario.size());
    const int headingsTop = FirstLineTop + LineSpacing * headerLines + 12;
    const std::vector<std::string> headings = ScheduleColumnHeadings(layout.Shown, m_view);
    for (size_t c = 0; c < headings.size(); ++c)
        m_headings[c]->SetCaption(Text(headings[c]));
    PlaceInColumns(m_headings, layout, headingsTop, layout.HeadingHeight,
                   layout.HeadingFont(TFontStyle::Bold));
    m_headingsRule->SetTop(headingsTop + layout.HeadingHeight + 6);
    m_pageHeader->SetHeight(headingsTop + layout.HeadingHeight + 14);

    PlaceInColumns(lblColumn, layout, 1, layout.CellHeight, layout.RowFont());
    m_detail->SetHeight(layout.RowHeight);

    // The summary: the note, then the totals' captions, each flush right beside its amount.
    int top = FirstLineTop;
    if (m_paidOff) {
        Place(m_paidOff, layout.Left, top, width, layout.HeadingHeight);
        m_paidOff->SetFont(layout.HeadingFont(TFontStyle::Regular));
        top += LineSpacing;
    }
    for (const FigureLabels &total : m_totals) {
        Place(total.Caption, layout.Left, top, layout.TotalAmounts.Left - layout.Left, layout.HeadingHeight);
        total.Caption->SetFont(layout.HeadingFont(TFontStyle::Regular));
        Place(total.Value, layout.TotalAmounts.Left, top, layout.TotalAmounts.Width, layout.HeadingHeight);
        total.Value->SetFont(layout.HeadingFont(TFontStyle::Bold));
        top += LineSpacing;
    }
    m_summary->SetHeight(top + 6);

    // The footer: the page at the left, the date flush right in the right half.
    Place(m_pageNumber, layout.Left, 12, width / 2, 14);
    Place(m_printed, layout.Left + width / 2, 12, width - width / 2, 14);
}

void TRPSchedule::ArrangePlot(const ScheduleLayout &layout, int pageHeight)
{
    if (!m_plot)
        return;
    const int height = std::min(PlotHeight, pageHeight / 3);
    Place(m_plot, layout.Left, TitleHeight, layout.Right - layout.Left, height);
    m_title->SetHeight(TitleHeight + height + PlotGap);
}

void TRPSchedule::RepBeforePrint(TRPComponent *, bool &)
{
    m_row = 0;
    const int width = m_rep.Printer().PageWidth();
    ScheduleLayout layout = LayOutSchedule(width, m_schedule, m_whatIf, m_view, m_locale);
    Arrange(layout);
    ArrangePlot(layout, m_rep.Printer().PageHeight());
    m_cells = std::move(layout.Cells);
}

void TRPSchedule::RepNeedData(TRPComponent *, bool &moreData)
{
    moreData = m_row < m_cells.size();
    if (!moreData)
        return;
    const std::vector<std::string> &cells = m_cells[m_row];
    for (size_t c = 0; c < cells.size(); ++c)
        lblColumn[c]->SetCaption(Text(cells[c]));
    ++m_row;
}
