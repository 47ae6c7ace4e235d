// frmIntro: the introduction text "introQZX.rtf" of the application folder,
// with the choice whether to show it at start-up. Shown modally at start-up
// and from the Help menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowIntro();

}  // namespace lintavo
