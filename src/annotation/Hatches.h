// Hatches: hatch patterns generated at drawing time inside the boundary of
// an area. A Hatch entity (type 16) records only its area, pattern, scale
// and rotation; its lines are never stored.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Options ---------------------------------------------------------------------------
// ShowHatches lives with the display options (DisplayOptions.h).
// Hatch options, "" or 0 until an option set is applied (built-in defaults in the comments).
extern String CurPatternName;          // pattern of new hatches, by name ("")
extern String HatchLayer;              // layer of new hatch objects ("Hatches 1")
extern Long HatchColor;                // RGB of new hatches (green)
extern Integer UsePatternColor;        // flag: hatches take their pattern's colour instead (0)
extern Single HatchScale;              // scale of new hatches (1.0)
extern Single HatchRotation;           // rotation of new hatches, degrees (0)
extern Integer HatchUseBoundaryLayer;  // flag: kept in the option set only (0)

// The pattern library the hatches draw with is in SupportLists.h.
// The HatchPatterns index of the pattern of new hatches: the one named
// CurPatternName. A name that names no pattern (the empty start value, or a
// pattern no longer in the library) gives the first pattern, whose name
// CurPatternName then takes: the options dialog shows that pattern first, and
// the pattern shown is the pattern used. 0 only while the library is empty.
Long CurrentHatchPattern();

// ---- Drawing ---------------------------------------------------------------------------
// Hatches are generated at every redraw: each line family of the pattern is
// rasterised in view pixels and a pixel is set only where the area's span
// table (Boundaries.h) holds it inside. On the printer each run of inside
// pixels of a segment is drawn as one line instead. A family whose scaled spacing is 0
// or less, a negative scale or a dash period of 0 draws nothing; families
// finer than a quarter pixel are drawn at a quarter pixel, which sets the
// same pixels, so the work stays bounded by the box.
extern Long CurPatternIndex;  // HatchPatterns index found by the last area preview; new hatches take it

// Draws Hatch entity ObjNo inside its area's boundary (nothing below zoom x scale 0.2).
void DrawHatchObj(Long ObjNo);
// The area chooser's preview: area Item hatched with the current options.
void PreviewAreaHatch(Long Item);
// The options dialog's preview over the span table it built, then the outline.
void PreviewFillOptionsHatch();
// Generates and plots line family LineNo of HatchPatternLines.
void GenerateHatchLines(Long LineNo);
// One segment in view pixels (y upward), clipped by the box and the spans:
// its pixels on an image, its runs of inside pixels as lines on the printer.
void RasterHatchSegment(Single X1, Long Y1, Single X2, Long Y2);
// Sets view pixel (X, Y) in the hatch colour when it lies inside the boundary.
void PlotHatchPixel(Long X, Long Y);

void ResetHatches();  // the module's globals to their start values

}  // namespace lintavo
