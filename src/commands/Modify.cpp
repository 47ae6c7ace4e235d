// Modify: the modify commands: move a point, break objects.
#include "commands/Modify.h"

namespace lintavo {

Integer ModifyCommand = 0;
Integer ModifyActive = 0;
Long PickedPntIndex = 0;

void ResetModify() {
  ModifyCommand = 0;
  ModifyActive = 0;
  PickedPntIndex = 0;
}

}  // namespace lintavo
