// MixedDrawing: the placements of the mixed drawing, each made through the
// program's routines, its save through the drawing window and its DXF text.
//
// Placement p goes to the p-th point of an even low-discrepancy sequence
// over the world; which kind it is follows the mix: the kind furthest
// behind its share of the entities made so far goes next, and the last few
// entities are lines, so the drawing holds exactly the count asked for.
// Hatched areas come at their turn in the table (one per 2,000 entities),
// as a user adds them while drawing.
//
// While building, the view shows a window far off the drawing, so that the
// redraws the commands make on the way (each area command ends with one)
// draw nothing; the view is put on the whole drawing before the save.
#include "MixedDrawing.h"

#include <QMdiSubWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

#include "OpenRoad.h"
#include "annotation/Areas.h"
#include "annotation/DimLinear.h"
#include "annotation/DimPrimitives.h"
#include "annotation/Dimension.h"
#include "annotation/Hatches.h"
#include "annotation/TextChars.h"
#include "annotation/TextEntry.h"
#include "annotation/Texthand.h"
#include "windows/main/frmMain.h"
#include "commands/LineDraw.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/SupportLists.h"
#include "model/Top.h"
#include "model/Units.h"
#include "platform/Services.h"
#include "storage/DbSchema.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {

namespace {

constexpr Double AreaPerEntity = 4;    // square world units of the world per entity
constexpr Double WorldAspect = 1.6;    // width to height, as the 1600 x 1000 drawing area
constexpr Double Margin = 3;           // world units kept free at the world's edges
constexpr Double TextHeightUsed = 0.6F;  // typed strings
constexpr Single DimLetterHeightUsed = 0.4F;
constexpr Double AreaWidth = 14, AreaHeight = 9;  // hatched areas, world units
constexpr Long DimensionRgb = 0x0000FF;  // red
constexpr Long HatchRgb = 0x008000;      // green
constexpr Long BoundaryRgb = 0x00FF00;
constexpr Double FarAway = -1e6;         // the build's view window lies here
constexpr long LongestPlacement = 40;   // entities one placement makes at most (a dimension)

// Typed strings, written in turn; no blanks, so a string is one run of characters.
constexpr std::array<const char*, 8> Strings = {"LINTAVO", "M8X40", "A-12", "BOLT", "R2.5", "NUT", "X7", "PLATE3"};

enum class Kind { Line, Arc, Circle, Polyline, Text, Dimension };
struct KindShare {
  Kind kind;
  Double share;  // of the drawing's entities
};
constexpr std::array<KindShare, 6> Mix = {{{Kind::Line, 0.5},
                                           {Kind::Arc, 0.1},
                                           {Kind::Circle, 0.1},
                                           {Kind::Polyline, 0.1},
                                           {Kind::Text, 0.1},
                                           {Kind::Dimension, 0.1}}};

Double Fraction(Double v) { return v - std::floor(v); }

// The p-th point of the plastic-number sequence, an even spread over the box.
void SpreadPoint(long p, const WorldBox& box, Double& x, Double& y) {
  constexpr Double A1 = 0.7548776662466927, A2 = 0.5698402909980532;
  x = box.Xmin + Fraction(0.5 + A1 * static_cast<Double>(p)) * box.Width();
  y = box.Ymin + Fraction(0.5 + A2 * static_cast<Double>(p)) * box.Height();
}

// A repeatable value in 0..1 for placement p and a salt.
Double Vary(long p, Double salt) { return Fraction(static_cast<Double>(p) * 0.6180339887498949 + salt); }

long& CountOf(MixedCounts& c, Kind kind) {
  switch (kind) {
    case Kind::Line: return c.Lines;
    case Kind::Arc: return c.Arcs;
    case Kind::Circle: return c.Circles;
    case Kind::Polyline: return c.Polylines;
    case Kind::Text: return c.TextChars;
    default: return c.DimensionParts;
  }
}

// The kind furthest behind its share; lines when few entities remain.
Kind NextKind(MixedCounts& c, long remaining) {
  if (remaining <= LongestPlacement) return Kind::Line;
  const KindShare* best = &Mix[0];
  for (const KindShare& k : Mix)
    if (static_cast<Double>(CountOf(c, k.kind)) / k.share < static_cast<Double>(CountOf(c, best->kind)) / best->share)
      best = &k;
  return best->kind;
}

// Entities of the current drawing among Objs[from..ObjCount] (glyph strokes
// loaded on the way belong to no drawing).
long DrawingEntitiesFrom(Long from) {
  long n = 0;
  for (Long i = from; i <= ObjCount; ++i) n += Objs[i].DwgNo == CurDwg ? 1 : 0;
  return n;
}

// ---- The placements -------------------------------------------------------------

void PlaceLine(long p, Double x, Double y) {
  const Double a = Vary(p, 0.1) * 2 * Pi, length = 1.5 + Vary(p, 0.3);
  AddLineEntity(x, y, x + length * std::cos(a), y + length * std::sin(a));
}

// Centre, start, a point on the arc, end, counterclockwise, as the arc commands store them.
void PlaceArc(long p, Double x, Double y) {
  const Double r = 0.6 + 0.5 * Vary(p, 0.2), start = Vary(p, 0.7) * 2 * Pi, sweep = (0.5 + Vary(p, 0.4)) * Pi;
  AddObj(EntityArc, 4);
  AddPnt(x, y);
  for (const Double a : {start, start + sweep / 2, start + sweep}) AddPnt(x + r * std::cos(a), y + r * std::sin(a));
  DrawObject(ObjCount);
}

void PlaceCircle(long p, Double x, Double y) {
  AddObj(EntityCircle, 2);
  AddPnt(x, y);
  AddPnt(x + 0.4 + 0.5 * Vary(p, 0.9), y);
  DrawObject(ObjCount);
}

void PlacePolyline(long p, Double x, Double y) {
  constexpr Integer Vertices = 4;
  AddObj(EntityPolyline, Vertices);
  for (Integer k = 0; k < Vertices; ++k) AddPnt(x + 0.7 * k, y + (k % 2 ? 0.6 + 0.4 * Vary(p, 0.5) : 0));
  DrawObject(ObjCount);
}

// One string, character by character at the text pen, as Place Text writes
// a typed string: the glyph found (loaded from the fonts database the first
// time), the character appended, the pen one advance on.
bool PlaceText(long p, Double x, Double y) {
  TextEntryStateRec& t = TextEntryState;
  t.Height = static_cast<Single>(TextHeightUsed);
  t.AngleDeg = t.AngleRad = 0;
  t.Advance = TextAdvanceFor(t.Height);
  t.PenX = x;
  t.PenY = y;
  for (const unsigned char c : String(Strings[static_cast<size_t>(p) % Strings.size()])) {
    GlyphKey = GlyphKeyFor(c);
    Long glyph = 0;
    if (!FindGlyph(glyph)) return false;
    AddTextCharObj(glyph);
    t.PenX += t.Advance;
  }
  return true;
}

// A single aligned linear dimension of a segment 3 to 5 units long, built
// as the dimension command builds it after its three clicks.
void PlaceDimension(long p, Double x, Double y) {
  const Double a = std::round(Vary(p, 0.25) * 8) * Pi / 8, length = 3 + 2 * Vary(p, 0.6);
  BeginDimensionSettings();
  DimF = DimS = {x, y};
  DimE = {x + length * std::cos(a), y + length * std::sin(a)};
  DimLoc = {(DimS.X + DimE.X) / 2 - std::sin(a), (DimS.Y + DimE.Y) / 2 + std::cos(a)};
  Integer first = FlagTrue;
  BuildLinearDimension(first);
  EndDimensionSettings();
}

// The area chooser's answer while the maker hatches: the area just made.
Long AreaToChoose = 0;
void ChooseAreaMade() {
  AreaItem = AreaToChoose;
  AreaName = Items[AreaToChoose].Name;
  DlgCancelled = FlagFalse;
}

// One step of the area command, as a click at (x, y) makes it.
void AreaStepAt(Integer step, Double x, Double y) {
  ToolStep = step;
  PickX = x;
  PickY = y;
  RunAreaCommand();
}

// Create Area by window over a box at (x, y), then Area Hatch of that area
// with the chooser answered; false when no area was made.
bool PlaceHatchedArea(Double x, Double y) {
  const Long itemsBefore = ItemCount;
  AreaCommand = AreaWindowCode;
  AreaActive = FlagFalse;
  AreaStepAt(0, 0, 0);
  AreaStepAt(1, x, y);
  AreaStepAt(2, x + AreaWidth, y + AreaHeight);
  Long made = 0;
  for (Long i = itemsBefore + 1; i <= ItemCount; ++i)
    if (Items[i].Rtype == ItemArea) made = i;
  if (!made) return false;
  void (*chooser)() = ShowAreaChooser;
  ShowAreaChooser = ChooseAreaMade;
  AreaToChoose = made;
  AreaCommand = AreaHatchCode;
  AreaActive = FlagFalse;
  RunAreaCommand();
  ShowAreaChooser = chooser;
  return Objs[ObjCount].Rtype == EntityHatch && Objs[ObjCount].ObjectID == made;
}

bool Place(Kind kind, long p, Double x, Double y, MixedCounts& c) {
  switch (kind) {
    case Kind::Line: PlaceLine(p, x, y); return true;
    case Kind::Arc: PlaceArc(p, x, y); return true;
    case Kind::Circle: PlaceCircle(p, x, y); return true;
    case Kind::Polyline: PlacePolyline(p, x, y); return true;
    case Kind::Text: ++c.Strings; return PlaceText(p, x, y);
    default: ++c.Dimensions; PlaceDimension(p, x, y); return true;
  }
}

// ---- Options the routines read -------------------------------------------------

// The options a user's option sets would give: plain black text in font
// "Text", red aligned single dimensions with fixed letters, inches to two
// places, green 45-degree hatches at scale 1, and each kind on its layer.
void SetDrawingOptions() {
  CurColor = 0;
  CurLineType = 0;
  CurLineWeight = 0;
  FontName = "Text";
  TextLayer = "Text 1";
  TextAspect = DefaultAspect;
  TextHeight = static_cast<Single>(TextHeightUsed);
  TextWidth = TextHeight * TextAspect;
  TextAngle = TextSlant = 0;
  TextBold = TextItalic = TextUnderline = TextBoxOutline = 0;
  TextColor = 0;
  TextBackColor = 0xFFFFFF;
  MetricUnits = FractionDisplay = AutoScale = FlagFalse;
  EnglishUnit = 1;
  DecimalPlaces = 2;
  AngleUnit = 1;
  DimFontName = "Text";
  DimLayerName = "Dimension 1";
  DimMode = DimSingle;
  DimDirection = DimAligned;
  DimLetterDirection = 1;
  DimLetterPlacement = DimInLine;
  DimArrowType = 2;
  DimArrowAngle = static_cast<Single>(Pi / 6);
  DimArrowSize = 3;
  DimArrowClosed = FlagFalse;
  DimWitnessMode = 1;
  DimFixedLetterHeight = FlagTrue;
  DimLetterHeight = DimLetterHeightUsed;
  DimLetterWidth = DimLetterHeightUsed * DefaultAspect;
  DimExtOffset = 0.25F;
  DimExtAbove = DimExtBelow = 0.5F;
  DimLeaderLength = 1;
  DimLineColor = DimLetterColor = DimensionRgb;
  BoundaryLayer = "Boundary 1";
  BoundaryColor = BoundaryRgb;
  HatchLayer = "Hatches 1";
  HatchColor = HatchRgb;
  UsePatternColor = FlagFalse;
  HatchScale = 1;
  HatchRotation = 0;
  CurPatternName = "Diagonal";
  ShowHatches = FlagTrue;
}

void ShowWindow(DrawingWindow& window, const WorldBox& box) {
  window.XVmin = box.Xmin;
  window.YVmin = box.Ymin;
  window.XVmax = box.Xmax;
  window.YVmax = box.Ymax;
  FitViewToWindow();
}

}  // namespace

