// Zooms: the view cache, zoom and pan commands.
#include "view/Zooms.h"

namespace lintavo {

Integer ZoomCommand = 0;
Integer ZoomActive = 0;
Integer ExtentsChanged = 0;

void ResetZooms() {
  ZoomCommand = 0;
  ZoomActive = 0;
  ExtentsChanged = 0;
}

}  // namespace lintavo
