// EditTransforms: the geometric edit commands of tool 11. Rotate and
// Rescale change the selection in place; Mirror, Radial Copy and Path Copy
// append transformed copies and leave the selection as it is. They run
// under the dispatcher and frame of Edits and apply the transform of Adjust.
//
// Dimensions, fills and hatches are never copied (CopyObjOffset appends
// nothing for them), so the copying commands pass over them: only copies
// that were appended are transformed.
#pragma once

namespace lintavo {

// Called by RunEditCommand on the choice and on every click or Enter.
void RotateSelected();      // "Rotate Selected Lines": an axis, then a direction
void MirrorSelected();      // "Mirror Selected Lines": a reference point, then where it lands
void RescaleSelected();     // "Rescale Selected Lines": a reference point, then two typed scales
void RadialCopySelected();  // "Radial Copy Selected Lines": reference, centre, typed angle and count
void PathCopySelected();    // "Path Copy Selected Lines": reference, path, offset, typed count
// True while Path Copy shows its path in the show colour, from the pick of
// the path to the command's end: only a redraw gives the path its own colour.
bool PathCopyShowsPath();

}  // namespace lintavo
