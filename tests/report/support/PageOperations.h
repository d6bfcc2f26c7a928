#pragma once

#include "printer/RecordedPage.h"

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
