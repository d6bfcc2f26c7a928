#pragma once

#include "printer/PrinterDevice.h"

#include <QPageLayout>

// A print job that writes a PDF file: one PDF page per sheet, each of the layout's paper size and
// orientation, the painter drawing in the file's dots with the origin at the top-left of the area
// inside the layout's margins. Throws PrinterError when the file cannot be written.
std::unique_ptr<PrintJob> StartPdfFileJob(const QString &fileName, const QString &title,
                                          const QPageLayout &layout);
