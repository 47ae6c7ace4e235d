// EditFixture: a main window with drawing 1 at 48 pixels to the unit (the
// world origin at view pixel (24, 24): world -0.5 .. 7.8 across, -0.5 ..
// 5.75 up), a pick reach of 0.1, and helpers that select entities (added
// with the builders of ModelBuilders) the way a user does, through the
// Select menu and clicks, group them and delete items in their choosers.
#pragma once

#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <memory>
#include <vector>

#include "model/DataHand.h"
#include "model/Picks.h"
#include "model/SnapSettings.h"
#include "model/Top.h"
#include "model/Units.h"
#include "support/DrawingDriver.h"
#include "support/ListClicks.h"
#include "support/ModelBuilders.h"
#include "support/ScriptedResponder.h"
#include "view/DrawingWindowFixture.h"
#include "view/Zooms.h"
#include "windows/show/frmGroupSelect.h"

namespace lintavo {

class EditFixture : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();
    ShowWithReach(48, 24);
  }

  // The window at pixelsPerUnit with the world origin at view pixel (base,
  // base), a pick reach of 0.1 world units at that zoom, redrawn.
  void ShowWithReach(Double pixelsPerUnit, Double base) {
    ShowAtScale(doc_, pixelsPerUnit, base);
    SnapTolerance = static_cast<Single>(0.1 * doc_->View_Scale);
    RefreshDocView(doc_);
  }

  // View, Areas, Window from (x1, y1) to (x2, y2): a new area whose boundary,
  // hidden, is returned (ObjCount).
  Long CreateWindowArea(Double x1, Double y1, Double x2, Double y2) {
    DrawingDriver::Choose("mnuViewAreasWindow");
    input_->ClickEach({{x1, y1}, {x2, y2}});
    return ObjCount;
  }

  // Select, Window around the box (x1, y1)-(x2, y2), then Esc.
  void SelectWindow(Double x1, Double y1, Double x2, Double y2) {
    DrawingDriver::Choose("mnuSelectWindow");
    input_->ClickAt(x1, y1);
    input_->ClickAt(x2, y2);
    input_->Escape();
  }

  // A second drawing window at the first's scale, holding the line
  // (x1, y1)-(x2, y2) selected by a window around it and copied to the
  // clipboard from its first end; the window is left active.
  FixedDpiDocument* SecondDrawingWithCopiedLine(Double x1, Double y1, Double x2, Double y2) {
    FixedDpiDocument* second = Open(2, "Second");
    ShowAtScale(second, 48, 24);
    DrawingDriver there(*second);
    AddLine(x1, y1, x2, y2);
    RefreshDocView(second);
    DrawingDriver::Choose("mnuSelectWindow");
    there.ClickAt(std::min(x1, x2) - 0.5, std::min(y1, y2) - 0.5);
    there.ClickAt(std::max(x1, x2) + 0.5, std::max(y1, y2) + 0.5);
    there.Escape();
    DrawingDriver::Choose("mnuEditcopy");
    there.ClickAt(x1, y1);
    return second;
  }

  // View, Group of the selection, the new group (the chooser's last row)
  // chosen with OK.
  void GroupTheSelection() {
    Responder().OnDialog<frmGroupSelect>(
        [](frmGroupSelect& dialog) {
          ClickLastRow(dialog.List1);
          dialog.OKButton->click();
        },
        &frmGroupSelect::CancelButton);
    DrawingDriver::Choose("mnuViewGroup");
  }

  // Delete of the chooser's last row in the chooser that item opens, then Cancel.
  template <typename Chooser>
  void DeleteLastItem(const char* item) {
    Responder().OnDialog<Chooser>([](Chooser& dialog) {
      ClickLastRow(dialog.List1);
      dialog.Command2->click();
      dialog.CancelButton->click();
    });
    DrawingDriver::Choose(item);
  }

  // Every stored point, to compare bit for bit.
  static std::vector<std::pair<Double, Double>> AllPoints() {
    std::vector<std::pair<Double, Double>> points;
    for (Long k = 1; k <= PntCount; ++k) points.emplace_back(Pnts[k].X, Pnts[k].Y);
    return points;
  }
};

}  // namespace lintavo
