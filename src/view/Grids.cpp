// Grids: grid and ruler switches and their shown state.
#include "view/Grids.h"

#include "model/ProgramState.h"
namespace lintavo {

Integer GridOn = 0;
Integer RulerOn = 0;
Integer GridShown = 0;
Integer RulersShown = 0;
constexpr Single StartGridSpacing = 0.25;  // world units
Single GridX = StartGridSpacing;
Single GridY = StartGridSpacing;
Single GridSize = StartGridSpacing;
constexpr Long StartGridColor = 0x00FF00;   // green
constexpr Long StartRulerColor = 0x00FFFF;  // yellow
Long GridColor = StartGridColor;
Long RulerColor = StartRulerColor;

void DrawGrid(Integer& Show) {
  if ((Show && GridShown) || (!Show && !GridShown)) return;
  GridShown = Show;
  // Not yet done: the dots at the grid spacing and the menu check mark.
}

void DrawRulers(Integer& Show) {
  RulersShown = Show;
  RulerOn = Show;
  // Not yet done: the ruler ticks and labels and the menu check mark.
}

void ResetGrids() {
  GridOn = 0;
  RulerOn = 0;
  GridShown = 0;
  RulersShown = 0;
  GridX = GridY = GridSize = StartGridSpacing;
  GridColor = StartGridColor;
  RulerColor = StartRulerColor;
}

namespace {
const ModuleRegistrar Registered({"Grids", FloorView, ResetGrids});
}  // namespace

}  // namespace lintavo
