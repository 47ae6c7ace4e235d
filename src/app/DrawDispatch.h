// DrawDispatch: the one entry through which an entity of the model is put on
// the current drawing surface (ActiveDoc), and the flags that change how.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Drawing flags ---------------------------------------------------------------
extern Integer EraseDraw;  // flag: DrawObject paints in the background colour, wiping the entity

// ---- Drawing -----------------------------------------------------------------------
void DrawObject(Long ObjNo);  // draws one entity of Objs with its own pen

void ResetDrawDispatch();  // the module's globals to their start values

}  // namespace lintavo
