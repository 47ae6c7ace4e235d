// DimensionFixture: the text fixture's window with a plain dimension style
// (font "Text", layer "Dimension 1", aligned single dimensions with
// aligned in-line letters, 30-degree open Medium arrows, automatic letter
// size) and English units of three decimals in degrees.
#pragma once

#include <cmath>

#include "annotation/DimLinear.h"
#include "annotation/DimPrimitives.h"
#include "annotation/Dimension.h"
#include "annotation/TextFixture.h"
#include "model/Units.h"
#include "picking/Measure.h"
#include "support/ModelBuilders.h"

namespace lintavo {

class DimensionFixture : public TextFixture {
 protected:
  void SetUp() override {
    TextFixture::SetUp();
    UseDecimalInches();
    DimFontName = "Text";
    DimLayerName = "Dimension 1";
    DimMode = DimSingle;
    DimDirection = DimAligned;
    DimLetterDirection = 1;
    DimLetterPlacement = DimInLine;
    DimArrowType = 2;
    DimArrowAngle = static_cast<Single>(Pi / 6);
    DimArrowSize = 2;
    DimArrowClosed = FlagFalse;
    DimWitnessMode = 1;
    DimFixedLetterHeight = FlagFalse;
    DimLetterHeight = 1;
    DimLetterWidth = 0.75F;
    DimExtOffset = 0.25F;
    DimExtAbove = DimExtBelow = 0.5F;
    DimLeaderLength = 1;
    DimLineColor = 0x0000FF;
  }

  void Dimension(const char* menuItem, std::initializer_list<std::pair<Double, Double>> clicks) {
    DrawingDriver::Choose(menuItem);
    input_->ClickEach(clicks);
  }

  // Entities of the current drawing appended after object First.
  static std::vector<Long> NewObjs(Long First) {
    std::vector<Long> found;
    for (Long i = First + 1; i <= ObjCount; ++i)
      if (Objs[i].DwgNo == CurDwg && !Objs[i].Erased) found.push_back(i);
    return found;
  }
  // The glyph codes of the letters among them, as a string.
  static String Letters(Long First) {
    String text;
    for (Long i : NewObjs(First))
      if (Objs[i].Rtype == EntityTextChar) {
        const String& key = Objs[i].Name;
        text += static_cast<char>(std::stoi(key.substr(key.find('-') + 1)));
      }
    return text;
  }
  static Double Length(Long objNo) { return std::hypot(PX(objNo, 2) - PX(objNo, 1), PY(objNo, 2) - PY(objNo, 1)); }
};

}  // namespace lintavo
