#include "schedule/ScheduleReport.h"

#include "common/ColorNames.h"
#include "engine/FormBuilding.h"
#include "engine/PaperColors.h"

namespace {

// The table's five columns: left edge and width, the number centred, money flush right.
struct ColumnPlace {
    int Left;
    int Width;
    TAlignment Alignment;
};
constexpr std::array<ColumnPlace, ScheduleColumnCount> Columns{{{15, 60, TAlignment::taCenter},
                                                                {85, 160, TAlignment::taRightJustify},
                                                                {255, 160, TAlignment::taRightJustify},
                                                                {425, 160, TAlignment::taRightJustify},
                                                                {595, 155, TAlignment::taRightJustify}}};

// A row of five labels in the table's columns, not auto-sized, so each is clipped to its column.
std::array<TRPLabel *, ScheduleColumnCount>
ColumnLabels(TRPBand *band, int top, int height, const std::array<QString, ScheduleColumnCount> &captions)
{
    std::array<TRPLabel *, ScheduleColumnCount> labels{};
    for (size_t c = 0; c < Columns.size(); ++c) {
        labels[c] = Label(band, Columns[c].Left, top, Columns[c].Width, height, captions[c]);
        labels[c]->SetAlignment(Columns[c].Alignment);
        labels[c]->SetAutoSize(false);
    }
    return labels;
}

QString Text(const std::string &text)
{
    return QString::fromStdString(text);
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

void TRPSchedule::CreateTitle()
{
    TRPBand *title = Band(*this, TBandType::rbTitle, 56);
    Label(title, 15, 12, 300, 32, "Payment Schedule", ReportArial(27, TFontStyle::Bold, clBlack));
}

void TRPSchedule::CreatePageHeader()
{
    TRPBand *pageHeader = Band(*this, TBandType::rbPageHeader, 76);
    const TRPFont value = ReportArial(13, TFontStyle::Bold, clBlack);
    Rule(pageHeader, 15, 3);
    // The loan, rate and term as the chart shows them, a caption and its value each.
    const std::vector<ScheduleFigure> terms = ScheduleTerms(m_schedule, m_locale);
    for (size_t i = 0; i < 3; ++i) {
        const int left = 15 + 250 * static_cast<int>(i);
        Label(pageHeader, left, 14, 60, 16, Text(terms[i].Caption + ":"));
        Label(pageHeader, left + 50, 14, 180, 16, Text(terms[i].Value), value);
    }
    std::array<QString, ScheduleColumnCount> headings;
    for (size_t c = 0; c < headings.size(); ++c)
        headings[c] = QString::fromLatin1(ScheduleHeadings(m_view)[c]);
    for (TRPLabel *heading : ColumnLabels(pageHeader, 46, 16, headings))
        heading->SetFont(value);
    Rule(pageHeader, 15, 68);
}

void TRPSchedule::CreateDetail()
{
    TRPBand *detail = Band(*this, TBandType::rbDetail, 18);
    detail->SetFont(ReportArial(12, TFontStyle::Regular, clBlack));
    lblColumn = ColumnLabels(detail, 1, 15, {});
}

void TRPSchedule::CreateSummary()
{
    TRPBand *summary = Band(*this, TBandType::rbSummary, 60);
    const TRPFont value = ReportArial(13, TFontStyle::Bold, clBlack);
    Rule(summary, 15, 4);
    const std::vector<ScheduleFigure> totals = ScheduleTotalsFigures(RowsOf(m_schedule, m_view), m_locale);
    for (size_t i = 0; i < totals.size(); ++i) {
        const int top = 14 + 20 * static_cast<int>(i);
        Label(summary, 425, top, 150, 16, Text(totals[i].Caption + ":"));
        TRPLabel *amount = Label(summary, 595, top, 155, 16, Text(totals[i].Value), value);
        amount->SetAlignment(TAlignment::taRightJustify);
        amount->SetAutoSize(false);
    }
}

void TRPSchedule::CreatePageFooter()
{
    TRPBand *pageFooter = Band(*this, TBandType::rbPageFooter, 34);
    const TRPFont small = ReportArial(11, TFontStyle::Regular, clWindowText);
    Rule(pageFooter, 15, 2);
    auto *page = pageFooter->Create<TRPSysData>();
    Place(page, 15, 12, 100, 14);
    page->SetData(TRPSysDataType::rpsPageNumber);
    page->SetText(QStringLiteral("Page "));
    page->SetAutoSize(true);
    page->SetFont(small);
    auto *printed = pageFooter->Create<TRPSysData>();
    Place(printed, 550, 12, 200, 14);
    printed->SetData(TRPSysDataType::rpsDate);
    printed->SetText(QStringLiteral("Printed "));
    printed->SetAlignment(TAlignment::taRightJustify);
    printed->SetFont(small);
}

void TRPSchedule::RepBeforePrint(TRPComponent *, bool &)
{
    m_row = 0;
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
