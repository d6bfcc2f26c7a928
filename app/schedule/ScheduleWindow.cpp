#include "app/schedule/ScheduleWindow.h"

#include "app/ReportPrinting.h"
#include "app/WindowParts.h"
#include "calc/SchedulePlot.h"
#include "controls/common/Accessibility.h"
#include "controls/common/Announcer.h"
#include "controls/common/CurrentCellFocus.h"
#include "controls/common/FailureGuard.h"
#include "controls/common/WindowLook.h"
#include "design/ColorNames.h"
#include "design/DesignFont.h"
#include "report/printer/ReportPrinter.h"
#include "report/schedule/ScheduleReport.h"
#include "resources/Pictures.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QMoveEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr QSize ClientSize{600, 560};
constexpr int WhatIfFigureCount = 4; // the most WhatIfFigures gives
constexpr int RowHeight = 20;
constexpr int OpeningRows = 10; // the table's rows shown at the opening size
constexpr int LeastRows = 1;    // where the screen is too small, the table shrinks to these and scrolls
constexpr int PlotDelayMs = 25;
constexpr int AnnounceDelayMs = 750; // a pause in typing
constexpr int CellPadding = 16;
constexpr QRect ButtonRect{0, 0, 25, 24}; // the toolbar's layout places the buttons

// A caption and its value in row `row`, column pair `pair` of the figures grid.
QLabel *Figure(QGridLayout *grid, int row, int pair, const ScheduleFigure &figure)
{
    auto *caption = new QLabel(QString::fromStdString(figure.Caption) + QLatin1Char(':'));
    caption->setFont(Arial(TFontSize::Pt8));
    auto *value = new QLabel(QString::fromStdString(figure.Value));
    value->setFont(Arial(TFontSize::Pt9, TFontStyle::Bold));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, row, 2 * pair, Qt::AlignRight);
    grid->addWidget(value, row, 2 * pair + 1, Qt::AlignLeft);
    return value;
}

// A docked panel as high as its content, which may grow.
void FitToContent(QWidget &panel)
{
    panel.setMinimumHeight(0);
    panel.setMaximumHeight(QWIDGETSIZE_MAX);
    panel.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

// The columns share the view's width, none narrower than the widest heading or text of the first
// row, which holds the largest balance; a narrower view scrolls them. Returns the view's width with
// the columns at that least width, or with `reserved` columns where they are more, so that columns
// that come and go as the user types leave the window's size as it is.
int SizeColumns(QTableView &view, const TScheduleModel &model, int reserved)
{
    const QFontMetrics metrics(view.font());
    const QFontMetrics headingMetrics(view.horizontalHeader()->font());
    int width = 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        width = std::max(
            width, headingMetrics.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString()));
        if (model.rowCount() > 0)
            width = std::max(width, metrics.horizontalAdvance(model.index(0, column).data().toString()));
    }
    view.horizontalHeader()->setMinimumSectionSize(width + CellPadding);
    return std::max(model.columnCount(), reserved) * (width + CellPadding) +
           view.verticalScrollBar()->sizeHint().width() + 2 * view.frameWidth();
}

// The height of `view` showing `rows` rows below its headings.
int TableHeight(const QTableView &view, int rows)
{
    return view.horizontalHeader()->sizeHint().height() + rows * RowHeight + 2 * view.frameWidth();
}

} // namespace

