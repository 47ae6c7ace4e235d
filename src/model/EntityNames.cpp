// EntityNames: one name per entity type, indexed by its code.
#include "model/EntityNames.h"

#include <iterator>

#include "model/DataHand.h"

namespace lintavo {

namespace {

constexpr Integer LastEntityType = EntityHatch;

// Index: the entity type; 0 is no type.
constexpr const char* EntityTypeNames[] = {
    "",                  // 0: none
    "Point",             // EntityPoint
    "Straight Line",     // EntityLine
    "Circle",            // EntityCircle
    "Arc",               // EntityArc
    "Elliptical Arc",    // EntityEllipticArc
    "Ellipse",           // EntityEllipse
    "Spline Curve",      // EntitySpline
    "Bezier Curve",      // EntityBezier
    "Continous Bezier",  // EntityContBezier
    "Polyline",          // EntityPolyline
    "Polygon",           // EntityPolygon
    "Component",         // EntityComponent
    "Text Character",    // EntityTextChar
    "Dimension",         // EntityDimension
    "Fill",              // EntityFill
    "Hatch",             // EntityHatch
};
static_assert(std::size(EntityTypeNames) == LastEntityType + 1, "one display name per entity type");

}  // namespace

const char* EntityTypeName(Integer type) {
  if (type < 1 || type > LastEntityType) return "";
  return EntityTypeNames[type];
}

}  // namespace lintavo
