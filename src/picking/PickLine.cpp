// PickLine: the picked lists of the line picker.
#include "picking/PickLine.h"

namespace lintavo {

std::array<Long, 5> PickedLines{};
std::array<WorldXY, 5> PickedPoints{};
std::array<Long, 3> PickedSegments{};
Integer PickedCount = 0;

void ResetPickLine() {
  PickedLines.fill(0);
  PickedPoints.fill(WorldXY{});
  PickedSegments.fill(0);
  PickedCount = 0;
}

}  // namespace lintavo
