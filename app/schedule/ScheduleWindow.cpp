#include "schedule/ScheduleWindow.h"

#include "Pictures.h"
#include "ReportPrinting.h"
#include "WindowParts.h"
#include "common/ColorNames.h"
#include "common/DesignFont.h"
#include "common/FailureGuard.h"
#include "common/WindowLook.h"
#include "printer/ReportPrinter.h"
#include "schedule/ScheduleReport.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr QSize ClientSize{600, 480};
constexpr int RowHeight = 20;
constexpr int CellPadding = 16;
constexpr QRect ButtonRect{0, 0, 25, 24}; // the toolbar's layout places the buttons

// A caption and its value in row `row`, column pair `pair` of the figures grid.
QLabel *Figure(QGridLayout *grid, int row, int pair, const ScheduleFigure &figure)
{
    auto *caption = new QLabel(QString::fromStdString(figure.Caption) + QLatin1Char(':'));
    caption->setFont(Arial(11));
    auto *value = new QLabel(QString::fromStdString(figure.Value));
    value->setFont(Arial(12, TFontStyle::Bold));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(caption, row, 2 * pair, Qt::AlignRight);
    grid->addWidget(value, row, 2 * pair + 1, Qt::AlignLeft);
    return value;
}

// The columns share the view's width, none narrower than the widest heading or text of the first
// row, which holds the largest balance; the view is never narrower than they are together.
void SizeColumns(QTableView &view, const TScheduleModel &model)
{
    const QFontMetrics metrics(view.font());
    const QFontMetrics headingMetrics(view.horizontalHeader()->font());
    int width = 0;
    for (int column = 0; column < ScheduleColumnCount; ++column) {
        width = std::max(
            width, headingMetrics.horizontalAdvance(model.headerData(column, Qt::Horizontal).toString()));
        if (model.rowCount() > 0)
            width = std::max(width, metrics.horizontalAdvance(model.index(0, column).data().toString()));
    }
    view.horizontalHeader()->setMinimumSectionSize(width + CellPadding);
    view.setMinimumWidth(ScheduleColumnCount * (width + CellPadding) +
                         view.verticalScrollBar()->sizeHint().width() + 2 * view.frameWidth());
}

} // namespace

TfrmSchedule::TfrmSchedule(PaymentSchedule schedule, const LocaleValues &locale, ReportPrinting &printing,
                           QWidget *owner)
    : QWidget(owner, Qt::Window), m_model(std::move(schedule), locale), m_printing(printing)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(ScheduleTitle(m_model.Schedule())));
    resize(ClientSize);
    SetClassBackground(*this, clSilver);
    auto *dock = new QVBoxLayout(this);
    dock->setContentsMargins(0, 0, 0, 0);
    dock->setSpacing(0);

    TScheduleControls &c = m_controls;
    c.pnlToolbar = DockedPanel(this, 32, QStringLiteral("Toolbar"));
    auto *tools = new QHBoxLayout(c.pnlToolbar);
    tools->setContentsMargins(8, 4, 8, 4);
    c.chkByYear = new QCheckBox(QStringLiteral("By year"), c.pnlToolbar);
    c.chkByYear->setFont(Arial(11));
    tools->addWidget(c.chkByYear);
    tools->addStretch();
    c.btnPrint = ToolbarButton(c.pnlToolbar, ButtonRect, PrintGlyph(), QStringLiteral("Print Preview"));
    c.btnClose = ToolbarButton(c.pnlToolbar, ButtonRect, ExitGlyph(), QStringLiteral("Close"));
    for (TFlatButton *button : {c.btnPrint, c.btnClose}) {
        button->setFixedSize(ButtonRect.size());
        tools->addWidget(button);
    }

    c.pnlFigures = DockedPanel(this, 90, QStringLiteral("Loan terms and totals"));
    auto *figures = new QGridLayout(c.pnlFigures);
    figures->setContentsMargins(12, 8, 12, 8);
    figures->setHorizontalSpacing(8);
    const std::vector<ScheduleFigure> terms = ScheduleTerms(m_model.Schedule(), locale);
    for (size_t i = 0; i < terms.size(); ++i)
        c.TermValues << Figure(figures, static_cast<int>(i % 3), static_cast<int>(i / 3), terms[i]);
    for (const ScheduleFigure &total : ScheduleTotalsFigures(m_model.Rows(), locale))
        c.TotalValues << Figure(figures, 2 + c.TotalValues.size(), 1, total);
    if (const std::optional<std::string> note = PaidOffNote(m_model.Schedule(), locale)) {
        c.lblPaidOff = new QLabel(QString::fromStdString(*note));
        c.lblPaidOff->setFont(Arial(11, TFontStyle::Bold));
        figures->addWidget(c.lblPaidOff, 3, 0, 1, 2, Qt::AlignLeft);
    }
    figures->setColumnStretch(4, 1);

    c.grdSchedule = new QTableView(this);
    c.grdSchedule->setModel(&m_model);
    c.grdSchedule->setFont(Arial(11));
    c.grdSchedule->verticalHeader()->hide();
    // Fixed row heights let the view place any row without measuring the ones before it.
    c.grdSchedule->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    c.grdSchedule->verticalHeader()->setDefaultSectionSize(RowHeight);
    c.grdSchedule->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    c.grdSchedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.grdSchedule->setSelectionMode(QAbstractItemView::NoSelection);
    c.grdSchedule->setAccessibleName(QStringLiteral("Payment schedule"));
    SizeColumns(*c.grdSchedule, m_model);
    dock->addWidget(c.grdSchedule, 1);
    c.grdSchedule->setFocus(Qt::OtherFocusReason);

    BindHandlers();
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
    connect(m_controls.chkByYear, &QCheckBox::toggled, this,
            [this] { RunGuarded([this] { chkByYearClick(m_controls.chkByYear); }); });
    // The flat buttons raise their notifications guarded themselves.
    m_controls.btnClose->OnClick = [this](QObject *sender) { btnCloseClick(sender); };
    m_controls.btnPrint->OnClick = [this](QObject *sender) { btnPrintClick(sender); };
}

void TfrmSchedule::chkByYearClick(QObject *)
{
    m_model.SetView(m_controls.chkByYear->isChecked() ? ScheduleView::Yearly : ScheduleView::Monthly);
    SizeColumns(*m_controls.grdSchedule, m_model);
    ShowTotals();
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
    TRPSchedule report(m_model.Schedule(), m_model.View(), m_model.Locale(), printer);
    m_printing.PreviewReport(report.Rep(), [this] { m_printing.ShowPreview(*this); });
}

void TfrmSchedule::CopySchedule(QObject *)
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(ScheduleTsv(m_model.Rows(), m_model.View(), m_model.Locale())));
}
