// ObjIndex: stacked loose grids of entity boxes.
//
// Sections:
//   Grid state
//   Boxes of entities
//   Cells
//   Laying out the grid
//   Keeping the index current
//   Asking the index
//   Reset
#include "model/ObjIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "platform/TextCompare.h"

namespace lintavo {
namespace {

// ---- Grid state ----------------------------------------------------------------------------

constexpr Long EndOfCell = 0;   // Heads, NextInCell: no further entity (entity numbers start at 1)
constexpr Long NotPlaced = -1;  // CellOf: in no cell (support geometry, or detached before it was placed)
constexpr Long BoxTaken = -2;   // CellOf, while the grid is laid out: its box is kept, its cell not chosen yet

// An entity goes to the lowest level whose cell width is at least its box
// size divided by this; the half cell a query adds then exceeds the half box
// by enough to absorb the rounding of the box's centre.
constexpr Double LevelFill = 0.99;
// Boxes, and the reach of a query, are widened by this fraction of the
// magnitude of their coordinates: far more than the rounding of any distance
// the picking routines compute in double precision.
constexpr Double RoundingMargin = 1e-9;
// Boxes of placed items are widened by this fraction: the drawer places them
// through single-precision factors, in steps this box may round otherwise.
constexpr Double PlacedMargin = 1e-6;
// Radii of circles and ellipses are widened by this fraction: the picking
// routine takes an ellipse's squared half-axes in single precision.
constexpr Double RadiusMargin = 1e-6;
// The reach is widened by this fraction, so that a distance just past it
// still exceeds it after conversion to single precision (the snap search).
constexpr Double ReachMargin = 1e-6;
constexpr Long EntitiesPerCell = 2;          // level 0 has about one cell per this many entities
constexpr Long MaxLevel0Cells = 1L << 22;    // and never more cells than this
constexpr Long LayoutSlack = 64;             // changes tolerated beyond a quarter of the placed entities
constexpr Long LinkAhead = 16;               // entities ahead whose cell the layout asks memory for

// One grid of the stack. Cells are numbered row by row from the lower left.
struct GridLevel {
  Double CellSize = 1;      // world units, > 0
  Double PerWorldUnit = 1;  // 1 / CellSize
  Long Columns = 1;         // cells across, >= 1
  Long Rows = 1;            // cells up, >= 1
  Long FirstCell = 0;       // index in Heads of its cell (0, 0)
};

// An entity's box as the index keeps it: single precision, rounded outward,
// measured from the box origin, a point of the drawings (so a drawing far
// from the world origin keeps the precision of its own extents).
struct PlacedBox {
  float Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;  // world units from (OriginX, OriginY)
};

struct GridState {
  Double BoxOriginX = 0, BoxOriginY = 0;  // world point the kept boxes are measured from
  Double OriginX = 0, OriginY = 0;        // world lower-left corner of every level's cell (0, 0)
  Double Width = 0, Height = 0;     // world extents the grid was laid out over
  std::vector<GridLevel> Levels;    // lowest first; the last has a single cell
  std::vector<Long> Heads;          // per cell: its first entity, EndOfCell when empty
  std::vector<Long> NextInCell;     // per entity: the next entity of its cell, EndOfCell at the end
  std::vector<Long> PrevInCell;     // per entity: the previous entity of its cell, EndOfCell at the head
  std::vector<Long> CellOf;         // per entity: index in Heads of its cell, NotPlaced
  std::vector<PlacedBox> Boxes;     // per entity in a cell: its box; unbounded entities the whole plane
  Long PlacedUpTo = 0;   // entities 1..PlacedUpTo were placed (or passed over as support geometry)
  Long PlacedCount = 0;  // entities in cells
  Long LaidOutFor = 0;   // PlacedCount right after the grid was laid out
  Long OffGrid = 0;      // entities placed since, with their centre outside the extents laid out
  Long Detached = 0;     // entities in cells that left their drawing since
  bool Valid = false;    // false: the grid is laid out anew before the next query
  // By item: 1 for the first glyph item of its key (letter case aside), as
  // the drawer's look-up by key finds it; for the items 1..GlyphItemsSeen.
  std::vector<unsigned char> FirstOfKey;
  Long GlyphItemsSeen = -1;
};

GridState Grid;

// ---- Boxes of entities ---------------------------------------------------------------------

struct EntityBox {
  Double Xmin = std::numeric_limits<Double>::infinity();  // world units
  Double Ymin = std::numeric_limits<Double>::infinity();
  Double Xmax = -std::numeric_limits<Double>::infinity();
  Double Ymax = -std::numeric_limits<Double>::infinity();
  bool Finite = true;  // false once a coordinate or radius was not a finite number
};

void TakeIn(EntityBox& box, Double X, Double Y) {
  if (!std::isfinite(X) || !std::isfinite(Y)) box.Finite = false;
  box.Xmin = std::min(box.Xmin, X);
  box.Ymin = std::min(box.Ymin, Y);
  box.Xmax = std::max(box.Xmax, X);
  box.Ymax = std::max(box.Ymax, Y);
}

void TakeInCircle(EntityBox& box, Double Cx, Double Cy, Double Radius) {
  const Double r = Radius * (1 + RadiusMargin);
  if (!std::isfinite(r)) box.Finite = false;
  TakeIn(box, Cx - r, Cy - r);
  TakeIn(box, Cx + r, Cy + r);
}

Double Span(const PntRec& a, const PntRec& b) {
  return std::sqrt((a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y));
}

// Stored points the snap search and the picking routines read, from the
// first: a compound entity's insertion point only, else every point.
Long PointsRead(const ObjRec& obj) { return obj.Rtype >= FirstCompoundType ? 1 : obj.NPoints; }

// The shapes the picking routines measure radially reach beyond their
// points: a circle or arc its rim about point 1 through point 2, an ellipse
// or elliptical arc its rim, at most the longer half-axis from the middle of
// either axis (the routine takes the middle of the longer one). The drawer
// takes the middle of the first axis and the larger of its half and the
// reach from there to point 3.
void TakeInRims(EntityBox& box, const ObjRec& obj, Long count) {
  const PntRec* p = &Pnts[obj.PointID];
  switch (obj.Rtype) {
    case EntityCircle:
    case EntityArc:
      if (count >= 2) TakeInCircle(box, p[0].X, p[0].Y, Span(p[0], p[1]));
      break;
    case EntityEllipse:
    case EntityEllipticArc:
      if (count >= 4) {
        const Double halfAxis = std::max(Span(p[0], p[1]), Span(p[2], p[3])) / 2;
        PntRec middle;
        middle.X = p[0].X / 2 + p[1].X / 2;
        middle.Y = p[0].Y / 2 + p[1].Y / 2;
        TakeInCircle(box, middle.X, middle.Y, std::max(halfAxis, Span(middle, p[2])));
        TakeInCircle(box, p[2].X / 2 + p[3].X / 2, p[2].Y / 2 + p[3].Y / 2, halfAxis);
      }
      break;
    default: break;  // chords of curves lie within their control points
  }
}

// Kinds whose drawing the index does not bound, kept in the top cell: a
// component's item box changes when the component is edited, and a fill or
// hatch draws its area's boundary wherever that polygon is moved. (A
// spline's arc-like pieces may bulge beyond its control points, but the
// drawer draws a piece only when its two points do not lie beyond one side
// of the view, so never when the box of its points misses the view.)
bool DrawsUnbounded(Integer type) { return type == EntityComponent || type == EntityFill || type == EntityHatch; }

// A text character's placement as the drawer applies it to the outermost
// compound (ApplyPlacement after the reset of DrawCompound), in the same
// single-precision steps: its insertion point, scales, turn and slant.
struct GlyphPlacement {
  Double X = 0, Y = 0;
  Single m00 = 1, m01 = 0, m10 = 0, m11 = 1;
  bool Slanted = false;
  Single SlantCos = 1, SlantSin = 0;

