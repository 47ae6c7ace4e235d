// LoadData: reading a stored drawing.
#include "storage/LoadData.h"

namespace lintavo {

bool LoadDrawing() { return false; }

}  // namespace lintavo