TfrmSchedule::TfrmSchedule(PaymentSchedule schedule, const LocaleValues &locale, ReportPrinting &printing,
                           QWidget *owner)
    : QWidget(owner, Qt::Window), m_model(std::move(schedule), locale), m_printing(printing),
      m_announcer(new TAnnouncer(*this))
{
    InstallAccessibleInterface<TfrmSchedule, TWindowAccessible>();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(ScheduleTitle(m_model.Schedule())));
    SetClassBackground(*this, clSilver);
    auto *dock = new QVBoxLayout(this);
    dock->setContentsMargins(0, 0, 0, 0);
    dock->setSpacing(0);

    TScheduleControls &c = m_controls;
    c.pnlToolbar = DockedPanel(this, 32, QAccessible::ToolBar, QStringLiteral("Toolbar"));
    auto *tools = new QHBoxLayout(c.pnlToolbar);
    tools->setContentsMargins(8, 4, 8, 4);
    const auto addTool = [&](auto *tool) {
        tool->setFont(Arial(TFontSize::Pt8));
        tools->addWidget(tool);
        return tool;
    };
    c.chkByYear = addTool(new QCheckBox(QStringLiteral("By &year"), c.pnlToolbar));
    c.chkWhatIf = addTool(new QCheckBox(QStringLiteral("&What if..."), c.pnlToolbar));
    c.chkPlot = addTool(new QCheckBox(QStringLiteral("&Plot"), c.pnlToolbar));
    c.btnSaveAs = addTool(new QPushButton(QStringLiteral("Save &As..."), c.pnlToolbar));
    tools->addStretch();
    c.btnPrint = ToolbarButton(c.pnlToolbar, ButtonRect, PrintGlyph(), QStringLiteral("Print Preview"));
    c.btnClose = ToolbarButton(c.pnlToolbar, ButtonRect, ExitGlyph(), QStringLiteral("Close"));
    for (TFlatButton *button : {c.btnPrint, c.btnClose}) {
        button->setFixedSize(ButtonRect.size());
        tools->addWidget(button);
    }

    // Below the toolbar, all scrolls where the screen is too small for the panels.
    c.scrBody = new QScrollArea(this);
    c.scrBody->setFrameShape(QFrame::NoFrame);
    c.scrBody->setWidgetResizable(true);
    c.scrBody->setFocusPolicy(Qt::NoFocus);
    c.scrBody->setAccessibleName(QStringLiteral("Schedule"));
    c.scrBody->viewport()->setAccessibleName(QStringLiteral("Schedule"));
    auto *body = new QWidget;
    body->setAccessibleName(QStringLiteral("Schedule"));
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(0);
    c.scrBody->setWidget(body);
    dock->addWidget(c.scrBody, 1);

    c.pnlFigures = DockedPanel(body, 90, QAccessible::Pane, QStringLiteral("Loan terms and totals"));
    // As high as its lines: the entries left out add theirs.
    FitToContent(*c.pnlFigures);
    auto *figures = new QGridLayout(c.pnlFigures);
    figures->setContentsMargins(12, 8, 12, 8);
    figures->setHorizontalSpacing(8);
    const std::vector<ScheduleFigure> terms = ScheduleTerms(m_model.Schedule(), locale);
    for (size_t i = 0; i < terms.size(); ++i)
        c.TermValues << Figure(figures, static_cast<int>(i % 3), static_cast<int>(i / 3), terms[i]);
    for (const ScheduleFigure &total : ScheduleTotalsFigures(m_model.Rows(), locale))
        c.TotalValues << Figure(figures, 2 + c.TotalValues.size(), 1, total);
    c.lblPaidOff = new QLabel;
    c.lblPaidOff->setFont(Arial(TFontSize::Pt8, TFontStyle::Bold));
    figures->addWidget(c.lblPaidOff, 3, 0, 1, 2, Qt::AlignLeft);
    for (int i = 0; i < WhatIfFigureCount; ++i) {
        QLabel *value = Figure(figures, i, 2, {});
        c.WhatIfCaptions << qobject_cast<QLabel *>(figures->itemAtPosition(i, 4)->widget());
        c.WhatIfValues << value;
    }
    c.lblLeftOut = new QLabel;
    c.lblLeftOut->setFont(Arial(TFontSize::Pt8));
    // Dark red: it reads on the silver panel as the red fields' words.
    SetPaletteColour(*c.lblLeftOut, QPalette::WindowText, clMaroon);
    c.lblLeftOut->hide();
    figures->addWidget(c.lblLeftOut, 4, 0, 1, 7, Qt::AlignLeft);
    figures->setColumnStretch(6, 1);

    // Hidden, it leaves the window small enough to open beside the chart.
    c.pnlExtras = DockedPanel(body, 0, QAccessible::Pane, QStringLiteral("Extra payments and dates"));
    c.pnlExtras->hide();
    auto *whatIf = new QVBoxLayout(c.pnlExtras);
    whatIf->setContentsMargins(0, 0, 0, 0);
    c.pnlWhatIf = new TWhatIfPanel(locale, c.pnlExtras);
    whatIf->addWidget(c.pnlWhatIf);
    // As high as its fields and one-time rows; the window grows with them.
    FitToContent(*c.pnlExtras);
    c.pnlExtras->installEventFilter(this);

    c.splSchedule = new TKeyboardSplitter(Qt::Vertical, body);
    c.splSchedule->SetStep(RowHeight);
    c.splSchedule->setChildrenCollapsible(false);
    c.splSchedule->setAccessibleName(QStringLiteral("Table and plot"));
    c.splSchedule->installEventFilter(this);
    bodyLayout->addWidget(c.splSchedule, 1);
    c.grdSchedule = new QTableView(c.splSchedule);
    c.grdSchedule->setModel(&m_model);
    c.grdSchedule->setFont(Arial(TFontSize::Pt8));
    c.grdSchedule->verticalHeader()->hide();
    // Fixed row heights let the view place any row without measuring the ones before it.
    c.grdSchedule->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    c.grdSchedule->verticalHeader()->setDefaultSectionSize(RowHeight);
    c.grdSchedule->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    c.grdSchedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.grdSchedule->setSelectionMode(QAbstractItemView::NoSelection);
    c.grdSchedule->setAccessibleName(QStringLiteral("Payment schedule"));
    // Tab leaves the table; the arrow keys move within it.
    c.grdSchedule->setTabKeyNavigation(false);
    FrameCurrentCellWhileFocused(*c.grdSchedule);
    // Its least rows stay in sight also below a scroll bar for columns too wide for a small screen.
    c.grdSchedule->setMinimumHeight(TableHeight(*c.grdSchedule, LeastRows) +
                                    c.grdSchedule->horizontalScrollBar()->sizeHint().height());
    c.splSchedule->addWidget(c.grdSchedule);
    c.grdSchedule->setFocus(Qt::OtherFocusReason);

    SizeScheduleColumns();
    ShowWhatIfFigures();
    OrderTabs();
    BindHandlers();
    resize(OpeningSize());
}

