// Snaps: the Snap To constructions that place points on computed positions.
#include "picking/Snaps.h"

namespace lintavo {

Integer SnapCommand = 0;
Integer SnapActive = 0;
Integer GridSnap = 0;
Single SnapTolerance = 0;

void ResetSnaps() {
  SnapCommand = 0;
  SnapActive = 0;
  GridSnap = 0;
  SnapTolerance = 0;
}

}  // namespace lintavo
