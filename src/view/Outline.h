// Outline: the ghost of the selection that follows the cursor while a move,
// copy, paste, placement, rotate or mirror waits for its second point.
//
// The ghost is no separate picture: the selected entities' own points are
// moved by the pending transform and drawn with the not-XOR pen; on the next
// mouse move they are drawn again at the same place, which removes them, and
// put back before the new transform is applied. The preview records which
// entities it moved and their original points in double precision and puts
// back exactly those, so ending a preview leaves every point bit for bit as
// it was, and a rotation shown at many angles never drifts: each position is
// computed from the original points.
//
// Nothing may read or save the points while a ghost is shown. Esc, a change
// of tool and a save end the preview (ServicesAbove.EndOutline, which also
// takes the ghost off the surface), and a full redraw puts the points back
// before it draws, so the picture is always the model's own.
//
// The ghost entities: what the command will act on. For Paste
// (OutlineOfClipboard) the entities on the internal clipboard that its
// click places (ForEachOnClipboard), of any drawing; for every other command
// the entities drawn selected in the current drawing (IsDrawnSelected).
// A selection of up to GhostEntityLimit entities is shown whole; a larger
// one is thinned to every k-th of them in table order, k the smallest step
// that keeps the ghost within the limit, so that a mouse move costs the same
// on a million selected entities as on a few thousand. Only the entities
// shown are moved and put back.
//
// Sections:
//   Preview state
//   Starting, moving and ending
//   Reset
#pragma once

#include <array>

#include "platform/Types.h"

namespace lintavo {

// ---- Preview state -----------------------------------------------------------------
extern Integer OutlineOn;       // flag: the mouse-move handler draws the ghost; set by the commands
extern Integer OutlineEnabled;  // flag: the user's option to show the ghost (set at start-up)
extern Integer OutlineShown;    // flag: a ghost is on the surface and the entities' points are moved
extern Integer OutlineRotateByMouse;  // flag: the ghost turns about the base point toward the mouse
extern Integer OutlineMirrorByMouse;  // flag: the ghost is mirrored, its base point on the mouse
extern Integer OutlineValid;    // flag: set by SetOutlineTransform, cleared when a ghost is drawn
// flag: the ghost is the clipboard's entities, not the selection; set by
// Paste after SetOutlineTransform, which clears it
extern Integer OutlineOfClipboard;
extern Double OutlineBaseX, OutlineBaseY;      // base point, world units
extern Double OutlineOffsetX, OutlineOffsetY;  // translation of the transform, world units
extern Double OutlineMouseX, OutlineMouseY;    // last mouse point, world units
extern Single OutlineScaleX, OutlineScaleY;    // scales (1 for every command)
extern Single OutlineAngle;      // total turn of the ghost, radians, rounded to 3 decimals
extern Single OutlineAngleDeg;   // OutlineAngle in degrees
extern Single OutlineAngleStep;  // turn since the ghost shown before, radians
// cos, sin, m00 = sx cos, m10 = sx sin, m11 = sy cos, m01 = -sy sin, of the
// angle the ghost's matrix turns by (the total turn in rotate mode).
extern std::array<Single, 6> OutlineMatrix;

// The most entities a ghost shows; a larger selection is thinned.
constexpr Long GhostEntityLimit = 2000;

// Angle codes of SetOutlineTransform.
constexpr Single OutlineRotateCode = -1;  // the ghost turns with the mouse
constexpr Single OutlineMirrorCode = -2;  // the ghost mirrors toward the mouse

// ---- Starting, moving and ending ------------------------------------------------------
// Stores the transform at the base point (X, Y); Angle -1 chooses rotate
// mode and -2 mirror mode (Angle is then 0 for the caller); any other
// angle is radians. A ghost still shown is ended first. Returns 0.
Integer SetOutlineTransform(Double X, Double Y, Single ScaleX, Single ScaleY, Single& Angle);
// Removes the ghost shown and draws it for the mouse point (X, Y world units).
void DrawOutlinePreview(Double X, Double Y);
// Puts the moved points back exactly; the ghost's pixels stay (the caller
// redraws, or removes them first with RedrawSelectionOutline).
void EndOutlinePreview();
// Takes the ghost off the surface it was drawn on, then puts the points back.
void RedrawSelectionOutline();
// OutlineMatrix from the angle and the scales; OutlineAngleDeg from OutlineAngle.
void SetOutlineMatrix(Single Angle);
// Mirror mode: the transform for the mouse point; panel 3 "Angle = 0" or "Angle = 180".
void SetMirrorTransform();

void ResetOutline();  // the module's globals to their start values

}  // namespace lintavo
