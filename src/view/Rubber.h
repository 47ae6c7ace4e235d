// Rubber: the rubber-band previews of commands in progress, drawn with the
// XOR pen on ActiveDoc and removed by drawing them again. The ghost of an
// object whose vertex is dragged is in RubberObject.
//
// Four previews, each switched on by a flag of the command state and driven
// by the drawing window's mouse handlers:
//   RubberLineOn    the shape of the running line-drawing command, chosen by
//                   LineDrawCommand and the step reached (UpdateRubber);
//   RubberWindowOn  a window rectangle from the first point to the cursor;
//   RubberCentreOn  a line through the first point, from the cursor to its
//                   mirror image;
//   RubberPolygonOn a filled polygon through the points stored in the boundary
//                   being built (RubberPolygonEntity) and the cursor.
// The mouse-down removes a line-drawing preview (EraseRubber, while
// RubberBusy), a window box (EraseWindowBox, while RubberShown) and a centre
// line (EraseCentreLine, while CentreLineShown) before it takes the point;
// StartRubber anchors the previews at the first click. A preview that starts
// from the last click starts from the point the click stored (snapped), not
// from where the pointer was pressed. Removal is always the same drawing call
// on the same stored points, so nothing a preview drew from may change
// between the preview and its erase: each preview first erases, then updates
// the points, then draws. The polygon box keeps the device points of its
// image for that, so its image stays through a click and the next move takes
// exactly it off.
//
// All positions are view pixels (x from the left, y upward from the bottom
// of the drawing area), computed in Singles; the primitives below turn y
// into a device row by ViewPixMaxY - y and round to the nearest pixel, ties
// to even. The curve and arc shapes the line-drawing previews call are in
// RubberShapes.
//
// Sections:
//   Preview state
//   Line-drawing preview
//   Window, centre-line and polygon boxes
//   Primitives
//   Reset
#pragma once

#include <array>

#include "platform/Gdi.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Preview state ---------------------------------------------------------------
// A preview point: view pixels, y counted upward.
struct RubberPoint {
  Single X = 0;
  Single Y = 0;
};
// R0..R5, all (0, 0) at start:
//   R1 the anchor, the point of the first click;
//   R2 the point of step 1 (the cursor of the last move, later the last clicked point);
//   R3, R4 the cursor or further points of later steps; for the irregular
//          polygon and the continuous line R3 is the point the last click
//          stored, where the line to the cursor starts;
//   R0 a computed point (a centre or a midpoint);
//   R5 a Bezier control point carried from one segment to the next.
extern std::array<RubberPoint, 6> RubberAnchorPts;

extern Integer RubberShown;    // flag: a window box is on the screen
extern Integer RubberBusy;     // flag: a line-drawing preview is on the screen
extern Integer CentreLineShown;  // flag: a centre line is on the screen
extern Integer RubberCommand;  // LineDrawCommand of the preview on the screen; its erase follows it
extern Integer RubberStep;     // ToolStep whose clicked point the state has taken in; 0 after StartRubber
// Flag: set at step 1 by the previews that change shape at step 2, cleared
// by their first preview or erase of a later step.
extern Integer RubberStepStart;
extern Single RubberRadius;     // pixels: the last circle preview's radius; the centre arc keeps step 1's
extern Single RubberCircleSum;  // three-point circle: (x - R2.x) + (y - R2.y); drawn only while above 0
extern Single RubberArcStart;   // start and end angle of the last arc preview, radians
extern Single RubberArcEnd;
extern Single RubberArcSweep;   // mid angle of the arc being dragged, radians; 0 while no direction is chosen
extern Single RubberAspect;     // the last box ellipse: Y radius over X radius,
extern Single RubberRadiusX;    //   its X and Y radii in pixels
extern Single RubberRadiusY;
extern Integer RubberBezierCount;  // points the Bezier preview put into GdiPts
// The world point the last left click stored (snapped), noted by the drawing
// window before the command takes the click. The previews that start from
// the last click start there: a command may move PickX, PickY on afterwards
// (the arcs measure their next point from their centre).
extern Double RubberClickX, RubberClickY;
// The boundary entity whose stored points the polygon box runs through; 0
// none. Set by the points collector when it appends the boundary, cleared
// when the collection ends.
extern Long RubberPolygonEntity;

// ---- Line-drawing preview ----------------------------------------------------------
// Anchors the previews at the first point of a command (the mouse-down that
// made ToolStep 1): R0 = R1 = R2 = (x, y), nothing shown, no step taken in,
// and no step-2 shape change pending, so a command cancelled at step 1 does
// not keep the next command's circles from being erased.
void StartRubber(Single x, Single y);
// StartRubber at the view pixel of the point the last click stored
// (RubberClickX, RubberClickY), as a first click anchors the previews: a
// collection that starts again from a later click starts its previews there.
void StartRubberAtClick();
// Removes the preview shown, if any, and draws the shape of LineDrawCommand
// at this ToolStep with the cursor at (x, y): dotted, RubberColor, XOR.
// Codes 1 and those outside 2..25 draw nothing but still count as shown.
void UpdateRubber(Single x, Single y);
// Draws the preview now shown once more, which removes it: by the command it
// was drawn for (RubberCommand) and the current ToolStep. Nothing is drawn
// while no surface is active.
void EraseRubber();

// ---- Window, centre-line and polygon boxes -----------------------------------------
// Green, dotted, XOR.
void RubberWindowBox(Single x, Single y);   // rectangle from R1 to the cursor; the previous one removed
void EraseWindowBox();                       // removes the rectangle R1-R2
// The line through R1 from the cursor to its mirror image; the previous one
// removed.
void RubberCentreLine(Single x, Single y);
void EraseCentreLine();  // removes the centre line R2 to its mirror image
// The polygon through the points stored in RubberPolygonEntity (world
// points, turned into pixels of the view as it stands at each move) and the
// cursor, filled green while ShowFills is set: the image the last move drew
// goes first, drawn again from the device points kept with it, then the new
// one is drawn and kept. Nothing shows while the entity is not live in the
// current drawing or holds fewer than two points. A click leaves the image
// on the screen for the next move to take off; a full redraw forgets it.
void RubberPolygonBox(Single x, Single y);

// ---- Primitives (view pixels, y upward; ActiveDoc's pen) ----------------------------
void RubberLine(Single x1, Single y1, Single x2, Single y2);       // end pixel left out
void RubberRectangle(Single x1, Single y1, Single x2, Single y2);  // opposite corners, the current brush
void RubberCircle(Single x, Single y, Single r);
// Counterclockwise from Start to End (radians); a negative angle also draws
// the radius line to that end.
void RubberArc(Single x, Single y, Single r, Single Start, Single End);
// r is the radius of the longer axis; Aspect is the Y radius over the X radius.
void RubberEllipse(Single x, Single y, Single r, Single Aspect);
void RubberEllipseArc(Single x, Single y, Single r, Single Aspect, Single Start, Single End);
// Points[0..Count) (device pixels) as a polygon with that fill; the fill goes
// back to transparent in DwgBackColor afterwards.
void RubberPolygon(Integer FillStyle, Long FillColor, const GdiPoint* Points, Long Count);
void RubberMark(Single x, Single y);  // a small diagonal cross

// ---- Reset ---------------------------------------------------------------------------
void ResetRubber();  // the module's globals to their start values

}  // namespace lintavo
