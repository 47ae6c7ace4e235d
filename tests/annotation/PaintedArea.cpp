// PaintedArea: a painted square made through the menus.
#include "annotation/PaintedArea.h"

#include <QPushButton>

#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "model/SupportLists.h"
#include "support/ListClicks.h"
#include "support/ModelBuilders.h"
#include "view/DisplayOptions.h"
#include "windows/show/frmAreaSelect.h"

namespace lintavo {

void OnePattern(Single angle, Single spacing) {
  HatchPatterns.assign(2, PatternRec{});
  HatchPatterns[1].PatternID = 7;
  HatchPatterns[1].Name = "Qz Lines";
  HatchPatterns[1].Color = 0x0000FF;
  HatchPatternLines.assign(2, PatternLineRec{});
  HatchPatternLines[1].PatternID = 7;
  HatchPatternLines[1].ANGLE = angle;
  HatchPatternLines[1].DeltaY = spacing;
  PatternCount = PatternLineCount = 1;
}

void PaintLastArea(ScriptedResponder& responder, Long fill, Long hatch) {
  OnePattern(0, 2.0F / 48);
  HatchColor = hatch;
  HatchScale = 1;
  CurFillColor = fill;
  CurFillPattern = 0;
  ShowFills = ShowHatches = FlagTrue;
  for (const char* item : {"mnuInsertFill", "mnuInsertHatch"}) {
    responder.OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) {
      ClickLastRow(dialog.List1);  // the area just made
      dialog.OKButton->click();
    });
    DrawingDriver::Choose(item);
  }
}

std::vector<Long> PaintedFigure(DrawingDriver& input, ScriptedResponder& responder,
                                const std::vector<std::pair<Double, Double>>& corners, Long fill, Long hatch) {
  std::vector<Long> lines;
  std::vector<std::pair<Double, Double>> middles;
  for (size_t k = 0; k < corners.size(); ++k) {
    const auto& [x1, y1] = corners[k];
    const auto& [x2, y2] = corners[(k + 1) % corners.size()];
    lines.push_back(AddLine(x1, y1, x2, y2));
    middles.emplace_back((x1 + x2) / 2, (y1 + y2) / 2);
  }
  middles.push_back(middles.front());
  DrawingDriver::Choose("mnuViewAreasLines");
  input.ClickEach(middles);
  PaintLastArea(responder, fill, hatch);
  return lines;
}

std::vector<Long> PaintedSquare(DrawingDriver& input, ScriptedResponder& responder, Double x, Double y,
                                Double side, Long fill, Long hatch) {
  return PaintedFigure(input, responder, {{x, y}, {x + side, y}, {x + side, y + side}, {x, y + side}}, fill, hatch);
}

int PixelsOfColour(const QImage& image, Long rgb) {
  const QRgb want = qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == want ? 1 : 0;
  return n;
}

}  // namespace lintavo
