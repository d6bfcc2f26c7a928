#include "controls/grid/StyledGrid.h"

#include "controls/common/ClassicColours.h"
#include "controls/common/FailureGuard.h"
#include "controls/grid/CellEditor.h"
#include "controls/grid/GridPersistence.h"
#include "controls/grid/StyledGridAccessible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace {
constexpr TGridOptions DefaultOptions =
    TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);

t_relation CompareTexts(const QString &first, const QString &second)
{
    const int order = QString::compare(first, second);
    return order < 0 ? rel_less : order > 0 ? rel_greater : rel_equal;
}

// Keeps a column or row index on its line while another line moves from `from` to `to`.
void FollowMove(int &index, int from, int to)
{
    if (index == from)
        index = to;
    else if (from < to && index > from && index <= to)
        --index;
    else if (from > to && index >= to && index < from)
        ++index;
}
} // namespace

TStyledGrid::TStyledGrid(QWidget *parent) : QAbstractScrollArea(parent), m_options(DefaultOptions)
{
    InstallStyledGridAccessibility();
    ConnectEditor();
    const QPalette palette = QApplication::palette();
    m_attributes.SetSelectedCellColor(palette.color(QPalette::Highlight));
    m_attributes.Font().SetColor(palette.color(QPalette::Text));
    m_attributes.GridBrush().SetColor(palette.color(QPalette::Base));
    m_attributes.FixedBrush().SetColor(palette.color(QPalette::Button));
    m_attributes.Font().SetFont(font());
    m_attributes.OnChange = [this] { Changed(); };

    OnCompareRow = [this](QObject *, int col, int row1, int row2) {
        return CompareTexts(Cells(col, row1), Cells(col, row2));
    };
    OnCompareCol = [this](QObject *, int row, int col1, int col2) {
        return CompareTexts(Cells(col1, row), Cells(col2, row));
    };
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    SetBorderStyle(bsSingle);
    // The 3-D border and the raised heading cells in the classic colours, not the style's shades.
    setPalette(ClassicPalette(QWidget::palette()));
    m_cols.SetCount(5, m_defaultColWidth);
    m_rows.SetCount(5, m_defaultRowHeight);
    m_cols.SetFixed(1);
    m_rows.SetFixed(1);
    ResizeTexts();
    m_current = m_anchor = {1, 1};
    LayoutChanged();
}

TStyledGrid::~TStyledGrid() = default;

GridExtent TStyledGrid::Extent() const
{
    return {ColCount(), RowCount(), FixedCols(), FixedRows()};
}

void TStyledGrid::Changed()
{
    viewport()->update();
}

void TStyledGrid::LayoutChanged()
{
    const bool vertical = m_options & (goFixedVertLine | goVertLine);
    const bool horizontal = m_options & (goFixedHorzLine | goHorzLine);
    m_cols.SetLineWidth(vertical ? 1 : 0);
    m_rows.SetLineWidth(horizontal ? 1 : 0);
    UpdateScrollBars();
    if (m_editor->isVisible())
        PlaceEditor();
    viewport()->update();
}

void TStyledGrid::UpdateScrollBars()
{
    const auto update = [](QScrollBar *bar, const GridAxis &axis, int extent, bool wanted) {
        const bool fits = axis.TotalExtent() <= extent;
        const int range = wanted && !fits ? axis.MaxFirst(extent) - axis.Fixed() : 0;
        bar->setRange(0, std::max(range, 0));
        bar->setPageStep(axis.FullyVisibleCount(extent));
        bar->setValue(axis.First() - axis.Fixed());
    };
    const bool horizontal = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;
    const bool vertical = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    update(horizontalScrollBar(), m_cols, viewport()->width(), horizontal);
    update(verticalScrollBar(), m_rows, viewport()->height(), vertical);
}

void TStyledGrid::ResizeTexts()
{
    m_texts.resize(static_cast<size_t>(ColCount()));
    for (auto &column : m_texts)
        column.resize(static_cast<size_t>(RowCount()));
    m_tabStops.resize(static_cast<size_t>(ColCount()), true);
}

void TStyledGrid::ClampCurrent()
{
    const auto clampCell = [this](GridCell &cell) {
        cell.Col = std::clamp(cell.Col, FixedCols(), std::max(FixedCols(), ColCount() - 1));
        cell.Row = std::clamp(cell.Row, FixedRows(), std::max(FixedRows(), RowCount() - 1));
    };
    clampCell(m_current);
    clampCell(m_anchor);
}

// ---- the standard string grid ----

