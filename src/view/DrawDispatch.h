// DrawDispatch: the one entry through which an entity of the model is put on
// the current drawing surface (ActiveDoc), and the flags that change how.
//
// DrawObject decides whether an entity is drawn at all (its layer, its Show
// flag), sets the pen from the entity and the drawing flags, and hands it to
// the drawer of its type. Compound entities (types 12 to 16) go through
// DrawCompound, which draws the item they refer to (a component's members, a
// glyph's strokes, a dimension's parts, a fill or a hatch) under a placement
// transform, with a stack for components placed inside components. In an
// extents pass (ExtentsPass set, DrawEnabled clear) nothing is drawn and the
// points widen the extents instead.
//
// Sections:
//   Drawing flags
//   Compound state
//   Drawing
//   Text characters of loaded drawings
//   Reset
#pragma once

#include <array>

#include "platform/Types.h"

namespace lintavo {

struct ObjRec;

// ---- Drawing flags ---------------------------------------------------------------
extern Integer EraseDraw;  // flag: DrawObject paints in the background colour, wiping the entity
extern Integer XorDraw;    // flag: DrawObject draws with the not-XOR pen, so a second drawing removes it
extern Integer DrawAsSelected;  // flag: every entity drawn is drawn as selected (the parts of a selected compound)
extern Integer PaperDraw;  // flag: a page is drawn (printer or print preview): no entity shows as selected
// Whether an entity whose Selected flag is Selected is drawn in the
// selection's colour and style: it or the compound it is part of is
// selected, and the surface is a screen, not paper.
inline bool ShowsAsSelected(Integer Selected) { return !PaperDraw && (Selected || DrawAsSelected); }

// ---- Drawers of the annotation modules -----------------------------------------------
// Fills and hatches are drawn by their own modules, which put their drawers
// here when they register; an entity whose drawer is missing draws nothing.
extern void (*FillDrawer)(Long ObjNo);   // a Fill entity (type 15): FillObjectArea
extern void (*HatchDrawer)(Long ObjNo);  // a Hatch entity (type 16): DrawHatchObj

// ---- Compound state ----------------------------------------------------------------
// One level of nested compound drawing: where the enclosing loop stood.
struct CompoundFrame {
  Long MemberIndex = 0;  // Objs index of the member being drawn
  Long ObjNo = 0;        // Objs index of the enclosing compound entity
  Long ItemIndex = 0;    // Items index of the item it draws
};
constexpr Integer MaxNestLevel = 100;  // deepest nesting drawn; deeper members are left out

extern Integer SavedConPnts;  // ShowConPnts of the outermost compound, put back after it
extern Integer SavedRefPnts;  // ShowRefPnts of the outermost compound, put back after it
extern Integer MemberColorOn;  // flag: component members are drawn in MemberColor
extern Long MemberColor;       // RGB colour of the component being drawn
extern Integer NestLevel;      // 0 = outermost compound; 1..MaxNestLevel nested
extern std::array<CompoundFrame, MaxNestLevel + 1> CompoundStack;  // entries 1..NestLevel in use

// ---- Drawing -----------------------------------------------------------------------
void DrawObject(Long ObjNo);    // draws (or, in an extents pass, measures) one entity of Objs
void WipeObj(Long ObjNo);       // DrawObject in the background colour: takes the entity off the surface
void DrawCompound(Long ObjNo);  // types 12 to 16; called by DrawObject and the fit's extents pass only
// The extents pass's share of the outermost compound ObjNo (types 12 to 16):
// the four corners of its item's box, (Xmin, Ymin), (Xmax, Ymin),
// (Xmin, Ymax) and (Xmax, Ymax), through its placement into X and Y, so that
// a turned placement is covered whole (an area or group first takes its
// members' box); false when its item is neither linked nor found.
constexpr int BoxCorners = 4;
bool CompoundExtentsCorners(Long ObjNo, Double (&X)[BoxCorners], Double (&Y)[BoxCorners]);
// Whether item ItemIndex's box, under the current placement, can be seen; a
// glyph smaller than 2 by 2 pixels is drawn as one dot at the insertion
// point instead and counts as not in view.
bool ItemInView(Long ItemIndex);
// The pen of an entity on ActiveDoc: width from its weight or width, style
// from its line type, colour (the background while erasing, the selection
// colour and style while ShowsAsSelected), draw mode from XorDraw; PenColor and the
// other pen variables are set from the record.
void SetObjectPen(const ObjRec& Obj);
// The part of that which both renderers share: PenColor, PenStyle,
// PenWidthFactor, PenWeight and PenPntCount from the record (PenLayer is
// left), and the width and style put on ActiveDoc. No colour rule, no
// ForeColor, no draw mode.
void LoadObjectPen(const ObjRec& Obj);
// The pen width of an entity on ActiveDoc: Weight pixels when 2 or more,
// else as wide as a WidthFactor above 1 (world units) under the zoom, else 1.
void SetPenWidth(Integer Weight, Single WidthFactor);

// ---- Text characters of loaded drawings ------------------------------------------------
// The key of the same character in the font "TEXT": "TEXT" followed by Name
// from its first "-" on ("TEXT" alone when Name has no hyphen).
String FontKey(const String& Name);
// Makes every text character of the current drawing refer to a glyph item
// present in the model, falling back to the font "TEXT".
void EnsureTextFonts();

// ---- Reset -------------------------------------------------------------------------
void ResetDrawDispatch();  // the module's globals to their start values

}  // namespace lintavo
