// frmMgmtOptions: the window's entry point; the window itself is not built yet.
#include "app/frmMgmtOptions.h"

namespace lintavo {

void ShowMgmtOptions() {}

}  // namespace lintavo
