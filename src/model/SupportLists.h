// SupportLists: the lists read from the support databases at start-up and
// kept for the whole run: the hatch pattern library, the stroke font names,
// and the library of remembered layer names.
//
// The storage readers fill them; the hatches, the text commands, the main
// window's font box and the layer commands read them. The layer-name
// library also grows while the program runs: every layer the program makes
// is remembered, in the list and in the settings database.
//
// Sections:
//   Pattern library
//   Font names
//   Layer-name library
//   Reset
#pragma once

#include <array>
#include <vector>

#include "platform/Types.h"

namespace lintavo {

// ---- Pattern library (read once at start-up, read-only afterwards) ----------------------
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

// ---- Font names ------------------------------------------------------------------------------
constexpr Integer MaxFontNames = 200;  // the list holds at most this many names
extern std::array<String, MaxFontNames + 1> FontNames;  // stroke font names, entries 1..FontCount
extern Integer FontCount;                                // names in FontNames

// ---- Layer-name library ------------------------------------------------------------------------
// Every layer name the program has made, with a category, kept across runs
// in the settings database. Names are unique in the list (exact comparison).
struct LayerNameRec {
  String Name;      // the layer name
  String Category;  // free grouping text; "General Use" for names the program makes
};
extern std::vector<LayerNameRec> LayerNameList;  // entries 1..LayerNameCount; 0 unused
extern Long LayerNameBound;                      // upper index of LayerNameList (grows by 100)
extern Long LayerNameCount;                      // entries in use

// Adds the pair unless the name is listed already; true when it was added.
// The reader of the library lists its rows this way: they are stored already.
bool ListLayerName(const String& Name, const String& Category);
// Adds the pair unless the name is listed already, and stores a new pair in
// the settings database.
void AddLayerName(const String& Name, const String& Category);

// ---- Reset ------------------------------------------------------------------------------------
void ResetSupportLists();  // every list empty

}  // namespace lintavo
