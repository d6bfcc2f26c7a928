#include "app/MainWindowLayout.h"

#include "about/MakerWebAddressLabel.h"
#include "app/ApplicationTitle.h"
#include "app/PaymentChartGrid.h"
#include "app/WindowParts.h"
#include "controls/AutoSizeLabel.h"
#include "controls/BevelPanel.h"
#include "controls/common/BuiltInPicture.h"
#include "controls/common/WindowLook.h"
#include "design/ColorNames.h"
#include "design/DesignFont.h"
#include "resources/MakerDetails.h"
#include "resources/Pictures.h"

#include <QResizeEvent>
#include <QVBoxLayout>

namespace {
constexpr QSize ClientSize{564, 386};

TRadioGroup *StepGroup(QWidget *parent, const QRect &geometry, const QStringList &items, int selected,
                       const QString &accessibleName)
{
    auto *group = new TRadioGroup(parent);
    SetBackground(*group, clSilver);
    SetPaletteColour(*group, QPalette::WindowText, clBlack);
    group->setFont(Arial(TFontSize::Pt8));
    group->setGeometry(geometry);
    group->SetColumns(3);
    group->SetItems(items);
    group->SetItemIndex(selected);
    group->setAccessibleName(accessibleName);
    return group;
}

// An entry field in white with bold Arial 12 px. The locale and Decimals are set before Value, so
// that the value is shown with the locale's separator and the field's own count of decimals.
TNumericEdit *EntryField(QWidget *parent, const QRect &geometry, int decimals, double value,
                         const QString &accessibleName, const LocaleValues &locale)
{
    auto *field = new TNumericEdit(parent);
    field->SetLocale(locale);
    field->setGeometry(geometry);
    SetPaletteColour(*field, QPalette::Base, clWhite);
    SetPaletteColour(*field, QPalette::Text, clBlack);
    field->setFont(Arial(TFontSize::Pt9, TFontStyle::Bold));
    field->SetDecimals(decimals);
    field->SetValue(value);
    field->setAccessibleName(accessibleName);
    return field;
}

// A popup-menu item whose shortcut, when it has one, works anywhere in the window, menu closed.
QAction *MenuCommand(QWidget &window, QMenu &menu, const QString &caption,
                     QKeySequence::StandardKey shortcut = QKeySequence::UnknownKey)
{
    QAction *action = menu.addAction(caption);
    action->setShortcuts(shortcut);
    window.addAction(action);
    return action;
}

} // namespace

