// LineDrawCodes: the sub-command codes of the line-drawing module, its
// command word and the arc direction its previews hand to its commands.
//
// The menus and tool bars write a code into LineDrawCommand before they
// start tool 1; the line commands run the step routine of the code, the
// rubber-band previews draw the shape of the code on every mouse move, and
// the text command writes DrawSingleCode or DrawRectangle3Code to borrow
// the line and box previews. The codes are shared by those three floors, so
// they live on the model floor.
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
  DrawRectangle2Code = 6,      // "RECTANGLE - Opposite Corners "
  DrawRectangle3Code = 7,      // "RECTANGLE - 3 Corners"
  DrawTrapezoidCode = 8,       // "TRAPAZOID - 4 Corners"
  DrawRegularPolygonCode = 9,  // "REGULAR POLYGON "
  DrawIrregularPolygonCode = 10,  // "ILREGULAR POLYGON "
  DrawCircleRadiusCode = 11,   // "CIRCLE - Center/Radius"
  DrawCircleDiameterCode = 12, // "CIRCLE - 2 Points Diameter"
  DrawCircle3Code = 13,        // "CIRCLE - 3 Points on Circle"
  DrawArcCentreCode = 14,      // "ARC - Center/Start/End "
  DrawArcStartMiddleCode = 15, // "ARC - Start/Midddle/End Points"
  DrawArcStartEndCode = 16,    // "ARC - Start/End/Middle Points"
  DrawEllipticalArcCode = 17,  // "Elliptical Arc"
  DrawEllipse2Code = 18,       // "Ellipse - 2 Points on Corners"
  DrawEllipse3Code = 19,       // "Ellipse - Center, 2 Points on Axis"
  DrawEllipse4Code = 20,       // "Ellipse - 3 Points on Axis"
  DrawSplineCode = 21,         // "SPLINE CURVE "
  DrawContBezierCode = 22,     // "Continuous BEZIER CURVE "
  DrawContinuousCode = 23,     // a chain of segments: one polyline, a polygon once closed
  DrawNothingCode = 24,        // selects nothing
  DrawBezierCode = 25,         // "Single BEZIER CURVES "
};
constexpr Integer LineDrawCodeCount = 25;  // codes 1..this; a new code takes the next number
static_assert(LineDrawCodeCount == DrawBezierCode, "the count is the highest code");

extern Integer LineDrawCommand;  // sub-command chosen by the menus and tool bars

// Sweep direction of the arc previews (DrawArcCentreCode and
// DrawEllipticalArcCode), written by the previews as the user drags round the
// centre and read by the arc commands: -1 the arc runs counterclockwise
// from its start to the cursor, 0 from the cursor to its start. Keeps its
// value between commands; 0 at start.
extern Integer ArcSweepReversed;

void ResetLineDrawCodes();  // LineDrawCommand and ArcSweepReversed to 0

}  // namespace lintavo
