#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QThread>
#include <optional>
#include <vector>

// The poppler tools that look into a PDF file (package poppler-utils).

// The standard output of program run with arguments; nothing when it cannot run or fails.
inline std::optional<QString> ToolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPageCount(const QString &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(ToolOutput(QStringLiteral("pdfinfo"), {pdf}).value_or(QString()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A word's box in points from the top-left of its page.
struct PdfWord {
    QString Text;
    double Left, Top, Right, Bottom;
};

inline std::vector<PdfWord> PdfWords(const QString &pdf)
{
    std::vector<PdfWord> words;
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QString html =
        ToolOutput(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")})
            .value_or(QString());
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

// Page page (1-based) rasterised at dpi dots per inch in grey; a null image when that fails.
inline QImage RasterisedPdfPage(const QString &pdf, int page, int dpi, const QString &scratchPrefix)
{
    const QString number = QString::number(page);
    if (!ToolOutput(QStringLiteral("pdftoppm"),
                    {QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                     QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                     QStringLiteral("-singlefile"), pdf, scratchPrefix}))
        return {};
    return QImage(scratchPrefix + QStringLiteral(".pgm"));
}

// The system's print service as the tests see it: scripts/test starts a CUPS scheduler and a cups-pdf
// queue, names it in PRINTER and the folder of its PDF files in QUILLMERE_TEST_PDF_OUT.

// A CUPS server address where no scheduler listens.
inline const QByteArray NowhereServer = "/nonexistent/cups.sock";

// The PDF files in folder, newest first.
inline QStringList PdfFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

// Waits until the queue has no job left and a PDF file that was not there before has appeared.
inline QString NewPdfAfterJobs(const QString &folder, const QStringList &before, const QString &queue)
{
    const QDeadlineTimer deadline(120000);
    while (!deadline.hasExpired()) {
        const bool jobsLeft = ToolOutput(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue})
                                  .value_or(QStringLiteral("?"))
                                  .trimmed() != QString();
        for (const QString &file : PdfFiles(folder)) {
            if (!jobsLeft && !before.contains(file))
                return QDir(folder).filePath(file);
        }
        QThread::msleep(100);
    }
    return {};
}
