#pragma once

#include "controls/common/Win32Counterparts.h"
#include "controls/grid/GridAttributes.h"
#include "controls/grid/GridAxis.h"
#include "controls/grid/GridNavigation.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QFlags>
#include <QKeyEvent>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QHelpEvent;
class QPainter;
class TCellEditor;

// The standard string-grid options.
enum TGridOption {
    goFixedVertLine = 0x0001,
    goFixedHorzLine = 0x0002,
    goVertLine = 0x0004,
    goHorzLine = 0x0008,
    goRangeSelect = 0x0010,
    goDrawFocusSelected = 0x0020,
    goRowSizing = 0x0040,
    goColSizing = 0x0080,
    goRowMoving = 0x0100,
    goColMoving = 0x0200,
    goEditing = 0x0400,
    goTabs = 0x0800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

enum TGridDrawStateFlag { gdSelected = 0x1, gdFocused = 0x2, gdFixed = 0x4 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBorderStyle { bsNone, bsSingle };
enum t_relation { rel_less = -1, rel_equal = 0, rel_greater = 1 };

// What raised OnClick: a click on a non-fixed cell, completed on release, or a key (an arrow, Home,
// End, Page Up or Down, Tab with goTabs) that moved the current cell.
enum class TClickCause { Mouse, Key };

// A rectangle of cells, both corners included.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const
    {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend bool operator==(const TGridRect &, const TGridRect &) = default;
};

// A string grid whose cells, columns and rows each carry their own alignment, font, background
// brush, selected-cell colours, editability and hint, and whose cells draw multi-line text.
// Sizes are in pixels; column and row indexes count from 0 including the fixed ones. Reading a
// cell outside the grid gives the empty text; writing one is ignored.
class TStyledGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TStyledGrid(QWidget *parent = nullptr);
    ~TStyledGrid() override;

