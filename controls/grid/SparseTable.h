#pragma once

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

// A growable list indexed by column or row number whose entries are absent or hold a value.
// Reads outside the list (negative or past the end) give an absent entry; writes past the end
// extend the list with absent entries. The list owns its values.
template <class T> class SparseList {
public:
    const T *At(int index) const
    {
        if (index < 0 || index >= Length() || !m_entries[index])
            return nullptr;
        return &*m_entries[index];
    }
    T *At(int index) { return const_cast<T *>(std::as_const(*this).At(index)); }

    // Stores the value, extending the list when needed; a negative index raises std::out_of_range.
    T &Set(int index, T value)
    {
        if (index < 0)
            throw std::out_of_range("Grid table index out of range");
        Extend(index);
        return *(m_entries[index] = std::move(value));
    }

    // The entry at index, created by make() first when absent.
    template <class Make> T &GetOrCreate(int index, Make &&make)
    {
        if (T *present = At(index))
            return *present;
        return Set(index, make());
    }

    // Shifts the entries from `at` one place up, leaving an absent entry at `at`.
    void InsertAbsent(int at)
    {
        if (at >= 0 && at < Length())
            m_entries.insert(m_entries.begin() + at, std::nullopt);
    }

    // Moves the entry at `from` to `to`, shifting those between like a list move does.
    void Move(int from, int to)
    {
        if (from == to || from < 0 || to < 0)
            return;
        Extend(std::max(from, to));
        auto entry = std::move(m_entries[from]);
        m_entries.erase(m_entries.begin() + from);
        m_entries.insert(m_entries.begin() + to, std::move(entry));
    }

    int Length() const { return static_cast<int>(m_entries.size()); }

    template <class Visit> void ForEachPresent(Visit &&visit) const
    {
        for (int index = 0; index < Length(); ++index)
            if (m_entries[index])
                visit(index, *m_entries[index]);
    }
    template <class Visit> void ForEachPresent(Visit &&visit)
    {
        for (int index = 0; index < Length(); ++index)
            if (m_entries[index])
                visit(index, *m_entries[index]);
    }

private:
    void Extend(int index)
    {
        if (index >= Length())
            m_entries.resize(static_cast<size_t>(index) + 1);
    }

    std::vector<std::optional<T>> m_entries;
};

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
