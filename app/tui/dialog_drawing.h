// A dialog drawn in character cells from its compiled template: the controls where the
// template puts them, three dialog units to a column and eight to a row, so that a dialog
// keeps its proportions in a terminal's tall cells.
#pragma once

#include "app/tui/canvas.h"
#include "app/tui/view_model.h"

namespace app::tui {

constexpr int kDialogUnitsPerColumn = 3;
constexpr int kDialogUnitsPerRow = 8;

struct CellRect {
    int top = 0, left = 0, rows = 0, cols = 0;
};

// A control's rectangle in cells, from the client area's corner; at least one cell.
CellRect controlCells(const ControlState& control);

// The dialog in its window frame, whose top edge holds the caption (and "[x]" for a close
// button); as large as the client area plus the frame.
Canvas drawDialog(const DialogState& dialog);

}  // namespace app::tui
