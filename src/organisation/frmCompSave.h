// frmCompSave: lists the loaded components, lets the user choose some and
// a component database, and saves the chosen components into it. Shown by
// File, Save Component.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowCompSave();

}  // namespace lintavo
