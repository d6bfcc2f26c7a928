#pragma once

#include "report/printer/PageGeometry.h"
#include "report/printer/PrinterDevice.h"

#include <QPageLayout>

// A print job that writes a PDF file titled title, whole or not at all: one PDF page per sheet, each of
// the layout's paper size and orientation, the painter drawing in the file's dots (1200 per inch) with
// the origin at the top-left of the area inside the layout's margins. The pages are made in memory and
// the file is written only by Finish (WriteFileWhole), which throws FileWriteError when it cannot be;
// an aborted job leaves the file as it was.
std::unique_ptr<PrintJob> StartPdfFileJob(const QString &fileName, const QString &title,
                                          const QPageLayout &layout);

// The layout of a PDF page for a page in screen pixels: the sheet's size, portrait, the left and top
// margins the page's offset, the right and bottom ones what is left of the sheet (at least 0).
QPageLayout SheetLayout(const PageGeometry &pixels);
