// Components: components: definitions, placements and their commands.
#include "organisation/Components.h"

namespace lintavo {

Integer ComponentCommand = 0;
Integer ComponentActive = 0;
String ComponentName;

void ResetComponents() {
  ComponentCommand = 0;
  ComponentActive = 0;
  ComponentName.clear();
}

}  // namespace lintavo
