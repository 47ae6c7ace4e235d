// GripFrame: the frame with nine grips around the selection ("Modify
// Selected", edit command 18), dragged to move, scale or rotate it in place.
//
// Pressing on the outline and dragging moves the selection; pressing on one
// of the eight outline grips and dragging scales it about the frame's
// centre; the ninth grip, on a stem to the right of the frame, rotates it.
// While the frame is up (GroupDragOn) the drawing window hands its mouse
// events here. Every mouse move of a drag takes the affected objects off the
// screen (not-XOR pen), changes their points in place and draws them again,
// so the screen always shows the model; a drag records no undo step.
//
// Frame geometry is in view pixels with Y growing upward: world (X, Y) lies
// at (X ViewScaleX + ViewBaseX, Y ViewScaleY + ViewBaseY), clamped as every
// pixel made from a world point is (ViewPixelX, ViewPixelY); the device row
// of a pixel y is ViewPixMaxY - y.
//
// Sections:
//   Frame state
//   Set-up
//   Drawing and hit tests
//   Mouse routing
//   Drags
#pragma once

#include <array>

#include "platform/Types.h"

namespace lintavo {

// ---- Frame state ----------------------------------------------------------------------
struct GripPoint {
  Single X = 0;  // view pixels
  Single Y = 0;  // view pixels, upward
};
struct DrawnGrip {
  Long X = 0;  // device pixels
  Long Y = 0;  // device rows, downward
};

// Grip numbers: 1, 3, 5, 7 the corners from the lower left anticlockwise;
// 2, 4, 6, 8 the middles of the bottom, right, top and left sides; 9 the
// rotation grip, RotateStem pixels to the right of grip 4. Entries 1..9 used.
constexpr Integer GripCount = 9;
constexpr Single RotateStem = 48;  // pixels from grip 4 to grip 9 at scale 1
extern std::array<GripPoint, GripCount + 2> GripPoints;  // the grips as set up
extern std::array<GripPoint, GripCount + 2> WorkGrips;   // the grips as shown; hit tests use them
extern std::array<DrawnGrip, GripCount + 2> DrawnGrips;  // WorkGrips when last drawn, clamped; erasing uses them

extern Double FrameMinX, FrameMinY, FrameMaxX, FrameMaxY;  // frame extents, world units
extern GripPoint FrameCentre;  // frame centre when set up, pixels
extern GripPoint FramePivot;   // current centre, pixels: moves with the frame; scale and rotation are about it
extern Single FrameScaleX, FrameScaleY;  // scale shown by the frame (1 at set-up)
extern Single FrameAngle;                // rotation shown by the frame, radians
extern Single AppliedScaleX, AppliedScaleY, AppliedAngle;  // what the model already holds
extern Double FrameOffsetX, FrameOffsetY;  // displacement the model already holds, world units
extern Long FrameDragLastX, FrameDragLastY;  // last mouse pixel of an outline drag
extern Integer FrameShown;    // flag: the grip frame is on its surface; a full redraw of it draws the frame again
extern Integer GripHeld;      // flag: the button holds a grip (scale or rotate)
extern Integer GripDragging;  // flag: the button drags the outline (move)
extern Integer GripIndex;     // grip 1..9 or outline segment 1..8 of the last hit test
extern Integer FrameDragsFromInside;  // flag: a press inside the frame also drags it (placing a component)

// ---- Set-up ------------------------------------------------------------------------------
// Edit command 18: the frame around the selected objects of the current
// drawing. No selection: the edit commands' error message. At a later step
// of the same command the frame stays as it is.
void StartModifySelected();
// The frame around a placement just added and selected by a component
// command, whatever that command's step. A press inside this frame drags
// it as a press on its outline does.
void StartPlaceComponent();

// ---- Drawing and hit tests ---------------------------------------------------------------
void DrawGripFrame();   // draws the frame at WorkGrips (removing a shown one first)
void EraseGripFrame();  // removes the frame drawn last
// Whether (X, Y) lies within 3 pixels of a grip on both axes; GripIndex the grip.
bool FindGripAt(Single X, Single Y);
// Whether (X, Y) lies within 3 pixels of the outline; GripIndex the segment's end grip.
bool FindFrameEdgeAt(Single X, Single Y);
// True when view pixel (X, Y) lies inside the frame's outline (WorkGrips 1..8).
bool IsInsideFrame(Single X, Single Y);

// ---- Mouse routing --------------------------------------------------------------------------
// Removes the grip frame when it is shown and ends any drag.
void CancelGroupEdit();
// The drawing window hands its mouse events to these while GroupDragOn is
// set; X, Y are view pixels.
// Holds a grip or starts an outline drag. X, Y: the pixel pressed, which
// the grips and the outline are hit by whatever snap moves the cursor;
// AnchorX, AnchorY: the cursor pixel as the snaps placed it, from which an
// outline drag counts the moves that follow (snapped alike).
void GroupEditMouseDown(Single X, Single Y, Single AnchorX, Single AnchorY);
void GroupEditMouseMove(Single X, Single Y);  // moves, scales or rotates while the button is down
void GroupEditMouseUp();                       // ends the drag; the frame stays up

void ResetGripFrame();  // the module's globals to their start values

}  // namespace lintavo
