#include "controls/grid/GridAxis.h"

#include <algorithm>

void GridAxis::SetCount(int count, int defaultSize)
{
    m_sizes.resize(static_cast<size_t>(std::max(count, 0)), defaultSize);
    m_fixed = std::min(m_fixed, Count());
    m_first = std::clamp(m_first, m_fixed, std::max(m_fixed, Count() - 1));
}

void GridAxis::SetSize(int index, int size)
{
    if (index >= 0 && index < Count())
        m_sizes[index] = std::max(size, 0);
}

void GridAxis::SetAllSizes(int size)
{
    std::fill(m_sizes.begin(), m_sizes.end(), std::max(size, 0));
}

void GridAxis::Move(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= Count() || to >= Count())
        return;
    const int size = m_sizes[from];
    m_sizes.erase(m_sizes.begin() + from);
    m_sizes.insert(m_sizes.begin() + to, size);
}

void GridAxis::SetFixed(int fixed)
{
    m_fixed = std::clamp(fixed, 0, Count());
    m_first = std::max(m_first, m_fixed);
}

void GridAxis::SetFirst(int first)
{
    m_first = std::clamp(first, m_fixed, std::max(m_fixed, Count() - 1));
}

int GridAxis::Start(int index) const
{
    if (index < 0 || index >= Count() || (index >= m_fixed && index < m_first))
        return -1;
    int pos = 0;
    for (int i = 0; i < index; ++i)
        if (i < m_fixed || i >= m_first)
            pos += m_sizes[i] + m_lineWidth;
    return pos;
}

int GridAxis::IndexAt(int pos) const
{
    if (pos < 0)
        return -1;
    int start = 0;
    for (int i = 0; i < Count(); ++i) {
        if (i >= m_fixed && i < m_first)
            continue;
        const int end = start + m_sizes[i] + m_lineWidth;
        if (pos < end)
            return i;
        start = end;
    }
    return -1;
}

int GridAxis::FixedExtent() const
{
    int extent = 0;
    for (int i = 0; i < m_fixed; ++i)
        extent += m_sizes[i] + m_lineWidth;
    return extent;
}

int GridAxis::TotalExtent() const
{
    int extent = 0;
    for (int size : m_sizes)
        extent += size + m_lineWidth;
    return extent;
}

int GridAxis::LastVisible(int extent) const
{
    int last = -1;
    for (int i = 0; i < Count(); ++i) {
        const int start = Start(i);
        if (start < 0)
            continue;
        if (start >= extent)
            break;
        last = i;
    }
    return last;
}

int GridAxis::FullyVisibleCount(int extent) const
{
    int pos = FixedExtent();
    int count = 0;
    for (int i = m_first; i < Count(); ++i) {
        pos += m_sizes[i];
        if (pos > extent)
            break;
        pos += m_lineWidth;
        ++count;
    }
    return std::max(count, 1);
}

int GridAxis::MaxFirst(int extent) const
{
    const int room = extent - FixedExtent();
    int first = Count() - 1;
    int used = 0;
    for (int i = Count() - 1; i >= m_fixed; --i) {
        used += m_sizes[i];
        if (used > room)
            break;
        first = i;
        used += m_lineWidth;
    }
    return std::max(first, m_fixed);
}
