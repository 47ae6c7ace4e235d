// MixedDrawing: the benchmark drawing of many mixed entities, built in the
// started program's active drawing window through the routines the drawing
// commands use: lines (AddLineEntity), arcs, circles and polylines (the
// model's AddObj and AddPnt, as the shape commands add them), text strings
// written character by character through the text module, linear
// dimensions built by the dimension module (lines, arrowheads and letters),
// and hatched areas made by the area commands (Create Area by window, then
// Area Hatch). Stored through File, Save into a drawings database, and
// written as DXF for programs that read that format.
//
// The mix, counted in entities of the drawing (glyph strokes are the font's,
// not the drawing's): half lines; a tenth each arcs, circles, polylines,
// text characters and dimension entities; one hatched area (its hidden
// boundary and its hatch) per 2,000 entities. Everything is spread evenly
// over a world window of 1.6 : 1 whose area grows with the count (four
// square units an entity), so a window of a given world size shows about
// the same number of entities at every size: MixedDetailBox shows ~160.
#pragma once

#include <vector>

#include "platform/Types.h"

namespace lintavo {

constexpr const char* MixedDrawingName = "Bench Mixed";   // its Name in the Drawing table
constexpr long EntitiesPerHatchedArea = 2000;             // one hatched area per this many entities
constexpr long DetailViewEntities = 160;                  // entities a detail view shows

// Entities of the built drawing by what made them.
struct MixedCounts {
  long Lines = 0, Arcs = 0, Circles = 0, Polylines = 0;
  long TextChars = 0, Strings = 0;        // characters of typed strings, and the strings
  long DimensionParts = 0, Dimensions = 0;  // lines and letters of dimensions, and the dimensions
  long Areas = 0, Hatches = 0;            // boundaries of hatched areas, and their hatches
  long Total() const {
    return Lines + Arcs + Circles + Polylines + TextChars + DimensionParts + Areas + Hatches;
  }
};

struct WorldBox {
  Double Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;
  Double Width() const { return Xmax - Xmin; }
  Double Height() const { return Ymax - Ymin; }
};

// The world window the entities of a drawing of that many entities fill.
WorldBox MixedWorld(long entities);
// A window of areaShare of the world's area, of the world's shape, centred.
WorldBox MixedCentreBox(long entities, Double areaShare);
// The detail window: DetailViewEntities entities' worth of the world, centred.
WorldBox MixedDetailBox(long entities);

// Builds the drawing of `entities` entities (at least 1) into the active
// drawing window of the started program (StartProgramWithoutSplash); false,
// with what was built, when a routine refused (a glyph missing, an area not
// made). The window's view and the tool state are left as a command leaves them.
bool BuildMixedDrawing(long entities, MixedCounts& counts);

// File, Save of the current drawing as MixedDrawingName into a new drawings
// database at path; false (an existing file left alone) on failure.
bool SaveMixedDrawing(const String& path);

// Writes the current drawing's entities as DXF: LINE, ARC, CIRCLE,
// LWPOLYLINE, one TEXT for each string (the characters placed together), a
// HATCH of 45-degree lines over each hatched area's boundary. False on failure.
bool WriteMixedDxf(const String& path);

// The whole maker: starts the program (its support databases must be where
// AppPath says), builds the drawing, saves it at mdbPath and, unless dxfPath
// is empty, writes the DXF; ends the program and resets its state. counts
// gets what was built.
bool MakeMixedDrawingFiles(long entities, const String& mdbPath, const String& dxfPath, MixedCounts& counts);

}  // namespace lintavo
