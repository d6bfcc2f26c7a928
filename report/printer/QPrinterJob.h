#pragma once

#include "printer/PrinterDevice.h"

#include <QMarginsF>
#include <QSizeF>

class QPrinter;

// Starts a job on a configured QPrinter (the system's printer or PDF output); owns the printer.
// Throws PrinterError when painting on it cannot begin.
std::unique_ptr<PrintJob> StartQPrinterJob(std::unique_ptr<QPrinter> printer);

// A PDF file of sheets sized sheet (inches) with the printable area inside margins (inches); the job's
// painter draws in the file's dots, origin at the printable area. Throws PrinterError when the file
// cannot be opened.
std::unique_ptr<PrintJob> StartPdfFileJob(const QString &fileName, const QString &title, QSizeF sheet,
                                          QMarginsF margins);
