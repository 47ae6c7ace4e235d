// frmDimOptions: the dimension options dialog and its named option sets.
// Shown modally from the Options menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowDimOptions();

}  // namespace lintavo