    // ---- the standard string grid ----
    int ColCount() const { return m_cols.Count(); }
    void SetColCount(int count);
    int RowCount() const { return m_rows.Count(); }
    void SetRowCount(int count);
    int FixedCols() const { return m_cols.Fixed(); }
    void SetFixedCols(int count); // keeps at least one non-fixed column
    int FixedRows() const { return m_rows.Fixed(); }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int width); // resets every column to it
    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return m_cols.Size(col); }
    void SetColWidths(int col, int width); // then OnColWidthsChanged
    int RowHeights(int row) const { return m_rows.Size(row); }
    void SetRowHeights(int row, int height); // then OnRowHeightsChanged

    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString &text);

    // The current cell; setting it keeps the anchor only with goRangeSelect, raises no OnClick.
    int Col() const { return m_current.Col; }
    void SetCol(int col);
    int Row() const { return m_current.Row; }
    void SetRow(int row);
    // Makes one non-fixed cell the whole selection: anchor and current cell both on it.
    void SelectCell(int col, int row);
    TGridRect Selection() const;
    void SetSelection(const TGridRect &selection); // anchor at Left/Top, current at Right/Bottom
    int LeftCol() const { return m_cols.First(); }
    void SetLeftCol(int col);
    int TopRow() const { return m_rows.First(); }
    void SetTopRow(int row);

    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions options);
    bool TabStops(int col) const; // every column is one unless set otherwise
    void SetTabStops(int col, bool tabStop);
    bool DefaultDrawing() const { return m_defaultDrawing; }
    void SetDefaultDrawing(bool on);
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style); // bars show only when the cells do not fit
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style); // bsSingle is the sunken 3-D border

    // The grid's background (non-fixed cells) and its default font colour.
    QColor Color() const { return m_attributes.GridBrush().Color(); }
    void SetColor(QColor color);
    QColor FontColor() const { return m_attributes.Font().Color(); }
    void SetFontColor(QColor color);

    // Cell rectangle in viewport pixels; empty when the cell is scrolled out or outside the grid.
    QRect CellRect(int col, int row) const;
    // The cell under a viewport point, or (-1, -1).
    GridCell MouseCoord(QPoint point) const;

    // Opens or closes the in-place editor for the current cell (goEditing needed).
    bool EditorMode() const { return m_editorMode; }
    void SetEditorMode(bool on);
    TCellEditor *InplaceEditor() const { return m_editor; }

    // ---- what the styled grid adds ----
    TCellAlign Alignment() const { return m_attributes.Alignment(); }
    void SetAlignment(TCellAlign alignment);
    bool Editable() const { return m_attributes.Editable(); }
    void SetEditable(bool editable);
    QColor FixedColor() const { return m_attributes.FixedBrush().Color(); }
    void SetFixedColor(QColor color);
    bool ShowCellHints() const { return m_showCellHints; }
    void SetShowCellHints(bool on);
    QColor SelectedCellColor() const { return m_attributes.SelectedCellColor(); }
    void SetSelectedCellColor(QColor color);
    QColor SelectedFontColor() const { return m_attributes.SelectedFontColor(); }
    void SetSelectedFontColor(QColor color);
    bool AutoEditNextCell() const { return m_autoEditNextCell; }
    void SetAutoEditNextCell(bool on) { m_autoEditNextCell = on; }
    T_nextcell NextCellEdit() const { return m_nextCellEdit; }
    void SetNextCellEdit(T_nextcell direction) { m_nextCellEdit = direction; }
    T_nextcell NextCellTab() const { return m_nextCellTab; }
    void SetNextCellTab(T_nextcell direction) { m_nextCellTab = direction; }
    t_lastcell AfterLastCellEdit() const { return m_afterLastCellEdit; }
    void SetAfterLastCellEdit(t_lastcell rule) { m_afterLastCellEdit = rule; }
    t_lastcell AfterLastCellTab() const { return m_afterLastCellTab; }
    void SetAfterLastCellTab(t_lastcell rule) { m_afterLastCellTab = rule; }
    bool DrawSelection() const { return m_drawSelection; }
    void SetDrawSelection(bool on);

    // Background colour of a column's or row's non-fixed cells (fixed-cell and single-cell variants
    // alike): creates the brush from the grid's own brush when missing, changes only its colour.
    void SetColorCol(int col, QColor color);
    void SetColorRow(int row, QColor color);
    void SetColorFixedCol(int col, QColor color);
    void SetColorFixedRow(int row, QColor color);
    void SetColorCell(int col, int row, QColor color);

    // The effective attributes of a cell, and all the tables behind them; changes made through
    // Attributes() repaint the grid.
    TCellAlign CellAlignment(int col, int row) const;
    bool CellEditable(int col, int row) const;
    const TCellFont &CellFont(int col, int row) const;
    const TCellBrush &CellBrush(int col, int row) const;
    QColor CellBrushColor(int col, int row) const { return CellBrush(col, row).Color(); }
    QColor SelectedCellColorAt(int col, int row) const;
    QColor SelectedFontColorAt(int col, int row) const;
    QString CellHint(int col, int row) const;
    GridAttributes &Attributes() { return m_attributes; }
    const GridAttributes &Attributes() const { return m_attributes; }
    bool IsFixed(int col, int row) const { return col < FixedCols() || row < FixedRows(); }

    // One step of the next-cell walk; with lc_newcolrow past the end it inserts the new row or
    // column first. No value: no next cell.
    std::optional<GridCell> NextCell(T_nextcell direction, t_lastcell afterLast, int col, int row);

    // Insert an empty column or row at `at` (clamped to the first non-fixed one), keeping texts and
    // attribute tables aligned.
    void InsertCol(int at);
    void InsertRow(int at);
    // Move a column or row with its texts, size and attributes; moving to the same index does nothing.
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);

    // The persisted keys written to and read from a byte block of our own; loading replaces every
    // cell's text (missing ones become empty) and hides the editor. A malformed block raises
    // GridDescriptionError (GridPersistence.h): the tables keep what was read before the fault and the
    // texts stay as they were.
    QByteArray SaveKeys() const;
    void LoadKeys(const QByteArray &block);

    // Draws the cells intersecting `area` (viewport pixels) as the paint event does.
    void PaintCells(QPainter &painter, const QRect &area);

    // ---- notifications, each with the sender first ----
    std::function<void(QObject *sender, TClickCause cause)> OnClick;
    // A left double-click, with the cell under the pointer ((-1, -1) when it is off the cells).
    std::function<void(QObject *sender, int col, int row)> OnDblClick;
    std::function<void(QObject *sender, int col, int row, const QRect &rect, TGridDrawState state,
                       QPainter &painter)>
        OnDrawCell;
    std::function<void(QObject *sender, int col, int row)> OnBeforeEdit;
    std::function<void(QObject *sender, int col, int row)> OnAfterEdit;
    std::function<void(QObject *sender, int col, int row)> OnCancelEdit;
    std::function<void(QObject *sender)> OnColWidthsChanged;
    std::function<void(QObject *sender)> OnRowHeightsChanged;
    // A character typed on the grid that no editor took; clearing it consumes it.
    std::function<void(QObject *sender, QChar &key)> OnKeyPress;
    // Order two rows (by their texts in column colRow) or two columns (by their texts in row colRow).
    // Held for an owner that sorts; the grid never calls them itself. Default: the grid's own
    // comparison of the two texts.
    using TCompareFunction =
        std::function<t_relation(QObject *sender, int colRow, int compare1, int compare2)>;
    TCompareFunction OnCompareRow;
    TCompareFunction OnCompareCol;

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    QSize viewportSizeHint() const override; // all cells with their grid lines
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class MouseState { None, Selecting, ColSizing, RowSizing, ColMoving, RowMoving };

    GridExtent Extent() const;
    bool IsActiveControl() const;
    void Changed();
    void LayoutChanged();
    void UpdateScrollBars();
    void ResizeTexts();
    void ClampCurrent();
    void DrawCell(QPainter &painter, int col, int row, const QRect &rect, TGridDrawState state);
    void DrawStyledCell(QPainter &painter, int col, int row, const QRect &rect, TGridDrawState state);
    void DrawGridLines(QPainter &painter, int col, int row, const QRect &rect);
    void DrawFocusRect(QPainter &painter, const QRect &rect);

    // Moves the current cell; OnClick when `byKey` and the cell changed.
    void MoveCurrent(GridCell cell, bool moveAnchor, bool byKey);
    void ClampInView(GridCell cell);
    bool HandleNavigationKey(QKeyEvent *event);
    void HandleTabKey(bool backwards);
    void HandleCharacter(QChar character);
    void HandleMousePress(QMouseEvent *event);
    void HandleMouseRelease(QMouseEvent *event);
    // The drag a press in the fixed area at `pos` starts, with the column or row it acts on.
    std::pair<MouseState, int> DragAt(QPoint pos) const;
    void HandleToolTip(QHelpEvent *event);

    // The in-place editor (see TCellEditor).
    void ConnectEditor();
    bool StandardCanEditShow() const;
    void UpdateEdit();
    void HideEdit();
    void PlaceEditor();
    void QueueAfterEdit(GridCell cell);
    void QueueCancelEdit(GridCell cell);
    void HandleAfterEdit(GridCell cell);
    void EditorReturn(); // Enter (and Escape) in the editor
    void EditNextCell(GridCell cell);
    void EditorTextChanged(const QString &text);
    void FocusLeaving(QFocusEvent *event);
    void RestoreEditor();

    GridAttributes m_attributes;
    GridAxis m_cols;
    GridAxis m_rows;
    std::vector<std::vector<QString>> m_texts; // [col][row]
    std::vector<bool> m_tabStops;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    GridCell m_current;
    GridCell m_anchor;
    TGridOptions m_options;
    bool m_defaultDrawing = true;
    TScrollStyle m_scrollBars = ssBoth;
    TBorderStyle m_borderStyle = bsSingle;

    bool m_showCellHints = true;
    bool m_autoEditNextCell = false;
    T_nextcell m_nextCellEdit = nc_rightdown;
    T_nextcell m_nextCellTab = nc_rightdown;
    t_lastcell m_afterLastCellEdit = lc_newcolrow;
    t_lastcell m_afterLastCellTab = lc_first;
    bool m_drawSelection = true;
    GridCell m_hintCell;

    TCellEditor *m_editor = nullptr;
    bool m_editorMode = false;
    bool m_editing = false;     // OnBeforeEdit ran and the edit has not ended yet
    bool m_editOpen = false;    // the editor's current edit has no after-edit notice queued yet
    bool m_editorSaved = false; // caret and selection saved when the focus left
    int m_savedCaret = 0;
    int m_savedSelectionLength = 0;

    MouseState m_mouseState = MouseState::None;
    int m_mouseIndex = -1;  // the column or row being sized or moved
    int m_sizingOrigin = 0; // mouse position minus the size, while sizing
};
