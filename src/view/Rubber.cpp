// Rubber: rubber-band previews.
#include "view/Rubber.h"

namespace lintavo {

Integer RubberBusy = 0;

void EraseRubber() { RubberBusy = 0; }

void ResetRubber() { RubberBusy = 0; }

}  // namespace lintavo
