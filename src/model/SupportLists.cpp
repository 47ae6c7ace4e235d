// SupportLists: the pattern library, the font names and the layer-name library.
#include "model/SupportLists.h"

#include "model/ProgramState.h"
#include "model/ServicesAbove.h"

namespace lintavo {

// ---- Pattern library ----------------------------------------------------------------------

std::vector<PatternRec> HatchPatterns(1);
Long PatternCount = 0;
Long PatternCap = 0;
std::vector<PatternLineRec> HatchPatternLines(1);
Long PatternLineCount = 0;
Long PatternLineCap = 0;

// ---- Font names ------------------------------------------------------------------------------

std::array<String, MaxFontNames + 1> FontNames;
Integer FontCount = 0;

// ---- Layer-name library ------------------------------------------------------------------------

std::vector<LayerNameRec> LayerNameList(1);
Long LayerNameBound = 0;
Long LayerNameCount = 0;

bool ListLayerName(const String& Name, const String& Category) {
  for (Long i = 1; i <= LayerNameCount; ++i)
    if (LayerNameList[i].Name == Name) return false;  // the stored category stays
  if (LayerNameCount + 10 > LayerNameBound) {
    LayerNameBound += 100;
    LayerNameList.resize(LayerNameBound + 1);
  }
  ++LayerNameCount;
  LayerNameList[LayerNameCount] = LayerNameRec{Name, Category};
  return true;
}

void AddLayerName(const String& Name, const String& Category) {
  if (ListLayerName(Name, Category) && ServicesAbove.StoreLayerName) ServicesAbove.StoreLayerName(Name, Category);
}

// ---- Reset ------------------------------------------------------------------------------------

void ResetSupportLists() {
  HatchPatterns.assign(1, PatternRec{});
  PatternCount = PatternCap = 0;
  HatchPatternLines.assign(1, PatternLineRec{});
  PatternLineCount = PatternLineCap = 0;
  FontNames.fill(String());
  FontCount = 0;
  LayerNameList.assign(1, LayerNameRec{});
  LayerNameBound = LayerNameCount = 0;
}

namespace {
const ModuleRegistrar Registered({"SupportLists", FloorModel, ResetSupportLists});
}  // namespace

}  // namespace lintavo
