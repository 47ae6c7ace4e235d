// Outline: the transform outline preview.
#include "view/Outline.h"

namespace lintavo {

Integer OutlineOn = 0;
Integer OutlineEnabled = 0;

void DrawOutlinePreview(Double, Double) {}

void ResetOutline() {
  OutlineOn = 0;
  OutlineEnabled = 0;
}

}  // namespace lintavo
