// LineDraw: the line drawing commands: points, lines, shapes and curves drawn from snapped clicks.
//
// A menu item or tool-bar button writes a sub-command code into
// LineDrawCommand, sets ActiveTool to 1 and calls SelectTool, which calls
// RunLineDrawCommand: once when the command is chosen and again after every
// left click and every Enter while AwaitingInput is set. The dispatcher runs
// the step routine of the code; the step routine reads ToolStep (points
// clicked so far), takes the click, prompts for the next one, and on its last
// step appends the object (one undo step each), draws it, and either waits
// for the next object (ToolStep back to 0) or ends the command.
//
// Sections:
//   Sub-commands
//   Command state
//   Points of the running command
//   Line options
//   Dispatcher and end
//   Objects
//   Reset
#pragma once

#include <array>

#include "app/DataHand.h"
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
constexpr Integer LineDrawCodeCount = 25;

// Title shown in panel 1 by the command of a code, trailing blanks kept; ""
// for 24 and for codes outside 1..25.
const char* LineDrawTitle(Integer code);

// ---- Command state -------------------------------------------------------------
extern Integer LineDrawCommand;  // sub-command chosen by the menus and tool bars
extern Integer LineDrawActive;  // flag: the module's dispatcher has taken the current command
extern Integer LineDrawPrevCommand;   // the code the dispatcher last started
extern Integer LineDrawDone;          // flag: the object or chain is finished; set just before the end
extern Integer LineDrawSavedConPnts;  // ShowConPnts when the module was entered; put back at the end

// ---- Points of the running command ------------------------------------------------
// P0..P4, world units: P1, P2, P3 the first, second and third click; P0 a
// centre where a command starts with one; P3 and P4 also derived points.
extern std::array<WorldXY, 5> LineDrawPoints;
extern Double ChainStartX, ChainStartY;  // first point of a chain, world units
extern Integer ChainFirstSegment;  // flag: a chain's first point is taken and no segment stored yet
extern Integer ChainLastStep;      // ToolStep whose click the chain took last; 0 none
extern Long ChainObj;              // Objs index of the chain's polyline; 0 none

// ---- Line options ------------------------------------------------------------------
// Drawing options, 0 until an option set is applied.
extern Double DoubleLineWidth1;  // offset of the first line of a double line, world units (2.0 built in)
extern Single DoubleLineWidth2;  // offset of the second line; follows DoubleLineWidth1 (2.0 built in)
extern Single SolidLineWidth;    // width of a solid line, world units (0.5 built in)
constexpr Single SolidLineWidthLimit = 12.1F;  // widths from here on are refused

// ---- Dispatcher and end ---------------------------------------------------------------
// Starts the command of LineDrawCommand, or runs its next step.
void RunLineDrawCommand();
// Ends the line command at any step and leaves the module idle.
void EndLineDrawCommand();

// ---- Objects -------------------------------------------------------------------------
// Appends a straight line from (X1, Y1) to (X2, Y2), world units, and draws it.
void AddLineEntity(Double X1, Double Y1, Double X2, Double Y2);

// ---- Reset ---------------------------------------------------------------------------
void ResetLineDraw();  // the module's globals to their start values

}  // namespace lintavo
