#include "report/preview/PageCaret.h"

#include <Qt>
#include <algorithm>

namespace {
int LineStart(const QString &text, int offset)
{
    return offset <= 0 ? 0 : int(text.lastIndexOf(u'\n', offset - 1)) + 1;
}
} // namespace

int CaretAfterArrow(const QString &text, int caret, int key)
{
    const int length = int(text.size());
    caret = std::clamp(caret, 0, length);
    switch (key) {
    case Qt::Key_Left:
        return std::max(caret - 1, 0);
    case Qt::Key_Right:
        return std::min(caret + 1, length);
    case Qt::Key_Up: {
        const int start = LineStart(text, caret);
        return start == 0 ? caret : LineStart(text, start - 1);
    }
    case Qt::Key_Down: {
        const qsizetype end = text.indexOf(u'\n', caret);
        return end < 0 ? caret : int(end) + 1;
    }
    default:
        return caret;
    }
}
