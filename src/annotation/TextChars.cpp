// TextChars: text characters, the shared entry state, the text box and cursor.
//
// Sections:
//   Shared entry state
//   Glyphs and characters
//   Text box and cursor
//   Reset
#include "annotation/TextChars.h"

#include <cmath>
#include <vector>

#include "annotation/Texthand.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/ItemMembers.h"
#include "model/LayerItems.h"
#include "model/ObjIndex.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/Surface.h"
#include "storage/LoadFonts.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/SurfaceDraw.h"

namespace lintavo {

// ---- Shared entry state ---------------------------------------------------------------------

TextEntryStateRec TextEntryState;
String GlyphKey;

namespace {
constexpr Integer TextCharPoints = 5;      // points of a character entity
constexpr Long TextBoxColor = 0xFF00;      // green outline of the text box
constexpr Double NoCharDistance = 10000;   // starting distance of the nearest-character search
constexpr Double FlatTolerance = 1e-7;     // a base line this close to an axis is taken as on it
constexpr Double BoxSlack = 1e-9;          // rounding allowed at the sides of the text box, world units
std::vector<Long> NearChars;               // candidates of FindTextCharAt; storage reused

// The whole view pixel of a world point, not clamped: the marks are lines,
// which the line primitive cuts to the guard box (ViewCache.h).
Double PixelOfX(Double X) { return RoundHalfEven(UnclampedPixelX(X)); }
Double PixelOfY(Double Y) { return RoundHalfEven(UnclampedPixelY(Y)); }

// A screen mark in the copy pen, one pixel wide.
void MarkLine(Double x1, Double y1, Double x2, Double y2, Long Color) {
  if (!ActiveDoc) return;
  SetDrawWidth(1);
  SetDrawStyle(0);
  SetDrawMode(vbCopyPen);
  SetForeColor(Color);
  GdiLine(x1, y1, x2, y2);
}

void BoxSides(Long Color) {
  const TextCorner* c = TextEntryState.Box;
  for (int k = 1; k <= 4; ++k) {
    const TextCorner& a = c[k];
    const TextCorner& b = c[k == 4 ? 1 : k + 1];
    MarkLine(PixelOfX(a.X), PixelOfY(a.Y), PixelOfX(b.X), PixelOfY(b.Y), Color);
  }
}

PntRec& CharPoint(Long ObjNo, Integer k) { return Pnts[Objs[ObjNo].PointID + k - 1]; }

// A character entity shows glyph GlyphIdx (key Key) in the current text
// colour and belongs to no item.
void SetCharGlyph(ObjRec& Obj, const String& Key, Long GlyphIdx) {
  Obj.Name = Key;
  Obj.ObjectID = GlyphIdx;
  Obj.OwnerID = 0;
  Obj.Color = TextColor;
}
}  // namespace

Single TextAdvanceFor(Single Height) { return ToSingle(Double{Height} * TextAspect / DefaultAspect); }

// ---- Glyphs and characters ------------------------------------------------------------------

bool FindGlyph(Long& GlyphIdx) {
  NewItemName = GlyphKey;
  NewItemKind = ItemGlyph;
  if (FindFontChar(GlyphKey) || LoadFontChar(GlyphKey)) {
    GlyphIdx = CurItem;
    return true;
  }
  return false;
}

void AddTextCharObj(Long GlyphIdx) {
  DrawingWindow* window = ActiveDocForm();
  const Long keptLayer = window ? window->Current_Layer : 0;
  const Long layer = EnsureLayer(TextLayer);
  if (window) window->Current_Layer = layer;
  const TextEntryStateRec& t = TextEntryState;
  AddObj(EntityTextChar, TextCharPoints);
  ObjRec& obj = Objs[ObjCount];
  SetCharGlyph(obj, GlyphKey, GlyphIdx);
  obj.Weight = 0;
  obj.Width = 0;
  obj.LayerID = layer;
  AddPnt(t.PenX, t.PenY);
  AddPnt(t.Height, t.Height);
  AddPnt(t.AngleDeg, TextItalic ? ItalicSlant : TextSlant);
  AddPnt(TextBold ? 1 : 0, TextUnderline ? 1 : 0);
  AddPnt(TextBoxOutline ? 1 : 0, static_cast<Double>(TextBackColor));
  if (window) window->Current_Layer = keptLayer;
}

void DrawTextChar(Long ObjNo, bool Wipe) {
  if (!ActiveDoc) return;
  const Integer kept = EraseDraw;
  EraseDraw = Wipe ? FlagTrue : FlagFalse;
  DrawObject(ObjNo);
  EraseDraw = kept;
}

void UpdateTextCharObj(Long ObjNo, const String& Key, Long GlyphIdx) {
  const EntityLook before = LookOf(ObjNo);
  DrawTextChar(ObjNo, true);
  SetCharGlyph(Objs[ObjNo], Key, GlyphIdx);
  EntityChanged(ObjNo);
  MarkExtentsChanged(Objs[ObjNo].DwgNo);  // another glyph covers another box
  EntityLinksChanged(ObjNo);
  ObjIndexShownItemChanged(ObjNo);
  DrawTextChar(ObjNo, false);
  PushLookChange(ObjNo, before);
}

void RecolourTextChar(Long ObjNo) {
  const EntityLook before = LookOf(ObjNo);
  Objs[ObjNo].Color = TextColor;
  EntityChanged(ObjNo);
  DrawTextChar(ObjNo, false);
  PushLookChange(ObjNo, before);
}

Single LineAdvanceOf(Long ObjNo) {
  const ObjRec& own = Objs[ObjNo];
  const PntRec* p = &Pnts[own.PointID];
  const Single height = static_cast<Single>(p[1].Y);
  const Double angle = p[2].X * DegToRad;
  const Double ax = std::cos(angle), ay = std::sin(angle);
  // Characters of one line share height and angle exactly (one key step wrote
  // them); the base line is matched within a hundredth of the height.
  const Double slack = std::fabs(Double{height}) / 100.0;
  Double nearest = 0;
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (i == ObjNo || obj.DwgNo != own.DwgNo || obj.Rtype != EntityTextChar || !obj.Show || obj.Erased) continue;
    const PntRec* q = &Pnts[obj.PointID];
    if (q[1].Y != p[1].Y || q[2].X != p[2].X) continue;
    const Double dx = q[0].X - p[0].X, dy = q[0].Y - p[0].Y;
    if (std::fabs(dy * ax - dx * ay) > slack) continue;  // off the base line
    const Double along = std::fabs(dx * ax + dy * ay);
    if (along > slack && (nearest == 0 || along < nearest)) nearest = along;
  }
  return nearest > 0 ? static_cast<Single>(nearest) : TextAdvanceFor(height);
}

