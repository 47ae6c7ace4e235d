// frmDimOptions: the window's entry point; the window itself is not built yet.
#include "annotation/frmDimOptions.h"

namespace lintavo {

void ShowDimOptions() {}

}  // namespace lintavo
