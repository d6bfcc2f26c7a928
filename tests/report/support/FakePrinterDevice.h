#pragma once

#include "report/printer/PrinterDevice.h"
#include "report/printer/PrinterError.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

// A printer for tests: facts of the test's choosing, jobs drawn into images at 96 pixels per inch.
// The test keeps the shared state to read what was printed after the device went to the printer:
//     auto fake = std::make_shared<FakePrinter>(FakePrinter::Letter());
//     TRPPrinter printer(std::make_unique<FakePrinterDevice>(fake));
struct FakePrinter {
    // 8.5 x 11 inches at 600 dots per inch, a quarter inch unprintable all round: 768 x 1008 printable
    // screen pixels on an 816 x 1056 sheet at offset 24.
    static PrinterFacts Letter() { return {{{4800, 6300}, {5100, 6600}, {150, 150}}, {600, 600}}; }
    // Letter at 1200 dots per inch with its printable area off centre: 768 x 1008 printable screen
    // pixels on an 816 x 1056 sheet at offset 18 across and 30 down.
    static PrinterFacts LetterOffCentre()
    {
        return {{{9600, 12600}, {10200, 13200}, {225, 375}}, {1200, 1200}};
    }
    // A4 at 600 dots per inch with 100-dot offsets: 762 x 1090 printable screen pixels (half-even
    // rounding of 761.6 and 1090.4) on a 794 x 1122 sheet at offset 16.
    static PrinterFacts A4() { return {{{4760, 6815}, {4960, 7015}, {100, 100}}, {600, 600}}; }
    // A5 and A6 at 600 dots per inch with 100-dot offsets: 527 x 762 and 365 x 527 printable screen
    // pixels (half-even rounding of 527.36, 761.76, 364.8 and 527.36).
    static PrinterFacts A5() { return {{{3296, 4761}, {3496, 4961}, {100, 100}}, {600, 600}}; }
    static PrinterFacts A6() { return {{{2280, 3296}, {2480, 3496}, {100, 100}}, {600, 600}}; }
    // The same sheet turned on its side.
    static PrinterFacts Landscape(PrinterFacts facts)
    {
        facts.Dots.Page.transpose();
        facts.Dots.Sheet.transpose();
        facts.Dots.Offset = facts.Dots.Offset.transposed();
        facts.DotsPerInch.transpose();
        return facts;
    }
    // A sheet 3 inches high at 300 dots per inch (a quarter inch unprintable all round): 768 x 240
    // printable screen pixels on an 816 x 288 sheet, for running out of room quickly.
    static PrinterFacts ShortSheet() { return {{{2400, 750}, {2550, 900}, {75, 75}}, {300, 300}}; }

    explicit FakePrinter(std::optional<PrinterFacts> facts) : Facts(facts) {}

    std::optional<PrinterFacts> Facts; // nullopt: no printer installed
    bool FailMeasure = false;          // the printer does not answer
    bool FailJob = false;              // a job cannot start
    bool FailSheet = false;            // a new sheet cannot be fed
    bool FailSettings = false;         // the printer's settings cannot be read
    std::function<void()> OnNewSheet;  // called as each new sheet is fed
    // What the print system says of the printer; a Ready printer without Facts is not installed.
    PrinterStatus Status{TPrinterCondition::Ready, QStringLiteral("Fake")};
    std::vector<TRPPaperSize> Papers{TRPPaperSize::rppLetter, TRPPaperSize::rppA4};

    int Measurements = 0;
    PaperSettings LastSettings;
    int JobsStarted = 0;
    QString JobTitle;
    std::vector<QImage> Sheets; // of the last job, white where nothing was drawn
    bool Finished = false;
    bool Aborted = false;
};

class FakePrintJob : public PrintJob {
public:
    explicit FakePrintJob(std::shared_ptr<FakePrinter> printer) : m_printer(std::move(printer))
    {
        OpenSheet();
    }
    ~FakePrintJob() override { Abort(); }

    QPainter &Painter() override { return m_painter; }
    QRectF PrintableArea() const override { return QRectF(QPointF(0, 0), m_printer->Sheets.back().size()); }
    void NewSheet() override
    {
        if (m_printer->FailSheet)
            throw PrinterError("no paper");
        if (m_printer->OnNewSheet)
            m_printer->OnNewSheet();
        m_painter.end();
        OpenSheet();
    }
    void Finish() override
    {
        m_painter.end();
        m_printer->Finished = true;
    }
    void Abort() noexcept override
    {
        if (!m_painter.isActive())
            return;
        m_painter.end();
        m_printer->Aborted = true;
    }

private:
    void OpenSheet()
    {
        const PrinterFacts &facts = *m_printer->Facts;
        QImage sheet(facts.Dots.Page.width() * 96 / facts.DotsPerInch.width(),
                     facts.Dots.Page.height() * 96 / facts.DotsPerInch.height(), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        m_printer->Sheets.push_back(sheet);
        m_painter.begin(&m_printer->Sheets.back());
    }

    std::shared_ptr<FakePrinter> m_printer;
    QPainter m_painter;
};

class FakePrinterDevice : public PrinterDevice {
public:
    explicit FakePrinterDevice(std::shared_ptr<FakePrinter> printer) : m_printer(std::move(printer)) {}

    std::optional<PrinterFacts> Measure(const PaperSettings &settings) override
    {
        ++m_printer->Measurements;
        m_printer->LastSettings = settings;
        if (m_printer->FailMeasure)
            throw PrinterError("no answer");
        if (!m_checking)
            m_kept = m_printer->Facts;
        m_measured = true;
        return m_kept;
    }
    // As a device that keeps its measurements: until PrinterUnchanged, the facts last measured.
    void StartCheck() override { m_checking = m_measured; }
    bool PrinterUnchanged() override
    {
        const bool unchanged = !m_checking || m_kept == m_printer->Facts;
        m_checking = false;
        return unchanged;
    }
    void ReadSettings() override
    {
        if (m_printer->FailSettings)
            throw PrinterError(PrinterDriverErrorMessage);
    }
    bool SupportsPaper(TRPPaperSize paper) override
    {
        ReadSettings();
        return std::find(m_printer->Papers.begin(), m_printer->Papers.end(), paper) !=
               m_printer->Papers.end();
    }
    PrinterStatus Status() override
    {
        if (m_printer->Status.Condition == TPrinterCondition::Ready && !m_printer->Facts)
            return {TPrinterCondition::NoPrinter, {}};
        return m_printer->Status;
    }
    std::unique_ptr<PrintJob> StartJob(const QString &title, const PaperSettings &) override
    {
        if (m_printer->FailJob || !m_printer->Facts)
            throw PrinterError("no job");
        ++m_printer->JobsStarted;
        m_printer->JobTitle = title;
        m_printer->Sheets.clear();
        m_printer->Finished = m_printer->Aborted = false;
        return std::make_unique<FakePrintJob>(m_printer);
    }

private:
    std::shared_ptr<FakePrinter> m_printer;
    std::optional<PrinterFacts> m_kept; // as last measured
    bool m_measured = false;
    bool m_checking = false;
};
