// frmDispOptions: the display options dialog: bars, read-outs, point
// marks, cursors, grid, rulers and colours, and their named option sets.
// Shown modally from the Options menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowDispOptions();

}  // namespace lintavo
