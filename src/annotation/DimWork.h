// DimWork: the working state of the dimension being built, in one record.
//
// Everything the dimension command and its builders write at one step and
// read again at a later step, or at the next build of a chain, lives in
// DimWork: the command's step and working points, the value, side and
// distance of a linear chain, the linear builder's angle, slope and base
// points, the angular builder's arc and radius, the letters' size, angle and
// text, and the dimension layer. The modules reach the fields by their own
// names (DimStep, DimF, ArcRadius, ...), which refer into the record.
//
// A dimension built while a command waits (the options dialog's sample)
// builds with a record of its own (DimensionWorkKept): a field added to the
// record is kept with the rest, so no list kept by hand can leave one out.
//
// Sections:
//   The record
//   Working state kept
#pragma once

#include <memory>

#include "platform/Types.h"

namespace lintavo {

// ---- The record ----------------------------------------------------------------------
// A point of a dimension, world units.
struct DimPointRec {
  Double X = 0;
  Double Y = 0;
};

struct DimWorkRec {
  // The command's steps.
  Integer DimStep = 0;          // step of the running command
  Integer DimSegmentStep = 0;   // ToolStep of the last finished segment
  Integer DimFirstSegment = 0;  // flag: the next dimension built is the command's first
  // Working points: F the first point, S and E the segment, Loc the location, C a centre.
  DimPointRec DimF, DimS, DimE, DimLoc, DimC;
  // The linear builder.
  Double DimValue = 0;         // the value measured last, world units
  Integer DimOtherSide = 0;    // flag: the dimension lies clockwise of P1 -> P2
  Integer DimTextFlipped = 0;  // flag: the letters were turned half round
  Single DimExtDistance = 0;   // base points to the dimension line, world units
  Single Theta = 0;            // angle of the dimension line, radians
  Single Slope = 0;            // slope of the measured segment
  DimPointRec P1, P2;          // base points
  // The angular builder.
  bool OnArc = false;    // the dimension measures an arc, not two radius points
  Double ArcRadius = 0;  // radius of the dimension arc, world units; a chain's next build reads it
  // The letters.
  Single DimTextHeight = 0;      // letter height H, world units
  Single DimTextWidth = 0;       // letter width W, world units
  Single DimTextHalfHeight = 0;  // H / 2
  Single DimTextHalfWidth = 0;   // W / 2
  Single DimTextLength = 0;      // room kept for the text: (W / 2 + characters) x W
  String DimText;                // the text written
  Single DimTextAngle = 0;       // letter angle, degrees
  Integer DimSpecialArrows = 0;  // flag: DrawArrowHead may draw the circle and slash styles
  // The layer.
  Long DimLayerIndex = 0;  // the dimension layer of the running command (Items index; 0 none)
};
extern DimWorkRec DimWork;  // the dimension being built

// ---- Working state kept ------------------------------------------------------------------
// Takes the whole record when made and puts a fresh one in force, so a
// dimension built in its scope starts as with no command running; gives the
// record back whole when it goes. It also keeps the two settings a build
// writes beside the record, the arrow length and the metric display unit
// (both sized from the measured length), so the sample leaves the user's.
class DimensionWorkKept {
 public:
  DimensionWorkKept();
  ~DimensionWorkKept();
  DimensionWorkKept(const DimensionWorkKept&) = delete;
  DimensionWorkKept& operator=(const DimensionWorkKept&) = delete;

 private:
  struct Values;
  std::unique_ptr<Values> kept_;
};

}  // namespace lintavo
