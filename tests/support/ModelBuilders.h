// ModelBuilders: test helpers that put entities and items straight into the
// model tables of the current drawing (CurDwg), as a loaded drawing would
// hold them, without going through a command. Each returns the index of
// what it appended (ObjCount or ItemCount). And what a drawing holds, to
// compare with what a save and a load give back.
#pragma once

#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

#include "model/DataHand.h"

namespace lintavo {

using BuilderPoint = std::pair<Double, Double>;  // (x, y), world units

// ---- Entities of the current drawing ---------------------------------------------------
// An entity of that type with those vertices in order.
Long AddEntity(Integer type, std::initializer_list<BuilderPoint> points);
Long AddEntity(Integer type, const std::vector<BuilderPoint>& points);
Long AddPolyline(std::initializer_list<BuilderPoint> points);
Long AddLine(Double x1, Double y1, Double x2, Double y2);
// A circle about (cx, cy): its centre, then the rim point r to the right.
Long AddCircle(Double cx, Double cy, Double r);
// An arc of radius r about (cx, cy): its centre, then the rim points at the
// start, middle and end angles, in degrees.
Long AddArc(Double cx, Double cy, Double r, Double startDeg, Double midDeg, Double endDeg);
// A compound entity (text character, component, dimension, fill, hatch):
// insertion point (x, y), (scaleX, scaleY), (rotation in degrees, 0), then
// the flag points given after them.
Long AddCompound(Integer type, Double x, Double y, Double rotation, Double scaleX = 1, Double scaleY = 1,
                 std::initializer_list<BuilderPoint> flags = {});

// ---- Items ---------------------------------------------------------------------------
// An item of that kind and name with the box 0..xmax × 0..ymax, in world units.
Long AddNamedItem(Integer kind, const String& name, Double xmax = 1, Double ymax = 1);
String ChainName(long k);  // "C0", "C1", ...: the names of a chain of components

// ---- Settings -------------------------------------------------------------------------
// Lengths in inches with three decimals, no fractions, no automatic scale;
// angles in degrees.
void UseDecimalInches();

// ---- What a drawing holds ----------------------------------------------------------
// An entity as a save stores it and a load gives it back: its type and its
// vertices in order.
using SavedShape = std::pair<Integer, std::vector<BuilderPoint>>;
// The entities of drawing dwgNo that are not erased, in table order.
std::vector<SavedShape> LiveShapes(Integer dwgNo);
// An item an entity links to, as a save stores it and a load gives it back:
// its kind, its name and which of the items of its drawing, kind and name it
// is (two areas may bear one name); (0, "", 0) for no item.
using ItemTag = std::tuple<Integer, String, int>;
ItemTag TagOf(Long item);

}  // namespace lintavo