// ---- World -----------------------------------------------------------------------

WorldBox MixedWorld(long entities) {
  const Double height = std::sqrt(static_cast<Double>(std::max(entities, 1L)) * AreaPerEntity / WorldAspect);
  return {0, 0, WorldAspect * height + 2 * Margin, height + 2 * Margin};
}

WorldBox MixedCentreBox(long entities, Double areaShare) {
  const WorldBox world = MixedWorld(entities);
  const Double side = std::sqrt(areaShare);
  const Double cx = world.Width() / 2, cy = world.Height() / 2;
  const Double hw = world.Width() * side / 2, hh = world.Height() * side / 2;
  return {cx - hw, cy - hh, cx + hw, cy + hh};
}

// The entities are spread one to AreaPerEntity square units inside the margin.
WorldBox MixedDetailBox(long entities) {
  const WorldBox world = MixedWorld(entities);
  const Double height = std::sqrt(DetailViewEntities * AreaPerEntity / WorldAspect), width = WorldAspect * height;
  const Double cx = world.Width() / 2, cy = world.Height() / 2;
  return {cx - width / 2, cy - height / 2, cx + width / 2, cy + height / 2};
}

// ---- Building ----------------------------------------------------------------------

bool BuildMixedDrawing(long entities, MixedCounts& counts) {
  counts = {};
  frmDocument* window = MainForm ? MainForm->ActiveChild() : nullptr;
  if (entities < 1 || !window) return false;
  SetDrawingOptions();
  ShowWindow(*window, {FarAway, FarAway, FarAway + 1, FarAway + 1});
  const WorldBox world = MixedWorld(entities);
  const WorldBox inside{Margin, Margin, world.Xmax - Margin, world.Ymax - Margin};
  const WorldBox areaPlaces{Margin, Margin, inside.Xmax - AreaWidth, inside.Ymax - AreaHeight};
  const long areas = entities / EntitiesPerHatchedArea;
  long placement = 0;
  while (counts.Total() < entities) {
    const long total = counts.Total();
    Double x = 0, y = 0;
    if (counts.Areas < areas && total >= counts.Areas * EntitiesPerHatchedArea + EntitiesPerHatchedArea / 2 &&
        entities - total > 2 + LongestPlacement) {
      SpreadPoint(counts.Areas + 1, areaPlaces, x, y);
      if (!PlaceHatchedArea(x, y)) return false;
      ++counts.Areas;
      ++counts.Hatches;
      continue;
    }
    const Kind kind = NextKind(counts, entities - total);
    SpreadPoint(++placement, inside, x, y);
    const Long first = ObjCount + 1;
    if (!Place(kind, placement, x, y, counts)) return false;
    CountOf(counts, kind) += DrawingEntitiesFrom(first);
  }
  ShowWindow(*window, world);
  return counts.Total() == entities;
}

