#pragma once

#include "controls/grid/SparseCellTable.h"
#include "design/Alignment.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QSet>
#include <QString>
#include <cstdint>
#include <functional>

// Horizontal alignment of a cell's lines; the stored byte values are part of the persisted layout.
enum TCellAlign : std::uint8_t { alRight = 0, alLeft = 1, alCenter = 2 };

// The text alignment a cell alignment stands for; a byte of any other value aligns left.
constexpr TAlignment TextAlignment(TCellAlign alignment)
{
    return alignment == alRight    ? TAlignment::taRightJustify
           : alignment == alCenter ? TAlignment::taCenter
                                   : TAlignment::taLeftJustify;
}

// A background brush kept in the attribute tables: colour and style, plus a flag that its first
// change sets (only modified brushes are persisted). Every change calls the owner's repaint hook.
class TCellBrush {
public:
    TCellBrush(QColor color = Qt::white, Qt::BrushStyle style = Qt::SolidPattern,
               std::function<void()> onChange = {});

    QColor Color() const { return m_color; }
    void SetColor(QColor color);
    Qt::BrushStyle Style() const { return m_style; }
    void SetStyle(Qt::BrushStyle style);
    bool Modified() const { return m_modified; }
    QBrush Brush() const { return QBrush(m_color, m_style); }

private:
    void Changed();

    QColor m_color;
    Qt::BrushStyle m_style;
    bool m_modified = false;
    std::function<void()> m_onChange;
};

// A font kept in the attribute tables: the Qt font plus its colour (a Qt font has none), with the
// same modified flag and repaint hook as TCellBrush.
class TCellFont {
public:
    TCellFont(QFont font = {}, QColor color = Qt::black, std::function<void()> onChange = {});

    const QFont &Font() const { return m_font; }
    void SetFont(const QFont &font);
    QColor Color() const { return m_color; }
    void SetColor(QColor color);
    bool Modified() const { return m_modified; }

private:
    void Changed();

    QFont m_font;
    QColor m_color;
    bool m_modified = false;
    std::function<void()> m_onChange;
};

// The sparse attribute tables, named after their persisted keys.
struct GridTables {
    SparseCellTable<TCellAlign> AlignCell;
    SparseList<TCellAlign> AlignCol, AlignRow, FixedAlignCol, FixedAlignRow;
    SparseCellTable<bool> EditCell;
    SparseList<bool> EditCol, EditRow;
    SparseCellTable<TCellFont> FontCell;
    SparseList<TCellFont> FontCol, FontRow, FontFixedCol, FontFixedRow;
    SparseCellTable<TCellBrush> BrushCell;
    SparseList<TCellBrush> BrushCol, BrushRow, BrushFixedCol, BrushFixedRow;
    SparseCellTable<QColor> SelectedColorCell, SelectedFontColorCell;
    SparseList<QColor> SelectedColorCol, SelectedColorRow, SelectedFontColorCol, SelectedFontColorRow;
    SparseCellTable<QString> HintCell;
};

// The sparse per-cell, per-column and per-row attribute tables of a styled grid, their defaults
// and the lookup that picks the effective attribute of a cell. Knows nothing of widgets: the
// grid binds OnChange to its repaint and says which cells are fixed.
class GridAttributes {
public:
    GridAttributes();
    GridAttributes(const GridAttributes &) = delete;
    GridAttributes &operator=(const GridAttributes &) = delete;

    // Called after every change made through this class or through a brush or font it owns.
    std::function<void()> OnChange;

    // Defaults, the last step of every lookup.
    TCellAlign Alignment() const { return m_alignment; }
    void SetAlignment(TCellAlign alignment);
    bool Editable() const { return m_editable; }
    void SetEditable(bool editable);
    QColor SelectedCellColor() const { return m_selectedCellColor; }
    void SetSelectedCellColor(QColor color);
    QColor SelectedFontColor() const { return m_selectedFontColor; }
    void SetSelectedFontColor(QColor color);
    TCellFont &Font() { return m_font; }
    const TCellFont &Font() const { return m_font; }
    TCellBrush &GridBrush() { return m_gridBrush; }
    const TCellBrush &GridBrush() const { return m_gridBrush; }
    TCellBrush &FixedBrush() { return m_fixedBrush; }
    const TCellBrush &FixedBrush() const { return m_fixedBrush; }