bool FindTextCharAt(Long& ObjNo, Double X, Double Y) {
  const Double tolerance = std::min<Double>(TextEntryState.Advance / 5.0, PickTolerance);
  if (!(tolerance >= 0) || !std::isfinite(X) || !std::isfinite(Y)) return false;
  ObjIndexCandidates(X, Y, tolerance, NearChars);
  Double best = NoCharDistance;
  for (const Long i : NearChars) {
    if (i <= BaseObjCount) continue;
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo != CurDwg || obj.Rtype != EntityTextChar || !obj.Show || obj.Erased) continue;
    const PntRec& p = Pnts[obj.PointID];
    const Double distance = std::fabs(X - p.X) + std::fabs(Y - p.Y);
    if (distance >= best) continue;
    best = distance;
    ObjNo = i;
    if (distance < tolerance) return true;
  }
  return false;
}

void MoveTextChar(Long ObjNo, Double X, Double Y) {
  DrawTextChar(ObjNo, true);
  PntRec& origin = CharPoint(ObjNo, 1);
  origin.X = X;
  origin.Y = Y;
  ObjPointsChanged(ObjNo);
  DrawTextChar(ObjNo, false);
}

// ---- Text box and cursor --------------------------------------------------------------------

bool CellInBox(Double X, Double Y) {
  const TextEntryStateRec& t = TextEntryState;
  const TextCorner* c = t.Box;
  const bool lineIn = Y >= c[1].Y - BoxSlack && Y + t.Height <= c[3].Y + BoxSlack;
  const bool lineStart = X <= c[1].X + BoxSlack;
  return lineIn && X >= c[1].X - BoxSlack && (lineStart || X + t.Advance <= c[3].X + BoxSlack);
}

