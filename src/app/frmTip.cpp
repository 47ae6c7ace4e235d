// frmTip: the window's entry point; the window itself is not built yet.
#include "app/frmTip.h"

namespace lintavo {

void ShowTip() {}

}  // namespace lintavo