    // The effective attributes: cell table, then the column table (fixed-column table for a fixed
    // cell), then the row table (fixed-row table for a fixed cell), then the default.
    TCellAlign CellAlignment(int col, int row, bool fixed) const;
    const TCellFont &CellFont(int col, int row, bool fixed) const;
    const TCellBrush &CellBrush(int col, int row, bool fixed) const;
    // Cell, column, row, default; there are no fixed-cell tables for these.
    bool CellEditable(int col, int row) const;
    QColor SelectedCellColorAt(int col, int row) const;
    QColor SelectedFontColorAt(int col, int row) const;
    QString CellHint(int col, int row) const;

    // Writers of single entries; a negative index raises std::out_of_range. Each sets the
    // has-data flag of its persisted key.
    void SetAlignCell(int col, int row, TCellAlign alignment);
    void SetAlignCol(int col, TCellAlign alignment);
    void SetAlignRow(int row, TCellAlign alignment);
    void SetFixedAlignCol(int col, TCellAlign alignment);
    void SetFixedAlignRow(int row, TCellAlign alignment);
    void SetEditCell(int col, int row, bool editable);
    void SetEditCol(int col, bool editable);
    void SetEditRow(int row, bool editable);
    void SetSelectedColorCell(int col, int row, QColor color);
    void SetSelectedColorCol(int col, QColor color);
    void SetSelectedColorRow(int row, QColor color);
    void SetSelectedFontColorCell(int col, int row, QColor color);
    void SetSelectedFontColorCol(int col, QColor color);
    void SetSelectedFontColorRow(int row, QColor color);
    void SetHintCell(int col, int row, const QString &hint);

    // Get-or-create: a missing brush starts as a copy of the grid's own brush, a missing font as a
    // copy of the grid's font. Each sets the has-data flag of its key.
    TCellBrush &BrushCell(int col, int row);
    TCellBrush &BrushCol(int col);
    TCellBrush &BrushRow(int row);
    TCellBrush &BrushFixedCol(int col);
    TCellBrush &BrushFixedRow(int row);
    TCellFont &FontCell(int col, int row);
    TCellFont &FontCol(int col);
    TCellFont &FontRow(int row);
    TCellFont &FontFixedCol(int col);
    TCellFont &FontFixedRow(int row);

    // Keeps every table aligned with the cells when a column or row is inserted or moved.
    void InsertCol(int at);
    void InsertRow(int at);
    void MoveCol(int from, int to);
    void MoveRow(int from, int to);

    // Has-data flags of the persisted keys ("AlignCell", "BrushCol", ...).
    bool HasData(const QString &key) const { return m_hasData.contains(key); }
    void MarkHasData(const QString &key) { m_hasData.insert(key); }

    // The tables themselves, for persistence; writes made here bypass the flags and the hook.
    GridTables &Tables() { return m_tables; }
    const GridTables &Tables() const { return m_tables; }

private:
    void Changed() const;
    TCellBrush NewBrush() const;
    TCellFont NewFont() const;
    template <class Visit> void ForEachColumnTable(Visit &&visit);
    template <class Visit> void ForEachRowTable(Visit &&visit);
    template <class Visit> void ForEachCellTable(Visit &&visit);

    TCellAlign m_alignment = alLeft;
    bool m_editable = true;
    QColor m_selectedCellColor;
    QColor m_selectedFontColor;
    TCellFont m_font;
    TCellBrush m_gridBrush;
    TCellBrush m_fixedBrush;
    QSet<QString> m_hasData;
    GridTables m_tables;
};
