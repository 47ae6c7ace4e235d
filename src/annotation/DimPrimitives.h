// DimPrimitives: the building blocks every dimension kind shares. A dimension
// is a run of ordinary entities (lines, arcs, circles and text characters)
// appended on the dimension layer; these routines swap the drawing settings
// for the dimension's own while a command runs, write the value as letters,
// append lines, arcs and arrowheads, and size the letters and arrows from the
// measured length. None of them draws: the dimension command draws what a
// step built once the step is done (each segment of a chain as it is made).
#pragma once

#include <vector>

#include "annotation/DimWork.h"
#include "platform/Types.h"

namespace lintavo {

class DrawingWindow;

// ---- Working values of the dimension being built ------------------------------
// The letters of the dimension being built, fields of DimWork (DimWork.h).
extern Single& DimTextHeight;
extern Single& DimTextWidth;
extern Single& DimTextHalfHeight;
extern Single& DimTextHalfWidth;
extern Single& DimTextLength;
extern String& DimText;
extern Single& DimTextAngle;
extern Integer& DimSpecialArrows;

// ---- Settings swap -----------------------------------------------------------------
// Saves the font, layer, colour, line type, weight and point-mark switches
// and puts the dimension's own in force. The dimension layer made current in
// the active window is a lend of its current layer (LayerLend): while the
// command waits, View Top Layer still shows the user's layer there.
void BeginDimensionSettings();
// Puts back each saved setting still as the command put it; one the user
// chose meanwhile stays. The lend ends. Returns the window whose current
// layer went back to the user's, nullptr when none did (no window, the
// window gone, the user's layer gone, or a layer chosen meanwhile stays).
DrawingWindow* EndDimensionSettings();
// The layer a pick of the command judges editable by: the user's layer of
// Window (UserLayerOf), so that it finds what the user could pick before the
// command began (in View Top Layer, the user's own top layer).
Long LayerBeforeDimension(const DrawingWindow* Window);

// ---- Appenders -------------------------------------------------------------------------
// The character codes of a dimension's text (UTF-8) as the fonts number their
// glyphs: the degree sign is one character, 176, not its two bytes.
std::vector<unsigned> DimTextCodes(const String& Text);
// The room DimTextLength keeps for Text: (W / 2 + its characters) x W.
Single DimTextRoom(const String& Text);
// Letters of Text from (X, Y) along DimTextAngle, each W further on; a
// character without a glyph takes no room.
void DrawDimensionText(const String& Text, Double X, Double Y);
void AddDimensionLine(Double X1, Double Y1, Double X2, Double Y2);
// The arc from P1 through P2 to P3; three points in a line give the line P1-P3.
void AddDimensionArc(Double X1, Double Y1, Double X2, Double Y2, Double X3, Double Y3);
// (X, Y) moved Dist along Angle (radians).
void PolarPoint(Double Dist, Double& X, Double& Y, Double Angle);
// An arrowhead with its tip at (X, Y) on a line that runs from the tip
// toward Angle + pi.
void DrawArrowHead(Double X, Double Y, Double Angle);
// Letter height and width, their halves, DimTextLength and DimArrowLength
// for a dimension of this length (world units); DimText must hold the text.
void SetDimensionLetterSize(Double Length);

void ResetDimPrimitives();

}  // namespace lintavo
