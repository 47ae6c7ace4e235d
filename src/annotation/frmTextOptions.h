// frmTextOptions: the text options dialog: font, layer, style and size of
// new text, and their named option sets. Shown modally from the Options menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowTextOptions();

}  // namespace lintavo
