// Dimension: the dimension tool. One dispatcher runs five kinds of dimension
// (linear, angular, leader, radius, arc angle); each appends ordinary
// entities on the dimension layer with the primitives of DimPrimitives.
// While a command runs the dimension's font, layer, colour and line style are
// in force. Each step's entities are drawn when the step has built them, so
// a chain shows every segment as it is made; the command ends with accept
// (whatever is not drawn yet is drawn then) or is cancelled:
// Esc takes back only what the command made itself (the dimension layer it
// had to make, while it has built nothing), in the drawing it made it in.
// What other commands did while it waited (a save, Undo and Redo, layers
// made in dialogs, work in another window) stays.
#pragma once

#include "annotation/DimWork.h"
#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer DimKind;  // sub-command chosen by the menus and tool bars
extern Integer DimActive;  // flag: the module's dispatcher has taken the current command
// Sub-commands (values of DimKind), written by the Insert menu's Dimension items.
enum DimKindCode : Integer {
  DimLinear = 1,    // "Linear Dimension "
  DimAngular = 2,   // "Angular Dimension "
  DimLeader = 3,    // "Dimensioning Leader"
  DimRadius = 4,    // "Radius Dimension "
  DimArcAngle = 5,  // "Arc Angle Dimension "
};
constexpr Integer HighestDimKindCode = DimArcAngle;  // codes 1..this; a new code takes the next number
enum DimModeCode : Integer { DimSingle = 1, DimPartitioned = 2, DimCumulative = 3 };
enum DimDirectionCode : Integer { DimAligned = 1, DimHorizontal = 2, DimVertical = 3 };
enum DimPlacementCode : Integer { DimInLine = 1, DimAbove = 2, DimBelow = 3 };

// The command's steps and working points, fields of DimWork (DimWork.h).
extern Integer& DimStep;
extern Integer& DimSegmentStep;
extern Integer& DimFirstSegment;
extern DimPointRec &DimF, &DimS, &DimE, &DimLoc, &DimC;

// ---- Dimension style -------------------------------------------------------------
// Dimension option sets write these; "" or 0 until an option set is applied
// (built-in defaults in the comments). Lengths in world units, angles in radians.
extern String DimFontName;            // stroke font of the letters ("Text")
extern String DimLayerName;           // layer of every dimension object ("Dimension 1")
extern Integer DimArrowClosed;        // flag: a base line joins the arrowhead's legs (0)
extern Integer DimExtProximityFixed;  // flag: extension lines keep a fixed gap to the object (-1)
extern Integer DimFixedLetterHeight;  // flag: letters take DimLetterHeight and Width, else scale (0)
extern Integer DimMode;               // 1 single, 2 partitioned, 3 cumulative (1)
extern Integer DimDirection;          // 1 aligned, 2 horizontal, 3 vertical (1)
extern Integer DimLetterDirection;    // 1 along the dimension line, 2 horizontal (1)
extern Integer DimLetterPlacement;    // 1 in line, 2 above, 3 below (1)
extern Integer DimArrowType;          // 1..4 15, 30, 45, 60 degrees, 5 circle, 6 slash, 7 straight slash (2)
extern Integer DimWitnessMode;        // extension lines 1 variable, 2 fixed length (1)
extern Integer DimArrowSize;          // 1 large, 2 medium, 3 small (2)
extern Long DimLineColor;             // RGB of lines and arrowheads (no built-in value)
extern Long DimLetterColor;           // RGB of the letters (no built-in value)
extern Single DimLetterHeight;        // fixed letter height (1.0)
extern Single DimLetterWidth;         // fixed letter width (the TextAspect of the text options)
extern Single DimArrowAngle;          // half-angle of the arrowhead (pi / 6)
extern Single DimArrowLength;         // arrowhead length (0.5)
extern Single DimExtOffset;           // extension line offset (0.25)
extern Single DimExtAbove;            // extension beyond the dimension line (0.5)
extern Single DimExtBelow;            // extension toward the object (0.5)
extern Single DimLeaderLength;        // leader tail; a set keeps it as a whole number (1.0)

// The dispatcher: starts the command on its first entry, then runs the step
// routine of DimKind.
void DoDimensionCommand();
// Ends the dimension command and puts the drawing settings back in the
// window it began in. With Accept the entities it appended are drawn at
// once; without, the layer it made is taken back while it has built nothing.
void EndDimensionCommand(Integer& Accept);
// Whether a dimension command began in drawing DwgNo waits for input.
bool DimensionWaitsIn(Long DwgNo);
// The circle or arc under the click (only an arc with ArcsOnly); 0, after
// the message of the miss in panel 3 and ToolStep back to 0, when none.
Long PickDimensionObject(bool ArcsOnly);
// A picked point into P (ShowConPnts is off while a dimension runs).
void TakeDimensionPoint(DimPointRec& P);

void ResetDimension();  // the module's globals to their start values

}  // namespace lintavo
