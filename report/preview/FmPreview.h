#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TAnnouncer;
class TBevelPanel;
class TFlatButton;
class TRPPreview;
class TRPPrinter;

// The preview window's controls. The window owns them.
struct TFmPreviewControls {
    TBevelPanel *m_toolbar = nullptr;
    QLabel *m_pageLabel = nullptr; // the page label, hidden
    TFlatButton *bbZoomOut = nullptr;
    TFlatButton *bbZoomIn = nullptr;
    TFlatButton *bbZoomW = nullptr;
    TFlatButton *bbPrint = nullptr;
    TFlatButton *bbClose = nullptr;
    QPushButton *bbPrev = nullptr; // hidden: its Enabled flag gates the keys that page backwards
    QPushButton *bbNext = nullptr; // hidden: its Enabled flag gates the keys that page forwards
    TRPPreview *RPPreview1 = nullptr;
};

// The print preview window: a bar of five flat buttons (Zoom Out, Page Width, Zoom In, and Print and
// Close at its right end) over the page view of the report printer's recorded document. Shown
// modally while the document exists; it fills the work area of its screen whenever it is activated
// and stays resizable. Paging is by keyboard only (Page Up/Down, Home/End, Ctrl+Page Up/Down, and
// Alt+N and Alt+V, the letters of the hidden page buttons), the arrow keys scroll by 50 pixels,
// Ctrl+S saves the document as a PDF file and Escape closes the window.
// Every handler runs guarded: a failure (a printer fault) goes to the application's failure handler and
// leaves the window open; a file that Print or Ctrl+S could not write is said in a message box over the
// window instead. The printer is not owned and must outlive the window.
class TFmPreview : public QDialog {
    Q_OBJECT
public:
    explicit TFmPreview(TRPPrinter &printer, QWidget *parent = nullptr);

    const TFmPreviewControls &Controls() const { return m_controls; }

    // Additional copies for Print: above 1, Print prints the document that many times; Print leaves it 1.
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // Each showing: 100 %, the page label for page 1, Next Page enabled unless there is one page, and
    // Zoom In the one disabled zoom button.
    void FormShow(QObject *sender);
    // Each activation: the window takes the work area of its screen (the screen less any panels).
    void FormActivate(QObject *sender);
    // Back to page 1 scrolled to 0, 0 with Prev Page disabled, so the next showing starts there.
    void FormClose(QObject *sender);
    // The paging keys (see the .cpp for the table); true when a row of the table took the key.
    bool FormKeyDown(QObject *sender, int key, Qt::KeyboardModifiers shift);

    void bbZoomOutClick(QObject *sender); // fit page
    void bbZoomWClick(QObject *sender);   // page width
    void bbZoomInClick(QObject *sender);  // 100 %
    void bbNextClick(QObject *sender);
    void bbPrevClick(QObject *sender);
    // Prints the document (Tag copies) and closes the window. When the printer cannot print it (none
    // installed or named, a named one missing, one refusing jobs, the print system not running, not
    // answering or stopped while it was asked), or holds it while paused, it says so, offers to save
    // the document as a PDF file and stays open; so it does, silently, when the user cancelled the
    // wait for the print system.
    // Raises PrinterError when printing fails (FileWriteError when a file cannot be written); the
    // window then stays open.
    void bbPrintClick(QObject *sender);
    void bbCloseClick(QObject *sender);
    // Asks for a file name, offering the report's title (PdfTitle) in the home folder (in the folder
    // last saved to once there is one), and writes the document there as a PDF file, one page per
    // recorded page; that folder becomes the one last saved to. Raises FileWriteError when the file
    // cannot be written; a file of that name is then left as it was.
    void SaveAsPdf(QObject *sender);

    // Readies the hidden window for its first showing, a step of a few milliseconds a call: first its
    // native window at the size it takes on the work area, then its picture drawn into its own buffer a
    // band at a time, so that the first showing finds that memory and the drawing ready. Shows nothing.
    // True while steps remain; false while the window is shown.
    bool PrepareFirstShowing();

    // Hides the window after FormClose, however it is closed (Close, Print, Escape, the close box).
    void done(int result) override;

protected:
    bool event(QEvent *event) override; // activation
    void showEvent(QShowEvent *event) override;
    // Hides the window but keeps its native window and buffer for the next showing.
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BindHandlers();
    // Maximised: the frame on the work area of the window's screen (the screen less any panels). Once
    // the user has restored it, the next activation maximises it again.
    void TakeWorkArea();
    void PlaceRightEndButtons();
    // The page label for the page shown, also said to a screen reader.
    void ShowPageLabel();
    // Prev Page enabled past page 1, Next Page before the last page: they gate the paging keys.
    void UpdatePaging();
    void EnableZoomButtons(TFlatButton *shownView);
    // A zoom button's view is shown: its button disabled, the others enabled, and the view said to a
    // screen reader ("Whole page").
    void ZoomViewShown(TFlatButton *shownView);
    bool ScrollByArrow(int key);

    TRPPrinter &m_printer;
    TFmPreviewControls m_controls;
    TAnnouncer *m_announcer;
    int m_tag = 0;
    int m_preparedRows = -1; // rows of the window drawn by PrepareFirstShowing; -1 before its first step
};
