// DataHand: the one in-memory drawing model shared by every open drawing
// window.
//
// The model is four tables of fixed-layout records: vertices (Pnts), entities
// (Objs), named items (Items) and open drawings (Dwgs), with their counters,
// and the constructors that append to them. Every command, loader, saver and
// drawer reads and writes these tables directly by index; there is no
// per-document object model. All open drawings live interleaved in the same
// tables and are told apart by the drawing number (DwgNo) each record carries,
// which is the index of the drawing's slot in Dwgs (the active one is CurDwg).
//
// Support geometry (font glyphs loaded at start-up) lies at the bottom of the
// tables with drawing number 0; the counts reached after it was loaded are the
// base counts, and drawing content always lies above them.
//
// Records are appended and flagged, never removed or compacted: a record's
// index is its identity for as long as the program runs (points refer to
// entities, entities to items, undo to entities, all by index). The only
// shrinking is the cut back to the base counts when the last drawing closes,
// and the drop of a deleted item that is the last one in Items.
//
// Pnts, Objs and Items are 1-based: index 0 exists, is never written by the
// constructors and stays zero. A count is the index of the last used record.
//
// Sections:
//   Codes
//   Records
//   Tables and counts
//   Staging and buffers
//   Names and results of the drawing dialogs
//   Database paths
//   Style of new entities and size of new sheets
//   Growth rules
//   Constructors
//   Entities joining and leaving a drawing
//   Extents of drawings and layers
//   Boxes of extents
//   Reset
#pragma once

#include <QDateTime>
#include <array>
#include <cmath>
#include <vector>

#include "model/Geometry.h"
#include "platform/Types.h"

