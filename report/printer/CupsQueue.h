#pragma once

#include "report/printer/PrinterDevice.h"

#include <QPageLayout>
#include <QPrinterInfo>
#include <ctime>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPrinter;

// A CUPS queue as Qt PrintSupport drives it, while its PPD stays as it was: its papers, one QPrinter
// built from its name and configured for the settings last asked for, and its facts measured once per
// settings. Building one loads the queue's PPD, and so does the QPrinter on its first use. Measures
// with the queue's own default paper and minimum margins, portrait unless the settings say landscape.
class CupsQueue {
public:
    // `ppdTime` is the time stamp of the PPD it is built under (CupsPpdTime), if there is one to trust.
    CupsQueue(const QString &name, std::optional<std::time_t> ppdTime);
    ~CupsQueue();
    CupsQueue(const CupsQueue &) = delete;
    CupsQueue &operator=(const CupsQueue &) = delete;

    const QString &Name() const { return m_name; }
    std::optional<std::time_t> PpdTime() const { return m_ppdTime; }
    // Qt does not know the queue.
    bool IsNull() const { return m_info.isNull(); }

    // The calls below throw PrinterError(PrinterDriverErrorMessage) when Qt cannot drive the queue
    // natively: without a printer a QPrinter quietly becomes a PDF writer without a file, and nothing
    // must ever be printed through that.

    // Also throws PrinterError when the queue reports no page.
    PrinterFacts Measure(const PaperSettings &settings);
    void ReadSettings();
    bool SupportsPaper(TRPPaperSize paper);
    // The page layout a job under these settings prints on.
    QPageLayout Layout(const PaperSettings &settings);

private:
    QPrinter &BuiltPrinter();
    QPrinter &ConfiguredPrinter(const PaperSettings &settings);

    QString m_name;
    std::optional<std::time_t> m_ppdTime;
    QPrinterInfo m_info;
    std::unique_ptr<QPrinter> m_printer;
    std::optional<PaperSettings> m_printerSettings; // what m_printer is configured for
    std::vector<std::pair<PaperSettings, PrinterFacts>> m_measured;
};
