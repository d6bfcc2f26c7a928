#pragma once

#include "report/printer/RecordedPage.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRectF>
#include <QString>
#include <vector>

// The operations of one kind on a recorded page, in recording order.
template <class Operation> std::vector<Operation> OperationsOf(const RecordedPage &page)
{
    std::vector<Operation> found;
    for (const PageOperation &operation : page.Operations()) {
        if (const auto *match = std::get_if<Operation>(&operation))
            found.push_back(*match);
    }
    return found;
}

// The texts drawn on a page whose text is `text`.
inline std::vector<TextOp> TextsOf(const RecordedPage &page, const QString &text)
{
    std::vector<TextOp> found;
    for (const TextOp &op : OperationsOf<TextOp>(page)) {
        if (op.Text == text)
            found.push_back(op);
    }
    return found;
}

// What a recorded text's line covers of its page, in page units: its advance across, placed by its
// alignment, and its font's height down from the origin. Page fonts are measured at 96 dots per inch.
inline QRectF TextBox(const TextOp &op)
{
    QImage page(1, 1, QImage::Format_RGB32);
    page.setDotsPerMeterX(3780); // 96 dots per inch
    page.setDotsPerMeterY(3780);
    const QFontMetricsF metrics(op.Font, &page);
    const qreal width = metrics.horizontalAdvance(op.Text);
    qreal left = op.Origin.x();
    if (op.Alignment & Qt::AlignRight)
        left -= width;
    else if (op.Alignment & Qt::AlignHCenter)
        left -= width / 2;
    return {left, static_cast<qreal>(op.Origin.y()), width, metrics.height()};
}