void TStyledGrid::SetColCount(int count)
{
    count = std::max(count, 1);
    if (count == ColCount())
        return;
    m_cols.SetCount(count, m_defaultColWidth);
    m_cols.SetFixed(std::min(FixedCols(), count - 1));
    ResizeTexts();
    ClampCurrent();
    LayoutChanged();
    AnnounceGridShape(*this);
}

void TStyledGrid::SetRowCount(int count)
{
    count = std::max(count, 1);
    if (count == RowCount())
        return;
    m_rows.SetCount(count, m_defaultRowHeight);
    m_rows.SetFixed(std::min(FixedRows(), count - 1));
    ResizeTexts();
    ClampCurrent();
    LayoutChanged();
    AnnounceGridShape(*this);
}

void TStyledGrid::SetFixedCols(int count)
{
    m_cols.SetFixed(std::clamp(count, 0, ColCount() - 1));
    ClampCurrent();
    LayoutChanged();
    AnnounceGridShape(*this);
}

void TStyledGrid::SetFixedRows(int count)
{
    m_rows.SetFixed(std::clamp(count, 0, RowCount() - 1));
    ClampCurrent();
    LayoutChanged();
    AnnounceGridShape(*this);
}

void TStyledGrid::SetDefaultColWidth(int width)
{
    m_defaultColWidth = std::max(width, 0);
    m_cols.SetAllSizes(m_defaultColWidth);
    LayoutChanged();
    if (OnColWidthsChanged)
        OnColWidthsChanged(this);
}

void TStyledGrid::SetDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::max(height, 0);
    m_rows.SetAllSizes(m_defaultRowHeight);
    LayoutChanged();
    if (OnRowHeightsChanged)
        OnRowHeightsChanged(this);
}

void TStyledGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount() || ColWidths(col) == width)
        return;
    m_cols.SetSize(col, width);
    LayoutChanged();
    if (OnColWidthsChanged)
        OnColWidthsChanged(this);
}

void TStyledGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= RowCount() || RowHeights(row) == height)
        return;
    m_rows.SetSize(row, height);
    LayoutChanged();
    if (OnRowHeightsChanged)
        OnRowHeightsChanged(this);
}

QString TStyledGrid::Cells(int col, int row) const
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        return {};
    return m_texts[col][row];
}

void TStyledGrid::SetCells(int col, int row, const QString &text)
{
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount() || m_texts[col][row] == text)
        return;
    m_texts[col][row] = text;
    m_attributes.MarkHasData("Cells");
    if (m_editor->isVisible() && m_editor->Cell() == GridCell{col, row} && m_editor->text() != text)
        m_editor->setText(text);
    viewport()->update(CellRect(col, row));
    AnnounceCellText(*this, col, row);
}

void TStyledGrid::SetCol(int col)
{
    if (col != Col())
        MoveCurrent({col, Row()}, true, false);
}

void TStyledGrid::SetRow(int row)
{
    if (row != Row())
        MoveCurrent({Col(), row}, true, false);
}

void TStyledGrid::SelectCell(int col, int row)
{
    SetSelection({col, row, col, row});
}

TGridRect TStyledGrid::Selection() const
{
    return {std::min(m_anchor.Col, m_current.Col), std::min(m_anchor.Row, m_current.Row),
            std::max(m_anchor.Col, m_current.Col), std::max(m_anchor.Row, m_current.Row)};
}

void TStyledGrid::SetSelection(const TGridRect &selection)
{
    const GridCell previousCurrent = m_current;
    const TGridRect previousSelection = Selection();
    m_anchor = {selection.Left, selection.Top};
    m_current = {selection.Right, selection.Bottom};
    ClampCurrent();
    ClampInView(m_current);
    UpdateEdit();
    viewport()->update();
    AnnounceGridSelection(*this, previousCurrent, previousSelection);
}

void TStyledGrid::SetLeftCol(int col)
{
    m_cols.SetFirst(std::min(col, m_cols.MaxFirst(viewport()->width())));
    LayoutChanged();
}

void TStyledGrid::SetTopRow(int row)
{
    m_rows.SetFirst(std::min(row, m_rows.MaxFirst(viewport()->height())));
    LayoutChanged();
}

void TStyledGrid::SetOptions(TGridOptions options)
{
    if (options == m_options)
        return;
    m_options = options;
    m_editor->SetTabsToOwner(m_options.testFlag(goTabs));
    if (m_options.testFlag(goRowSelect)) {
        m_anchor.Col = ColCount() - 1;
        m_current.Col = FixedCols();
    }
    if (m_options.testFlag(goEditing) && m_options.testFlag(goAlwaysShowEditor))
        SetEditorMode(true);
    else if (!m_options.testFlag(goEditing))
        SetEditorMode(false);
    LayoutChanged();
}

