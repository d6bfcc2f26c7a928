#include "report/printer/CupsPrinterDevice.h"

#include "report/printer/CupsDestination.h"
#include "report/printer/FileWriting.h"
#include "report/printer/PdfFileJob.h"
#include "report/printer/PrinterError.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cups/cups.h>

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

// A printer configured for the settings: paper, orientation, its minimum margins, one copy. Throws
// PrinterError when Qt cannot drive the printer natively: without a printer a QPrinter quietly becomes
// a PDF writer without a file, and nothing must ever be printed through that.
std::unique_ptr<QPrinter> NewConfiguredPrinter(const QPrinterInfo &info, const PaperSettings &settings)
{
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid() || printer->outputFormat() != QPrinter::NativeFormat)
        throw PrinterError(PrinterDriverErrorMessage);
    const QPageSize paper = PaperOf(info, settings);
    if (paper.isValid())
        printer->setPageSize(paper);
    printer->setPageOrientation(settings.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer->setFullPage(false);
    printer->setPageMargins(printer->pageLayout().minimumMargins(), printer->pageLayout().units());
    printer->setCopyCount(1);
    return printer;
}

// A job for a CUPS queue. It is drawn into a PDF file of the printer's page layout in the temporary
// folder that goes to the queue only when the job finishes and the file is written whole, so an aborted
// job or a file cut short prints nothing, and CUPS's answer is checked, so a refused job is a failure.
// (Qt's own CUPS output hands even an aborted job to the queue and drops the answer.) The file is
// removed with the job.
class CupsJob final : public PrintJob {
public:
    CupsJob(const QString &printerName, const QString &title, const QPageLayout &layout)
        : m_printerName(printerName.toLocal8Bit()), m_title(title.toLocal8Bit()),
          m_media(layout.pageSize().key().toLatin1())
    {
        // Takes a name of its own; the PDF job replaces the empty file when it finishes.
        m_file.setFileTemplate(QDir::tempPath() + QStringLiteral("/quillmere-XXXXXX.pdf"));
        if (!m_file.open())
            throw FileWriteError(FileWriteFailureText(errno, m_file.fileTemplate()).toStdString());
        m_pdf = StartPdfFileJob(m_file.fileName(), title, layout);
    }

    QPainter &Painter() override { return m_pdf->Painter(); }
    QRectF PrintableArea() const override { return m_pdf->PrintableArea(); }
    void NewSheet() override { m_pdf->NewSheet(); }
    void Finish() override
    {
        m_pdf->Finish();
        cups_option_t *options = nullptr;
        const int count = cupsAddOption("media", m_media.constData(), 0, &options);
        const QByteArray file = QFile::encodeName(m_file.fileName());
        const int job =
            cupsPrintFile(m_printerName.constData(), file.constData(), m_title.constData(), count, options);
        cupsFreeOptions(count, options);
        if (job == 0)
            throw PrinterError(cupsLastErrorString());
    }
    void Abort() noexcept override { m_pdf->Abort(); }

private:
    QByteArray m_printerName;
    QByteArray m_title;
    QByteArray m_media;
    QTemporaryFile m_file;
    std::unique_ptr<PrintJob> m_pdf;
};

} // namespace

CupsPrinterDevice::CupsPrinterDevice() = default;

CupsPrinterDevice::~CupsPrinterDevice() = default;

const PrinterStatus &CupsPrinterDevice::Destination()
{
    if (!m_destination)
        m_destination = LookUpCupsDestination();
    return *m_destination;
}

const QPrinterInfo &CupsPrinterDevice::Printer()
{
    if (!m_info) {
        const PrinterStatus &destination = Destination();
        const bool exists = TakesJobs(destination) || destination.Condition == TPrinterCondition::Refusing;
        m_info = exists ? QPrinterInfo::printerInfo(destination.Name) : QPrinterInfo();
    }
    return *m_info;
}

PrinterStatus CupsPrinterDevice::Status()
{
    Forget();
    return Destination();
}

QPrinter &CupsPrinterDevice::ConfiguredPrinter(const PaperSettings &settings)
{
    if (!m_printer || m_printerSettings != settings) {
        m_printer.reset();
        m_printer = NewConfiguredPrinter(Printer(), settings);
        m_printerSettings = settings;
    }
    return *m_printer;
}

std::optional<PrinterFacts> CupsPrinterDevice::Measure(const PaperSettings &settings)
{
    if (Printer().isNull())
        return std::nullopt;
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

void CupsPrinterDevice::ReadSettings()
{
    // Any configured printer shows that the settings can be read.
    if (!m_printer && !Printer().isNull())
        ConfiguredPrinter(PaperSettings{});
}

bool CupsPrinterDevice::SupportsPaper(TRPPaperSize paper)
{
    ReadSettings();
    const QPrinterInfo &info = Printer();
    if (info.isNull())
        return false;
    if (paper == TRPPaperSize::rppDefault)
        return true;
    if (paper == TRPPaperSize::rppCustom)
        return info.supportsCustomPageSizes();
    const QPageSize::PageSizeId id = PageSizeOf(paper);
    const QList<QPageSize> sizes = info.supportedPageSizes();
    return std::any_of(sizes.begin(), sizes.end(), [id](const QPageSize &size) { return size.id() == id; });
}

std::unique_ptr<PrintJob> CupsPrinterDevice::StartJob(const QString &title, const PaperSettings &settings)
{
    if (Printer().isNull())
        throw PrinterError("No printer is installed");
    return std::make_unique<CupsJob>(m_info->printerName(), title, ConfiguredPrinter(settings).pageLayout());
}

void CupsPrinterDevice::Forget() noexcept
{
    m_destination.reset();
    m_info.reset();
    m_printer.reset();
    m_measured.clear();
}
