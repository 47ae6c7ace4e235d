// Components: components: definitions, placements and their commands.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer ComponentCommand;  // sub-command chosen by the menus and tool bars
extern Integer ComponentActive;  // flag: the module's dispatcher has taken the current command

// ---- Component being edited ----------------------------------------------------
extern String ComponentName;  // name of the current component; the edit dialog leaves in it
                              //   the name the component had before the edit

void ResetComponents();  // the module's globals to their start values

}  // namespace lintavo