bool TStyledGrid::TabStops(int col) const
{
    return col >= 0 && col < ColCount() ? m_tabStops[col] : true;
}

void TStyledGrid::SetTabStops(int col, bool tabStop)
{
    if (col >= 0 && col < ColCount())
        m_tabStops[col] = tabStop;
}

void TStyledGrid::SetDefaultDrawing(bool on)
{
    m_defaultDrawing = on;
    viewport()->update();
}

void TStyledGrid::SetScrollBars(TScrollStyle style)
{
    m_scrollBars = style;
    LayoutChanged();
}

void TStyledGrid::SetBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    setFrameStyle(style == bsSingle ? QFrame::WinPanel | QFrame::Sunken : QFrame::NoFrame);
    LayoutChanged();
}

void TStyledGrid::SetColor(QColor color)
{
    m_attributes.GridBrush().SetColor(color);
}

void TStyledGrid::SetFontColor(QColor color)
{
    m_attributes.Font().SetColor(color);
}

QRect TStyledGrid::CellRect(int col, int row) const
{
    const int x = m_cols.Start(col);
    const int y = m_rows.Start(row);
    if (x < 0 || y < 0)
        return {};
    return QRect(x, y, ColWidths(col), RowHeights(row));
}

GridCell TStyledGrid::MouseCoord(QPoint point) const
{
    const int col = m_cols.IndexAt(point.x());
    const int row = m_rows.IndexAt(point.y());
    if (col < 0 || row < 0)
        return {};
    return {col, row};
}

bool TStyledGrid::IsActiveControl() const
{
    const QWidget *focus = window()->focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

// ---- what the styled grid adds ----

void TStyledGrid::SetAlignment(TCellAlign alignment)
{
    m_attributes.SetAlignment(alignment);
}

void TStyledGrid::SetEditable(bool editable)
{
    m_attributes.SetEditable(editable);
}

void TStyledGrid::SetFixedColor(QColor color)
{
    m_attributes.FixedBrush().SetColor(color);
}

void TStyledGrid::SetShowCellHints(bool on)
{
    m_showCellHints = on;
    m_hintCell = {};
}

void TStyledGrid::SetSelectedCellColor(QColor color)
{
    m_attributes.SetSelectedCellColor(color);
}

void TStyledGrid::SetSelectedFontColor(QColor color)
{
    m_attributes.SetSelectedFontColor(color);
}

void TStyledGrid::SetDrawSelection(bool on)
{
    m_drawSelection = on;
    viewport()->update();
}

void TStyledGrid::SetColorCol(int col, QColor color)
{
    m_attributes.BrushCol(col).SetColor(color);
}

void TStyledGrid::SetColorRow(int row, QColor color)
{
    m_attributes.BrushRow(row).SetColor(color);
}

void TStyledGrid::SetColorFixedCol(int col, QColor color)
{
    m_attributes.BrushFixedCol(col).SetColor(color);
}

void TStyledGrid::SetColorFixedRow(int row, QColor color)
{
    m_attributes.BrushFixedRow(row).SetColor(color);
}

void TStyledGrid::SetColorCell(int col, int row, QColor color)
{
    m_attributes.BrushCell(col, row).SetColor(color);
}

TCellAlign TStyledGrid::CellAlignment(int col, int row) const
{
    return m_attributes.CellAlignment(col, row, IsFixed(col, row));
}

bool TStyledGrid::CellEditable(int col, int row) const
{
    return m_attributes.CellEditable(col, row);
}

const TCellFont &TStyledGrid::CellFont(int col, int row) const
{
    return m_attributes.CellFont(col, row, IsFixed(col, row));
}

const TCellBrush &TStyledGrid::CellBrush(int col, int row) const
{
    return m_attributes.CellBrush(col, row, IsFixed(col, row));
}

QColor TStyledGrid::SelectedCellColorAt(int col, int row) const
{
    return m_attributes.SelectedCellColorAt(col, row);
}

QColor TStyledGrid::SelectedFontColorAt(int col, int row) const
{
    return m_attributes.SelectedFontColorAt(col, row);
}

QString TStyledGrid::CellHint(int col, int row) const
{
    return m_attributes.CellHint(col, row);
}

std::optional<GridCell> TStyledGrid::NextCell(T_nextcell direction, t_lastcell afterLast, int col, int row)
{
    const std::optional<NextCellStep> step = NextCellOf(Extent(), direction, afterLast, {col, row});
    if (!step)
        return std::nullopt;
    if (step->Grow == NextCellStep::Growth::Row)
        InsertRow(step->InsertAt);
    else if (step->Grow == NextCellStep::Growth::Column)
        InsertCol(step->InsertAt);
    return step->Cell;
}

void TStyledGrid::InsertCol(int at)
{
    at = std::clamp(at, FixedCols(), ColCount());
    SetColCount(ColCount() + 1);
    m_attributes.InsertCol(at);
    m_texts.pop_back();
    m_texts.insert(m_texts.begin() + at, std::vector<QString>(static_cast<size_t>(RowCount())));
    viewport()->update();
    AnnounceGridShape(*this);
}

void TStyledGrid::InsertRow(int at)
{
    at = std::clamp(at, FixedRows(), RowCount());
    SetRowCount(RowCount() + 1);
    m_attributes.InsertRow(at);
    for (auto &column : m_texts) {
        column.pop_back();
        column.insert(column.begin() + at, QString());
    }
    viewport()->update();
    AnnounceGridShape(*this);
}

void TStyledGrid::MoveColumn(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= ColCount() || to >= ColCount())
        return;
    m_attributes.MoveCol(from, to);
    auto column = std::move(m_texts[from]);
    m_texts.erase(m_texts.begin() + from);
    m_texts.insert(m_texts.begin() + to, std::move(column));
    const bool tabStop = m_tabStops[from];
    m_tabStops.erase(m_tabStops.begin() + from);
    m_tabStops.insert(m_tabStops.begin() + to, tabStop);
    m_cols.Move(from, to);
    FollowMove(m_current.Col, from, to);
    FollowMove(m_anchor.Col, from, to);
    LayoutChanged();
    AnnounceGridShape(*this);
}

