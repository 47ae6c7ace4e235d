// frmDwgOptions: the drawing options dialog: snaps, line and trim
// options, sheet size and database paths, and their named option sets.
// Shown modally from the Options menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowDwgOptions();

}  // namespace lintavo
