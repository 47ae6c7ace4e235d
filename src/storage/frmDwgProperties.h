// frmDwgProperties: shows the active drawing's record (counts, extents,
// database) and edits its revision, type, category, part number,
// description, author and sheet limits. Shown modally by File, Properties.
#pragma once

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowDwgProperties();

}  // namespace lintavo
