#include "report/printer/PageText.h"

#include "report/printer/RecordedPage.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace {
// A font's height in page units: its pixel size, or its point size at 96 page units per inch.
double FontHeight(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 96.0 / 72.0;
}

std::vector<const TextOp *> TextsTopDown(const RecordedPage &page)
{
    std::vector<const TextOp *> texts;
    for (const PageOperation &operation : page.Operations())
        if (const auto *text = std::get_if<TextOp>(&operation); text && !text->Text.trimmed().isEmpty())
            texts.push_back(text);
    std::stable_sort(texts.begin(), texts.end(),
                     [](const TextOp *a, const TextOp *b) { return a->Origin.y() < b->Origin.y(); });
    return texts;
}

QString LineText(std::vector<const TextOp *> line)
{
    std::stable_sort(line.begin(), line.end(),
                     [](const TextOp *a, const TextOp *b) { return a->Origin.x() < b->Origin.x(); });
    QStringList texts;
    for (const TextOp *text : line)
        texts << text->Text.trimmed();
    return texts.join(u' ');
}
} // namespace

QString PageReadingText(const RecordedPage &page)
{
    QStringList lines;
    std::vector<const TextOp *> line;
    for (const TextOp *text : TextsTopDown(page)) {
        if (!line.empty() &&
            text->Origin.y() - line.back()->Origin.y() >= FontHeight(line.back()->Font) / 2) {
            lines << LineText(line);
            line.clear();
        }
        line.push_back(text);
    }
    if (!line.empty())
        lines << LineText(line);
    return lines.join(u'\n');
}
