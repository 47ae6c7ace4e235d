// WindowPlace: where a new top-level window of the program opens. A window
// that belongs to another (the help and web page windows belong to the main
// window) opens centred over its owner and inside the owner's screen, not
// wherever the window manager puts a window without a place (often the
// screen's top-left corner).
#pragma once

class QWidget;

namespace lintavo {

// Moves window, whose size is set, to be centred over its parent widget's
// window and inside that screen's free area; a window without a parent is
// left where it is.
void CentreOverOwner(QWidget& window);

}  // namespace lintavo