// ---- Saving --------------------------------------------------------------------------

bool SaveMixedDrawing(const String& path) {
  frmDocument* window = MainForm ? MainForm->ActiveChild() : nullptr;
  if (!window || FileExists(path)) return false;
  sqlite3* db = nullptr;
  String error;
  bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK &&
            CreateSchemaTables(db, SchemaDrawings, error);
  sqlite3_close(db);
  if (ok) {
    DwgDbPath = path;
    SelDwgName = MixedDrawingName;
    CurRevision = "Rev. 0";
    window->SaveFile(MixedDrawingName);
    ok = Dwgs[CurDwg].DrawID > 0 && !window->IsDirty;
  }
  if (!ok) std::remove(path.c_str());
  return ok;
}

// ---- DXF ----------------------------------------------------------------------------

namespace {

const PntRec& Point(Long obj, Integer k) { return Pnts[Objs[obj].PointID + k - 1]; }

Double Degrees(Double x, Double y) {
  const Double d = std::atan2(y, x) * 180 / Pi;
  return d < 0 ? d + 360 : d;
}

// The character of a text entity, from its glyph key ("Text-65").
char CharOf(Long obj) {
  const String& key = Objs[obj].Name;
  return static_cast<char>(std::atoi(key.c_str() + key.rfind('-') + 1));
}

// Whether character b stands one advance after character a on a's line.
bool FollowsOnLine(Long a, Long b) {
  const PntRec &ao = Point(a, 1), &bo = Point(b, 1), &as = Point(a, 2), &bs = Point(b, 2);
  const Double angle = Point(a, 3).X * Pi / 180;
  return as.X == bs.X && as.Y == bs.Y && Point(a, 3).X == Point(b, 3).X &&
         std::fabs(ao.X + as.X * std::cos(angle) - bo.X) < 1e-6 && std::fabs(ao.Y + as.X * std::sin(angle) - bo.Y) < 1e-6;
}

int DxfColour(Long rgb) { return rgb == DimensionRgb ? 1 : rgb == HatchRgb ? 3 : 7; }

class DxfWriter {
 public:
  explicit DxfWriter(std::FILE* file) : file_(file) {}
  bool ok() const { return ok_; }

