// frmTextOptions: the window's entry point; the window itself is not built yet.
#include "annotation/frmTextOptions.h"

namespace lintavo {

void ShowTextOptions() {}

}  // namespace lintavo
