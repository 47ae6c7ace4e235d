// Outline: the transform outline preview.
#include "view/Outline.h"

#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
namespace lintavo {

Integer OutlineOn = 0;
Integer OutlineEnabled = 0;

void DrawOutlinePreview(Double, Double) {}

void ResetOutline() {
  OutlineOn = 0;
  OutlineEnabled = 0;
}

namespace {
void EndOutline() { OutlineOn = FlagFalse; }
void PlugOutline() { ServicesAbove.EndOutline = EndOutline; }
const ModuleRegistrar Registered({"Outline", FloorView, ResetOutline, {}, PlugOutline});
}  // namespace

}  // namespace lintavo
