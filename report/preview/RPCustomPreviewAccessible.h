#pragma once

#include <QString>

class TRPCustomPreview;

// What assistive technology sees of the preview's sheet: a read-only document named by its page
// ("Page 2 of 7"), described by its zoom view, whose text is the page's texts in reading order and
// whose caret is the sheet's. It gives no places of characters on the screen. Every sheet's
// constructor installs it.
void InstallSheetAccessibility();

// The sheet shows a page whose text replaces `previousText`: its name, its text and the caret. Nothing
// while none listens.
void AnnounceSheetPage(TRPCustomPreview &sheet, const QString &previousText);

// The sheet's caret moved. Nothing while none listens.
void AnnounceSheetCaret(TRPCustomPreview &sheet);
