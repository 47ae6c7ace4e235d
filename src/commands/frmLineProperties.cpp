// frmLineProperties: the properties dialog of a selected entity.
#include "commands/frmLineProperties.h"

namespace lintavo {

void ShowLineProperties() {}

}  // namespace lintavo
