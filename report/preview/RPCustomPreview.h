#pragma once

#include "report/printer/RecordedPage.h"
#include "report/printer/ReplayCache.h"

#include <QWidget>

class TRPPrinter;

// The drawn sheet of the preview: white paper of the sheet's size at Zoom with the report printer's
// current page replayed on it at the printable area's place, a black outline and a two-pixel shadow
// at the right and the bottom. Its size and place are set by the page view holding it (TRPPreview).
// Draws nothing of the page unless the printer holds a finished document. It takes the keyboard focus,
// so that assistive technology reads the page (RPCustomPreviewAccessible.h), with a reader's caret in
// the page's text that the arrow keys move; every key passes on to the page view and the window, which
// scroll and page. The printer is not owned.
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
    // The printer's selected page is shown anew, another page or another document's: repaints, puts the
    // caret at the top and tells assistive technology the page's name and text.
    void ShowCurrentPage();

    // Where a screen reader reads in PageText: at the top of each page shown; Up and Down move it a
    // line, Left and Right a character (CaretAfterArrow). Setting it clamps it to the text and tells
    // assistive technology.
    int Caret() const { return m_caret; }
    void SetCaret(int caret);

    // What the view shows ("Whole page", "Page width", "100 %"), the sheet's accessible description;
    // a new one is told to assistive technology.
    void SetZoomView(const QString &view);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override; // moves the caret, passes every key on

private:
    const TRPPrinter &m_printer;
    int m_zoom = 100;
    int m_caret = 0;
    QString m_toldText;        // the page's text as assistive technology was last told it
    ReplayCache m_replayCache; // of the pages replayed here: a repaint lays out and draws no glyph anew
};
