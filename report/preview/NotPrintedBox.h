#pragma once

#include "report/printer/PrinterDevice.h"

#include <QString>

class QWidget;

// Why the printer did not print the document, or, when it is paused, where the document waits; empty
// for a Ready printer and when the user cancelled.
QString NotPrintedText(const PrinterStatus &status);
// A job the printer did not print after it took it: its name and the print system's reason.
QString NotPrintedText(const FailedJob &job);

// Says `why` in a box over parent and offers to save the document as a PDF file instead (as well, when
// the document still waits to print); true when the user takes the offer.
bool OfferPdf(QWidget *parent, const QString &why, bool asWell);
