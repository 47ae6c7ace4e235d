// Geometry: the plane-geometry library of the drawers, the previews and the
// snap, trim, dimension, path and editing commands: angles of lines, polar
// points, points of ellipses, the circle through three points, crossings of
// lines and circles, perpendicular feet, segment hit tests and the angular
// step for drawing arcs as polylines.
//
// Angles are radians anticlockwise from +X with Y up; the line-angle routines
// return angles in [0, 2 pi). World coordinates are Doubles. Several routines
// come in more than one precision and their small differences are part of
// their behaviour: the plain and D forms take Doubles, the S forms work in
// Singles (pixel previews), and the V forms take their coordinates as Doubles
// except the Y values of LineAngleV, which are Singles like its X difference.
//
// The module owns the result variables of the crossing routines; a caller
// reads them right after the call that set them. Inputs are passed by value:
// no routine writes them, and a caller may pass a result variable or one of
// its own outputs as an input. Outputs are references.
//
// Sections:
//   Results of the crossing routines
//   Distances
//   Line angles
//   Polar points and ellipse points
//   Circle through three points
//   Crossings
//   Perpendicular feet and hit tests
//   Arc steps
//   Arc sweeps
#pragma once

#include <cmath>

#include "platform/Types.h"

namespace lintavo {

// ---- Results of the crossing routines ----------------------------------------
// World coordinates, 0 at start, overwritten by every call that sets them.
extern Double LineCrossX, LineCrossY;        // last result of LineLineIntersect
extern Double LineCircleX, LineCircleY;      // line/circle crossing nearer the reference point; kept when the line misses
extern Double CircleCircleX, CircleCircleY;  // circle/circle crossing nearer the reference point
extern Double Cross1X, Cross1Y;              // first candidate crossing with a circle
extern Double Cross2X, Cross2Y;              // second candidate; equal to the first when there is one point
extern Double IntersectX, IntersectY;        // last perpendicular foot of SegmentHit and the line/circle crossing

// ---- Distances -----------------------------------------------------------------
// Length of P1 P2 by std::hypot: no overflow or underflow on the way, so
// coordinates near 1e200 give a finite length and points 1e-200 apart a
// length above 0; an infinite coordinate gives an infinite length, even
// beside a NaN. Inline: the drawers take it once per circle and ellipse.
inline Double Distance(Double X1, Double Y1, Double X2, Double Y2) { return std::hypot(X2 - X1, Y2 - Y1); }
// The same for two point records with X and Y members (WorldXY).
template <class Point>
  requires requires(const Point& p) { p.X + p.Y; }
inline Double Distance(const Point& A, const Point& B) {
  return Distance(A.X, A.Y, B.X, B.Y);
}

// ---- Line angles ---------------------------------------------------------------
// Direction from P1 to P2 in [0, 2 pi). On a vertical line LineAngle and
// LineAngleS give 3 pi / 2 unless P2 is above P1 (two equal points give
// 3 pi / 2); LineAngleD and LineAngleV give pi / 2 unless P2 is below P1 (two
// equal points give pi / 2).
Single LineAngle(Double X1, Double Y1, Double X2, Double Y2);
Single LineAngleS(Single X1, Single Y1, Single X2, Single Y2);
Single LineAngleD(Double X1, Double Y1, Double X2, Double Y2);
Single LineAngleV(Double X1, Single Y1, Double X2, Single Y2);

// Parametric angle of P2 on an ellipse centred at P1 whose first axis lies
// along Rotation (radians); Ratio is that axis's semi-length over the other's.
// A direction below Rotation gives a negative result.
Single EllipseParamAngle(Double X1, Double Y1, Double X2, Double Y2, Single Ratio, Single Rotation);
Single EllipseParamAngleS(Double X1, Single Y1, Double X2, Single Y2, Single Ratio, Single Rotation);

// ---- Polar points and ellipse points ---------------------------------------------
// Out = (X + R cos Angle, Y + R sin Angle); the three differ in their types
// and the order of their arguments.
void PolarPointS(Single X, Single Y, Single Angle, Single R, Single& OutX, Single& OutY);
void PolarPointD(Double X, Double Y, Single Angle, Double R, Double& OutX, Double& OutY);
void PolarPointV(Double R, Double X, Double Y, Double& OutX, Double& OutY, Single Angle);

// Out1 = Base + Dist (cos Angle, sin Angle), Out2 = Base - Dist (cos Angle, sin Angle).
void PolarPairV(Double& Out1X, Double& Out1Y, Double& Out2X, Double& Out2Y,
                Double BaseX, Double BaseY, Double Dist, Single Angle);

// The corner offset (W / 2, H / 2) turned by Angle, its cross terms scaled by
// F / G: OutX = cos A W / 2 - sin A H F / 2G, OutY = sin A W F / 2G + cos A H / 2.
void EllipseAxisPoint(Single W, Single H, Single Angle, Single F, Single G, Double& OutX, Double& OutY);

// ---- Circle through three points -------------------------------------------------
// Out = the centre of the circle through P1, P2 and P3. Three points in a line
// have no centre: the divisor is then taken as 1 and Out is a finite point
// that is no centre (|determinant| below 1e-10, in the S form below 1e-6).
void CircleThrough3Points(Double& OutX, Double& OutY, Double X1, Double Y1, Double X2, Double Y2,
                          Double X3, Double Y3);
void CircleThrough3PointsS(Single& OutX, Single& OutY, Single X1, Single Y1, Single X2, Single Y2,
                           Single X3, Single Y3);

// ---- Crossings -------------------------------------------------------------------
// Crossing of the line through P1, P2 with the line through P3, P4, also into
// LineCrossX, LineCrossY. Slopes within 0.0002 of each other count as
// parallel and give P1; two vertical lines give P3.
void LineLineIntersect(Double& OutX, Double& OutY, Double X1, Double Y1, Double X2, Double Y2,
                       Double X3, Double Y3, Double X4, Double Y4);

// The two circle crossings choose between their candidates by a reference
// point; the snap and trim commands pass their first picked point.
//
// Crossings of the line through P1, P2 with the circle of centre C through R:
// the foot of C on the line into IntersectX, IntersectY, both candidates into
// Cross1 and Cross2, and the one nearer (NearX, NearY) into LineCircleX,
// LineCircleY. A line that misses the circle gives the foot as both
// candidates and leaves LineCircleX, LineCircleY as they were.
void LineCircleIntersectNear(Double X1, Double Y1, Double X2, Double Y2, Double CX, Double CY,
                             Double RX, Double RY, Double NearX, Double NearY);

// The same with the first picked point (PickedPoints entry 1) as reference.
void LineCircleIntersect(Double X1, Double Y1, Double X2, Double Y2, Double CX, Double CY, Double RX,
                         Double RY);

// Crossings of the circle of centre Q1 through R1 with the circle of centre Q2
// through R2: both candidates into Cross1 and Cross2, the one nearer
// (NearX, NearY) into CircleCircleX, CircleCircleY. Circles that do not meet
// give both candidates at one point of the line of centres; concentric
// circles (centres within 1e-6) give Q1 everywhere.
void CircleCircleIntersectNear(Double Q1X, Double Q1Y, Double R1X, Double R1Y, Double Q2X, Double Q2Y,
                               Double R2X, Double R2Y, Double NearX, Double NearY);

// The same with the first picked point (PickedPoints entry 1) as reference.
void CircleCircleIntersect(Double Q1X, Double Q1Y, Double R1X, Double R1Y, Double Q2X, Double Q2Y,
                           Double R2X, Double R2Y);

// Out = A when A is strictly nearer to P than B is, else B.
void NearerPoint(Double& OutX, Double& OutY, Double PX, Double PY, Double AX, Double AY, Double BX,
                 Double BY);

// ---- Perpendicular feet and hit tests ----------------------------------------------
// Out = the foot of P on the line through P1, P2; a vertical or horizontal
// line (exactly equal X or Y) copies the coordinates.
void PerpendicularFoot(Double& OutX, Double& OutY, Double PX, Double PY, Double X1, Double Y1,
                       Double X2, Double Y2);

// True when the foot of P on the line through P1, P2 (left in IntersectX,
// IntersectY) lies in the box of P1 and P2, bounds included. P's distance
// from the line is not tested.
bool SegmentHit(Double X1, Double Y1, Double PX, Double PY, Double X2, Double Y2);

// SegmentHit, and P also within PickTolerance of the foot (|dx| + |dy|).
bool SegmentHitTol(Double X1, Double Y1, Double PX, Double PY, Double X2, Double Y2);

// Whether (X, Y) lies within PickTolerance, in X and in Y separately, of the
// vertex PickedPntIndex (Which = 1) or of the vertex after it (Which = 2);
// Which = 0 when neither.
bool NearPntTest(Double X, Double Y, Integer& Which);

// Whether entities I and J share an end point exactly: a Straight Line's
// points 1 and 2, an Arc's points 2 and 4; any other type gives False.
bool LinesShareEndPoint(Long I, Long J);

// Moves (X0, Y0) onto its projection on the line through P1, P2; onto P1 when
// the two points coincide (squared distance at most 1e-12).
void ProjectPointToLine(Double& X0, Double& Y0, Double X1, Double Y1, Double X2, Double Y2);

// ---- Arc steps ---------------------------------------------------------------------
// Angular step for drawing an arc of radius R pixels around (PX, PY) pixels
// as a polyline: the angle one pixel subtends at the rim, never less than
// 0.1 rad; pi / 2 for a radius of 0.
Single PixelArcStepAngle(Double PX, Single PY, Double R);

// The same for an arc about world point (X, Y) of world radius R, through
// the view scales; the S form computes the pixel values in Single.
Single ArcStepAngle(Double X, Double Y, Double R);
Single ArcStepAngleS(Single X, Single Y, Single R);

// ---- Arc sweeps ---------------------------------------------------------------------
// Whether an arc whose start, a point between and end lie at angles a1, a2,
// a3 about the centre (radians) is drawn from a3 to a1: the surface draws
// counterclockwise.
bool ArcRunsBackward(Single a1, Single a2, Single a3);
// The angles (radians, LineAngleD's) between which the drawers draw the arc
// about (CX, CY) through P2, P3 and P4 counterclockwise: P2 to P4, or P4 to
// P2 when P3 lies the other way round.
void ArcDrawnAngles(Double CX, Double CY, Double X2, Double Y2, Double X3, Double Y3, Double X4, Double Y4,
                    Single& Start, Single& End);
// Whether the direction Q lies on the counterclockwise sweep from direction
// S to direction E (vectors from one centre, of any length; ends included).
// S and E of one direction are the whole circle, as the surface draws an arc
// whose ends lie at one angle. Products only: the extents ask it for every
// arc of a drawing.
bool SweepHolds(Double SX, Double SY, Double EX, Double EY, Double QX, Double QY);

}  // namespace lintavo