  void Entity(const char* type, const ObjRec& obj) {
    Put("0\n%s\n8\n%s\n62\n%d\n", type, LayerName(obj.LayerID).c_str(), DxfColour(obj.Color));
  }
  void Put(const char* format, ...) __attribute__((format(printf, 2, 3)));

  void Line(Long i) {
    Entity("LINE", Objs[i]);
    Put("10\n%.9g\n20\n%.9g\n30\n0\n11\n%.9g\n21\n%.9g\n31\n0\n", Point(i, 1).X, Point(i, 1).Y, Point(i, 2).X,
        Point(i, 2).Y);
  }
  void Circle(Long i) {
    const PntRec &c = Point(i, 1), &r = Point(i, 2);
    Entity("CIRCLE", Objs[i]);
    Put("10\n%.9g\n20\n%.9g\n30\n0\n40\n%.9g\n", c.X, c.Y, std::hypot(r.X - c.X, r.Y - c.Y));
  }
  // Counterclockwise from the end whose sweep passes the middle point.
  void Arc(Long i) {
    const PntRec &c = Point(i, 1), &s = Point(i, 2), &m = Point(i, 3), &e = Point(i, 4);
    Double a0 = Degrees(s.X - c.X, s.Y - c.Y), a1 = Degrees(e.X - c.X, e.Y - c.Y);
    const Double am = Degrees(m.X - c.X, m.Y - c.Y);
    const auto sweepTo = [a0](Double a) { return std::fmod(a - a0 + 360, 360); };
    if (sweepTo(am) > sweepTo(a1)) std::swap(a0, a1);
    Entity("ARC", Objs[i]);
    Put("10\n%.9g\n20\n%.9g\n30\n0\n40\n%.9g\n50\n%.9g\n51\n%.9g\n", c.X, c.Y, std::hypot(s.X - c.X, s.Y - c.Y), a0, a1);
  }
  void Polyline(Long i, bool closed) {
    Entity("LWPOLYLINE", Objs[i]);
    Put("90\n%d\n70\n%d\n", static_cast<int>(Objs[i].NPoints), closed ? 1 : 0);
    for (Integer k = 1; k <= Objs[i].NPoints; ++k) Put("10\n%.9g\n20\n%.9g\n", Point(i, k).X, Point(i, k).Y);
  }
  void Text(Long first, const String& text) {
    Entity("TEXT", Objs[first]);
    Put("10\n%.9g\n20\n%.9g\n30\n0\n40\n%.9g\n50\n%.9g\n1\n%s\n", Point(first, 1).X, Point(first, 1).Y,
        Point(first, 2).Y, Point(first, 3).X, text.c_str());
  }
  // Hatch i over the boundary of its area: one 45-degree family, 1/8 apart.
  void Hatch(Long i, Long boundary) {
    const Integer n = Objs[boundary].NPoints;
    Entity("HATCH", Objs[i]);
    Put("10\n0\n20\n0\n30\n0\n210\n0\n220\n0\n230\n1\n2\nANSI31\n70\n0\n71\n0\n91\n1\n92\n2\n72\n0\n73\n1\n93\n%d\n",
        static_cast<int>(n));
    for (Integer k = 1; k <= n; ++k) Put("10\n%.9g\n20\n%.9g\n", Point(boundary, k).X, Point(boundary, k).Y);
    Put("97\n0\n75\n0\n76\n1\n52\n0\n41\n1\n77\n0\n78\n1\n53\n45\n43\n0\n44\n0\n45\n-0.0883883476\n46\n0.0883883476\n79\n0\n"
        "98\n0\n");
  }

