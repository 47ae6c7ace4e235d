// Snaps: the Snap To constructions that place points on computed positions.
#include "picking/Snaps.h"

namespace lintavo {

Integer SnapCommand = 0;
Integer SnapActive = 0;

void ResetSnaps() {
  SnapCommand = 0;
  SnapActive = 0;
}

}  // namespace lintavo
