#pragma once

#include "Chart.h"
#include "MainWindowLayout.h"

#include <QWidget>
#include <exception>

// The main window: the chart inputs, the chart and the toolbar. Closing it ends the program.
// It is the chart builder's host: the builder reads the fields and step groups and writes the grid
// through it. Every handler runs guarded: a failure in it goes to the application's failure
// handler, which FormCreate makes AppOnException.
class TfrmMain : public QWidget, public ChartHost {
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
    void edtTermInvalidEntry(QObject *sender);
    // Rebuilds the chart from the fields and step groups (may raise what the builder raises).
    void CalculatePaymentTable(QObject *sender);

    // ChartHost
    double ReadLoanValue() override;
    double ReadYearsValue() override;
    void WriteYearsValue(double years) override;
    double ReadRateValue() override;
    int ReadLoanStepIndex() override;
    int ReadRateStepIndex() override;
    void ShowInformation(const std::string &message) override;
    void SetCellText(int column, int row, const std::string &text) override;
    void SelectCell(int column, int row) override;
    void SetColumnColor(int column, Rgb color) override;
    void SetRowColor(int row, Rgb color) override;
    void EnablePrintPreview() override;

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void BindHandlers();
    void CopyChart();

    TMainWindowControls m_controls;
    bool m_activated = false; // FormActivate has run
};