TMainWindowControls LoadMainWindowLayout(QWidget &window, const LocaleValues &locale)
{
    TMainWindowControls c;
    window.setWindowTitle(QString::fromLatin1(ApplicationTitle));
    const QImage logo = BuiltInPicture(LogoPicture()); // decoded once for the window's icon and the logo
    window.setWindowIcon(QIcon(QPixmap::fromImage(logo)));
    // A sizeable frame with system menu and minimise button, but no maximise button.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.resize(ClientSize);
    SetBackground(window, clSilver);
    CentreOnScreen(window);

    // The top bar, the input panel and the grid are docked to the top: a wider window widens them,
    // a taller one only adds empty space below the grid.
    auto *dock = new QVBoxLayout(&window);
    dock->setContentsMargins(0, 0, 0, 0);
    dock->setSpacing(0);
    dock->setSizeConstraint(QLayout::SetNoConstraint);

    c.m_toolbarPanel = DockedPanel(&window, 32, QAccessible::ToolBar, QStringLiteral("Toolbar"));
    c.m_inputPanel = DockedPanel(&window, 97, QAccessible::Pane, QStringLiteral("Chart inputs"));

    c.m_loanCaption = NewAutoSizeLabel(c.m_inputPanel, QStringLiteral("Loan:"), {259, 17, 27, 14},
                                       Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_rateCaption = NewAutoSizeLabel(c.m_inputPanel, QStringLiteral("Rate:"), {261, 69, 25, 14},
                                       Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_yearsCaption = NewAutoSizeLabel(c.m_inputPanel, QStringLiteral("Years:"), {253, 43, 33, 14},
                                        Arial(TFontSize::Pt8), Qt::AlignRight);
    c.m_loanStepCaption = NewAutoSizeLabel(c.m_inputPanel, QStringLiteral("Increment Loan Amounts By:"),
                                           {93, 7, 139, 14}, Arial(TFontSize::Pt8));
    c.m_rateStepCaption = NewAutoSizeLabel(c.m_inputPanel, QStringLiteral("Increment Interest Rates By:"),
                                           {404, 7, 136, 14}, Arial(TFontSize::Pt8));
    c.m_logo = new TImage(c.m_inputPanel, logo, {2, 2});
    c.m_logo->setAccessibleName(QStringLiteral("Halvorn Software logo"));
    // The tab order is the order of creation: the rate steps first although they stand to the right,
    // then the loan steps, the three fields and the web address on the top bar; the grid is no tab stop.
    c.rgInterest = StepGroup(c.m_inputPanel, {393, 21, 159, 66},
                             {QStringLiteral("  .10"), QStringLiteral("  .125"), QStringLiteral("  .20"),
                              QStringLiteral("  .25"), QStringLiteral("  .333"), QStringLiteral("  .375"),
                              QStringLiteral("  .5"), QStringLiteral("  .75"), QStringLiteral(" 1.0")},
                             3, QStringLiteral("Increment interest rates by"));
    c.rgLoan = StepGroup(c.m_inputPanel, {83, 21, 159, 66},
                         {QStringLiteral(" 100"), QStringLiteral(" 250"), QStringLiteral(" 500"),
                          QStringLiteral(" 1000"), QStringLiteral(" 2000"), QStringLiteral(" 2500"),
                          QStringLiteral(" 3000"), QStringLiteral(" 4000"), QStringLiteral(" 5000")},
                         3, QStringLiteral("Increment loan amounts by"));
    c.edtLoan =
        EntryField(c.m_inputPanel, {290, 13, 93, 23}, 2, 100000, QStringLiteral("Loan amount"), locale);
    c.edtTerm = EntryField(c.m_inputPanel, {290, 39, 93, 23}, 0, 30, QStringLiteral("Years"), locale);
    c.edtInterest = EntryField(c.m_inputPanel, {290, 65, 93, 23}, 3, 8.75,
                               QStringLiteral("Annual interest rate"), locale);
    c.m_loanCaption->setBuddy(c.edtLoan);
    c.m_yearsCaption->setBuddy(c.edtTerm);
    c.m_rateCaption->setBuddy(c.edtInterest);

    c.btnExit = ToolbarButton(c.m_toolbarPanel, {532, 4, 25, 24}, ExitGlyph(), QStringLiteral("Exit"));
    c.btnHelp = ToolbarButton(c.m_toolbarPanel, {489, 4, 25, 24}, HelpGlyph(), QStringLiteral("About..."));
    c.btnPrint = ToolbarButton(c.m_toolbarPanel, {444, 4, 25, 24}, PrintGlyph(),
                               QStringLiteral("Print Preview"), QStringLiteral("FlatButton"));
    c.btnPrint->SetEnabled(false);
    c.m_makerNameLink = new TClickLabel(QString::fromLatin1(MakerName), c.m_toolbarPanel);
    c.m_makerNameLink->setFont(Arial(TFontSize::Pt12, TFontStyle::Bold));
    SetPaletteColour(*c.m_makerNameLink, QPalette::WindowText, clBlack);
    c.m_makerNameLink->move(16, 7);
    c.m_makerNameLink->adjustSize();
    c.m_makerNameLink->setAccessibleName(QString::fromLatin1(MakerName));
    c.m_makerNameLink->setAccessibleDescription(QStringLiteral("Opens the About box"));
    c.m_webAddressLink = NewMakerWebAddressLabel(c.m_toolbarPanel, {218, 9});
    c.m_webAddressLink->resize(148, 14);
    // Reached by Tab (and opened by Return) like a link on any desktop; a click leaves the focus alone.
    c.m_webAddressLink->setFocusPolicy(Qt::TabFocus);

    c.grdPayment = NewPaymentChartGrid(&window);
    dock->addWidget(c.grdPayment);
    dock->addStretch();
    // The docked controls take their sizes now, and the grid lays out its viewport at once (a hidden
    // widget would get its resize only when shown): a cell selected before the window shows must not
    // scroll the chart, which fits whole.
    dock->activate();
    QResizeEvent gridResize(c.grdPayment->size(), c.grdPayment->size());
    QCoreApplication::sendEvent(c.grdPayment, &gridResize);

    c.mnuPop = new QMenu(&window);
    c.mnuPopPrint = MenuCommand(window, *c.mnuPop, QStringLiteral("&Print Preview"), QKeySequence::Print);
    c.mnuPopPrint->setEnabled(false);
    c.mnuPopSchedule = MenuCommand(window, *c.mnuPop, QStringLiteral("Payment &Schedule"));
    c.mnuPopSchedule->setEnabled(false);
    c.mnuPopSaveAs = MenuCommand(window, *c.mnuPop, QStringLiteral("Sa&ve As..."), QKeySequence::Save);
    c.mnuPopSaveAs->setEnabled(false);
    c.mnuPopAbout = MenuCommand(window, *c.mnuPop, QStringLiteral("&About..."), QKeySequence::HelpContents);
    c.mnuPopWebSite = MenuCommand(window, *c.mnuPop, QStringLiteral("Visit the &web site"));
    c.m_exitSeparator = c.mnuPop->addSeparator();
    c.mnuPopExit = MenuCommand(window, *c.mnuPop, QStringLiteral("E&xit"), QKeySequence::Quit);
    return c;
}
