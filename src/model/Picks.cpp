// Picks: the picked lists, the chosen vertex and the selection counters.
#include "model/Picks.h"

#include "model/ProgramState.h"

namespace lintavo {

std::array<Long, 5> PickedLines{};
std::array<WorldXY, 5> PickedPoints{};
std::array<Long, 3> PickedSegments{};
Integer PickedCount = 0;
Long PickedPntIndex = 0;
Long SelectedCount = 0;
Integer SelectionSetNumber = 0;

void ResetPicks() {
  PickedLines.fill(0);
  PickedPoints.fill(WorldXY{});
  PickedSegments.fill(0);
  PickedCount = 0;
  PickedPntIndex = 0;
  SelectedCount = 0;
  SelectionSetNumber = 0;
}

namespace {
const ModuleRegistrar Registered({"Picks", FloorModel, ResetPicks});
}  // namespace

}  // namespace lintavo
