#include "controls/common/Bevel.h"
#include "controls/common/FailureGuard.h"
#include "controls/grid/CellTextLayout.h"
#include "controls/grid/StyledGrid.h"
#include "design/ColorNames.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int FocusFrameWidth = 2; // pixels
} // namespace

void TStyledGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    RunGuarded([&] { PaintCells(painter, event->rect()); });
}

void TStyledGrid::PaintCells(QPainter &painter, const QRect &area)
{
    const int lastCol = m_cols.LastVisible(viewport()->width());
    const int lastRow = m_rows.LastVisible(viewport()->height());
    const bool focused = IsActiveControl();
    const TGridRect selection = Selection();
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 0; col <= lastCol; ++col) {
            const QRect rect = CellRect(col, row);
            if (rect.isNull() || !rect.adjusted(0, 0, 1, 1).intersects(area))
                continue;
            TGridDrawState state;
            if (IsFixed(col, row))
                state |= gdFixed;
            else if (selection.Contains(col, row))
                state |= gdSelected;
            if (focused && m_current == GridCell{col, row})
                state |= gdFocused;
            painter.setClipRect(rect);
            DrawCell(painter, col, row, rect, state);
            painter.setClipping(false);
            DrawGridLines(painter, col, row, rect);
        }
    }
    // What lies beyond the last column and row shows the grid's background.
    const int right = lastCol >= 0 ? m_cols.Start(lastCol) + ColWidths(lastCol) + m_cols.LineWidth() : 0;
    const int bottom = lastRow >= 0 ? m_rows.Start(lastRow) + RowHeights(lastRow) + m_rows.LineWidth() : 0;
    painter.fillRect(QRect(right, 0, viewport()->width() - right, viewport()->height()), Color());
    painter.fillRect(QRect(0, bottom, right, viewport()->height() - bottom), Color());

    const bool editorOwnsFocus = m_options.testFlag(goEditing) && m_options.testFlag(goAlwaysShowEditor);
    if (m_defaultDrawing && focused && !m_options.testFlag(goRowSelect) && !editorOwnsFocus)
        DrawFocusRect(painter, CellRect(m_current.Col, m_current.Row));
}

void TStyledGrid::DrawCell(QPainter &painter, int col, int row, const QRect &rect, TGridDrawState state)
{
    if (m_defaultDrawing)
        DrawStyledCell(painter, col, row, rect, state);
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state, painter);
}

void TStyledGrid::DrawStyledCell(QPainter &painter, int col, int row, const QRect &rect, TGridDrawState state)
{
    const TCellFont &font = CellFont(col, row);
    QBrush brush = CellBrush(col, row).Brush();
    QColor fontColor = font.Color();
    const bool showSelected = !state.testFlag(gdFocused) || (m_options & (goDrawFocusSelected | goRowSelect));
    if (m_drawSelection && state.testFlag(gdSelected) && showSelected) {
        brush.setColor(SelectedCellColorAt(col, row));
        fontColor = SelectedFontColorAt(col, row);
    }
    painter.fillRect(rect, brush);

    const QString text = Cells(col, row);
    if (!text.isEmpty()) {
        // Setting an equal font again would make Qt look its glyph engine up once more.
        if (painter.font() != font.Font())
            painter.setFont(font.Font());
        painter.setPen(fontColor);
        const QFontMetrics metrics = painter.fontMetrics();
        const auto measure = [&metrics](const QString &line) {
            return QSize(metrics.horizontalAdvance(line), metrics.height());
        };
        for (const CellTextLine &line : LayoutCellText(text, rect, CellAlignment(col, row), measure))
            if (!line.Text.isEmpty())
                painter.drawText(line.X, line.Y + metrics.ascent(), line.Text);
    }

    // Fixed cells stand out with a raised inner edge when the grid has its 3-D border.
    if (state.testFlag(gdFixed) && m_borderStyle == bsSingle) {
        DrawClassicBevel(painter, rect, true);
    }
}

// The grid lines right of and below a cell, one pixel wide (filled rectangles draw fastest).
void TStyledGrid::DrawGridLines(QPainter &painter, int col, int row, const QRect &rect)
{
    const bool fixed = IsFixed(col, row);
    const QColor color = fixed ? clBlack : (Color() == clSilver ? clGray : clSilver);
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();
    if (m_options.testFlag(fixed ? goFixedVertLine : goVertLine) && m_cols.LineWidth() > 0)
        painter.fillRect(QRect(right, rect.y(), 1, rect.height() + m_rows.LineWidth()), color);
    if (m_options.testFlag(fixed ? goFixedHorzLine : goHorzLine) && m_rows.LineWidth() > 0)
        painter.fillRect(QRect(rect.x(), bottom, rect.width(), 1), color);
}

// A solid frame two pixels wide inside the cell, in the text colour of the grid's palette: clear on
// any cell colour, where a dotted one-pixel line vanished on yellow.
void TStyledGrid::DrawFocusRect(QPainter &painter, const QRect &rect)
{
    if (rect.isNull())
        return;
    painter.save();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    for (int inset = 0; inset < FocusFrameWidth; ++inset)
        painter.drawRect(rect.adjusted(inset, inset, -1 - inset, -1 - inset));
    painter.restore();
}
