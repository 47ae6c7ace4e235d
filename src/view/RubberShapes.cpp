// RubberShapes: the curve and arc shapes of the line-drawing previews.
#include "view/RubberShapes.h"

#include <cmath>

#include "platform/Numbers.h"
#include "view/Rubber.h"

namespace lintavo {

// ---- Circles and arcs -------------------------------------------------------------

void RubberCentreCircle() {
  const RubberPoint& centre = RubberAnchorPts[0];
  const RubberPoint& rim = RubberAnchorPts[2];
  RubberRadius = static_cast<Single>(RoundHalfEven(std::hypot(centre.X - rim.X, centre.Y - rim.Y)));
  if (RubberRadius > 0) RubberCircle(centre.X, centre.Y, RubberRadius);
}

void RubberCentreArc() {}

void RubberArcThreePoints() {}

void RubberArcEndsFirst() {}

// ---- Polygon ----------------------------------------------------------------------

void RubberRegularPolygon() {}

// ---- Ellipses ---------------------------------------------------------------------

void RubberBoxEllipse() {}

void RubberEllipticArc() {}

void RubberAxisEllipse() {}

// ---- Curves -----------------------------------------------------------------------

void RubberSpline() {}

void RubberBezier() {}

}  // namespace lintavo
