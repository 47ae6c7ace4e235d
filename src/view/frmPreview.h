// frmPreview: the print preview: the current drawing as it will be framed
// on paper, the choice of printer, and printing to scale or as a page image.
// Shown modally by File, Print Preview with the caption it is given.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Shows the window and returns when it closes. The window is not built yet:
// nothing is shown.
void ShowPreview(const String& Caption);

}  // namespace lintavo
