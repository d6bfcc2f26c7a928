#pragma once

#include "MainWindowLayout.h"

#include <QWidget>
#include <exception>

// The main window: the chart inputs, the chart and the toolbar. Closing it ends the program.
// Every handler runs guarded: a failure in it goes to the application's failure handler, which
// FormCreate makes AppOnException.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // Loads the window's description, binds the handlers and runs FormCreate.
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override; // gives up the application-wide hooks it installed

    const TMainWindowControls &Controls() const { return m_controls; }

    void FormCreate(QObject *sender);
    void FormActivate(QObject *sender);
    void ApplicationActivate(QObject *sender);
    void AppOnException(QObject *sender, const std::exception &failure);
    void btnHelpClick(QObject *sender);
    void btnExitClick(QObject *sender);
    void btnPrintClick(QObject *sender);

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void BindHandlers();

    TMainWindowControls m_controls;
    bool m_activated = false; // FormActivate has run
};
