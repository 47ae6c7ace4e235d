// frmCompEdit: the component editor: replaces a placed component by another
// or edits its fields. Shown modally by Edit, Component, Edit.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowCompEdit();

}  // namespace lintavo
