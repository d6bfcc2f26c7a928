#include "report/printer/PdfFileJob.h"

#include "report/printer/FileWriting.h"
#include "report/printer/PrinterError.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {

class PdfFileJob final : public PrintJob {
public:
    PdfFileJob(const QString &fileName, const QString &title, const QPageLayout &layout)
        : m_fileName(fileName)
    {
        m_document.open(QIODevice::WriteOnly);
        m_writer.setTitle(title);
        if (!m_writer.setPageLayout(layout) || !m_painter.begin(&m_writer))
            throw PrinterError("The PDF document could not be started");
    }
    ~PdfFileJob() override { Abort(); }

    QPainter &Painter() override { return m_painter; }
    QRectF PrintableArea() const override
    {
        return QRectF(QPointF(0, 0), m_writer.pageLayout().paintRectPixels(m_writer.resolution()).size());
    }
    void NewSheet() override
    {
        if (!m_writer.newPage())
            throw PrinterError("The PDF document could not take another page");
    }
    void Finish() override
    {
        if (!m_painter.end())
            throw PrinterError("The PDF document could not be completed");
        WriteFileWhole(m_fileName, m_document.data());
    }
    void Abort() noexcept override
    {
        if (m_painter.isActive())
            m_painter.end();
    }

private:
    QString m_fileName;
    QBuffer m_document;
    QPdfWriter m_writer{&m_document};
    QPainter m_painter;
};

} // namespace

std::unique_ptr<PrintJob> StartPdfFileJob(const QString &fileName, const QString &title,
                                          const QPageLayout &layout)
{
    return std::make_unique<PdfFileJob>(fileName, title, layout);
}

QPageLayout SheetLayout(const PageGeometry &pixels)
{
    const auto inches = [](int length) { return length / static_cast<qreal>(ScreenPixelsPerInch); };
    const QSize sheet = pixels.Sheet;
    const QSize page = pixels.Page;
    const QPoint offset = pixels.Offset;
    const QPageSize size(QSizeF(inches(sheet.width()), inches(sheet.height())), QPageSize::Inch, QString(),
                         QPageSize::ExactMatch);
    const QMarginsF margins(inches(offset.x()), inches(offset.y()),
                            inches(std::max(0, sheet.width() - page.width() - offset.x())),
                            inches(std::max(0, sheet.height() - page.height() - offset.y())));
    return QPageLayout(size, QPageLayout::Portrait, margins, QPageLayout::Inch);
}
