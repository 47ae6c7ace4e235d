// frmAbout: the About box: the program's name, version, description
// and disclaimer. Shown modally from the Help menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowAbout();

}  // namespace lintavo
