// Outline: the transform outline preview.
#include "view/Outline.h"

namespace lintavo {

Integer OutlineOn = 0;

void ResetOutline() { OutlineOn = 0; }

}  // namespace lintavo
