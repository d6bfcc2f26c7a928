#include "controls/grid/StyledGridAccessible.h"

#include "controls/common/Accessibility.h"
#include "controls/grid/StyledGrid.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <map>
#include <utility>

namespace {
bool IsInside(const TStyledGrid &grid, GridCell cell)
{
    return cell.Col >= 0 && cell.Row >= 0 && cell.Col < grid.ColCount() && cell.Row < grid.RowCount();
}

// A cell's place among the table's children: row by row.
int ChildIndex(const TStyledGrid &grid, GridCell cell)
{
    return cell.Row * grid.ColCount() + cell.Col;
}

// One cell of a grid, by its place; it reads the grid each time it is asked.
class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TGridCellAccessible(TStyledGrid *grid, GridCell cell) : m_grid(grid), m_cell(cell) {}

    bool isValid() const override { return m_grid && IsInside(*m_grid, m_cell); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_grid); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value))
            return {};
        return m_grid->Cells(m_cell.Col, m_cell.Row);
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect cell = m_grid->CellRect(m_cell.Col, m_cell.Row);
        return cell.isEmpty() ? QRect() : QRect(m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override
    {
        if (isValid() && m_cell.Row < m_grid->FixedRows())
            return QAccessible::ColumnHeader;
        if (isValid() && m_cell.Col < m_grid->FixedCols())
            return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.readOnly = !m_grid->CellEditable(m_cell.Col, m_cell.Row);
        state.invisible = !m_grid->isVisible() || m_grid->CellRect(m_cell.Col, m_cell.Row).isEmpty();
        if (m_grid->IsFixed(m_cell.Col, m_cell.Row))
            return state;
        state.focusable = true;
        state.selectable = true;
        state.focused = m_grid->hasFocus() && m_cell == GridCell{m_grid->Col(), m_grid->Row()};
        state.selected = isSelected();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface *>(this)
                                                       : nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && !m_grid->IsFixed(m_cell.Col, m_cell.Row) &&
               m_grid->Selection().Contains(m_cell.Col, m_cell.Row);
    }

    // A cell's headings are the fixed cells of its column and of its row; a heading cell counts among
    // its own, so that asking the cell in row 0 for its column's heading finds it.
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override { return m_cell.Col; }
    int rowIndex() const override { return m_cell.Row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    bool IsCellOf(const TStyledGrid *grid) const { return m_grid == grid; }
    GridCell Place() const { return m_cell; }

private:
    QPointer<TStyledGrid> m_grid;
    GridCell m_cell;
};

// The grid as a table. Its children are its cells, row by row; each cell's interface is made when it
// is first asked for and lives until the grid's shape changes or the grid goes.
class TStyledGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TStyledGridAccessible(TStyledGrid *grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~TStyledGridAccessible() override { ForgetCells(); }

    QAccessibleInterface *Cell(GridCell cell) const
    {
        if (!IsInside(*Grid(), cell))
            return nullptr;
        const std::pair key{cell.Col, cell.Row};
        const auto found = m_cells.find(key);
        if (found != m_cells.end())
            return QAccessible::accessibleInterface(found->second);
        auto *made = new TGridCellAccessible(Grid(), cell);
        m_cells.emplace(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    int childCount() const override { return Grid()->ColCount() * Grid()->RowCount(); }
    QAccessibleInterface *child(int index) const override
    {
        const int cols = Grid()->ColCount();
        return index < 0 ? nullptr : Cell({index % cols, index / cols});
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *cell = dynamic_cast<const TGridCellAccessible *>(child);
        return cell && cell->IsCellOf(Grid()) ? ChildIndex(*Grid(), cell->Place()) : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const TStyledGrid *grid = Grid();
        return Cell(grid->MouseCoord(grid->viewport()->mapFromGlobal(QPoint(x, y))));
    }
    QAccessibleInterface *focusChild() const override
    {
        return Grid()->hasFocus() ? Cell({Grid()->Col(), Grid()->Row()}) : nullptr;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override { return Cell({column, row}); }
    int columnCount() const override { return Grid()->ColCount(); }
    int rowCount() const override { return Grid()->RowCount(); }
    // The heading texts, one line per fixed row or column.
    QString columnDescription(int column) const override
    {
        QStringList headings;
        for (int row = 0; row < Grid()->FixedRows(); ++row)
            headings << Grid()->Cells(column, row).trimmed();
        return headings.join(u'\n');
    }
    QString rowDescription(int row) const override
    {
        QStringList headings;
        for (int col = 0; col < Grid()->FixedCols(); ++col)
            headings << Grid()->Cells(col, row).trimmed();
        return headings.join(u'\n');
    }

    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        const TGridRect selection = Grid()->Selection();
        for (int row = selection.Top; row <= selection.Bottom; ++row)
            for (int col = selection.Left; col <= selection.Right; ++col)
                if (QAccessibleInterface *cell = Cell({col, row}))
                    cells << cell;
        return cells;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    // A column or row counts as selected when all its non-fixed cells are.
    QList<int> selectedColumns() const override
    {
        const TGridRect selection = Grid()->Selection();
        const bool whole = selection.Top == Grid()->FixedRows() && selection.Bottom == Grid()->RowCount() - 1;
        return whole ? Range(selection.Left, selection.Right) : QList<int>();
    }
    QList<int> selectedRows() const override
    {
        const TGridRect selection = Grid()->Selection();
        const bool whole = selection.Left == Grid()->FixedCols() && selection.Right == Grid()->ColCount() - 1;
        return whole ? Range(selection.Top, selection.Bottom) : QList<int>();
    }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    bool isColumnSelected(int column) const override { return selectedColumns().contains(column); }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    // The selection follows the current cell; assistive technology reads it but does not set it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    void modelChange(QAccessibleTableModelChangeEvent *) override { ForgetCells(); }

private:
    TStyledGrid *Grid() const { return static_cast<TStyledGrid *>(widget()); }

    static QList<int> Range(int first, int last)
    {
        QList<int> indexes;
        for (int index = first; index <= last; ++index)
            indexes << index;
        return indexes;
    }

    void ForgetCells()
    {
        for (const auto &[place, id] : std::exchange(m_cells, {}))
            QAccessible::deleteAccessibleInterface(id);
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> m_cells;
};

TStyledGridAccessible *GridInterface(TStyledGrid &grid)
{
    return dynamic_cast<TStyledGridAccessible *>(QAccessible::queryAccessibleInterface(&grid));
}

QList<QAccessibleInterface *> TGridCellAccessible::columnHeaderCells() const
{
    QList<QAccessibleInterface *> headings;
    if (TStyledGridAccessible *table = isValid() ? GridInterface(*m_grid) : nullptr)
        for (int row = 0; row < m_grid->FixedRows(); ++row)
            headings << table->Cell({m_cell.Col, row});
    return headings;
}

QList<QAccessibleInterface *> TGridCellAccessible::rowHeaderCells() const
{
    QList<QAccessibleInterface *> headings;
    if (TStyledGridAccessible *table = isValid() ? GridInterface(*m_grid) : nullptr)
        for (int col = 0; col < m_grid->FixedCols(); ++col)
            headings << table->Cell({col, m_cell.Row});
    return headings;
}

void AnnounceCell(TStyledGrid &grid, GridCell cell, QAccessible::Event type)
{
    QAccessibleEvent event(&grid, type);
    event.setChild(ChildIndex(grid, cell));
    QAccessible::updateAccessibility(&event);
}

void AnnounceCurrentCell(TStyledGrid &grid)
{
    const GridCell current{grid.Col(), grid.Row()};
    AnnounceCell(grid, current, QAccessible::Focus);
    AnnounceCell(grid, current, QAccessible::ActiveDescendantChanged);
}
} // namespace

void InstallStyledGridAccessibility()
{
    InstallAccessibleInterface<TStyledGrid, TStyledGridAccessible>();
}

void AnnounceGridSelection(TStyledGrid &grid, GridCell previousCurrent, const TGridRect &previousSelection)
{
    if (!QAccessible::isActive())
        return;
    const TGridRect selection = grid.Selection();
    if (selection != previousSelection) {
        const int left = std::min(selection.Left, previousSelection.Left);
        const int right = std::max(selection.Right, previousSelection.Right);
        const int top = std::min(selection.Top, previousSelection.Top);
        const int bottom = std::max(selection.Bottom, previousSelection.Bottom);
        for (int row = top; row <= bottom; ++row) {
            for (int col = left; col <= right; ++col) {
                const bool was = previousSelection.Contains(col, row);
                if (was != selection.Contains(col, row) && IsInside(grid, {col, row}))
                    AnnounceCell(grid, {col, row},
                                 was ? QAccessible::SelectionRemove : QAccessible::SelectionAdd);
            }
        }
    }
    if (grid.hasFocus() && previousCurrent != GridCell{grid.Col(), grid.Row()})
        AnnounceCurrentCell(grid);
}

void AnnounceGridFocus(TStyledGrid &grid)
{
    if (QAccessible::isActive())
        AnnounceCurrentCell(grid);
}

void AnnounceCellText(TStyledGrid &grid, int col, int row)
{
    if (QAccessible::isActive())
        AnnounceCell(grid, {col, row}, QAccessible::NameChanged);
}

void AnnounceGridShape(TStyledGrid &grid)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTableModelChangeEvent event(&grid, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}
