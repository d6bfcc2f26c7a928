#pragma once

#include "controls/grid/SparseList.h"

#include <stdexcept>
#include <utility>

// A per-cell table: an outer list indexed by column whose entries are lists indexed by row.
template <class T> class SparseCellTable {
public:
    const T *At(int col, int row) const
    {
        const SparseList<T> *column = m_columns.At(col);
        return column ? column->At(row) : nullptr;
    }
    T *At(int col, int row) { return const_cast<T *>(std::as_const(*this).At(col, row)); }

    // Negative coordinates raise std::out_of_range.
    T &Set(int col, int row, T value)
    {
        if (row < 0)
            throw std::out_of_range("Grid table index out of range");
        return Column(col).Set(row, std::move(value));
    }

    template <class Make> T &GetOrCreate(int col, int row, Make &&make)
    {
        if (T *present = At(col, row))
            return *present;
        return Set(col, row, make());
    }

    // Column insertions and moves act on the outer list, row ones on every inner list.
    void InsertAbsentCol(int at) { m_columns.InsertAbsent(at); }
    void InsertAbsentRow(int at)
    {
        m_columns.ForEachPresent([at](int, SparseList<T> &column) { column.InsertAbsent(at); });
    }
    void MoveCol(int from, int to) { m_columns.Move(from, to); }
    void MoveRow(int from, int to)
    {
        m_columns.ForEachPresent([from, to](int, SparseList<T> &column) { column.Move(from, to); });
    }

    // Visits present entries column by column, rows ascending inside each column.
    template <class Visit> void ForEachPresent(Visit &&visit) const
    {
        m_columns.ForEachPresent([&visit](int col, const SparseList<T> &column) {
            column.ForEachPresent([&visit, col](int row, const T &value) { visit(col, row, value); });
        });
    }

private:
    SparseList<T> &Column(int col)
    {
        return m_columns.GetOrCreate(col, [] { return SparseList<T>(); });
    }

    SparseList<SparseList<T>> m_columns;
};
