#include "printer/QPrinterJob.h"

#include "printer/PrinterError.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace {

class QPrinterJob final : public PrintJob {
public:
    explicit QPrinterJob(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer))
    {
        if (!m_painter.begin(m_printer.get()))
            throw PrinterError("The print job could not be started");
    }
    ~QPrinterJob() override { Abort(); }

    QPainter &Painter() override { return m_painter; }
    QRectF PrintableArea() const override
    {
        return QRectF(QPointF(0, 0), m_printer->pageRect(QPrinter::DevicePixel).size());
    }
    void NewSheet() override
    {
        if (!m_printer->newPage())
            throw PrinterError("The printer could not start a new sheet");
    }
    void Finish() override
    {
        if (!m_painter.end() || m_printer->printerState() == QPrinter::Error)
            throw PrinterError("The print job could not be completed");
    }
    void Abort() noexcept override
    {
        if (!m_painter.isActive())
            return;
        m_printer->abort();
        m_painter.end();
    }

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
};

} // namespace

std::unique_ptr<PrintJob> StartQPrinterJob(std::unique_ptr<QPrinter> printer)
{
    return std::make_unique<QPrinterJob>(std::move(printer));
}

std::unique_ptr<PrintJob> StartPdfFileJob(const QString &fileName, const QString &title, QSizeF sheet,
                                          QMarginsF margins)
{
    // QPrinter reports an unwritable file only when the painting ends; find out before drawing.
    QFile probe(fileName);
    if (!probe.open(QIODevice::WriteOnly))
        throw PrinterError("The file could not be written");
    probe.close();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setDocName(title);
    printer->setFullPage(false);
    printer->setPageLayout(QPageLayout(QPageSize(sheet, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                       QPageLayout::Portrait, margins, QPageLayout::Inch));
    return StartQPrinterJob(std::move(printer));
}
