#include "report/chart/PaymentChartReport.h"

#include "calc/Format.h"
#include "design/ColorNames.h"
#include "report/engine/FormBuilding.h"
#include "report/engine/PaperColors.h"
#include "resources/MakerDetails.h"

#include <initializer_list>

namespace {
// One of the chart's fonts, colours aside: Arial of a character height in design pixels and a style.
struct ChartFont {
    int Pixels;
    TFontStyle Style;
    TRPFont In(const QColor &color) const { return ReportArial(Pixels, Style, color); }
};
constexpr ChartFont Heading{27, TFontStyle::Bold};
constexpr ChartFont Subheading{16, TFontStyle::Bold};
constexpr ChartFont BoldText{12, TFontStyle::Bold};
constexpr ChartFont Text{12, TFontStyle::Regular};
constexpr ChartFont Value{13, TFontStyle::Bold};
constexpr ChartFont Small{11, TFontStyle::Regular};

// A label's place in design pixels and its caption.
struct LabelPlace {
    int Left;
    int Top;
    int Width;
    int Height;
    const char *Caption;
};

// Labels in one font, created in the listed order.
void Labels(TRPBand *band, const TRPFont &font, std::initializer_list<LabelPlace> labels)
{
    for (const LabelPlace &place : labels)
        Label(band, place.Left, place.Top, place.Width, place.Height, QString::fromLatin1(place.Caption),
              font);
}
} // namespace

TRPPaymentChart::TRPPaymentChart(const PrintedChartHost &host, TRPPrinter &printer)
    : m_host(host), m_rep(*this, printer)
{
    SetUpReportForm(*this, m_rep);
    CreateTitle();
    CreatePageHeader();
    CreateDetail();
    CreatePageFooter();
}

std::vector<TRPFont> TRPPaymentChart::Fonts()
{
    std::vector<TRPFont> fonts{ReportFormFont()};
    for (const ChartFont &font : {Heading, Subheading, BoldText, Text, Value, Small})
        fonts.push_back(font.In(clBlack));
    return fonts;
}

void TRPPaymentChart::CreateTitle()
{
    TRPBand *title = Band(*this, TBandType::rbTitle, 316);
    const TRPFont heading = Heading.In(clBlack);
    const TRPFont bold16 = Subheading.In(clBlack);
    const TRPFont bold12 = BoldText.In(clBlack);
    const TRPFont text12 = Text.In(clWindowText);
    Label(title, 153, 60, 469, 32, "Chart of Monthly Payment Amounts", heading);
    Label(title, 242, 94, 291, 19, "Compliments of Halvorn Software", bold16);
    Label(title, 563, 206, 163, 15, MakerWebAddress, bold12);
    Label(title, 80, 142, 164, 15, "About Halvorn Software", bold12);
    Labels(
        title, text12,
        {
            {80, 160, 603, 15,
             "Halvorn Software creates highly customized financial calculators which enhance the "
             "visibility of our clients "},
            {80, 238, 590, 15,
             "In addition to downloading other free financial calculators like this one, you can visit "
             "our \"Gallery of Clients\" to"},
            {80, 206, 482, 15,
             "For more information about Halvorn Software's products, please visit our website at "},
            {80, 253, 574, 15,
             "learn how others are using custom-designed financial calculators from Halvorn Software to "
             "promote "},
            {80, 175, 386, 15, "in the banking, real estate, mortgage and financial services industries. "},
            {80, 268, 118, 15, "their own companies."},
        });
}

void TRPPaymentChart::CreatePageHeader()
{
    TRPBand *pageHeader = Band(*this, TBandType::rbPageHeader, 75);
    pageHeader->BeforePrint = [this](TRPComponent *sender, bool &printBand) {
        PageHeaderBeforePrint(sender, printBand);
    };
    const TRPFont value = Value.In(clBlack);
    Rule(pageHeader, ReportMargin, 3);
    Label(pageHeader, 65, 17, 81, 16, "Loan Amount:");
    Label(pageHeader, 325, 17, 78, 16, "Interest Rate:");
    Label(pageHeader, 585, 17, 33, 16, "Term:");
    lblMortgageAmt = Label(pageHeader, 153, 17, 85, 16, "MortgageAmt", value);
    lblIRate = Label(pageHeader, 409, 17, 47, 16, "Interest", value);
    lblNumPmts = Label(pageHeader, 628, 17, 90, 16, "numPayments", value);
    Rule(pageHeader, ReportMargin, 46);
}