void TfrmSchedule::BindHandlers()
{
    const auto bindShortcut = [this](const QList<QKeySequence> &keys,
                                     void (TfrmSchedule::*handler)(QObject *)) {
        GuardedShortcut(this, keys, Qt::WindowShortcut,
                        [this, handler](QObject *sender) { (this->*handler)(sender); });
    };
    bindShortcut(QKeySequence::keyBindings(QKeySequence::Copy), &TfrmSchedule::CopySchedule);
    bindShortcut({QKeySequence(Qt::Key_Escape)}, &TfrmSchedule::btnCloseClick);
    bindShortcut(QKeySequence::keyBindings(QKeySequence::Print), &TfrmSchedule::btnPrintClick);
    bindShortcut(QKeySequence::keyBindings(QKeySequence::Save), &TfrmSchedule::btnSaveAsClick);
    connect(m_controls.chkWhatIf, &QCheckBox::toggled, this, [this](bool shown) {
        RunGuarded([&] {
            m_controls.pnlExtras->setVisible(shown);
            SizeScheduleColumns();
            GrowToOpeningSize();
        });
    });
    m_plotDelay.setSingleShot(true);
    m_plotDelay.setInterval(PlotDelayMs);
    connect(&m_plotDelay, &QTimer::timeout, this, [this] { RunGuarded([this] { ShowPlot(); }); });
    m_announceDelay.setSingleShot(true);
    m_announceDelay.setInterval(AnnounceDelayMs);
    connect(&m_announceDelay, &QTimer::timeout, this, [this] { RunGuarded([this] { AnnounceFigures(); }); });
    connect(m_controls.chkPlot, &QCheckBox::toggled, this,
            [this] { RunGuarded([this] { chkPlotClick(m_controls.chkPlot); }); });
    connect(m_controls.btnSaveAs, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { btnSaveAsClick(m_controls.btnSaveAs); }); });
    // The panel raises its notification guarded itself.
    m_controls.pnlWhatIf->OnChange = [this] { WhatIfChange(m_controls.pnlWhatIf); };
    connect(m_controls.chkByYear, &QCheckBox::toggled, this,
            [this] { RunGuarded([this] { chkByYearClick(m_controls.chkByYear); }); });
    // The flat buttons raise their notifications guarded themselves.
    m_controls.btnClose->OnClick = [this](QObject *sender) { btnCloseClick(sender); };
    m_controls.btnPrint->OnClick = [this](QObject *sender) { btnPrintClick(sender); };
}

void TfrmSchedule::chkByYearClick(QObject *)
{
    m_model.SetView(m_controls.chkByYear->isChecked() ? ScheduleView::Yearly : ScheduleView::Monthly);
    SizeScheduleColumns();
    ShowTotals();
}

void TfrmSchedule::WhatIfChange(QObject *)
{
    const PaymentSchedule &plain = m_model.Schedule();
    const WhatIfReading reading =
        ReadWhatIfEntry(m_controls.pnlWhatIf->Entry(), plain.Months(), m_model.Locale());
    // Computed without what is refused, never with a value that no field shows.
    m_model.SetWhatIf(WhatIfOf(plain, reading.Extras, reading.FirstPayment));
    SizeScheduleColumns();
    ShowTotals();
    ShowWhatIfFigures();
    ShowLeftOut(reading);
    // The keystroke's echo and the table come first; the plot, which takes longer, a moment later.
    m_plotDelay.start();
    m_announceDelay.start();
    m_controls.pnlWhatIf->ShowReading(reading);
    OrderTabs();
}

