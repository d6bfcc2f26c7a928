#include "report/engine/ReportRun.h"

#include "calc/Rounding.h"
#include "report/engine/PrintContext.h"
#include "report/engine/RPControls.h"
#include "report/engine/ReportForm.h"
#include "report/printer/PageGeometry.h"
#include "report/printer/ReportPrinter.h"

namespace {
template <class Lists> auto &ListOf(Lists &lists, TBandType type)
{
    return lists[static_cast<size_t>(type)];
}
} // namespace

TRPReportRun::TRPReportRun(const TRPRunSetup &setup, int pixelsPerInch, Real6 scaleFactor, int pageWidth,
                           int pageHeight)
    : m_setup(setup), m_printer(setup.Printer), m_pixelsPerInch(pixelsPerInch), m_scaleFactor(scaleFactor),
      m_pageWidth(pageWidth),
      m_pageHeight(RoundHalfEven(static_cast<long double>(pageHeight) * ScreenPixelsPerInch / pixelsPerInch))
{
}

std::vector<TRPPageCountText> TRPReportRun::Generate()
{
    m_printer.SetShowProgress(m_setup.ShowProgress);
    m_printer.ClearCancelled();
    // Made only to be shown: hidden it would change nothing. The document carries the report's title.
    ProgressWindow progress;
    if (m_setup.ShowProgress)
        progress =
            m_printer.CreateProgressForm(QStringLiteral("Preparing report ") + m_printer.DocumentTitle(), 0);
    bool printReport = true;
    if (m_setup.Events.BeforePrint)
        m_setup.Events.BeforePrint(&m_setup.Sender, printReport);
    if (!printReport) {
        m_printer.Cancel();
        return {};
    }
    // The form's bands as they are now, in creation order, so that bands of one type print in that order.
    for (const auto &band : m_setup.Form.Bands())
        ListOf(m_bands, band->BandType()).push_back(band.get());
    for (const TRPBand *footer : ListOf(m_bands, TBandType::rbPageFooter))
        m_footerHeight += footer->Height();

    m_currentX = m_setup.LeftMargin.DesignPixels();
    const int columns = m_setup.Columns;
    const long double gaps = m_setup.ColumnMargin.InchesValue() * ScreenPixelsPerInch * (columns - 1);
    m_columnWidth = RoundHalfEven((m_pageWidth - m_currentX - gaps) / columns);

    Raise(m_setup.Events.OnStartPage);
    if (m_setup.TitleBeforeHeader) {
        PrintBands(TBandType::rbTitle);
        PrintBands(TBandType::rbPageHeader);
    } else {
        PrintBands(TBandType::rbPageHeader);
        PrintBands(TBandType::rbTitle);
    }
    PrintBands(TBandType::rbColumnHeader);
    DataLoop();
    KeepLastRecordWithSummary();
    PrintBands(TBandType::rbSummary);
    PrintBands(TBandType::rbPageFooter);
    DrawPageFrame();
    Raise(m_setup.Events.OnEndPage);
    Raise(m_setup.Events.AfterPrint);
    return std::move(m_pageCountTexts);
}

void TRPReportRun::DataLoop()
{
    for (bool more = Fetch(true); more && !m_printer.Cancelled(); more = Fetch(false)) {
        m_lastRecord.Page = 0;
        PrintBands(TBandType::rbDetail);
    }
}

bool TRPReportRun::Fetch(bool moreData)
{
    if (m_setup.Events.OnNeedData)
        m_setup.Events.OnNeedData(&m_setup.Sender, moreData);
    if (m_setup.Events.OnFilter && moreData)
        m_setup.Events.OnFilter(&m_setup.Sender, moreData);
    return moreData;
}

void TRPReportRun::PrintBands(TBandType type)
{
    if (type == TBandType::rbDetail)
        Raise(m_setup.Events.BeforeDetail);
    for (TRPBand *band : ListOf(m_bands, type))
        PrintBand(*band);
    if (type == TBandType::rbDetail)
        Raise(m_setup.Events.AfterDetail);
    if (type == TBandType::rbTitle || type == TBandType::rbPageHeader)
        m_columnTop = m_currentY;
}

void TRPReportRun::PrintBand(TRPBand &band)
{
    if (!band.Enabled())
        return;
    switch (band.BandType()) {
    case TBandType::rbPageHeader:
        break;
    case TBandType::rbPageFooter:
        // Every footer starts at the top of the space reserved at the page bottom.
        m_currentY = m_pageHeight - m_footerHeight;
        m_currentX = m_setup.LeftMargin.DesignPixels();
        break;
    default:
        BreakIfNeeded(band);
        if (band.BandType() == TBandType::rbDetail) {
            m_detailPrinted = true;
            MarkRecordStart();
        }
    }
    if (RenderBand(band, m_currentX, m_currentY))
        m_currentY += band.Height();
}

int TRPReportRun::HeightOf(TBandType type) const
{
    int height = 0;
    for (const TRPBand *band : ListOf(m_bands, type)) {
        if (band->Enabled())
            height += band->Height();
    }
    return height;
}

int TRPReportRun::TopAfterBreak() const
{
    const int top = m_currentColumn < m_setup.Columns ? m_columnTop : HeightOf(TBandType::rbPageHeader);
    return top + HeightOf(TBandType::rbColumnHeader);
}

