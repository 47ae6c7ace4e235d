// DrawDispatch: drawing one entity on the current surface.
#include "app/DrawDispatch.h"

namespace lintavo {

Integer EraseDraw = 0;

void DrawObject(Long ObjNo) {
  (void)ObjNo;  // the entity drawers are not built yet: nothing is painted
}

void ResetDrawDispatch() { EraseDraw = 0; }

}  // namespace lintavo
