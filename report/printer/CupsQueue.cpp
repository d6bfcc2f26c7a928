#include "report/printer/CupsQueue.h"

#include "report/printer/PrinterError.h"

#include <QPageSize>
#include <QPrinter>
#include <algorithm>

namespace {

QPageSize::PageSizeId PageSizeOf(TRPPaperSize paper)
{
    switch (paper) {
    case TRPPaperSize::rppLetter:
        return QPageSize::Letter;
    case TRPPaperSize::rppLegal:
        return QPageSize::Legal;
    case TRPPaperSize::rppA3:
        return QPageSize::A3;
    case TRPPaperSize::rppA4:
        return QPageSize::A4;
    case TRPPaperSize::rppA5:
        return QPageSize::A5;
    case TRPPaperSize::rppDefault:
    case TRPPaperSize::rppCustom:
        break;
    }
    return QPageSize::Custom;
}

// The paper the settings ask for; the printer's own default paper for rppDefault and for a custom
// paper without both dimensions (Qt would otherwise fall back to A4 whatever the queue says).
QPageSize PaperOf(const QPrinterInfo &info, const PaperSettings &settings)
{
    if (settings.Paper == TRPPaperSize::rppCustom && settings.CustomWidth > 0 && settings.CustomLength > 0)
        return QPageSize(QSizeF(settings.CustomWidth / 10.0, settings.CustomLength / 10.0),
                         QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    const QPageSize::PageSizeId id = PageSizeOf(settings.Paper);
    return id == QPageSize::Custom ? info.defaultPageSize() : QPageSize(id);
}

// Paper, orientation, the paper's minimum margins, one copy.
void Configure(QPrinter &printer, const QPrinterInfo &info, const PaperSettings &settings)
{
    const QPageSize paper = PaperOf(info, settings);
    if (paper.isValid())
        printer.setPageSize(paper);
    printer.setPageOrientation(settings.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(false);
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    printer.setCopyCount(1);
}

} // namespace

CupsQueue::CupsQueue(const QString &name, std::optional<std::time_t> ppdTime)
    : m_name(name), m_ppdTime(ppdTime), m_info(QPrinterInfo::printerInfo(name))
{
}

CupsQueue::~CupsQueue() = default;

QPrinter &CupsQueue::BuiltPrinter()
{
    if (!m_printer) {
        auto printer = std::make_unique<QPrinter>(m_info, QPrinter::HighResolution);
        if (!printer->isValid() || printer->outputFormat() != QPrinter::NativeFormat)
            throw PrinterError(PrinterDriverErrorMessage);
        m_printer = std::move(printer);
    }
    return *m_printer;
}

QPrinter &CupsQueue::ConfiguredPrinter(const PaperSettings &settings)
{
    QPrinter &printer = BuiltPrinter();
    if (m_printerSettings != settings) {
        Configure(printer, m_info, settings);
        m_printerSettings = settings;
    }
    return printer;
}

PrinterFacts CupsQueue::Measure(const PaperSettings &settings)
{
    for (const auto &[measuredSettings, facts] : m_measured) {
        if (measuredSettings == settings)
            return facts;
    }
    const QPrinter &printer = ConfiguredPrinter(settings);
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    const QRect sheet = printer.paperRect(QPrinter::DevicePixel).toRect();
    if (page.isEmpty() || sheet.isEmpty())
        throw PrinterError("The printer reports no page");
    const PrinterFacts facts{PageGeometry{page.size(), sheet.size(), page.topLeft() - sheet.topLeft()},
                             QSize(printer.logicalDpiX(), printer.logicalDpiY())};
    m_measured.emplace_back(settings, facts);
    return facts;
}

void CupsQueue::ReadSettings()
{
    // A printer that Qt drives shows that the settings can be read.
    BuiltPrinter();
}

bool CupsQueue::SupportsPaper(TRPPaperSize paper)
{
    ReadSettings();
    if (paper == TRPPaperSize::rppDefault)
        return true;
    if (paper == TRPPaperSize::rppCustom)
        return m_info.supportsCustomPageSizes();
    const QPageSize::PageSizeId id = PageSizeOf(paper);
    const QList<QPageSize> sizes = m_info.supportedPageSizes();
    return std::any_of(sizes.begin(), sizes.end(), [id](const QPageSize &size) { return size.id() == id; });
}

QPageLayout CupsQueue::Layout(const PaperSettings &settings)
{
    return ConfiguredPrinter(settings).pageLayout();
}
