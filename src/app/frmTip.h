// frmTip: the tip of the day, one tip per line of "TIPOFDAY.TXT" in the
// application folder, with the choice whether to show tips at start-up.
// Shown modally at start-up and from the Help menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowTip();

}  // namespace lintavo
