#pragma once

#include "report/printer/ReportPrinter.h"

#include <QImage>
#include <vector>

// Records one page per entry of rows, each with a black rule one pixel thick (4 page units) across the
// whole page at that pixel row, and finishes the document.
inline void RecordRuledDocument(TRPPrinter &printer, const std::vector<int> &rows)
{
    printer.BeginDocument();
    for (std::size_t n = 0; n < rows.size(); ++n) {
        if (n > 0)
            printer.AddPage();
        PageCanvas &canvas = printer.Canvas();
        canvas.SetPen(QPen(Qt::black, 4));
        canvas.MoveTo(QPoint(0, 4 * rows[n]));
        canvas.LineTo(QPoint(4 * printer.PageWidth(), 4 * rows[n]));
    }
    printer.EndDocument();
}

// The rows of image whose pixel in column is darker than mid-grey.
inline std::vector<int> DarkRows(const QImage &image, int column)
{
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (qGray(image.pixel(column, y)) < 128)
            rows.push_back(y);
    }
    return rows;
}
