// LineDrawCodes: the sub-command codes of the line-drawing module, its
// command word and the arc direction its previews hand to its commands.
//
// The menus and tool bars write a code into LineDrawCommand before they
// start tool 1; the line commands run the step routine of the code, the
// rubber-band previews draw the shape of the code on every mouse move, and
// the text command writes 2 or 7 to borrow the line and box previews. The
// codes are shared by those three floors, so they live on the model floor.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Sub-commands (values of LineDrawCommand) ------------------------------------
// Written by the menus and tool bars and read by the rubber-band preview.
enum LineDrawCode : Integer {
  DrawPointCode = 1,           // a point; repeats
  DrawSingleCode = 2,          // a straight line; repeats
  DrawDoubleCode = 3,          // two lines beside the clicked one; repeats
  DrawSolidCode = 4,           // a line of width SolidLineWidth; repeats
  DrawReferenceCode = 5,       // a line through an axis point, line type 3; ends
  DrawRectangle2Code = 6,      // shapes, circles, arcs, ellipses and curves (6..22, 25)
  DrawRectangle3Code = 7,
  DrawTrapezoidCode = 8,
  DrawRegularPolygonCode = 9,
  DrawIrregularPolygonCode = 10,
  DrawCircleRadiusCode = 11,
  DrawCircleDiameterCode = 12,
  DrawCircle3Code = 13,
  DrawArcCentreCode = 14,
  DrawArcStartMiddleCode = 15,
  DrawArcStartEndCode = 16,
  DrawEllipticalArcCode = 17,
  DrawEllipse2Code = 18,
  DrawEllipse3Code = 19,
  DrawEllipse4Code = 20,
  DrawSplineCode = 21,
  DrawContBezierCode = 22,
  DrawContinuousCode = 23,     // a chain of segments: one polyline, a polygon once closed
  DrawNothingCode = 24,        // selects nothing
  DrawBezierCode = 25,
};
constexpr Integer LineDrawCodeCount = 25;  // codes 1..this; a new code takes the next number
static_assert(LineDrawCodeCount == DrawBezierCode, "the count is the highest code");

extern Integer LineDrawCommand;  // sub-command chosen by the menus and tool bars

// Sweep direction of the arc previews (codes 14 and 17), written by the
// previews as the user drags round the centre and read by the arc commands:
// -1 the arc runs counterclockwise from its start to the cursor, 0 from the
// cursor to its start. Keeps its value between commands; 0 at start.
extern Integer ArcSweepReversed;

void ResetLineDrawCodes();  // LineDrawCommand and ArcSweepReversed to 0

}  // namespace lintavo