void TfrmSchedule::ShowLeftOut(const WhatIfReading &reading)
{
    QStringList sentences;
    for (const std::string &sentence : reading.LeftOut)
        sentences << QString::fromStdString(sentence);
    const QString text = sentences.join(QLatin1Char('\n'));
    QLabel *label = m_controls.lblLeftOut;
    // A new refusal is said at once, as the field turns red; the figures follow once typing pauses.
    if (!text.isEmpty() && text != label->text())
        m_announcer->Say(text);
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void TfrmSchedule::AnnounceFigures()
{
    QStringList words;
    for (qsizetype i = 0; i < m_controls.WhatIfValues.size(); ++i)
        if (m_controls.WhatIfValues[i]->isVisibleTo(this))
            words << m_controls.WhatIfCaptions[i]->text() + QLatin1Char(' ') +
                         m_controls.WhatIfValues[i]->text();
    // What is left out was said as it appeared.
    words << m_controls.lblPaidOff->text();
    words.removeAll(QString());
    if (!words.isEmpty())
        m_announcer->Say(words.join(QStringLiteral(". ")));
}

void TfrmSchedule::chkPlotClick(QObject *)
{
    TScheduleControls &c = m_controls;
    if (c.pltSchedule == nullptr) {
        // Made on first use: its charts load a module that a window without a plot never needs.
        c.pltSchedule = new TSchedulePlot;
        c.splSchedule->addWidget(c.pltSchedule);
        c.splSchedule->handle(1)->setAccessibleName(QStringLiteral("Border between the table and the plot"));
        OrderTabs();
    }
    c.pltSchedule->setVisible(c.chkPlot->isChecked());
    ShowPlot();
    GrowToOpeningSize();
    if (PlotShown())
        PlacePlotBorder();
}

void TfrmSchedule::SizeScheduleColumns()
{
    // While the extras are open, room for the columns that an extra or a date brings: the window grows
    // once, as they open, not at a keystroke.
    const int reserved =
        m_controls.chkWhatIf->isChecked() ? static_cast<int>(FullestWhatIfColumns(true).size()) : 0;
    m_columnsWidth = SizeColumns(*m_controls.grdSchedule, m_model, reserved);
}

QSize TfrmSchedule::OpeningSize() const
{
    const TScheduleControls &c = m_controls;
    // The least size has the table at its least rows.
    const QSize least = minimumSizeHint();
    const int height =
        least.height() + TableHeight(*c.grdSchedule, OpeningRows) - c.grdSchedule->minimumHeight();
    const QSize opening = QSize(least.width(), PlotShown() ? height : std::max(height, ClientSize.height()))
                              .expandedTo({ClientSize.width(), 0});
    // At a fractional scale the platform may round the window a pixel smaller than asked: a pixel more
    // keeps the columns and the rows whole.
    const qreal ratio = devicePixelRatioF();
    return ratio != std::round(ratio) ? opening + QSize(1, 1) : opening;
}

QSize TfrmSchedule::minimumSizeHint() const
{
    const QSize body = m_controls.scrBody->widget()->layout()->totalMinimumSize();
    return {std::max({body.width(), m_columnsWidth, m_controls.pnlToolbar->minimumSizeHint().width()}),
            m_controls.pnlToolbar->height() + body.height()};
}

bool TfrmSchedule::PlotShown() const
{
    return m_controls.pltSchedule != nullptr && !m_controls.pltSchedule->isHidden();
}

bool TfrmSchedule::GrowToOpeningSize()
{
    // The body's layout keeps the least sizes of the splitter and the extras from before their last
    // change.
    m_controls.splSchedule->updateGeometry();
    m_controls.pnlExtras->updateGeometry();
    const QSize before = size();
    m_grownForPlot = PlotShown() ? m_controls.pltSchedule->minimumSizeHint() : QSize();
    m_grownForExtras = std::max(m_grownForExtras, m_controls.pnlExtras->sizeHint().height());
    resize(before.expandedTo(OpeningSize()));
    // Grown now rather than at the next layout pass, and kept on the screen.
    layout()->activate();
    if (isVisible())
        KeepOnScreen(*this);
    return size() != before;
}

void TfrmSchedule::PlacePlotBorder()
{
    // The plot at its least height, the table the rest: its first rows where the screen has room.
    TScheduleControls &c = m_controls;
    const int plotHeight = c.pltSchedule->minimumSizeHint().height();
    const int total = c.splSchedule->height() - c.splSchedule->handleWidth();
    c.splSchedule->setSizes({std::max(0, total - plotHeight), plotHeight});
}

bool TfrmSchedule::eventFilter(QObject *watched, QEvent *event)
{
    // The plot's charts settle the room of their texts over later turns of the event loop: the window
    // grows again when the plot's least size has changed since it last grew.
    if (watched == m_controls.splSchedule && event->type() == QEvent::LayoutRequest && PlotShown() &&
        m_controls.pltSchedule->minimumSizeHint() != m_grownForPlot)
        RunGuarded([this] {
            // A border the user moved stays where it is unless the window grew.
            if (GrowToOpeningSize())
                PlacePlotBorder();
        });
    // A one-time row makes the extras higher: the window grows with them, so that the table keeps its rows.
    const QWidget *extras = m_controls.pnlExtras;
    if (watched == extras && event->type() == QEvent::LayoutRequest && extras->isVisible() &&
        extras->sizeHint().height() > m_grownForExtras)
        RunGuarded([this] { GrowToOpeningSize(); });
    return QWidget::eventFilter(watched, event);
}

void TfrmSchedule::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Placed before the window manager framed it, the window's frame was an estimate, which at a
    // fractional scale rounds a pixel apart: once framed, the frame it has is kept on the screen.
    if (!m_framed && frameGeometry() != geometry()) {
        m_framed = true;
        RunGuarded([this] { KeepOnScreen(*this); });
    }
}

