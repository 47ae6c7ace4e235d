// frmDwgOptions: the window's entry point; the window itself is not built yet.
#include "app/frmDwgOptions.h"

namespace lintavo {

void ShowDwgOptions() {}

}  // namespace lintavo
