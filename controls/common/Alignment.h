#pragma once

// Horizontal alignment of a control's text: the entry field's and the report labels'.
enum class TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
