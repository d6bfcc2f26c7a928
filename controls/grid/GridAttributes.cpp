#include "controls/grid/GridAttributes.h"

#include "design/ColorNames.h"

TCellBrush::TCellBrush(QColor color, Qt::BrushStyle style, std::function<void()> onChange)
    : m_color(color), m_style(style), m_onChange(std::move(onChange))
{
}

void TCellBrush::SetColor(QColor color)
{
    m_color = color;
    Changed();
}

void TCellBrush::SetStyle(Qt::BrushStyle style)
{
    m_style = style;
    Changed();
}

void TCellBrush::Changed()
{
    m_modified = true;
    if (m_onChange)
        m_onChange();
}

TCellFont::TCellFont(QFont font, QColor color, std::function<void()> onChange)
    : m_font(std::move(font)), m_color(color), m_onChange(std::move(onChange))
{
}

void TCellFont::SetFont(const QFont &font)
{
    m_font = font;
    Changed();
}

void TCellFont::SetColor(QColor color)
{
    m_color = color;
    Changed();
}

void TCellFont::Changed()
{
    m_modified = true;
    if (m_onChange)
        m_onChange();
}

GridAttributes::GridAttributes()
    : m_selectedCellColor(clNavy), m_selectedFontColor(clWhite), m_font({}, clBlack, [this] { Changed(); }),
      m_gridBrush(clWhite, Qt::SolidPattern, [this] { Changed(); }),
      m_fixedBrush(clSilver, Qt::SolidPattern, [this] { Changed(); })
{
}

void GridAttributes::Changed() const
{
    if (OnChange)
        OnChange();
}

void GridAttributes::SetAlignment(TCellAlign alignment)
{
    m_alignment = alignment;
    Changed();
}

void GridAttributes::SetEditable(bool editable)
{
    m_editable = editable;
    Changed();
}

void GridAttributes::SetSelectedCellColor(QColor color)
{
    m_selectedCellColor = color;
    Changed();
}

void GridAttributes::SetSelectedFontColor(QColor color)
{
    m_selectedFontColor = color;
    Changed();
}

namespace {
// The first present entry of cell, column and row table, else the fallback.
template <class T> const T &FirstPresent(const T *cell, const T *column, const T *row, const T &fallback)
{
    if (cell)
        return *cell;
    if (column)
        return *column;
    if (row)
        return *row;
    return fallback;
}
} // namespace

TCellAlign GridAttributes::CellAlignment(int col, int row, bool fixed) const
{
    const GridTables &t = m_tables;
    return FirstPresent(t.AlignCell.At(col, row), (fixed ? t.FixedAlignCol : t.AlignCol).At(col),
                        (fixed ? t.FixedAlignRow : t.AlignRow).At(row), m_alignment);
}

const TCellFont &GridAttributes::CellFont(int col, int row, bool fixed) const
{
    const GridTables &t = m_tables;
    return FirstPresent(t.FontCell.At(col, row), (fixed ? t.FontFixedCol : t.FontCol).At(col),
                        (fixed ? t.FontFixedRow : t.FontRow).At(row), m_font);
}

const TCellBrush &GridAttributes::CellBrush(int col, int row, bool fixed) const
{
    const GridTables &t = m_tables;
    return FirstPresent(t.BrushCell.At(col, row), (fixed ? t.BrushFixedCol : t.BrushCol).At(col),
                        (fixed ? t.BrushFixedRow : t.BrushRow).At(row), fixed ? m_fixedBrush : m_gridBrush);
}

bool GridAttributes::CellEditable(int col, int row) const
{
    const GridTables &t = m_tables;
    return FirstPresent(t.EditCell.At(col, row), t.EditCol.At(col), t.EditRow.At(row), m_editable);
}

QColor GridAttributes::SelectedCellColorAt(int col, int row) const
{
    const GridTables &t = m_tables;
    return FirstPresent(t.SelectedColorCell.At(col, row), t.SelectedColorCol.At(col),
                        t.SelectedColorRow.At(row), m_selectedCellColor);
}

