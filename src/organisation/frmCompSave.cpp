// frmCompSave: the window's entry point; the window itself is not built yet.
#include "organisation/frmCompSave.h"

namespace lintavo {

void ShowCompSave() {}

}  // namespace lintavo
