// frmBrowser: a small web-page window with an address box and a tool bar.
// The Help menu shows one, not modally, at the program's home page.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Shows a new window at StartingAddress and returns at once. The window is
// not built yet: nothing is shown.
void ShowBrowser(const String& StartingAddress);

}  // namespace lintavo
