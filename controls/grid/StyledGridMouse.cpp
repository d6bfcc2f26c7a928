#include "controls/common/FailureGuard.h"
#include "controls/grid/StyledGrid.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <cstdlib>
#include <tuple>

namespace {
constexpr int SizingMargin = 2;  // pixels either side of a grid line that start sizing
constexpr int HintDropBelow = 6; // a cell hint shows this far below the cell
} // namespace

void TStyledGrid::mousePressEvent(QMouseEvent *event)
{
    RunGuarded([&] { HandleMousePress(event); });
}

void TStyledGrid::HandleMousePress(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    const GridCell cell = MouseCoord(pos);
    if (!cell.IsReal())
        return;
    if (IsFixed(cell.Col, cell.Row)) {
        std::tie(m_mouseState, m_mouseIndex) = DragAt(pos);
        // The line then follows the mouse from where it was grabbed.
        if (m_mouseState == MouseState::ColSizing)
            m_sizingOrigin = pos.x() - ColWidths(m_mouseIndex);
        else if (m_mouseState == MouseState::RowSizing)
            m_sizingOrigin = pos.y() - RowHeights(m_mouseIndex);
        return;
    }
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier) && m_options.testFlag(goRangeSelect);
    const bool again = cell == m_current && !extend;
    MoveCurrent(cell, !extend, false);
    if (again && m_options.testFlag(goEditing))
        SetEditorMode(true);
    m_mouseState = MouseState::Selecting;
}

std::pair<TStyledGrid::MouseState, int> TStyledGrid::DragAt(QPoint pos) const
{
    const GridCell cell = MouseCoord(pos);
    if (!cell.IsReal() || !IsFixed(cell.Col, cell.Row))
        return {MouseState::None, -1};
    // The line after `index` or after the one before it, whichever lies within reach of p.
    const auto lineNear = [](const GridAxis &axis, int index, int p) {
        for (int i : {index - 1, index}) {
            const int start = axis.Start(i);
            if (start >= 0 && std::abs(p - (start + axis.Size(i))) <= SizingMargin)
                return i;
        }
        return -1;
    };
    const bool inHeadingRow = cell.Row < FixedRows();
    const bool inHeadingCol = cell.Col < FixedCols();
    if (const int col = lineNear(m_cols, cell.Col, pos.x());
        m_options.testFlag(goColSizing) && inHeadingRow && col >= 0)
        return {MouseState::ColSizing, col};
    if (const int row = lineNear(m_rows, cell.Row, pos.y());
        m_options.testFlag(goRowSizing) && inHeadingCol && row >= 0)
        return {MouseState::RowSizing, row};
    if (m_options.testFlag(goColMoving) && inHeadingRow && !inHeadingCol)
        return {MouseState::ColMoving, cell.Col};
    if (m_options.testFlag(goRowMoving) && inHeadingCol && !inHeadingRow)
        return {MouseState::RowMoving, cell.Row};
    return {MouseState::None, -1};
}

void TStyledGrid::mouseMoveEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        const QPoint pos = event->position().toPoint();
        const GridCell cell = MouseCoord(pos);
        if (m_hintCell.IsReal() && cell != m_hintCell) {
            QToolTip::hideText();
            m_hintCell = {};
        }
        switch (m_mouseState) {
        case MouseState::None:
            if (m_options & (goColSizing | goRowSizing)) {
                const MouseState drag = DragAt(pos).first;
                viewport()->setCursor(drag == MouseState::ColSizing   ? Qt::SplitHCursor
                                      : drag == MouseState::RowSizing ? Qt::SplitVCursor
                                                                      : Qt::ArrowCursor);
            }
            break;
        case MouseState::Selecting:
            if (m_options.testFlag(goRangeSelect) && cell.IsReal() && !IsFixed(cell.Col, cell.Row))
                MoveCurrent(cell, false, false);
            break;
        case MouseState::ColSizing:
            m_cols.SetSize(m_mouseIndex, pos.x() - m_sizingOrigin);
            LayoutChanged();
            break;
        case MouseState::RowSizing:
            m_rows.SetSize(m_mouseIndex, pos.y() - m_sizingOrigin);
            LayoutChanged();
            break;
        default:
            break;
        }
    });
}

void TStyledGrid::mouseReleaseEvent(QMouseEvent *event)
{
    RunGuarded([&] { HandleMouseRelease(event); });
}

void TStyledGrid::HandleMouseRelease(QMouseEvent *event)
{
    const MouseState state = std::exchange(m_mouseState, MouseState::None);
    const GridCell cell = MouseCoord(event->position().toPoint());
    switch (state) {
    case MouseState::Selecting:
        if (OnClick)
            OnClick(this, TClickCause::Mouse);
        break;
    case MouseState::ColSizing:
        if (OnColWidthsChanged)
            OnColWidthsChanged(this);
        break;
    case MouseState::RowSizing:
        if (OnRowHeightsChanged)
            OnRowHeightsChanged(this);
        break;
    case MouseState::ColMoving:
        if (cell.IsReal() && cell.Col >= FixedCols())
            MoveColumn(m_mouseIndex, cell.Col);
        break;
    case MouseState::RowMoving:
        if (cell.IsReal() && cell.Row >= FixedRows())
            MoveRow(m_mouseIndex, cell.Row);
        break;
    case MouseState::None:
        break;
    }
}

void TStyledGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    RunGuarded([&] {
        if (event->button() != Qt::LeftButton)
            return;
        if (m_options.testFlag(goEditing))
            SetEditorMode(true);
        if (OnDblClick) {
            const GridCell cell = MouseCoord(event->position().toPoint());
            OnDblClick(this, cell.Col, cell.Row);
        }
    });
}

bool TStyledGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        RunGuarded([&] { HandleToolTip(static_cast<QHelpEvent *>(event)); });
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TStyledGrid::HandleToolTip(QHelpEvent *event)
{
    if (!m_showCellHints)
        return;
    const GridCell cell = MouseCoord(event->pos());
    if (!cell.IsReal())
        return;
    m_hintCell = cell;
    const QRect rect = CellRect(cell.Col, cell.Row);
    const QPoint at = viewport()->mapToGlobal(QPoint(rect.x(), rect.y() + rect.height() + HintDropBelow));
    const QString hint = CellHint(cell.Col, cell.Row);
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(at, hint, viewport(), rect);
}
