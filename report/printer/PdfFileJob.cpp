#include "printer/PdfFileJob.h"

#include "printer/PrinterError.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace {

class PdfFileJob final : public PrintJob {
public:
    PdfFileJob(const QString &fileName, const QString &title, const QPageLayout &layout)
    {
        // QPrinter reports an unwritable file only when the painting ends; find out before drawing.
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            throw PrinterError("The file could not be written");
        probe.close();
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(fileName);
        m_printer.setDocName(title);
        m_printer.setFullPage(false);
        m_printer.setPageLayout(layout);
        if (!m_painter.begin(&m_printer))
            throw PrinterError("The file could not be written");
    }
    ~PdfFileJob() override { Abort(); }

    QPainter &Painter() override { return m_painter; }
    QRectF PrintableArea() const override
    {
        return QRectF(QPointF(0, 0), m_printer.pageRect(QPrinter::DevicePixel).size());
    }
    void NewSheet() override
    {
        if (!m_printer.newPage())
            throw PrinterError("The file could not take another page");
    }
    void Finish() override
    {
        if (!m_painter.end() || m_printer.printerState() == QPrinter::Error)
            throw PrinterError("The file could not be written");
    }
    // The file is left as far as it was written.
    void Abort() noexcept override
    {
        if (m_painter.isActive())
            m_painter.end();
    }

private:
    QPrinter m_printer{QPrinter::HighResolution};
    QPainter m_painter;
};

} // namespace

std::unique_ptr<PrintJob> StartPdfFileJob(const QString &fileName, const QString &title,
                                          const QPageLayout &layout)
{
    return std::make_unique<PdfFileJob>(fileName, title, layout);
}