void TStyledGrid::MoveRow(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= RowCount() || to >= RowCount())
        return;
    m_attributes.MoveRow(from, to);
    for (auto &column : m_texts) {
        QString text = std::move(column[from]);
        column.erase(column.begin() + from);
        column.insert(column.begin() + to, std::move(text));
    }
    m_rows.Move(from, to);
    FollowMove(m_current.Row, from, to);
    FollowMove(m_anchor.Row, from, to);
    LayoutChanged();
    AnnounceGridShape(*this);
}

QByteArray TStyledGrid::SaveKeys() const
{
    return WriteGridKeys(
        m_attributes, [this](int col, int row) { return Cells(col, row); }, ColCount(), RowCount());
}

void TStyledGrid::LoadKeys(const QByteArray &block)
{
    std::vector<StoredCellText> cells;
    ReadGridKeys(block, m_attributes, cells);
    for (auto &column : m_texts)
        std::fill(column.begin(), column.end(), QString());
    for (const StoredCellText &cell : cells)
        if (cell.Col >= 0 && cell.Row >= 0 && cell.Col < ColCount() && cell.Row < RowCount())
            m_texts[cell.Col][cell.Row] = cell.Text;
    m_editorSaved = m_options.testFlag(goAlwaysShowEditor);
    HideEdit();
    viewport()->update();
    AnnounceGridShape(*this);
}

QSize TStyledGrid::viewportSizeHint() const
{
    return QSize(m_cols.TotalExtent(), m_rows.TotalExtent());
}

void TStyledGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    LayoutChanged();
}

// The bars count scrolled columns and rows, not pixels; only the bar that moved is read.
void TStyledGrid::scrollContentsBy(int dx, int dy)
{
    if (dx != 0)
        m_cols.SetFirst(FixedCols() + horizontalScrollBar()->value());
    if (dy != 0)
        m_rows.SetFirst(FixedRows() + verticalScrollBar()->value());
    if (m_editor->isVisible())
        PlaceEditor();
    viewport()->update();
}

// ---- the current cell and the keyboard ----

void TStyledGrid::MoveCurrent(GridCell cell, bool moveAnchor, bool byKey)
{
    if (cell.Col < FixedCols() || cell.Row < FixedRows() || cell.Col >= ColCount() || cell.Row >= RowCount())
        return;
    const GridCell old = m_current;
    const TGridRect previousSelection = Selection();
    m_current = cell;
    if (!m_options.testFlag(goAlwaysShowEditor))
        HideEdit();
    if (moveAnchor || !m_options.testFlag(goRangeSelect))
        m_anchor = m_current;
    if (m_options.testFlag(goRowSelect)) {
        m_anchor.Col = ColCount() - 1;
        m_current.Col = FixedCols();
    }
    ClampInView(m_current);
    viewport()->update();
    UpdateEdit();
    AnnounceGridSelection(*this, old, previousSelection);
    if (byKey && m_current != old && OnClick)
        OnClick(this, TClickCause::Key);
}

