// frmCompEdit: the window's entry point; the window itself is not built yet.
#include "organisation/frmCompEdit.h"

namespace lintavo {

void ShowCompEdit() {}

}  // namespace lintavo
