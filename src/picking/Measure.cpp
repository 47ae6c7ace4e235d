// Measure: the measure commands: distances, angles, radii and areas.
#include "picking/Measure.h"

namespace lintavo {

Integer MeasureCommand = 0;
Integer MeasureActive = 0;

void ResetMeasure() {
  MeasureCommand = 0;
  MeasureActive = 0;
}

}  // namespace lintavo
