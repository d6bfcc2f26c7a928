#pragma once

#include "calc/LocaleValues.h"
#include "controls/BevelPanel.h"
#include "controls/ClickLabel.h"
#include "controls/Image.h"
#include "controls/RadioGroup.h"
#include "controls/UrlLabel.h"
#include "controls/flatbutton/FlatButton.h"
#include "controls/grid/StyledGrid.h"
#include "controls/numeric/NumericEdit.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

// The main window's controls. The window owns them all.
struct TMainWindowControls {
    TBevelPanel *m_inputPanel = nullptr;
    QLabel *m_loanCaption = nullptr;
    QLabel *m_rateCaption = nullptr;
    QLabel *m_yearsCaption = nullptr;
    QLabel *m_loanStepCaption = nullptr;
    QLabel *m_rateStepCaption = nullptr;
    TImage *m_logo = nullptr;
    TRadioGroup *rgInterest = nullptr;
    TRadioGroup *rgLoan = nullptr;
    TNumericEdit *edtLoan = nullptr;
    TNumericEdit *edtTerm = nullptr;
    TNumericEdit *edtInterest = nullptr;
    TBevelPanel *m_toolbarPanel = nullptr;
    TFlatButton *btnExit = nullptr;
    TFlatButton *btnHelp = nullptr;
    TFlatButton *btnPrint = nullptr;
    TClickLabel *m_makerNameLink = nullptr;
    TUrlLabel *m_webAddressLink = nullptr;
    TStyledGrid *grdPayment = nullptr;
    QMenu *mnuPop = nullptr;
    QAction *mnuPopPrint = nullptr;
    QAction *mnuPopSchedule = nullptr;
    QAction *mnuPopSaveAs = nullptr;
    QAction *mnuPopAbout = nullptr;
    QAction *mnuPopWebSite = nullptr;
    QAction *m_exitSeparator = nullptr;
    QAction *mnuPopExit = nullptr;
};

// Lays the main window out on `window`: its own properties (caption, client size 564 x 386 in 96-dpi
// pixels, frame, silver background, centred on the screen) and every control with its place, size,
// font, colour, caption and tab order. The entry fields read and show their numbers with `locale`'s
// separators. The popup menu's commands carry the desktop's shortcuts (Ctrl+P, Ctrl+S, F1, Ctrl+Q),
// which work anywhere in the window and show in the menu. Binds no handlers.
TMainWindowControls LoadMainWindowLayout(QWidget &window, const LocaleValues &locale);