  GlyphPlacement(const PntRec& at, const PntRec& scale, const PntRec& turn) : X(at.X), Y(at.Y) {
    const Single scaleX = static_cast<Single>(scale.X), scaleY = static_cast<Single>(scale.Y);
    Single angle = static_cast<Single>(turn.X);
    if (angle > 360) angle -= 360;
    const Single sine = static_cast<Single>(std::sin(angle * DegToRad));
    const Single cosine = static_cast<Single>(std::cos(angle * DegToRad));
    m00 = scaleX * cosine;
    m01 = -scaleY * sine;
    m10 = scaleX * sine;
    m11 = scaleY * cosine;
    if (turn.Y == 0) return;
    const Single slant = static_cast<Single>(turn.Y);
    Slanted = true;
    SlantSin = static_cast<Single>(std::sin(slant * DegToRad));
    SlantCos = static_cast<Single>(std::cos(slant * DegToRad));
  }
  // Item point (x, y) into the box, slanted and not: the drawer slants a
  // point unless its Y equals the insertion point's.
  void TakeIn(EntityBox& box, Double x, Double y) const {
    TakeInPlaced(box, x, y);
    if (Slanted) TakeInPlaced(box, SlantCos * x + SlantSin * y, y);
  }
  void TakeInPlaced(EntityBox& box, Double x, Double y) const {
    lintavo::TakeIn(box, m00 * x + m01 * y + X, m10 * x + m11 * y + Y);
  }
};

// Whether point k of entity i is its own (the drawer reads it whatever the count).
bool OwnPoint(Long i, Long k) { return k >= 1 && k <= PntCount && Pnts[k].ObjNo == i; }

// Marks the first glyph item of each key, letter case aside, when items
// were added or taken away since the last time.
void NoteFirstGlyphs() {
  if (Grid.GlyphItemsSeen == ItemCount) return;
  Grid.FirstOfKey.assign(static_cast<std::size_t>(std::max<Long>(ItemCount, 0)) + 1, 0);
  std::unordered_set<String> keys;
  for (Long k = 1; k <= ItemCount; ++k) {
    if (Items[k].Rtype != ItemGlyph) continue;
    String key = Items[k].Name;
    for (char& c : key)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (keys.insert(std::move(key)).second) Grid.FirstOfKey[static_cast<std::size_t>(k)] = 1;
  }
  Grid.GlyphItemsSeen = ItemCount;
}

// Whether the item a text character links to (in range) is the glyph the
// drawer shows: the item of its very name, or else the first glyph of its
// key letter case aside, which the drawer looks up when the names differ.
bool ShowsGlyphAsDrawn(const ObjRec& obj) {
  const ItemRec& item = Items[obj.ObjectID];
  if (item.Name == obj.Name) return true;
  NoteFirstGlyphs();
  return item.Rtype == ItemGlyph && Grid.FirstOfKey[static_cast<std::size_t>(obj.ObjectID)] &&
         SameTextNoCase(item.Name, obj.Name);
}

// A text character or a dimension draws nothing unless the box of the item
// it shows, through its placement, meets the view (ItemInView): that box
// bounds all it draws. False when the drawer would look the item up anew
// (a text character whose link is broken), or reads points not its own.
bool TakeInShownItem(EntityBox& box, Long i) {
  const ObjRec& obj = Objs[i];
  const Long item = obj.ObjectID;
  const bool linked = item >= 1 && item <= ItemCount;
  if (obj.Rtype == EntityDimension) {  // drawn in place when its item is in range, else not at all
    if (linked) {
      TakeIn(box, Items[item].Xmin, Items[item].Ymin);
      TakeIn(box, Items[item].Xmax, Items[item].Ymax);
    }
    return true;
  }
  if (!linked || !ShowsGlyphAsDrawn(obj) || !OwnPoint(i, obj.PointID + 2)) return false;
  const PntRec* p = &Pnts[obj.PointID];
  const GlyphPlacement placement(p[0], p[1], p[2]);
  const ItemRec& glyph = Items[item];
  placement.TakeIn(box, glyph.Xmin, glyph.Ymin);
  placement.TakeIn(box, glyph.Xmax, glyph.Ymin);
  placement.TakeIn(box, glyph.Xmax, glyph.Ymax);
  placement.TakeIn(box, glyph.Xmin, glyph.Ymax);
  return true;
}

// The box of entity i, widened for rounding; false when it cannot be
// bounded: points outside the point table or not its own, not finite, or a
// kind the index does not bound. It holds what picking measures and what
// the drawer draws beyond the few pixels of marks and pen weights: wide
// pens and bands reach the entity's width (in world units) beyond it.
bool BoxOf(Long i, EntityBox& box) {
  const ObjRec& obj = Objs[i];
  const Long count = PointsRead(obj);
  if (count < 1 || obj.PointID < 1 || obj.PointID > PntCount - count + 1 || DrawsUnbounded(obj.Rtype)) return false;
  for (Long k = obj.PointID; k < obj.PointID + count; ++k) {
    const PntRec& p = Pnts[k];
    if (p.ObjNo != i) return false;
    TakeIn(box, p.X, p.Y);
  }
  TakeInRims(box, obj, count);
  if ((obj.Rtype == EntityTextChar || obj.Rtype == EntityDimension) && !TakeInShownItem(box, i)) return false;
  const Double width = std::fabs(static_cast<Double>(obj.Width));
  if (!box.Finite || !std::isfinite(width)) return false;
  const Double magnitude = std::max({std::fabs(box.Xmin), std::fabs(box.Xmax), std::fabs(box.Ymin),
                                     std::fabs(box.Ymax)});
  // Placed boxes come through single-precision factors: a wider margin.
  const Double share = obj.Rtype == EntityTextChar ? PlacedMargin : RoundingMargin;
  const Double margin = share * magnitude + width;
  box.Xmin -= margin;
  box.Ymin -= margin;
  box.Xmax += margin;
  box.Ymax += margin;
  return true;
}

// Single precision, rounded outward, so that the kept box holds the exact one.
float Below(Double v) {
  float f = static_cast<float>(v);
  if (f > v) f = std::nextafter(f, -std::numeric_limits<float>::infinity());
  return f;
}
float Above(Double v) {
  float f = static_cast<float>(v);
  if (f < v) f = std::nextafter(f, std::numeric_limits<float>::infinity());
  return f;
}

PlacedBox Kept(const EntityBox& box) {
  return {Below(box.Xmin - Grid.BoxOriginX), Below(box.Ymin - Grid.BoxOriginY), Above(box.Xmax - Grid.BoxOriginX),
          Above(box.Ymax - Grid.BoxOriginY)};
}

constexpr float Endless = std::numeric_limits<float>::infinity();
constexpr PlacedBox WholePlane{-Endless, -Endless, Endless, Endless};

// ---- Cells ---------------------------------------------------------------------------------

// The column (or row) of a level holding world coordinate v; coordinates
// beyond the grid fall in its border cells.
Long CellAlong(Double v, Double origin, Double perWorldUnit, Long cells) {
  const Double c = std::floor((v - origin) * perWorldUnit);
  if (!(c > 0)) return 0;
  if (c >= static_cast<Double>(cells - 1)) return cells - 1;
  return static_cast<Long>(c);
}

Long CellAt(const GridLevel& level, Double X, Double Y) {
  return level.FirstCell + CellAlong(Y, Grid.OriginY, level.PerWorldUnit, level.Rows) * level.Columns +
         CellAlong(X, Grid.OriginX, level.PerWorldUnit, level.Columns);
}

// The single cell of the top level: every query visits it.
Long TopCell() { return Grid.Levels.back().FirstCell; }

const GridLevel& LevelFor(Double boxSize) {
  for (const GridLevel& level : Grid.Levels)
    if (boxSize <= LevelFill * level.CellSize) return level;
  return Grid.Levels.back();
}

void EnsureEntitySlots(Long i) {
  if (static_cast<std::size_t>(i) < Grid.CellOf.size()) return;
  const std::size_t size = static_cast<std::size_t>(std::max(i, ObjsMax)) + 1;
  Grid.NextInCell.resize(size, EndOfCell);
  Grid.PrevInCell.resize(size, EndOfCell);
  Grid.CellOf.resize(size, NotPlaced);
  Grid.Boxes.resize(size);
}

void Link(Long i, Long cell) {
  const Long head = Grid.Heads[cell];
  Grid.NextInCell[i] = head;
  Grid.PrevInCell[i] = EndOfCell;
  if (head != EndOfCell) Grid.PrevInCell[head] = i;
  Grid.Heads[cell] = i;
  Grid.CellOf[i] = cell;
  ++Grid.PlacedCount;
}

// In constant time: the cell of the top level may hold many entities.
void Unlink(Long i) {
  const Long cell = Grid.CellOf[i];
  if (cell == NotPlaced) return;
  const Long next = Grid.NextInCell[i], prev = Grid.PrevInCell[i];
  if (prev != EndOfCell)
    Grid.NextInCell[prev] = next;
  else
    Grid.Heads[cell] = next;
  if (next != EndOfCell) Grid.PrevInCell[next] = prev;
  Grid.CellOf[i] = NotPlaced;
  --Grid.PlacedCount;
}

// The cell entity i, whose box is kept, belongs in: the top cell when
// unbounded, else by the kept box's centre and size.
Long CellForKeptBox(Long i) {
  const PlacedBox& kept = Grid.Boxes[i];
  if (kept.Xmin == -Endless) return TopCell();
  const Double cx = Grid.BoxOriginX + (static_cast<Double>(kept.Xmin) + kept.Xmax) / 2;
  const Double cy = Grid.BoxOriginY + (static_cast<Double>(kept.Ymin) + kept.Ymax) / 2;
  if (!(cx >= Grid.OriginX && cx <= Grid.OriginX + Grid.Width && cy >= Grid.OriginY &&
        cy <= Grid.OriginY + Grid.Height))
    ++Grid.OffGrid;
  const Double size = std::max(static_cast<Double>(kept.Xmax) - kept.Xmin, static_cast<Double>(kept.Ymax) - kept.Ymin);
  return CellAt(LevelFor(size), cx, cy);
}

void LinkByKeptBox(Long i) { Link(i, CellForKeptBox(i)); }

// Keeps entity i's box; false for support geometry and detached entities,
// which stay out of the index.
bool KeepBox(Long i, EntityBox& box) {
  if (Objs[i].DwgNo == 0) return false;
  Grid.Boxes[i] = BoxOf(i, box) ? Kept(box) : WholePlane;
  return true;
}

// Puts entity i in its cell; support geometry and detached entities stay out.
void Place(Long i) {
  EnsureEntitySlots(i);
  EntityBox box;
  if (KeepBox(i, box)) LinkByKeptBox(i);
}

// ---- Laying out the grid -------------------------------------------------------------------

Long CellsAcross(Double extent, Double cellSize) {
  return static_cast<Long>(std::floor(extent / cellSize)) + 1;
}

// Levels over the extents, level 0 with about one cell per EntitiesPerCell
// of `count` entities, each next level with cells twice as wide, up to one
// cell. Extents that are empty or not finite get the top level alone.
void ChooseLevels(const EntityBox& extents, Long count) {
  Grid.Levels.clear();
  Grid.OriginX = Grid.OriginY = 0;
  Grid.Width = Grid.Height = 0;
  const Double width = extents.Xmax - extents.Xmin, height = extents.Ymax - extents.Ymin;
  if (count == 0 || !std::isfinite(width) || !std::isfinite(height)) {
    Grid.Levels.push_back(GridLevel{});
    return;
  }
  Grid.OriginX = extents.Xmin;
  Grid.OriginY = extents.Ymin;
  Grid.Width = width;
  Grid.Height = height;
  const Double cellsWanted = static_cast<Double>(std::clamp<Long>(count / EntitiesPerCell, 1, MaxLevel0Cells));
  const Double magnitude = std::max({std::fabs(extents.Xmin), std::fabs(extents.Xmax), std::fabs(extents.Ymin),
                                     std::fabs(extents.Ymax)});
  // Cells no smaller than the rounding of coordinates of that size allows.
  Double cellSize = std::max({std::sqrt(width) * std::sqrt(height / cellsWanted),
                              std::max(width, height) / cellsWanted, RoundingMargin * magnitude});
  if (!(cellSize > 0)) cellSize = 1;
  Long first = 0;
  for (;;) {
    GridLevel level;
    level.CellSize = cellSize;
    level.PerWorldUnit = 1 / cellSize;
    level.Columns = CellsAcross(width, cellSize);
    level.Rows = CellsAcross(height, cellSize);
    level.FirstCell = first;
    first += level.Columns * level.Rows;
    Grid.Levels.push_back(level);
    if (level.Columns == 1 && level.Rows == 1) return;
    cellSize *= 2;
  }
}

// Lays the grid out over entities 1..last and places them all: one pass
// keeps every box and finds the extents, one links each into its cell.
void LayOut(Long last) {
  const std::size_t slotCount = static_cast<std::size_t>(std::max(last, ObjsMax)) + 1;
  Grid.NextInCell.resize(slotCount);  // each is set when its entity is linked
  Grid.PrevInCell.resize(slotCount);
  Grid.CellOf.assign(slotCount, NotPlaced);
  Grid.Boxes.resize(slotCount);
  EntityBox extents;
  Long bounded = 0;
  bool originSet = false;
  for (Long i = 1; i <= last; ++i) {
    EntityBox box;
    if (Objs[i].DwgNo == 0) continue;
    if (!BoxOf(i, box)) {
      Grid.Boxes[i] = WholePlane;
    } else {
      if (!originSet) {  // the boxes are measured from the first one
        Grid.BoxOriginX = box.Xmin;
        Grid.BoxOriginY = box.Ymin;
        originSet = true;
      }
      Grid.Boxes[i] = Kept(box);
      TakeIn(extents, box.Xmin, box.Ymin);
      TakeIn(extents, box.Xmax, box.Ymax);
      ++bounded;
    }
    Grid.CellOf[i] = BoxTaken;
  }
  ChooseLevels(extents, bounded);
  const GridLevel& top = Grid.Levels.back();
  Grid.Heads.assign(static_cast<std::size_t>(top.FirstCell) + 1, EndOfCell);
  Grid.PlacedCount = Grid.OffGrid = Grid.Detached = 0;
  for (Long i = 1; i <= last; ++i)
    if (Grid.CellOf[i] == BoxTaken) Grid.CellOf[i] = CellForKeptBox(i);
  // Cells lie scattered in memory: each is asked for some entities ahead.
  for (Long i = 1; i <= last; ++i) {
    const Long ahead = i + LinkAhead <= last ? Grid.CellOf[i + LinkAhead] : NotPlaced;
    if (ahead >= 0) __builtin_prefetch(&Grid.Heads[ahead]);
    if (Grid.CellOf[i] != NotPlaced) Link(i, Grid.CellOf[i]);
  }
  Grid.PlacedUpTo = last;
  Grid.LaidOutFor = Grid.PlacedCount;
  Grid.OffGrid = 0;
  Grid.Valid = true;
}

// Whether the changes since the layout make the grid a poor fit.
bool GridWornOut() {
  const Long slack = Grid.PlacedCount / 4 + LayoutSlack;
  return Grid.Detached > slack || Grid.OffGrid > slack || Grid.PlacedCount > 2 * Grid.LaidOutFor + LayoutSlack;
}

// Places the entities appended since the last query (all but the last of
// the table), or lays the grid out anew when that is the better course.
void BringUpToDate() {
  const Long last = std::max<Long>(ObjCount - 1, 0);
  if (ObjCount < Grid.PlacedUpTo) Grid.Valid = false;  // cut back without notice
  if (Grid.Valid && last - Grid.PlacedUpTo > Grid.PlacedCount / 4 + LayoutSlack) Grid.Valid = false;
  if (!Grid.Valid) {
    LayOut(last);
    return;
  }
  for (Long i = Grid.PlacedUpTo + 1; i <= last; ++i) Place(i);
  Grid.PlacedUpTo = std::max(Grid.PlacedUpTo, last);
  if (GridWornOut()) LayOut(last);
}

}  // namespace

// ---- Keeping the index current -------------------------------------------------------------

// A slot the index holds is used again only after a cut back it was not told of.
void ObjIndexAdded(Long ObjNo) {
  if (ObjNo <= Grid.PlacedUpTo) Grid.Valid = false;
}

void ObjPointsChanged(Long ObjNo) {
  EntityChanged(ObjNo);
  WidenExtentsByEntity(ObjNo);
  ObjPointsChangedUnmarked(ObjNo);
}

void ObjPointsChangedUnmarked(Long ObjNo) {
  NoteOwnerPointsChanged(ObjNo);  // a group's or area's extents follow their members
  if (!Grid.Valid || ObjNo < 1 || ObjNo > Grid.PlacedUpTo || ObjNo > ObjCount) return;
  Unlink(ObjNo);
  Place(ObjNo);
}

void ObjIndexShownItemChanged(Long ObjNo) {
  if (!Grid.Valid || ObjNo < 1 || ObjNo > Grid.PlacedUpTo || ObjNo > ObjCount) return;
  Unlink(ObjNo);
  Place(ObjNo);
}

void ObjIndexDetached(Long Count) {
  if (Grid.Valid) Grid.Detached += Count;
}

void ObjIndexCutBack() { ResetObjIndex(); }

void ObjIndexBringUpToDate() { BringUpToDate(); }

// ---- Asking the index ----------------------------------------------------------------------

namespace {

// Found := in ascending order, the entities whose kept boxes meet the world
// rectangle, and the entities not placed yet. The rectangle is finite and
// already widened for rounding.
void Collect(Double left, Double bottom, Double right, Double top, std::vector<Long>& Found) {
  Found.clear();
  BringUpToDate();
  // The rectangle from the box origin, as the kept boxes are.
  const Double boxLeft = left - Grid.BoxOriginX, boxRight = right - Grid.BoxOriginX;
  const Double boxBottom = bottom - Grid.BoxOriginY, boxTop = top - Grid.BoxOriginY;
  for (const GridLevel& level : Grid.Levels) {
    // An entity in a cell reaches at most half a cell beyond it.
    const Double half = level.CellSize / 2;
    const Long firstColumn = CellAlong(left - half, Grid.OriginX, level.PerWorldUnit, level.Columns);
    const Long lastColumn = CellAlong(right + half, Grid.OriginX, level.PerWorldUnit, level.Columns);
    const Long firstRow = CellAlong(bottom - half, Grid.OriginY, level.PerWorldUnit, level.Rows);
    const Long lastRow = CellAlong(top + half, Grid.OriginY, level.PerWorldUnit, level.Rows);
    for (Long row = firstRow; row <= lastRow; ++row) {
      const Long rowStart = level.FirstCell + row * level.Columns;
      for (Long column = firstColumn; column <= lastColumn; ++column)
        for (Long i = Grid.Heads[rowStart + column]; i != EndOfCell; i = Grid.NextInCell[i]) {
          const PlacedBox& box = Grid.Boxes[i];
          if (box.Xmin <= boxRight && box.Xmax >= boxLeft && box.Ymin <= boxTop && box.Ymax >= boxBottom)
            Found.push_back(i);
        }
    }
  }
  std::sort(Found.begin(), Found.end());
  // The entities not placed yet: the last of the table, still open to AddPnt.
  for (Long i = Grid.PlacedUpTo + 1; i <= ObjCount; ++i) Found.push_back(i);
}

Double MagnitudeOfOrigins() {
  return std::fabs(Grid.OriginX) + std::fabs(Grid.OriginY) + std::fabs(Grid.BoxOriginX) + std::fabs(Grid.BoxOriginY);
}

}  // namespace

void ObjIndexCandidates(Double X, Double Y, Double Reach, std::vector<Long>& Found) {
  BringUpToDate();  // the origins the margin depends on
  const Double magnitude = std::fabs(X) + std::fabs(Y) + Reach + MagnitudeOfOrigins();
  const Double reach = Reach * (1 + ReachMargin) + RoundingMargin * magnitude;
  Collect(X - reach, Y - reach, X + reach, Y + reach, Found);
}

void ObjIndexInBox(Double Xmin, Double Ymin, Double Xmax, Double Ymax, std::vector<Long>& Found) {
  BringUpToDate();
  const Double margin = RoundingMargin * (std::max({std::fabs(Xmin), std::fabs(Xmax), std::fabs(Ymin),
                                                    std::fabs(Ymax)}) + MagnitudeOfOrigins());
  Collect(Xmin - margin, Ymin - margin, Xmax + margin, Ymax + margin, Found);
}

Long ObjIndexPlacedUpTo() { return Grid.Valid ? Grid.PlacedUpTo : 0; }

// ---- Reset -----------------------------------------------------------------------------------

void ResetObjIndex() { Grid = GridState{}; }

namespace {
const ModuleRegistrar Registered({"ObjIndex", FloorModel, ResetObjIndex});
}  // namespace

}  // namespace lintavo
