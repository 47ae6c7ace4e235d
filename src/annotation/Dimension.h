// Dimension: dimensions built from lines, arrowheads and text.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// ---- Command state -------------------------------------------------------------
extern Integer DimKind;  // sub-command chosen by the menus and tool bars
extern Integer DimActive;  // flag: the module's dispatcher has taken the current command

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
extern Single DimLetterHeight;        // fixed letter height (1.0)
extern Single DimLetterWidth;         // fixed letter width (the TextAspect of the text options)
extern Single DimArrowAngle;          // half-angle of the arrowhead (pi / 6)
extern Single DimArrowLength;         // arrowhead length (0.5)
extern Single DimExtOffset;           // extension line offset (0.25)
extern Single DimExtAbove;            // extension beyond the dimension line (0.5)
extern Single DimExtBelow;            // extension toward the object (0.5)
extern Single DimLeaderLength;        // leader tail; a set keeps it as a whole number (1.0)

// Ends the dimension command; with Accept 0 the unfinished dimension is dropped.
void EndDimensionCommand(Integer& Accept);

void ResetDimension();  // the module's globals to their start values

}  // namespace lintavo
