// frmIntro: the window's entry point; the window itself is not built yet.
#include "app/frmIntro.h"

namespace lintavo {

void ShowIntro() {}

}  // namespace lintavo
