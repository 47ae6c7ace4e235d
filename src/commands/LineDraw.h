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
// This module holds the dispatcher, the step helpers every step routine
// shares, and the point and line commands (codes 1 to 5 and 23). The
// rectangles, polygons, circles, arcs and ellipses (codes 6 to 20) are in
// LineDrawShapes, the splines and Bezier curves (21, 22, 25) in
// LineDrawCurves. A code without a step routine (24, codes outside 1..25)
// starts nothing: it leaves ActiveTool 0 and takes no clicks.
//
// Enter without a new click re-runs the step of the last click; past the
// first point that would take the last click once more, so the dispatcher
// runs such a step again only for a command that reads a typed entry there.
//
// Sections:
//   Sub-commands
//   Command state
//   Points of the running command
//   Line options
//   Dispatcher and end
//   Step helpers
//   Objects
//   Reset
#pragma once

#include <array>

#include "model/DataHand.h"
#include "model/LineDrawCodes.h"
#include "platform/Types.h"

namespace lintavo {

// The sub-command codes and LineDrawCommand are in LineDrawCodes.h.


// Title shown in panel 1 by the command of a code, trailing blanks kept; ""
// for 24 and for codes outside 1..25.
const char* LineDrawTitle(Integer code);

// ---- Command state -------------------------------------------------------------
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
extern Long ChainObj;              // Objs index of the growing chain, polygon or curve; 0 none
extern Integer LineDrawLastStep;   // ToolStep the last step routine ran at; 0 at step 0

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

// ---- Step helpers ----------------------------------------------------------------------
// For the step routines of this module, LineDrawShapes and LineDrawCurves.
constexpr Double SamePointLimit = 1e-6;  // |dx| + |dy| at or below this: one point, world units

void TakeLineDrawPoint(Integer n);               // the click into Pn (marked while ShowConPnts)
void ShowLineDrawStart(const char* prompt);      // step 0: the code's title and its first prompt
// Ends the command after its object, or without one: its marks and previews
// go with it, the model is drawn afresh.
void FinishLineDrawCommand();
bool SameLineDrawPoint(const WorldXY& a, const WorldXY& b);  // within SamePointLimit
// Closing test of a chain, polygon or curve: a point within PickTolerance of
// the chain start (in X and in Y) becomes the start exactly, and true.
bool CloseOnChainStart(WorldXY& p);
// Whether ChainObj is still the last entity of the current drawing with the
// last points of the table, so that a vertex appended now belongs to it.
bool ChainCanGrow();
// Appends p to ChainObj (which ChainCanGrow allows) and counts it.
void AppendChainPoint(const WorldXY& p);

// ---- Objects -------------------------------------------------------------------------
// Appends a straight line from (X1, Y1) to (X2, Y2), world units, and draws it.
void AddLineEntity(Double X1, Double Y1, Double X2, Double Y2);

// ---- Reset ---------------------------------------------------------------------------
void ResetLineDraw();  // the module's globals to their start values

}  // namespace lintavo
