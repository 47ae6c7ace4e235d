// frmMgmtOptions: the management dialog: which named option set of each
// type a management profile applies. Shown modally from the Options menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowMgmtOptions();

}  // namespace lintavo
