// frmPreview: the window's entry point; the window itself is not built yet.
#include "view/frmPreview.h"

namespace lintavo {

void ShowPreview(const String&) {}

}  // namespace lintavo
