#pragma once

#include <QString>

class RecordedPage;

// The texts of a recorded page in reading order: line by line from the top, each line's texts from
// the left. A text belongs to the line of the text above it when their tops lie less than half that
// text's font height apart. Each text loses the blanks at its ends and an empty one is dropped; the
// texts of a line are joined by a blank, the lines by a line feed. Texts are taken as not overlapping,
// so each one's origin (its left end, right end or middle) orders them across a line.
QString PageReadingText(const RecordedPage &page);
