// MessageBar: how the commands talk to the user: the message bar's three
// panels (1 the command title in capitals, 2 the prompt, 3 results and
// errors, which is also the keyboard entry box).
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Writes Text into message-bar panel 1 to 3 when the bar is visible.
void ShowStatus(const String& Text, Integer Panel);
// Empties panels 1 to 3 and gives them the normal colour.
void ClearPrompts();

}  // namespace lintavo
