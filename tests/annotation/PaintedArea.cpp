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

std::vector<Long> PaintedSquare(DrawingDriver& input, ScriptedResponder& responder, Double x, Double y,
                                Double side, Long fill, Long hatch) {
  const Double x2 = x + side, y2 = y + side, midX = x + side / 2, midY = y + side / 2;
  const std::vector<Long> lines = {AddLine(x, y, x2, y), AddLine(x2, y, x2, y2), AddLine(x2, y2, x, y2),
                                   AddLine(x, y2, x, y)};
  DrawingDriver::Choose("mnuViewAreasLines");
  input.ClickEach({{midX, y}, {x2, midY}, {midX, y2}, {x, midY}, {midX, y}});
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
  return lines;
}

int PixelsOfColour(const QImage& image, Long rgb) {
  const QRgb want = qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == want ? 1 : 0;
  return n;
}

}  // namespace lintavo
