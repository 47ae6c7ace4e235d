// frmLayerMgr: the window's entry point; the window itself is not built yet.
#include "organisation/frmLayerMgr.h"

namespace lintavo {

void ShowLayerMgr() {}

}  // namespace lintavo
