#pragma once

#include <Qt>

// Horizontal alignment of a control's text.
enum class TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// The Qt flag of the same placement: AlignLeft, AlignRight or AlignHCenter.
constexpr Qt::Alignment QtAlignment(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return Qt::AlignLeft;
    case TAlignment::taRightJustify:
        return Qt::AlignRight;
    case TAlignment::taCenter:
        break;
    }
    return Qt::AlignHCenter;
}

// The x that a line of that alignment is anchored at on the span from left to right: its left end
// at left, its right end at right, its middle at the span's middle (rounded toward left).
constexpr int AnchorX(TAlignment alignment, int left, int right)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return left;
    case TAlignment::taRightJustify:
        return right;
    case TAlignment::taCenter:
        break;
    }
    return left + (right - left) / 2;
}
