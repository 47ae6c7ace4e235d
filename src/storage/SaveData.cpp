// SaveData: writing an open drawing.
#include "storage/SaveData.h"

namespace lintavo {

bool SaveDrawing(Long index) {
  (void)index;
  return false;
}

}  // namespace lintavo
