// frmDwgProperties: the window's entry point; the window itself is not built yet.
#include "storage/frmDwgProperties.h"

namespace lintavo {

void ShowDwgProperties() {}

}  // namespace lintavo
