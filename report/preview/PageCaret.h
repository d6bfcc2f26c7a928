#pragma once

#include <QString>

// Where a reader's caret goes in a page's reading text (lines joined by line feeds) when an arrow key
// moves it from `caret`: Up to the start of the line above, Down to the start of the line below, Left
// and Right by one character. It stays where it is at the text's first or last line for Up and Down,
// and at its ends for Left and Right; any other key leaves it too.
int CaretAfterArrow(const QString &text, int caret, int key);
