// frmDispOptions: the window's entry point; the window itself is not built yet.
#include "view/frmDispOptions.h"

namespace lintavo {

void ShowDispOptions() {}

}  // namespace lintavo