 private:
  static String LayerName(Long layer) { return layer >= 1 && layer <= ItemCount ? Items[layer].Name : "0"; }
  std::FILE* file_;
  bool ok_ = true;
};

void DxfWriter::Put(const char* format, ...) {
  va_list args;
  va_start(args, format);
  ok_ = ok_ && std::vfprintf(file_, format, args) >= 0;
  va_end(args);
}

// The hidden boundary polygon of each area item, by item index.
std::vector<Long> AreaBoundaries() {
  std::vector<Long> boundary(static_cast<size_t>(ItemCount) + 1, 0);
  for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && obj.Rtype == EntityPolygon && obj.OwnerID >= 1 && obj.OwnerID <= ItemCount &&
        Items[obj.OwnerID].Rtype == ItemArea && !boundary[static_cast<size_t>(obj.OwnerID)])
      boundary[static_cast<size_t>(obj.OwnerID)] = i;
  }
  return boundary;
}

// Writes entity i (and, for a character, the rest of its string); the next entity to write.
Long WriteEntity(DxfWriter& out, Long i, const std::vector<Long>& boundaries, bool& known) {
  const ObjRec& obj = Objs[i];
  switch (obj.Rtype) {
    case EntityLine: out.Line(i); break;
    case EntityArc: out.Arc(i); break;
    case EntityCircle: out.Circle(i); break;
    case EntityPolyline: out.Polyline(i, false); break;
    case EntityPolygon:
      if (obj.Show) out.Polyline(i, true);  // an area's boundary is hidden: its hatch shows it
      break;
    case EntityHatch: {
      const Long item = obj.ObjectID;
      const Long boundary = item >= 1 && item <= ItemCount ? boundaries[static_cast<size_t>(item)] : 0;
      if (boundary)
        out.Hatch(i, boundary);
      else
        known = false;
      break;
    }
    case EntityTextChar: {
      String text(1, CharOf(i));
      Long last = i, next = i + 1;
      for (; next <= ObjCount; ++next) {
        if (Objs[next].DwgNo != CurDwg) continue;  // glyph strokes loaded between the characters
        if (Objs[next].Rtype != EntityTextChar || !FollowsOnLine(last, next)) break;
        text += CharOf(next);
        last = next;
      }
      out.Text(i, text);
      return next;
    }
    default: known = false; break;
  }
  return i + 1;
}

}  // namespace

bool WriteMixedDxf(const String& path) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  if (!file) return false;
  DxfWriter out(file);
  const std::vector<Long> boundaries = AreaBoundaries();
  bool known = true;
  out.Put("0\nSECTION\n2\nENTITIES\n");
  for (Long i = BaseObjCount + 1; known && out.ok() && i <= ObjCount;)
    i = Objs[i].DwgNo == CurDwg ? WriteEntity(out, i, boundaries, known) : i + 1;
  out.Put("0\nENDSEC\n0\nEOF\n");
  const bool ok = std::fclose(file) == 0 && out.ok() && known;
  if (!ok) std::remove(path.c_str());
  return ok;
}

// ---- The whole maker ------------------------------------------------------------------

bool MakeMixedDrawingFiles(long entities, const String& mdbPath, const String& dxfPath, MixedCounts& counts) {
  ResetProgramState();
  StartPhases start;
  bool ok = StartProgramWithoutSplash(start) && SizeActiveDrawingArea(1600, 1000) &&
            BuildMixedDrawing(entities, counts) && SaveMixedDrawing(mdbPath) &&
            (dxfPath.empty() || WriteMixedDxf(dxfPath));
  EndProgramStarted();
  ResetProgramState();
  return ok;
}

}  // namespace lintavo
