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
