#pragma once

#include "report/printer/RecordedPage.h"
#include "report/printer/ReplayCache.h"

#include <QWidget>

class TRPPrinter;

// The drawn sheet of the preview: white paper of the sheet's size at Zoom with the report printer's
// current page replayed on it at the printable area's place, a black outline and a two-pixel shadow
// at the right and the bottom. Its size and place are set by the page view holding it (TRPPreview).
// Draws nothing of the page unless the printer holds a finished document. It takes the keyboard focus,
// so that assistive technology reads the page (RPCustomPreviewAccessible.h), but no keys: they pass on
// to the page view and the window. The printer is not owned.
class TRPCustomPreview : public QWidget {
    Q_OBJECT
public:
    explicit TRPCustomPreview(const TRPPrinter &printer, QWidget *parent = nullptr);

    // Percent; repaints.
    int Zoom() const { return m_zoom; }
    void SetZoom(int zoom);

    // "Page n of N" for the printer's selected page, and that page's texts in reading order; both
    // empty unless the printer holds a finished document.
    QString PageCaption() const;
    QString PageText() const;
    // The printer's selected page changed from one whose text was `previousText`: repaints, and tells
    // assistive technology.
    void PageChanged(const QString &previousText);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const TRPPrinter &m_printer;
    int m_zoom = 100;
    ReplayCache m_replayCache; // of the pages replayed here: a repaint lays out and draws no glyph anew
};
