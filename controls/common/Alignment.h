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