void TRPReportRun::BreakIfNeeded(const TRPBand &band)
{
    // A band ending exactly at the top of the footer area breaks too, unless the next column or page
    // would offer it no more room: then it prints here rather than leave a column of headings alone.
    const bool full =
        m_currentY + band.Height() >= m_pageHeight - m_footerHeight && m_currentY > TopAfterBreak();
    if (full || (band.ForceNewPage() && m_detailPrinted))
        Break();
}

void TRPReportRun::Break()
{
    if (m_currentColumn == m_setup.Columns) {
        m_currentColumn = 1;
        m_currentX = m_setup.LeftMargin.DesignPixels();
        StartNewPage();
    } else {
        m_currentX +=
            RoundHalfEven(static_cast<long double>(ScreenPixelsPerInch) / m_pixelsPerInch * m_columnWidth) +
            m_setup.ColumnMargin.DesignPixels();
        m_currentY = m_columnTop;
        ++m_currentColumn;
    }
    PrintBands(TBandType::rbColumnHeader);
}

void TRPReportRun::MarkRecordStart()
{
    if (m_lastRecord.Page == m_pageNumber && m_lastRecord.Column == m_currentColumn)
        return;
    m_lastRecord = {m_pageNumber, m_currentColumn, m_printer.Canvas().Page().Operations().size(), m_currentY};
}

void TRPReportRun::KeepLastRecordWithSummary()
{
    const int summaryHeight = HeightOf(TBandType::rbSummary);
    const int bottom = m_pageHeight - m_footerHeight;
    const int recordHeight = m_currentY - m_lastRecord.Top;
    const bool here = m_lastRecord.Page == m_pageNumber && m_lastRecord.Column == m_currentColumn;
    // Nothing to do when the summary fits, when the record opens its column (moving it would leave
    // the headings alone instead) or when the two would not fit together after a break either.
    if (summaryHeight == 0 || !here || m_currentY + summaryHeight < bottom ||
        m_lastRecord.Top <= m_columnTop + HeightOf(TBandType::rbColumnHeader) ||
        TopAfterBreak() + recordHeight + summaryHeight >= bottom)
        return;
    PageCanvas &canvas = m_printer.Canvas();
    const std::vector<PageOperation> record = canvas.TakeOperations(m_lastRecord.Operation);
    const TRPPrintContext context = Context();
    const QPoint from(context.Unit(m_currentX), context.Unit(m_lastRecord.Top));
    m_currentY = m_lastRecord.Top;
    Break();
    canvas.AppendMoved(record, QPoint(context.Unit(m_currentX), context.Unit(m_currentY)) - from);
    m_currentY += recordHeight;
    m_detailPrinted = true;
}

void TRPReportRun::StartNewPage()
{
    PrintBands(TBandType::rbPageFooter);
    Raise(m_setup.Events.OnEndPage);
    m_currentY = 0;
    DrawPageFrame();
    m_printer.AddPage();
    ++m_pageNumber;
    m_detailPrinted = false;
    Raise(m_setup.Events.OnStartPage);
    PrintBands(TBandType::rbPageHeader);
}

bool TRPReportRun::RenderBand(TRPBand &band, int x, int y)
{
    bool printBand = true;
    if (band.BeforePrint)
        band.BeforePrint(&band, printBand);
    if (printBand) {
        const TRPPrintContext context = Context();
        PageRect area = context.UnitRect(x, y, x + m_columnWidth, y + band.Height());
        PageCanvas &canvas = m_printer.Canvas();
        canvas.SetBrush(QBrush(band.Color()));
        canvas.FillRect({area.Left, area.Top, area.Right, area.Bottom - 1});
        for (const auto &control : band.Controls()) {
            if (control->Visible())
                control->PrintAt(context, x, y);
        }
        DrawFrame(band.Frame(), area);
    }
    if (band.AfterPrint)
        band.AfterPrint(&band, printBand);
    return printBand;
}

void TRPReportRun::DrawPageFrame()
{
    DrawFrame(m_setup.PageFrame, Context().UnitRect(0, 0, m_pageWidth - 1, m_pageHeight - 1));
}

void TRPReportRun::DrawFrame(const TRPFrame &frame, const PageRect &rect)
{
    if (frame.Pen.width() <= 0)
        return;
    PageCanvas &canvas = m_printer.Canvas();
    canvas.SetPen(PagePen(frame.Pen));
    const QPoint topLeft(rect.Left, rect.Top);
    const QPoint topRight(rect.Right, rect.Top);
    const QPoint bottomLeft(rect.Left, rect.Bottom);
    const QPoint bottomRight(rect.Right, rect.Bottom);
    if (frame.DrawTop)
        DrawLine(canvas, topLeft, topRight);
    if (frame.DrawBottom)
        DrawLine(canvas, bottomLeft, bottomRight);
    if (frame.DrawLeft)
        DrawLine(canvas, topLeft, bottomLeft);
    if (frame.DrawRight)
        DrawLine(canvas, topRight, bottomRight);
}

TRPPrintContext TRPReportRun::Context()
{
    return TRPPrintContext(m_printer.Canvas(), m_scaleFactor, m_pageNumber, m_setup.Clock, m_pageCountTexts);
}

void TRPReportRun::Raise(const std::function<void(TRPComponent *sender)> &handler)
{
    if (handler)
        handler(&m_setup.Sender);
}
