// Hatches: hatch patterns generated at drawing time inside the boundary of
// an area. A Hatch entity (type 16) records only its area, pattern, scale
// and rotation; its lines are never stored.
#pragma once

#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Options ---------------------------------------------------------------------------
extern Integer ShowHatches;  // flag: hatches are drawn (-1 at start)
// Hatch options, "" or 0 until an option set is applied (built-in defaults in the comments).
extern String CurPatternName;          // pattern of new hatches, by name ("")
extern String HatchLayer;              // layer of new hatch objects ("Hatches 1")
extern Long HatchColor;                // RGB of new hatches (green)
extern Integer UsePatternColor;        // flag: hatches take their pattern's colour instead (0)
extern Single HatchScale;              // scale of new hatches (1.0)
extern Single HatchRotation;           // rotation of new hatches, degrees (0)
extern Integer HatchUseBoundaryLayer;  // flag: kept in the option set only (0)

// ---- Pattern library (read once at start-up, read-only afterwards) ---------------------
// A hatch entity stores its pattern's position in HatchPatterns in Ltype,
// so the order of the table is the order the rows were read.
struct PatternRec {
  Long PatternID = 0;     // database key of the pattern row
  String Name;
  String Description;
  Integer Type = 0;       // kind of pattern as stored
  Long Color = 0;         // RGB, red in the low byte
  Integer Nlines = 0;     // stored count of line families; 0 or less reads none
};

// One family of parallel lines of a pattern; lengths in drawing units.
struct PatternLineRec {
  Long PlineID = 0;       // database key of the line row
  Long PatternID = 0;     // the owning pattern's PatternID
  Single ANGLE = 0;       // degrees
  Single Xorigin = 0;     // a point the first line passes through
  Single Yorigin = 0;
  Single DeltaX = 0;      // offset from one line of the family to the next
  Single DeltaY = 0;
  Single Dash1 = 0;       // dash lengths along the line; Dash1 = 0 is a continuous line
  Single Dash2 = 0;
  Single Dash3 = 0;
  Single Dash4 = 0;
  Single Dash5 = 0;
  Single Dash6 = 0;
};

extern std::vector<PatternRec> HatchPatterns;          // 1-based, entries 1..PatternCount
extern Long PatternCount;                              // patterns loaded
extern Long PatternCap;                                // allocated entries (grows by 100)
extern std::vector<PatternLineRec> HatchPatternLines;  // 1-based, entries 1..PatternLineCount
extern Long PatternLineCount;                          // line families loaded
extern Long PatternLineCap;                            // allocated entries (grows by 1000)

// ---- Drawing ---------------------------------------------------------------------------
// Draws Hatch entity ObjNo inside its area's boundary.
// Not built yet: the pattern generator does not exist, so nothing is drawn.
void DrawHatchObj(Long ObjNo);

void ResetHatches();  // the module's globals to their start values

}  // namespace lintavo