namespace lintavo {

using Date = QDateTime;  // creation times of items and drawings; null until set

// ---- Codes -----------------------------------------------------------------------
// Entity types (ObjRec.Rtype). Stored in drawing files: never renumber.
enum EntityType : Integer {
  EntityPoint = 1,         // one point
  EntityLine = 2,          // two: start, end
  EntityCircle = 3,        // two: centre, a point on the rim
  EntityArc = 4,           // four; the arc's end points are the second and the fourth
  EntityEllipticArc = 5,
  EntityEllipse = 6,
  EntitySpline = 7,        // control points
  EntityBezier = 8,        // control points
  EntityContBezier = 9,    // control points
  EntityPolyline = 10,     // vertices
  EntityPolygon = 11,      // vertices, closed
  EntityComponent = 12,    // insertion point, (X scale, Y scale), (angle, 0)
  EntityTextChar = 13,     // five points, the first the insertion point
  EntityDimension = 14,
  EntityFill = 15,
  EntityHatch = 16,
};
// Types from here on are compound: drawn through the item they show.
constexpr Integer FirstCompoundType = EntityComponent;
// Types from here on count as objects of their drawing (Nobjects), not only as lines.
constexpr Integer FirstCountedType = EntityPolygon;

// Item kinds (ItemRec.Rtype). Stored in drawing files: never renumber.
enum ItemKind : Integer {
  ItemDeleted = 0,
  ItemComponent = 1,
  ItemGlyph = 2,
  ItemGroup = 3,
  ItemArea = 4,
  ItemView = 5,
  ItemLayer = 6,
  ItemWithGeometry = 7,  // a named item with entities of its own (the target of a dimension's link):
                         //   its Objects row is followed by its definition geometry
};

constexpr Integer MaxDwgNo = 10;  // drawing numbers 0..10; 0 holds support geometry
// Whether DwgNo (any value) numbers an open drawing's slot, 1..MaxDwgNo.
constexpr bool IsOpenDrawingNumber(Long DwgNo) { return DwgNo >= 1 && DwgNo <= MaxDwgNo; }

// ---- Records -----------------------------------------------------------------------
// One vertex: a row of Points.
struct PntRec {
  Long Seq = 0;    // vertex number within its entity, 1..NPoints
  Long ObjNo = 0;  // index in Objs of the owning entity
  Double X = 0;    // world units
  Double Y = 0;    // world units
};

// One entity: a row of Lines. Its points are Pnts(PointID)..Pnts(PointID + NPoints - 1).
// The fields lie by width, widest first, so that the record packs without
// gaps: a drawing of a million entities holds a million of them.
struct ObjRec {
  DbKey LineID = 0;      // database key of its row; 0 until saved
  DbKey DrawingID = 0;   // DrawID of its drawing; 0 for support geometry
  String Name;           // glyph key of a text character, component name of a placement; else empty
  Long Flag = 0;         // undo step that created or last erased it; 0 drawing closed; -1000 deleted with its owner
  Long Select = 0;       // > 0 the number of its drawing's current set, which holds it; < 0 the erase batch that erased it; 0 neither
  Long Color = 0;        // RGB, red in the low byte
  Single Width = 0;      // width factor in world units (wide lines)
  Single Area = 0;       // enclosed area in square world units (polygons of areas)
  Long PointID = 0;      // index in Pnts of its first point
  Long LayerID = 0;      // index in Items of its layer; 0 none
  Long OwnerID = 0;      // index in Items of the item it belongs to (glyph, component, group, area ...); 0 none
  Long ObjectID = 0;     // compound types: index in Items of the item it shows; else 0
  Integer Rtype = 0;     // entity type 1..16
  Integer Show = 0;      // -1 drawn, 0 hidden
  Integer Erased = 0;    // -1 after an erase or after the undo of its add
  Integer Selected = 0;  // -1 drawn in the selection colour
  Integer Ltype = 0;     // line type: pen style 0..6
  Integer Weight = 0;    // pen width in pixels when 2 or more, else thin
  Integer NPoints = 0;   // number of points
  Integer DwgNo = 0;     // index in Dwgs of its drawing; 0 support geometry or detached
};

// The stored links of the entity being read (LoadObj), as database keys:
// a loader keeps them here, at full width, until it has turned them into
// item indexes, so that ObjRec need not carry three more keys per entity.
struct LoadKeysRec {
  DbKey LayerID = 0;   // key of its layer row; 0 none
  DbKey OwnerID = 0;   // key of the item row it belongs to; 0 none
  DbKey ObjectID = 0;  // key of the item row it shows; 0 none
};

// One named item: a row of Objects, Components or Fonts.
struct ItemRec {
  DbKey ObjectID = 0;    // database key; 0 until saved
  Integer Rtype = 0;     // item kind 1..6; 0 deleted
  String Name;           // component name, glyph key, layer name ...
  String Category;
  String Description;
  String PartNumber;     // also the key value of a link to the current database
  Integer LinkType = 0;  // 0 not linked, 1 linked current database, 2 linked remote database
  String LinkTable;      // linked table
  String LinkField;      // linked field
  Integer Show = 0;      // -1 shown (a layer's visibility)
  Integer Lock = 0;      // -1 locked (a layer's edit lock)
  Long Nlines = 0;       // number of member entities
  Double Xorigin = 0;    // origin, world units
  Double Yorigin = 0;
  Double Xmin = 0;       // extents of its members, world units
  Double Ymin = 0;
  Double Xmax = 0;
  Double Ymax = 0;
  DbKey DrawingID = 0;   // groups, areas, views, layers: drawing number when created (the stored key once loaded); else 0
  String Author;         // user name of its creator
  Date CreationDate;
  Integer DwgNo = 0;     // index in Dwgs of its drawing; 0 for components and glyphs
};

// One open drawing: a row of Drawing, plus its undo state.
struct DwgRec {
  DbKey DrawID = 0;         // database key; 0 until saved (and when saved to another database)
  String Name;              // Name and Revision identify a stored drawing
  String Revision;          // "Rev. 0" for a new drawing
  String Rtype;             // drawing-type text
  String Category;
  String Description;
  String PartNumber;
  Integer Show = 0;         // -1 shown
  Long Nobjects = 0;        // items created in the drawing plus entities of type 11 and above
  Long Nlines = 0;          // live entities: of the drawing, not erased (SetEntityDrawing keeps it)
  Integer Nlayers = 0;      // layer items created
  Double BaseX = 0;         // base point, world units
  Double BaseY = 0;
  Double Xmin = 0;          // drawing extents, world units; start at 0, so they include the origin
  Double Ymin = 0;
  Double Xmax = 0;
  Double Ymax = 0;
  Integer ExtentsChanged = 0;  // -1 while its entities changed since ComputeDrawingExtents last measured it; not stored
  String Author;
  Date CreationDate;
  Double Xlimit = 0;        // sheet width, world units
  Double Ylimit = 0;        // sheet height, world units
  String SourceDbPath;      // drawings database it was loaded from; not stored
  Long UndoStep = 0;        // highest undo step issued in the drawing; never lowered by Undo
  Long UndoPos = 0;         // the step the next Undo acts on, 0..UndoStep; Redo acts on UndoPos + 1
  Integer RedoAvailable = 0;  // -1 while an undone step can be redone
  Long EraseBatch = 0;      // erase batch its last Erase was given: -1, -2 ...; never given again while its steps last; 0 none; not stored
  Integer SelectSet = 0;    // number of its selection set, 1..32767; 0 none (Picks); not stored
  Long SetsStarted = 0;     // sets started in it (every new set and De-Select All): which set is current; not stored
  Integer Changed = 0;      // -1 while it differs from what was last saved or loaded (ChangeMarks); not stored
};

// ---- Tables and counts ----------------------------------------------------------------
// Bounds are the highest index allocated; counts the highest index in use.
extern std::vector<PntRec> Pnts;   // vertex table, 1-based
extern Long PntsMax;               // bound of Pnts
extern Long LastPnt;               // index of the point added last
extern Long PntCount;              // points in use
extern std::vector<ObjRec> Objs;   // entity table, 1-based
extern Long ObjsMax;               // bound of Objs
extern Long LastObj;               // index of the entity added last
extern Long ObjCount;              // entities in use
extern std::vector<ItemRec> Items;  // item table, 1-based; Items(0) is never a layer and stays hidden
extern Long ItemsMax;              // bound of Items
extern Long CurItem;               // index of the item found, loaded or added last
extern Long ItemCount;             // items in use
extern std::array<DwgRec, MaxDwgNo + 1> Dwgs;  // one slot per drawing number; never grows
extern Integer PageCount;          // highest drawing number given a record so far
extern Long BasePntCount;          // PntCount, ObjCount and ItemCount after the support
extern Long BaseObjCount;          //   data were loaded at start-up; drawing data lies
extern Long BaseItemCount;         //   above them
extern Long PntSeq;                // vertex number the last AddPnt gave within its entity

// ---- Staging and buffers ------------------------------------------------------------------
struct WorldXY {  // a world point (the name WorldPoint is the drawing routine)
  Double X = 0;  // world units
  Double Y = 0;
};
extern std::vector<WorldXY> ScrPts;  // points of the entity being drawn, 1-based
extern Integer ScrPtsMax;               // bound of ScrPts; 1000 at start, grown by the drawers
extern std::vector<PntRec> LoadPnts;    // points of the entity being read from a database, 1-based
extern Integer LoadPntsMax;             // bound of LoadPnts; 1000 at start, grown by the readers
extern ObjRec LoadObj;                  // entity being read from a database; appended by AddLoadedObj
extern LoadKeysRec LoadKeys;            // its stored links; AddLoadedObj resolves the layer key
extern DbKey SaveLineID;                // LineID of the row being written by the savers

// ---- Names and results of the drawing dialogs ------------------------------------------
extern String NewItemName;    // name of the item to add (AddItem), or to find or load
extern Integer NewItemKind;   // kind of the item to find or load: 2 glyph, 1 component
extern DbKey SelRecordID;     // database key chosen in a selection dialog
extern String CurDwgName;     // name of the drawing being loaded, checked or saved
extern DbKey CurDrawID;       // its DrawID
extern String SelDwgName;     // drawing chosen in the drawing chooser; "" on Cancel
extern DbKey SelDwgID;        // its DrawID; 0 on Cancel
extern String CurRevision;    // revision typed in the save dialog
extern String ComponentName;  // name of the current component; the component edit dialog
                              //   leaves in it the name the component had before the edit

// ---- Database paths ------------------------------------------------------------------------
extern String SupportDbPath;  // support database being checked
extern String CompDbPath;     // component database; starts as the drawing set names it, else DwgDbPath
extern String DwgDbPath;      // drawings database
extern String OpenDbPath;     // database the next item or geometry reader or writer opens

// ---- Style of new entities and size of new sheets ------------------------------------------
// Drawing options: 0 until an option set is applied.
extern Long CurColor;         // RGB colour of new entities
extern Integer CurLineType;   // line type 0..6 of new entities
extern Integer CurLineWeight;  // pen weight in pixels of new entities
extern Single CurLineWidth;   // width factor of new entities, world units
extern Single DefDwgWidth;    // sheet width of a new drawing, world units
extern Single DefDwgHeight;   // sheet height of a new drawing, world units

// ---- Growth rules ----------------------------------------------------------------------------
// Tables grow in large steps shortly before they fill, keeping their
// contents; new records are zero. AddPnt grows Pnts by 2000 once PntCount +
// 200 passes the bound, AddLoadedObj by the entity's point count + 100 once
// the points would not fit.
void GrowObjs(Long step);  // Objs by step (1000; 2000 while loading) once ObjCount + 100 passes ObjsMax
void GrowItems();          // Items by 1000 once ItemCount + 100 passes ItemsMax

// ---- Constructors ------------------------------------------------------------------------------
// AddObj, then AddPnt NPoints times: the new entity is ObjCount (and LastObj).
void AddObj(Integer ObjType, Integer NPoints);
// The model takes no coordinate that is not a finite number: AddPnt refuses
// one with a message in panel 3, stores nothing and takes the entity being
// built out of its drawing (false). Its later points are stored with it.
bool AddPnt(Double X, Double Y);
void AddLoadedObj();          // appends LoadObj with LoadPnts(1..LoadObj.NPoints)
void CopyObj(Long SrcObj);    // a copy of an entity's record; the caller adds its points
void AddItem(Integer Kind);   // an item named NewItemName; the new item is ItemCount (and CurItem)
// An item of kind Kind of drawing CurDwg named Name (exact): true with its
// index; false with the last index scanned (0 with no items).
bool FindItemOfDrawing(Integer Kind, const String& Name, Long& Index);
// AddItem with NewItemName set to Name: the new item, shown, unlocked, with
// its origin at (0, 0) and every other field clear, is returned (ItemCount).
ItemRec& NewItemNamed(Integer Kind, const String& Name);
// Sets Name to "<Prefix>1", "<Prefix>2", ... until Taken, a finder that looks
// for the name held in Name, finds none: the first free name of the series is
// left in Name.
void FirstFreeName(String& Name, const char* Prefix, bool (*Taken)(Long& Index));
void NewDwgRec(Integer DwgNo);  // fills slot DwgNo for a new empty drawing window
void ResolveObjLayer(Long ObjNo, DbKey layerKey);  // a loaded layer key into the entity's layer item index

// ---- Entities joining and leaving a drawing ----------------------------------------------------
// An entity is live in drawing d while its DwgNo is d (1..MaxDwgNo) and it
// is not erased; each drawing counts its live entities in DwgRec.Nlines,
// which Drawing Properties shows as its Lines. Once an entity is in the
// table, its DwgNo and Erased change only here: appended (AddObj, CopyObj,
// AddLoadedObj), erased and brought back (EraseObj, Undo, Redo, Un Erase
// Last), taken into a component's definition, deleted with its owner,
// dropped with a dialog's sample, or closed with its drawing. So the count
// follows every road at once, and no command counts by hand.
//
// Entity ObjNo's DwgNo := DwgNo and Erased := Erased: the drawing it was
// live in counts one less, the one it is live in now one more. Nothing is
// marked: the caller marks the drawing changed, and its extents where what
// it shows changed (a dialog's sample dropped changes neither).
void SetEntityDrawing(Long ObjNo, Integer DwgNo, Integer Erased);

// ---- Extents of drawings and layers ----------------------------------------------------------
// Each drawing's extents and each layer's box follow that drawing's and that
// layer's own entities, whichever window is active: a point is taken into the
// drawing its entity belongs to and the layer the entity names, and only that
// drawing is marked for its extents to be measured again (DwgRec's
// ExtentsChanged, which only the measuring of that drawing clears). Boxes only
// widen here; a full measure (ComputeDrawingExtents) shrinks them. The mark
// is set where what a drawing shows changes: an entity's points (AddPnt,
// ObjPointsChanged), its leaving or rejoining (erase, Undo, Redo, Un Erase
// Last, deletion with its owner), its hiding and showing, its layer, and the
// item a glyph or placement shows; a change of colour, line type or weight
// alone does not set it, so the next Show All need not measure again.
//
// Marks drawing DwgNo (1..MaxDwgNo; any other number is passed over) for its
// extents to be measured again before Show All fits them.
void MarkExtentsChanged(Integer DwgNo);
// Widens drawing DwgNo's extents and, when LayerNo is a layer item of that
// drawing, the layer's box to take in (X, Y); marks the drawing. With no
// layer (0), or another drawing's, only the drawing widens: Items(0) stays
// zero. AddPnt calls it for every point of the entity it builds.
void WidenDrawingExtents(Integer DwgNo, Long LayerNo, Double X, Double Y);
// Widens the extents of entity ObjNo's own drawing and the box of its own
// layer to take in what it draws now (WidenByEntity), and marks the drawing.
// An erased entity, one of no drawing (a component's) and a dialog's sample
// widen nothing. ObjPointsChanged calls it for every entity changed in place.
void WidenExtentsByEntity(Long ObjNo);

// ---- Boxes of extents ----------------------------------------------------------------------------
// The fit, the items' extents, the component extents and the grip frame
// take an entity's box from WidenByEntity and WidenByRim below, so that a
// box covers what the entity draws: a circle's and an arc's rim, not only
// their stored points.

// Widens a box of world extents (a DwgRec's or an ItemRec's) to take in a
// point; each side moves on its own, only outward. A point that is not
// finite (a far corner summed past the largest real) widens nothing, so
// extents stay finite.
template <typename Rec>
void WidenBox(Rec& box, Double X, Double Y) {
  if (!std::isfinite(X) || !std::isfinite(Y)) return;
  if (X < box.Xmin) box.Xmin = X;
  if (Y < box.Ymin) box.Ymin = Y;
  if (X > box.Xmax) box.Xmax = X;
  if (Y > box.Ymax) box.Ymax = Y;
}
// Widens a running box of world extents to take in a point; the first point
// (Empty true) starts the box, so geometry far from the origin gets its own.
// Points are taken as they are: a caller that must stay finite checks first.
inline void WidenRunningBox(Double& MinX, Double& MinY, Double& MaxX, Double& MaxY, bool& Empty, Double X,
                            Double Y) {
  if (Empty) {
    MinX = MaxX = X;
    MinY = MaxY = Y;
    Empty = false;
    return;
  }
  if (X < MinX) MinX = X;
  if (X > MaxX) MaxX = X;
  if (Y < MinY) MinY = Y;
  if (Y > MaxY) MaxY = Y;
}
// Calls Widen(X, Y) for the outermost points of the rim of a circle (Type 3:
// P[0] its centre) or an arc (Type 4: P[0] its centre, P[1], P[2] and P[3]
// its start, a point between and its end) of the radius Radius() gives, as
// the drawers draw it: the circle's four points farthest left, right, down
// and up, the arc's those of them on its sweep, which with its ends bound
// it. The drawers sweep counterclockwise between the ends the way that holds
// the point between (ArcDrawnAngles). Radius is asked only when a point is
// given (an arc within a quarter turn gives none). Nothing for any other
// type. Point is any record with X and Y.
template <typename Point, typename Radius, typename Widen>
void WidenByRim(Integer Type, const Point* P, Radius&& radius, Widen&& widen) {
  const Double x = P[0].X, y = P[0].Y;
  if (Type == EntityCircle) {
    const Double r = radius();
    widen(x - r, y);
    widen(x + r, y);
    widen(x, y - r);
    widen(x, y + r);
    return;
  }
  if (Type != EntityArc) return;
  const Double x1 = P[1].X - x, y1 = P[1].Y - y, x3 = P[3].X - x, y3 = P[3].Y - y;
  const bool forward = SweepHolds(x1, y1, x3, y3, P[2].X - x, P[2].Y - y);
  const Double sx = forward ? x1 : x3, sy = forward ? y1 : y3, ex = forward ? x3 : x1, ey = forward ? y3 : y1;
  // The rim's points to the right, above, to the left and below the centre.
  constexpr Double ux[4] = {1, 0, -1, 0}, uy[4] = {0, 1, 0, -1};
  Double r = -1;  // not asked yet
  for (int k = 0; k < 4; ++k) {
    if (!SweepHolds(sx, sy, ex, ey, ux[k], uy[k])) continue;
    if (r < 0) r = radius();
    widen(x + ux[k] * r, y + uy[k] * r);
  }
}
// Calls Widen(X, Y) for points whose box holds what entity Obj draws:
//   a circle: its rim's four outermost points;
//   an arc: its points but the centre, and its rim's outermost points that
//     it passes;
//   a placement or a text character: its insertion point and the corners of
//     its item's box, scaled and turned as the placement draws them;
//   a dimension, a fill or a hatch: the corners of its item's box;
//   any other entity: its points.
// A circle or arc without its rim point gives none of its rim, a compound
// whose item is out of the table nothing beyond its insertion point. The
// radius is taken in type Radius: the component extents take it in Single,
// the grip frame and the items in Double, and each keeps its own values.
template <typename Radius, typename Widen>
void WidenByEntity(const ObjRec& Obj, Widen&& widen) {
  auto p = [&](Integer k) -> const PntRec& { return Pnts[Obj.PointID + k - 1]; };
  auto radius = [&]() { return static_cast<Radius>(std::hypot(p(2).X - p(1).X, p(2).Y - p(1).Y)); };
  const bool linked = Obj.ObjectID >= 1 && Obj.ObjectID <= ItemCount;
  switch (Obj.Rtype) {
    case EntityCircle:
      if (Obj.NPoints >= 2) WidenByRim(EntityCircle, &p(1), radius, widen);
      break;
    case EntityArc:
      for (Long k = 2; k <= Obj.NPoints; ++k) widen(p(k).X, p(k).Y);
      if (Obj.NPoints >= 4) WidenByRim(EntityArc, &p(1), radius, widen);
      break;
    case EntityComponent:
    case EntityTextChar: {
      if (Obj.NPoints < 2) break;
      widen(p(1).X, p(1).Y);
      if (!linked) break;
      const ItemRec& item = Items[Obj.ObjectID];
      const Double degrees = Obj.NPoints >= 3 ? p(3).X : 0;
      const Double c = degrees == 0 ? 1 : std::cos(degrees * DegToRad);
      const Double s = degrees == 0 ? 0 : std::sin(degrees * DegToRad);
      for (const Double x : {item.Xmin, item.Xmax}) {
        for (const Double y : {item.Ymin, item.Ymax}) {
          const Double sx = p(2).X * x, sy = p(2).Y * y;  // scaled, then turned about the insertion point
          if (degrees == 0)
            widen(p(1).X + sx, p(1).Y + sy);
          else
            widen(p(1).X + c * sx - s * sy, p(1).Y + s * sx + c * sy);
        }
      }
      break;
    }
    case EntityDimension:
    case EntityFill:
    case EntityHatch:
      if (!linked) break;
      widen(Items[Obj.ObjectID].Xmin, Items[Obj.ObjectID].Ymin);
      widen(Items[Obj.ObjectID].Xmax, Items[Obj.ObjectID].Ymax);
      break;
    default:
      if (Obj.Rtype > EntityHatch) break;
      for (Long k = 1; k <= Obj.NPoints; ++k) widen(p(k).X, p(k).Y);
      break;
  }
}
// The enclosed area of a polygon's points (the shoelace sum), square world
// units, never negative; 0 for an entity that is not a polygon. The outline
// is closed back to its first point: a boundary closed by a click near its
// first point, or by picking its first line again, counts its last side too.
Double EnclosedArea(const ObjRec& Obj);
// Recomputes the extents of an item from the entities it owns:
//   an area: Xmin..Ymax from its first live boundary polygon (type 11),
//     whose Area is recomputed too;
//   a group: Xmin..Ymax from what its live members draw (WidenByEntity).
// An item without such entities, and an item of any other kind, is left
// unchanged. The members come from ItemMembers: no pass over the entities.
void UpdateItemExtents(Long ItemNo);
// The boundary of area item Item: its first member above the support
// geometry that is a live polygon of an open drawing, the one polygon its
// hatches and fills are drawn from and its box and size are taken from; 0
// when it has none. The members come from ItemMembers.
Long AreaBoundary(Long Item);
// Item ItemNo (a group or an area; any other kind is passed over) is noted
// for UpdateNotedItemExtents: its box is to be taken again from its members.
void NoteItemExtents(Long ItemNo);
// The points of entity ObjNo changed in place: the group or area that owns it
// is noted for UpdateNotedItemExtents. No scan, no allocation but the
// notes' own growth; called by ObjPointsChanged for every such change.
void NoteOwnerPointsChanged(Long ObjNo);
// Recomputes the extents of every item noted since the last call, each from
// its own members (ItemMembers). The views, the choosers and saving call it
// before they read an item's extents; it does nothing when nothing was noted.
void UpdateNotedItemExtents();

// ---- Reset -------------------------------------------------------------------------------------
void ResetDataHand();  // empty tables, zero counts, buffers at 1000, every variable at its start value

}  // namespace lintavo