void TRPPaymentChart::CreateDetail()
{
    TRPBand *detail = Band(*this, TBandType::rbDetail, 24);
    detail->SetFont(Text.In(clBlack));
    detail->SetFrame(TRPFrame{});
    // The eight cells of a table row, 22 pixels high, in the order they are drawn.
    for (const auto &[left, width] :
         {std::pair{469, 85}, {383, 85}, {641, 86}, {555, 85}, {297, 85}, {211, 85}, {125, 85}, {34, 90}}) {
        auto *cell = detail->Create<TRPShape>();
        Place(cell, left, 0, width, 22);
        cell->SetBrush(Qt::NoBrush);
    }
    // Each column's text centred in its cell and clipped to it, on a white box, in the band's font.
    const std::array<int, PaymentChart::ColumnCount> columnLefts{38, 126, 212, 298, 385, 471, 557, 643};
    for (size_t c = 0; c < columnLefts.size(); ++c) {
        lblColumn[c] = Label(detail, columnLefts[c], 3, 82, 15, QStringLiteral("lblColumn%1").arg(c + 1));
        lblColumn[c]->SetAlignment(TAlignment::taCenter);
        lblColumn[c]->SetAutoSize(false);
    }
}

void TRPPaymentChart::CreatePageFooter()
{
    TRPBand *pageFooter = Band(*this, TBandType::rbPageFooter, 109);
    const TRPFont small = Small.In(clBlack);
    auto *printedAt = pageFooter->Create<TRPSysData>();
    Place(printedAt, 310, 79, 142, 14);
    printedAt->SetData(TRPSysDataType::rpsDateTime);
    printedAt->SetText(QStringLiteral("Printed at "));
    printedAt->SetAlignment(TAlignment::taCenter);
    printedAt->SetAutoSize(true);
    printedAt->SetFont(Small.In(clWindowText));
    Rule(pageFooter, ReportMargin, 2);
    Labels(
        pageFooter, small,
        {
            {71, 9, 619, 14,
             "NOTE:  The calculations performed by The Quillmere are approximate and provided solely for "
             "your interactive"},
            {71, 24, 636, 14,
             "entertainment.  While effort was made to ensure the accuracy of these calculations, there is "
             "NO WARRANTY, expressed or implied,"},
            {71, 38, 603, 14,
             "for the accuracy or applicability of this information to your particular financial "
             "question.  Please check with your own financial"},
            {71, 53, 197, 14, "advisor before making any loan decision."},
        });
}

void TRPPaymentChart::RepBeforePrint(TRPComponent *, bool &)
{
    m_row = 0;
}

void TRPPaymentChart::RepNeedData(TRPComponent *, bool &moreData)
{
    const PaymentChart &chart = m_host.ChartToPrint();
    for (int c = 0; c < PaymentChart::ColumnCount; ++c) {
        lblColumn[static_cast<size_t>(c)]->SetCaption(
            m_row < PaymentChart::RowCount ? QString::fromStdString(chart.Cell(c, m_row)) : QString());
    }
    ++m_row;
    moreData = PaymentChart::RowCount >= m_row;
}

void TRPPaymentChart::PageHeaderBeforePrint(TRPComponent *, bool &)
{
    const ChartHeader &header = m_host.ChartToPrint().Header();
    const LocaleValues locale = m_host.PrintLocale();
    lblMortgageAmt->SetCaption(QString::fromStdString(
        WithCurrencySymbol(FormatGeneral(header.LoanAmount, FullPrecision, locale), locale)));
    lblIRate->SetCaption(QString::fromStdString(FormatGeneral(header.AnnualRate, FullPrecision, locale)) +
                         QLatin1Char('%'));
    lblNumPmts->SetCaption(QString::fromStdString(FormatGeneral(header.Years, FullPrecision, locale)) +
                           QStringLiteral(" years"));
}