void TfrmSchedule::ShowPlot()
{
    TSchedulePlot *plot = m_controls.pltSchedule;
    if (plot == nullptr || !plot->isVisible())
        return;
    const WhatIfSchedule &whatIf = m_model.WhatIf();
    plot->ShowSeries(PlotSeriesOf(m_model.Schedule(), whatIf), m_model.Locale());
}

void TfrmSchedule::ShowWhatIfFigures()
{
    const std::vector<ScheduleFigure> figures = m_model.WhatIfFigures();
    for (qsizetype i = 0; i < m_controls.WhatIfValues.size(); ++i) {
        const bool shown = static_cast<size_t>(i) < figures.size();
        const ScheduleFigure figure = shown ? figures[static_cast<size_t>(i)] : ScheduleFigure{};
        m_controls.WhatIfCaptions[i]->setText(QString::fromStdString(figure.Caption) + QLatin1Char(':'));
        m_controls.WhatIfValues[i]->setText(QString::fromStdString(figure.Value));
        m_controls.WhatIfCaptions[i]->setVisible(shown);
        m_controls.WhatIfValues[i]->setVisible(shown);
    }
    m_controls.lblPaidOff->setText(QString::fromStdString(m_model.PaidOffNote().value_or(std::string())));
}

void TfrmSchedule::OrderTabs()
{
    QList<QWidget *> order{m_controls.chkByYear, m_controls.chkWhatIf, m_controls.chkPlot,
                           m_controls.btnSaveAs};
    order << m_controls.pnlWhatIf->TabOrder() << m_controls.grdSchedule;
    if (m_controls.pltSchedule != nullptr)
        order << m_controls.splSchedule->handle(1);
    SetTabOrder(order);
}

void TfrmSchedule::ShowTotals()
{
    const std::vector<ScheduleFigure> totals = ScheduleTotalsFigures(m_model.Rows(), m_model.Locale());
    for (qsizetype i = 0; i < m_controls.TotalValues.size(); ++i)
        m_controls.TotalValues[i]->setText(QString::fromStdString(totals[static_cast<size_t>(i)].Value));
}

void TfrmSchedule::btnCloseClick(QObject *)
{
    close();
}

void TfrmSchedule::btnPrintClick(QObject *)
{
    TRPPrinter &printer = m_printing.ReportPrinter();
    printer.SetPreviewTitle(QStringLiteral("Preview of Payment Schedule"));
    printer.SetProgressTitle(QStringLiteral("Preparing Payment Schedule"));
    TRPSchedule report(m_model.Schedule(), m_model.WhatIf(), m_model.View(), m_model.Locale(), printer);
    m_printing.PreviewReport(report.Rep(), [this] { m_printing.ShowPreview(*this); });
}

void TfrmSchedule::CopySchedule(QObject *)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_model.Tsv()));
}

void TfrmSchedule::btnSaveAsClick(QObject *)
{
    SaveCsvFileAs(this, QStringLiteral("Payment Schedule.csv"), [this] { return m_model.Csv(); });
}
