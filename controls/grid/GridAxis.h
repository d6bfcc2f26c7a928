#pragma once

#include <vector>

// The geometry of one direction of a grid (columns or rows), in pixels: the sizes of the lines,
// how many lead as fixed lines, the first scrolled line shown after them and the width of the
// grid line drawn after every line. Fixed lines always show; scrolled ones follow them from First.
class GridAxis {
public:
    int Count() const { return static_cast<int>(m_sizes.size()); }
    // New lines take defaultSize; First and Fixed are kept inside the new count.
    void SetCount(int count, int defaultSize);
    int Size(int index) const { return index >= 0 && index < Count() ? m_sizes[index] : 0; }
    void SetSize(int index, int size);
    void SetAllSizes(int size);
    // Moves a line's size like a list move.
    void Move(int from, int to);

    int Fixed() const { return m_fixed; }
    void SetFixed(int fixed);
    int First() const { return m_first; }
    void SetFirst(int first);
    int LineWidth() const { return m_lineWidth; }
    void SetLineWidth(int width) { m_lineWidth = width; }

    // Pixel start of a line, or -1 when it is scrolled out before First.
    int Start(int index) const;
    // The line under a pixel position, or -1 (on no line, or past the last one).
    int IndexAt(int pos) const;
    // Pixels taken by the fixed lines with their grid lines.
    int FixedExtent() const;
    // Pixels taken by all lines: the size the grid needs to show everything.
    int TotalExtent() const;
    // The last line that shows at least partly in `extent` pixels.
    int LastVisible(int extent) const;
    // How many scrolled lines fit entirely from First (at least 1).
    int FullyVisibleCount(int extent) const;
    // The greatest First that still shows the last line entirely.
    int MaxFirst(int extent) const;

private:
    std::vector<int> m_sizes;
    int m_fixed = 0;
    int m_first = 0;
    int m_lineWidth = 1;
};