void TStyledGrid::ClampInView(GridCell cell)
{
    const auto clampAxis = [](GridAxis &axis, int index, int extent) {
        if (index < axis.Fixed())
            return;
        if (index < axis.First())
            axis.SetFirst(index);
        while (axis.First() < index && index >= axis.First() + axis.FullyVisibleCount(extent))
            axis.SetFirst(axis.First() + 1);
    };
    const int oldLeft = LeftCol();
    const int oldTop = TopRow();
    clampAxis(m_cols, cell.Col, viewport()->width());
    clampAxis(m_rows, cell.Row, viewport()->height());
    if (oldLeft != LeftCol() || oldTop != TopRow())
        LayoutChanged();
}

bool TStyledGrid::event(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_attributes.Font().SetFont(font());
    // With goTabs the Tab key moves between cells instead of leaving the grid.
    if (event->type() == QEvent::KeyPress && m_options.testFlag(goTabs)) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            RunGuarded([&] { HandleTabKey(Win32::IsBackwardTab(key)); });
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TStyledGrid::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    RunGuarded([&] {
        handled = HandleNavigationKey(event);
        if (handled)
            return;
        const int key = event->key();
        if (m_options.testFlag(goEditing) && key == Qt::Key_F2) {
            SetEditorMode(true);
            handled = true;
        } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_options.testFlag(goEditing) && !m_options.testFlag(goAlwaysShowEditor))
                SetEditorMode(!m_editorMode);
            handled = true;
        } else if (!event->text().isEmpty() &&
                   !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            for (QChar character : event->text())
                HandleCharacter(character);
            handled = true;
        }
    });
    if (!handled)
        QAbstractScrollArea::keyPressEvent(event);
}

bool TStyledGrid::HandleNavigationKey(QKeyEvent *event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    GridCell cell = m_current;
    switch (event->key()) {
    case Qt::Key_Up:
        --cell.Row;
        break;
    case Qt::Key_Down:
        ++cell.Row;
        break;
    case Qt::Key_Left:
        --cell.Col;
        break;
    case Qt::Key_Right:
        ++cell.Col;
        break;
    case Qt::Key_PageUp:
        cell.Row -= m_rows.FullyVisibleCount(viewport()->height());
        break;
    case Qt::Key_PageDown:
        cell.Row += m_rows.FullyVisibleCount(viewport()->height());
        break;
    case Qt::Key_Home:
        cell.Col = FixedCols();
        if (control)
            cell.Row = FixedRows();
        break;
    case Qt::Key_End:
        cell.Col = ColCount() - 1;
        if (control)
            cell.Row = RowCount() - 1;
        break;
    default:
        return false;
    }
    cell.Col = std::clamp(cell.Col, FixedCols(), ColCount() - 1);
    cell.Row = std::clamp(cell.Row, FixedRows(), RowCount() - 1);
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier) && m_options.testFlag(goRangeSelect);
    if (cell != m_current)
        MoveCurrent(cell, !extend, true);
    return true;
}

void TStyledGrid::HandleTabKey(bool backwards)
{
    const T_nextcell direction = backwards ? Reversed(m_nextCellTab) : m_nextCellTab;
    const auto step = [this, direction](GridCell from) {
        return NextCell(direction, m_afterLastCellTab, from.Col, from.Row);
    };
    const auto isTabStop = [this](GridCell cell) { return TabStops(cell.Col); };
    const int maxSteps = (ColCount() + 1) * (RowCount() + 1);
    if (const std::optional<GridCell> found = WalkToCell(m_current, step, isTabStop, maxSteps))
        MoveCurrent(*found, true, true);
}

void TStyledGrid::HandleCharacter(QChar character)
{
    const bool editing = m_options.testFlag(goEditing);
    const bool typed = character == QChar(8) || (character.unicode() >= 32 && character.unicode() != 127);
    if (editing && typed) {
        SetEditorMode(true);
        if (m_editorMode && m_editor->isVisible() && m_editor->HasCell()) {
            // The editor opened with all its text selected: the character replaces it.
            if (character == QChar(8))
                m_editor->backspace();
            else
                m_editor->insert(character);
            return;
        }
    }
    QChar key = character;
    if (OnKeyPress)
        OnKeyPress(this, key);
}