QColor GridAttributes::SelectedFontColorAt(int col, int row) const
{
    const GridTables &t = m_tables;
    return FirstPresent(t.SelectedFontColorCell.At(col, row), t.SelectedFontColorCol.At(col),
                        t.SelectedFontColorRow.At(row), m_selectedFontColor);
}

QString GridAttributes::CellHint(int col, int row) const
{
    const QString *hint = m_tables.HintCell.At(col, row);
    return hint ? *hint : QString();
}

void GridAttributes::SetAlignCell(int col, int row, TCellAlign alignment)
{
    m_tables.AlignCell.Set(col, row, alignment);
    MarkHasData("AlignCell");
    Changed();
}

void GridAttributes::SetAlignCol(int col, TCellAlign alignment)
{
    m_tables.AlignCol.Set(col, alignment);
    MarkHasData("AlignCol");
    Changed();
}

void GridAttributes::SetAlignRow(int row, TCellAlign alignment)
{
    m_tables.AlignRow.Set(row, alignment);
    MarkHasData("AlignRow");
    Changed();
}

void GridAttributes::SetFixedAlignCol(int col, TCellAlign alignment)
{
    m_tables.FixedAlignCol.Set(col, alignment);
    MarkHasData("FixedAlignCol");
    Changed();
}

void GridAttributes::SetFixedAlignRow(int row, TCellAlign alignment)
{
    m_tables.FixedAlignRow.Set(row, alignment);
    MarkHasData("FixedAlignRow");
    Changed();
}

void GridAttributes::SetEditCell(int col, int row, bool editable)
{
    m_tables.EditCell.Set(col, row, editable);
    MarkHasData("EditCell");
    Changed();
}

void GridAttributes::SetEditCol(int col, bool editable)
{
    m_tables.EditCol.Set(col, editable);
    MarkHasData("EditCol");
    Changed();
}

void GridAttributes::SetEditRow(int row, bool editable)
{
    m_tables.EditRow.Set(row, editable);
    MarkHasData("EditRow");
    Changed();
}

void GridAttributes::SetSelectedColorCell(int col, int row, QColor color)
{
    m_tables.SelectedColorCell.Set(col, row, color);
    MarkHasData("SelectedColorCell");
    Changed();
}

void GridAttributes::SetSelectedColorCol(int col, QColor color)
{
    m_tables.SelectedColorCol.Set(col, color);
    MarkHasData("SelectedColorCol");
    Changed();
}

void GridAttributes::SetSelectedColorRow(int row, QColor color)
{
    m_tables.SelectedColorRow.Set(row, color);
    MarkHasData("SelectedColorRow");
    Changed();
}

// The selected-font colour tables have no persisted key, so no flag is set for them.
void GridAttributes::SetSelectedFontColorCell(int col, int row, QColor color)
{
    m_tables.SelectedFontColorCell.Set(col, row, color);
    Changed();
}

void GridAttributes::SetSelectedFontColorCol(int col, QColor color)
{
    m_tables.SelectedFontColorCol.Set(col, color);
    Changed();
}

void GridAttributes::SetSelectedFontColorRow(int row, QColor color)
{
    m_tables.SelectedFontColorRow.Set(row, color);
    Changed();
}

void GridAttributes::SetHintCell(int col, int row, const QString &hint)
{
    m_tables.HintCell.Set(col, row, hint);
    MarkHasData("HintCell");
}

TCellBrush GridAttributes::NewBrush() const
{
    return TCellBrush(m_gridBrush.Color(), m_gridBrush.Style(), [this] { Changed(); });
}

TCellFont GridAttributes::NewFont() const
{
    return TCellFont(m_font.Font(), m_font.Color(), [this] { Changed(); });
}

TCellBrush &GridAttributes::BrushCell(int col, int row)
{
    MarkHasData("BrushCell");
    return m_tables.BrushCell.GetOrCreate(col, row, [this] { return NewBrush(); });
}

