#pragma once

#include "BevelPanel.h"
#include "ClickLabel.h"
#include "Image.h"
#include "LocaleValues.h"
#include "RadioGroup.h"
#include "UrlLabel.h"
#include "flatbutton/FlatButton.h"
#include "grid/StyledGrid.h"
#include "numeric/NumericEdit.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

// The main window's controls, named as its window description names them. The window owns them all.
struct TMainWindowControls {
    TBevelPanel *Panel1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    TImage *Image1 = nullptr;
    TRadioGroup *rgInterest = nullptr;
    TRadioGroup *rgLoan = nullptr;
    TNumericEdit *edtLoan = nullptr;
    TNumericEdit *edtTerm = nullptr;
    TNumericEdit *edtInterest = nullptr;
    TBevelPanel *Panel2 = nullptr;
    TFlatButton *btnExit = nullptr;
    TFlatButton *btnHelp = nullptr;
    TFlatButton *btnPrint = nullptr;
    TClickLabel *Label6 = nullptr;
    TUrlLabel *UrlLabel1 = nullptr;
    TStyledGrid *grdPayment = nullptr;
    QMenu *mnuPop = nullptr;
    QAction *mnuPopPrint = nullptr;
    QAction *mnuPopSchedule = nullptr;
    QAction *mnuPopAbout = nullptr;
    QAction *N1 = nullptr;
    QAction *mnuPopExit = nullptr;
};

// Loads the main window's description onto `window`: its own properties (caption, client size
// 564 x 386 in 96-dpi pixels, frame, silver background, centred on the screen) and every control
// with its place, size, font, colour, caption and tab order, in the description's order. The entry
// fields read and show their numbers with `locale`'s separators. Binds no handlers.
TMainWindowControls LoadMainWindowLayout(QWidget &window, const LocaleValues &locale);
