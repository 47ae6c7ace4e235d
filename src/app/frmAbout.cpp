// frmAbout: the window's entry point; the window itself is not built yet.
#include "app/frmAbout.h"

namespace lintavo {

void ShowAbout() {}

}  // namespace lintavo
