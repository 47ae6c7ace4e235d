// The display names of the entity types.
#include <gtest/gtest.h>

#include "model/DataHand.h"
#include "model/EntityNames.h"

namespace lintavo {
namespace {

TEST(EntityNamesTest, EveryTypeHasItsNameSpelledAsShownAndOtherCodesNone) {
  const std::pair<Integer, const char*> names[] = {
      {EntityPoint, "Point"},           {EntityLine, "Straight Line"},     {EntityCircle, "Circle"},
      {EntityArc, "Arc"},               {EntityEllipticArc, "Elliptical Arc"}, {EntityEllipse, "Ellipse"},
      {EntitySpline, "Spline Curve"},   {EntityBezier, "Bezier Curve"},    {EntityContBezier, "Continous Bezier"},
      {EntityPolyline, "Polyline"},     {EntityPolygon, "Polygon"},        {EntityComponent, "Component"},
      {EntityTextChar, "Text Character"}, {EntityDimension, "Dimension"},  {EntityFill, "Fill"},
      {EntityHatch, "Hatch"}};
  for (const auto& [type, name] : names) EXPECT_STREQ(EntityTypeName(type), name) << type;
  for (Integer code : {0, -1, 17, 255}) EXPECT_STREQ(EntityTypeName(code), "") << code;
}

}  // namespace
}  // namespace lintavo
