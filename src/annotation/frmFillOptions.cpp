// frmFillOptions: the window's entry point; the window itself is not built yet.
#include "annotation/frmFillOptions.h"

namespace lintavo {

void ShowFillOptions() {}

}  // namespace lintavo
