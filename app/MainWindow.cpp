#include "MainWindow.h"

#include "AboutBox.h"
#include "FailureGuard.h"
#include "FailureMessages.h"
#include "HintStyle.h"
#include "InformationBox.h"
#include "NumLock.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <memory>

TfrmMain::TfrmMain(QWidget *parent) : QWidget(parent), m_controls(LoadMainWindowLayout(*this))
{
    BindHandlers();
    FormCreate(this);
}

TfrmMain::~TfrmMain()
{
    SetFailureHandler({});
}

void TfrmMain::BindHandlers()
{
    const auto bindAction = [this](QAction *action, void (TfrmMain::*handler)(QObject *)) {
        connect(action, &QAction::triggered, this,
                [this, action, handler] { RunGuarded([&] { (this->*handler)(action); }); });
    };
    bindAction(m_controls.mnuPopPrint, &TfrmMain::btnPrintClick);
    bindAction(m_controls.mnuPopAbout, &TfrmMain::btnHelpClick);
    bindAction(m_controls.mnuPopExit, &TfrmMain::btnExitClick);
    // The buttons and the label raise their notifications guarded themselves.
    m_controls.btnExit->OnClick = [this](QObject *sender) { btnExitClick(sender); };
    m_controls.btnHelp->OnClick = [this](QObject *sender) { btnHelpClick(sender); };
    m_controls.btnPrint->OnClick = [this](QObject *sender) { btnPrintClick(sender); };
    m_controls.Label6->OnClick = [this](QObject *sender) { btnHelpClick(sender); };
}

void TfrmMain::FormCreate(QObject *)
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            RunGuarded([this] { ApplicationActivate(qApp); });
    });
    SetFailureHandler([this](const std::exception &failure) { AppOnException(qApp, failure); });
    // The report printer's preview hook is bound here once the printed chart exists.
    SetHintDelayZero();
    SetNumlockTrue();
}

void TfrmMain::FormActivate(QObject *)
{
    m_controls.edtLoan->setFocus(Qt::OtherFocusReason);
}

void TfrmMain::ApplicationActivate(QObject *)
{
    // The active window is the main window or a modal window open over it.
    if (QWidget *active = QApplication::activeWindow())
        active->raise();
}

void TfrmMain::AppOnException(QObject *, const std::exception &failure)
{
    ShowInformation(QString::fromStdString(FailureMessage(failure)));
}

void TfrmMain::btnHelpClick(QObject *)
{
    const QRect outer = frameGeometry();
    repaint(); // fully drawn before the modal box opens over it
    // One box per showing, destroyed when it closes, also when showing it fails.
    const auto aboutBox = std::make_unique<TAboutBox>(this);
    aboutBox->PlaceCentredOver(outer);
    aboutBox->exec();
}

void TfrmMain::btnExitClick(QObject *)
{
    close();
}

void TfrmMain::btnPrintClick(QObject *)
{
    // Print Preview runs the chart report and its preview window, which come with the printed chart;
    // until then the command has nothing to show and prints nothing.
}

bool TfrmMain::event(QEvent *event)
{
    // Activation from no window of the program: in practice once, when the window first gets the
    // focus; returning from a modal window does not count.
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        RunGuarded([this] { FormActivate(this); });
    }
    return QWidget::event(event);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent *event)
{
    // Controls without a menu of their own leave the event to their parents, so a right click
    // anywhere on the window, its panels, labels, logo, radio groups or grid ends up here.
    m_controls.mnuPop->popup(event->globalPos());
}
