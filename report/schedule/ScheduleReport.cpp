#include "report/schedule/ScheduleReport.h"

#include "controls/common/ColorNames.h"
#include "report/engine/FormBuilding.h"
#include "report/engine/PaperColors.h"
#include "report/printer/ReportPrinter.h"

namespace {

constexpr int LineSpacing = 20; // of the terms and of the summary's lines
constexpr int FooterTextPixels = 11;

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
}

// A label for each column of the table, aligned as its column; placed by PlaceInColumns.
std::array<TRPLabel *, ScheduleColumnCount>
ColumnLabels(TRPBand *band, const std::array<QString, ScheduleColumnCount> &captions)
{
    std::array<TRPLabel *, ScheduleColumnCount> labels{};
    for (size_t c = 0; c < labels.size(); ++c) {
        labels[c] = Label(band, 0, 0, 0, 0, captions[c]);
        labels[c]->SetAlignment(ScheduleColumnAlignment(static_cast<int>(c)));
        labels[c]->SetAutoSize(false);
    }
    return labels;
}

// A row of the table, each label clipped to its column.
void PlaceInColumns(const std::array<TRPLabel *, ScheduleColumnCount> &labels, const ScheduleLayout &layout,
                    int top, int height, const TRPFont &font)
{
    for (size_t c = 0; c < labels.size(); ++c) {
        Place(labels[c], layout.Columns[c].Left, top, layout.Columns[c].Width, height);
        labels[c]->SetFont(font);
    }
}

} // namespace

TRPSchedule::TRPSchedule(const PaymentSchedule &schedule, ScheduleView view, const LocaleValues &locale,
                         TRPPrinter &printer)
    : m_schedule(schedule), m_view(view), m_locale(locale), m_rep(*this, printer)
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
    TRPBand *title = Band(*this, TBandType::rbTitle, 56);
    Label(title, 15, 12, 300, 32, "Payment Schedule", ReportArial(27, TFontStyle::Bold, clBlack));
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
    std::array<QString, ScheduleColumnCount> headings;
    for (size_t c = 0; c < headings.size(); ++c)
        headings[c] = QString::fromLatin1(ScheduleHeadings(m_view)[c]);
    m_headings = ColumnLabels(m_pageHeader, headings);
    m_headingsRule = NewRule(m_pageHeader, 0);
}

void TRPSchedule::CreateDetail()
{
    m_detail = Band(*this, TBandType::rbDetail, 0);
    lblColumn = ColumnLabels(m_detail, {});
}

void TRPSchedule::CreateSummary()
{
    m_summary = Band(*this, TBandType::rbSummary, 0);
    NewRule(m_summary, 4);
    if (const std::optional<std::string> note = PaidOffNote(m_schedule, m_locale))
        m_paidOff = Label(m_summary, 0, 0, 0, 0, Text(*note));
    for (const ScheduleFigure &total : ScheduleTotalsFigures(RowsOf(m_schedule, m_view), m_locale)) {
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
        const int top = 14 + LineSpacing * place.Line;
        m_terms[i].Caption->SetLeft(place.CaptionLeft);
        m_terms[i].Value->SetLeft(place.ValueLeft);
        m_terms[i].Caption->SetTop(top);
        m_terms[i].Value->SetTop(top);
        m_terms[i].Caption->SetFont(ScheduleLayout::Font(layout.TermPixels, TFontStyle::Regular));
        m_terms[i].Value->SetFont(ScheduleLayout::Font(layout.TermPixels, TFontStyle::Bold));
    }
    const int headingsTop = 14 + LineSpacing * layout.TermLines + 12;
    PlaceInColumns(m_headings, layout, headingsTop, layout.HeadingHeight,
                   layout.HeadingFont(TFontStyle::Bold));
    m_headingsRule->SetTop(headingsTop + layout.HeadingHeight + 6);
    m_pageHeader->SetHeight(headingsTop + layout.HeadingHeight + 14);

    PlaceInColumns(lblColumn, layout, 1, layout.CellHeight, layout.RowFont());
    m_detail->SetHeight(layout.RowHeight);

    // The summary: the note, then the totals' captions, each flush right beside its amount.
    int top = 14;
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

void TRPSchedule::RepBeforePrint(TRPComponent *, bool &)
{
    m_row = 0;
    Arrange(LayOutSchedule(m_rep.Printer().PageWidth(), m_schedule, m_view, m_locale));
}

void TRPSchedule::RepNeedData(TRPComponent *, bool &moreData)
{
    const std::vector<ScheduleRow> &rows = RowsOf(m_schedule, m_view);
    moreData = m_row < rows.size();
    if (!moreData)
        return;
    for (int c = 0; c < ScheduleColumnCount; ++c)
        lblColumn[static_cast<size_t>(c)]->SetCaption(Text(ScheduleCellText(rows[m_row], c, m_locale)));
    ++m_row;
}
