// LineDrawingFiles: the drawings the benchmarks open, made from one
// generator: a stored drawing of many two-point lines on one layer, and the
// same lines as a minimal DXF file (LINE entities only) for programs that
// read that format.
//
// Line i (0-based) runs from (i mod 1000, (i div 1000) * 0.5) to that point
// plus (1, 1), in world units: a thousand lines a row, rows half a unit
// apart, so every size fills a band of the same width.
#pragma once

#include "platform/Types.h"

namespace lintavo {

constexpr Long BenchDrawKey = 1;                          // DrawID of the stored drawing
constexpr const char* BenchDrawingName = "Bench Lines";   // its Name in the Drawing table

// Writes a new drawings database at path with one drawing of `lines` lines;
// false (an existing file left alone, a partial one removed) on failure.
bool MakeLineDrawing(const String& path, long lines);

// Writes the same lines as a DXF file at path; false on failure.
bool MakeLineDxf(const String& path, long lines);

}  // namespace lintavo
