// frmLayerMgr: the layer manager: edits the layer-name library by category
// (the names available and those used in the drawing). Shown modally from
// the Options menu.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowLayerMgr();

}  // namespace lintavo
