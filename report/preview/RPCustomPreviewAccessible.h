#pragma once

#include <QString>

class TRPCustomPreview;

// What assistive technology sees of the preview's sheet: a read-only document named by its page
// ("Page 2 of 7"), whose text is the page's texts in reading order, with a caret of its own that
// starts at the top of each page shown. It gives no places of characters on the screen. Every sheet's
// constructor installs it.
void InstallSheetAccessibility();

// The sheet shows another page, whose text replaces `previousText`: its new name and text, and the
// caret back at the top. Nothing while none listens.
void AnnounceSheetPage(TRPCustomPreview &sheet, const QString &previousText);