TCellBrush &GridAttributes::BrushCol(int col)
{
    MarkHasData("BrushCol");
    return m_tables.BrushCol.GetOrCreate(col, [this] { return NewBrush(); });
}

TCellBrush &GridAttributes::BrushRow(int row)
{
    MarkHasData("BrushRow");
    return m_tables.BrushRow.GetOrCreate(row, [this] { return NewBrush(); });
}

TCellBrush &GridAttributes::BrushFixedCol(int col)
{
    MarkHasData("BrushFixedCol");
    return m_tables.BrushFixedCol.GetOrCreate(col, [this] { return NewBrush(); });
}

TCellBrush &GridAttributes::BrushFixedRow(int row)
{
    MarkHasData("BrushFixedRow");
    return m_tables.BrushFixedRow.GetOrCreate(row, [this] { return NewBrush(); });
}

TCellFont &GridAttributes::FontCell(int col, int row)
{
    MarkHasData("FontCell");
    return m_tables.FontCell.GetOrCreate(col, row, [this] { return NewFont(); });
}

TCellFont &GridAttributes::FontCol(int col)
{
    MarkHasData("FontCol");
    return m_tables.FontCol.GetOrCreate(col, [this] { return NewFont(); });
}

TCellFont &GridAttributes::FontRow(int row)
{
    MarkHasData("FontRow");
    return m_tables.FontRow.GetOrCreate(row, [this] { return NewFont(); });
}

TCellFont &GridAttributes::FontFixedCol(int col)
{
    MarkHasData("FontFixedCol");
    return m_tables.FontFixedCol.GetOrCreate(col, [this] { return NewFont(); });
}

TCellFont &GridAttributes::FontFixedRow(int row)
{
    MarkHasData("FontFixedRow");
    return m_tables.FontFixedRow.GetOrCreate(row, [this] { return NewFont(); });
}

template <class Visit> void GridAttributes::ForEachColumnTable(Visit &&visit)
{
    GridTables &t = m_tables;
    visit(t.AlignCol);
    visit(t.FixedAlignCol);
    visit(t.EditCol);
    visit(t.FontCol);
    visit(t.FontFixedCol);
    visit(t.BrushCol);
    visit(t.BrushFixedCol);
    visit(t.SelectedColorCol);
    visit(t.SelectedFontColorCol);
}

template <class Visit> void GridAttributes::ForEachRowTable(Visit &&visit)
{
    GridTables &t = m_tables;
    visit(t.AlignRow);
    visit(t.FixedAlignRow);
    visit(t.EditRow);
    visit(t.FontRow);
    visit(t.FontFixedRow);
    visit(t.BrushRow);
    visit(t.BrushFixedRow);
    visit(t.SelectedColorRow);
    visit(t.SelectedFontColorRow);
}

template <class Visit> void GridAttributes::ForEachCellTable(Visit &&visit)
{
    GridTables &t = m_tables;
    visit(t.AlignCell);
    visit(t.EditCell);
    visit(t.FontCell);
    visit(t.BrushCell);
    visit(t.SelectedColorCell);
    visit(t.SelectedFontColorCell);
    visit(t.HintCell);
}

void GridAttributes::InsertCol(int at)
{
    ForEachColumnTable([at](auto &table) { table.InsertAbsent(at); });
    ForEachCellTable([at](auto &table) { table.InsertAbsentCol(at); });
}

void GridAttributes::InsertRow(int at)
{
    ForEachRowTable([at](auto &table) { table.InsertAbsent(at); });
    ForEachCellTable([at](auto &table) { table.InsertAbsentRow(at); });
}

void GridAttributes::MoveCol(int from, int to)
{
    ForEachColumnTable([from, to](auto &table) { table.Move(from, to); });
    ForEachCellTable([from, to](auto &table) { table.MoveCol(from, to); });
}

void GridAttributes::MoveRow(int from, int to)
{
    ForEachRowTable([from, to](auto &table) { table.Move(from, to); });
    ForEachCellTable([from, to](auto &table) { table.MoveRow(from, to); });
}
