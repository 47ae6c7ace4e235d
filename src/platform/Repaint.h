// Repaint: letting the windows paint while the program works inside a
// handler (a drawing being opened or saved), without taking user input.
//
// A click or key that arrives meanwhile stays queued and is handled after
// the work, when the handler has returned: it can never start a command in
// the middle of an open or a save.
#pragma once

namespace lintavo {

// Delivers the pending paint, timer and window events; user input waits.
void RepaintWithoutInput();

}  // namespace lintavo
