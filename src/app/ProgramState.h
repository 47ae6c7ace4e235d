// ProgramState: puts the program's global state back to how it is at start.
//
// Every module that keeps global state has one reset routine, and
// ResetProgramState calls each of them; a module that adds state adds its
// reset call here. The tests call it before and after every test, so no test
// sees what another left behind. Overrides that a test sets on purpose (the
// application folder, the settings scope, the prompt responder) are not
// state of the program and are left to whoever set them.
#pragma once

namespace lintavo {

void ResetProgramState();

}  // namespace lintavo
