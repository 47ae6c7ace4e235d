// FastDraw: the renderer of simple entities (types 1 to 11) whose
// visibility the caller has already decided: the members of components and
// dimensions under their placement, and the strokes of glyphs. It makes no
// layer or extents decisions.
//
// For now the entities go through the main drawers, with the pen rules of
// members: after the erase and selection rules, a glyph stroke takes the
// character's colour (GlyphColorOn) and a component member the component's
// (MemberColorOn).
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Draws entity ObjNo of Objs; nothing (not even the width reset) when its
// Show is 0.
void FastDrawObject(Long ObjNo);

}  // namespace lintavo