void SetupTextBox(Double X1, Double Y1, Double X2, Double Y2, Double X, Double Y) {
  TextCorner* c = TextEntryState.Box;
  c[1] = {X1, Y1};
  c[2] = {X2, Y2};
  if (std::fabs(X1 - X2) < FlatTolerance) {
    c[4] = {X, Y1};
  } else if (std::fabs(Y1 - Y2) < FlatTolerance) {
    c[4] = {X1, Y};
  } else {
    // The foot of P on the line through P1 at right angles to P1P2.
    const Double ux = -(Y2 - Y1), uy = X2 - X1;
    const Double t = ((X - X1) * ux + (Y - Y1) * uy) / (ux * ux + uy * uy);
    c[4] = {X1 + t * ux, Y1 + t * uy};
  }
  c[3] = {c[2].X + c[4].X - c[1].X, c[2].Y + c[4].Y - c[1].Y};
  TextEntryState.BoxHeight = std::hypot(c[4].X - c[1].X, c[4].Y - c[1].Y);
}

void DrawTextBox() {
  EraseTextBox();
  BoxSides(TextBoxColor);
  TextEntryState.BoxShown = FlagTrue;
}

void EraseTextBox() {
  if (!TextEntryState.BoxShown) return;
  BoxSides(DwgBackColor);
  TextEntryState.BoxShown = FlagFalse;
}

namespace {
// Keeps the pen inside the text box: a line up, the next line while the box
// has one, or back inside at the top or the bottom.
void WrapPenInBox() {
  TextEntryStateRec& t = TextEntryState;
  const Double s = LineSpacingFactor * t.Height;
  const Double c = std::cos(t.AngleRad), sn = std::sin(t.AngleRad);
  const Double endX = t.PenX + t.Advance * c, endY = t.PenY + t.Advance * sn;
  if (t.PenX < t.Box[1].X) {
    t.LineStartX -= s * sn;
    t.LineStartY += s * c;
    t.PenX = t.LineStartX;
    t.PenY = t.LineStartY;
  } else if (endX > t.Box[3].X) {
    const Double nextX = t.LineStartX + s * sn, nextY = t.LineStartY - s * c;
    if (!CellInBox(nextX, nextY)) return;  // no line below: the box is full
    t.LineStartX = t.PenX = nextX;
    t.LineStartY = t.PenY = nextY;
  } else if (t.PenY > t.Box[3].Y) {
    t.LineStartY -= s * c;
    t.PenY = t.LineStartY;
  } else if (endY < t.Box[1].Y) {
    t.LineStartY += s * c;
    t.PenY = t.LineStartY;
  }
}
}  // namespace

void PlaceTextCursor() {
  TextEntryStateRec& t = TextEntryState;
  if (t.BoxMode) WrapPenInBox();
  const Double endX = t.PenX + t.Advance * std::cos(t.AngleRad);
  const Double endY = t.PenY + t.Advance * std::sin(t.AngleRad);
  // The cursor, one character long, is kept in Singles as a mark: its ends
  // are clamped as a point drawn alone is.
  t.CursorPixels[0] = static_cast<Single>(ClampPixel(PixelOfX(t.PenX)));
  t.CursorPixels[1] = static_cast<Single>(ClampPixel(PixelOfY(t.PenY)));
  t.CursorPixels[2] = static_cast<Single>(ClampPixel(PixelOfX(endX)));
  t.CursorPixels[3] = static_cast<Single>(ClampPixel(PixelOfY(endY)));
  MarkLine(t.CursorPixels[0], t.CursorPixels[1], t.CursorPixels[2], t.CursorPixels[3], CursorColor);
  t.CursorShown = FlagTrue;
}

void EraseTextCursor() {
  TextEntryStateRec& t = TextEntryState;
  if (!t.CursorShown) return;
  MarkLine(t.CursorPixels[0], t.CursorPixels[1], t.CursorPixels[2], t.CursorPixels[3], DwgBackColor);
  t.CursorShown = FlagFalse;
}

// ---- Reset ----------------------------------------------------------------------------------

void ResetTextChars() {
  TextEntryState = TextEntryStateRec{};
  GlyphKey.clear();
  NearChars.clear();
}

namespace {
const ModuleRegistrar Registered({"TextChars", FloorAnnotation, ResetTextChars});
}  // namespace

}  // namespace lintavo
