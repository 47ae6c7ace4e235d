// Measure: the measure commands (tool 6), and the formatting of every
// length, area and angle the program shows to the user.
//
// The commands take points or an object and show a distance, an enclosed
// area, a direction, a radius or an arc's angle and length in the message
// bar; they change nothing in the drawing. A menu item stores the command
// word and tool 6 and calls SelectTool, which calls RunMeasureCommand on the
// choice and on every later click.
//
// World coordinates are inches, areas square inches, angles radians. The
// formatters turn them into text in the display units of the unit settings
// (Units.h): lengths with a short suffix ("2.54 cm", `2 3/8"`) or, in the
// labels, with the unit word ("Radius = 1.5 Inches"). Numbers are rounded
// half to even and written with "." whatever the locale.
//
// Sections:
//   Command state
//   Commands
//   Working state
//   Lengths
//   Areas
//   Angles
//   Geometry of one object
//   Reset
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
// Command codes (values of MeasureCommand, stored by the Measure menu items).
enum MeasureCode : Integer {
  MeasureDistanceCode = 1,  // "Distance": the length of each leg between clicks
  MeasureAngleCode = 2,     // "Angle": the direction of a ray from a base point
  MeasureAreaCode = 3,      // "Area": the area of a polygon clicked corner by corner
  MeasureRadiusCode = 4,    // "Radius": the radius of a picked circle or arc
  MeasureArcCode = 5,       // "Arc": the sweep and length of a picked arc
};
constexpr Integer HighestMeasureCode = MeasureArcCode;  // codes 1..this; a new code takes the next number
extern Integer MeasureCommand;  // command word, MeasureCode 1..5
extern Integer MeasureActive;   // flag: a measure command is running

// ---- Commands ------------------------------------------------------------------
// The dispatcher: a new command (or another command word) starts at step 0;
// then the step routine of MeasureCommand runs with the current ToolStep.
void RunMeasureCommand();
// One step routine per command; while DlgCancelled is set they do nothing.
void MeasureDistance();  // repeats leg after leg until Esc or another tool
void MeasureAngle();     // direction from the base to the ray point, [0, 2 pi)
void MeasureArea();      // ends itself and the tool once a click closes the polygon
void MeasureRadius();
// The sweep of an arc is the anticlockwise turn from its start to its end
// when its middle point lies on that turn, else the rest of the circle.
void MeasureArcAngle();
// The anticlockwise sweep (radians, [0, 2 pi)) of the arc from direction
// StartAngle through MidAngle to EndAngle, the directions seen from its centre.
Double ArcSweep(Double StartAngle, Double MidAngle, Double EndAngle);

// ---- Working state ---------------------------------------------------------------
// Every length and area routine starts by copying its argument into
// MeasureValue and emptying MeasureText, so a caller's variable is never
// changed by them; both keep their values until the next call.
extern Double MeasureValue;  // the value being formatted, converted in place into the display unit
extern String MeasureText;   // the number and suffix of the last length or area formatted

// ---- Lengths ---------------------------------------------------------------------
// Value in inches. "Automatic" routines run PickAutoUnit first when
// AutoScale is set; the others use the unit as it stands (which may be one an
// earlier automatic choice left behind). A unit code without a row gives no
// number and no suffix.
String FormatLength(Double Value);       // automatic; number and short suffix
String FormatLengthFixed(Double Value);  // number and short suffix
String FormatLengthLabel(Double Value);  // automatic; "Length = ", number and unit word
String FormatHeightLabel(Double Value);  // automatic; "Height = ", number and unit word
String FormatWidthLabel(Double Value);   // "Width = ", number and unit word
String FormatRadiusLabel(Double Value);  // "Radius = ", number and unit word
// Chooses the display unit from the size of MeasureValue and stores it in
// EnglishUnit (1, 2, 4 or 6) or MetricUnit (7, 6, 1, 2, 4 or 5): the choice
// stays in force for every later text until changed again.
void PickAutoUnit();

// ---- Areas -----------------------------------------------------------------------
// "Area = ", the area rounded to 3 decimals and its unit: the square of the
// display unit, acres for yards above one acre; square millimetres for a
// metric unit without an area word, square inches for an English code
// without a row.
String FormatArea(Double Value);

// ---- Angles ----------------------------------------------------------------------
// Angle in radians, by AngleUnit: 1 degrees rounded to DecimalPlaces with a
// degree sign, 2 "<d:m:s" (truncated), 3 radians rounded to DecimalPlaces;
// other codes give no angle text. With units 1 and 2 the caller's variable
// is converted to degrees in place: pass a copy to keep radians.
String FormatAngle(Single& Angle);       // "Angle = " and the angle; radians end in " Radians"
String FormatAngleValue(Single& Angle);  // the angle alone; radians start with "R "

// ---- Geometry of one object ---------------------------------------------------------
// Area of a Polygon object from its stored points (the list ends on its first
// point), square inches; 0 for every other type or a number outside Objs.
Double EntityArea(Long ObjNo);
// Length along the stored points of a spline, Bezier, polyline or polygon
// object (for the curves, of their control polygon), inches; 0 otherwise.
Double EntityPathLength(Long ObjNo);

// ---- Reset -----------------------------------------------------------------------
void ResetMeasure();  // the module's globals to their start values

}  // namespace lintavo
