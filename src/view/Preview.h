// Preview: drawing a drawing stored in a drawings database straight from its
// rows, without loading it into the model: the drawing chooser's preview.
// Nothing is added to the model tables, and no component, glyph or named
// item is looked up, so only the plain geometry (types 1 to 11) shows.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Draws every Lines row of drawing DrawingKey of OpenDbPath that is not
// erased, with its Points rows, through FastDrawLoadedObject on ActiveDoc;
// the caller has set OpenDbPath, ActiveDoc and the view cache. Hidden rows
// are drawn too; rows of the compound types draw nothing. A damaged row (a
// damaged value, missing points, a type outside 1 to 16) is reported once
// and skipped, and the rows after it are still drawn. A drawing without
// rows draws nothing. Database errors show in a box titled "Preview Lines";
// what was drawn before stays.
void PreviewStoredDrawing(const DbKey& DrawingKey);

}  // namespace lintavo
