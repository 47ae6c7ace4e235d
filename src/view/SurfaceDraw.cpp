// SurfaceDraw: surface primitives and world-to-screen drawing.
#include "view/SurfaceDraw.h"

namespace lintavo {

void DrawConPntMark(Double X, Double Y) {
  // Marks need the view transform of the drawing window, which is set up
  // by the view module; until a view exists there is nothing to mark on.
  (void)X;
  (void)Y;
}

}  // namespace lintavo
