// A dialog of the Options menu opened while a command waits mid-way
// (a growing chain or curve, a dimension after its first point, an angular
// chain after its first segment, an area boundary being collected) is a
// side trip: after it closes, with EXIT or
// after Update, the command goes on as if it had never opened. Each row is
// compared with the same clicks without the dialog: the drawing the model
// holds (every point numbered within its entity), the picture, and the rows
// a save stores.
#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "storage/TestDatabase.h"
#include "support/DrawingSnapshot.h"
#include "windows/WaitingCommandFixture.h"
#include "windows/controls/OptionFrame.h"
#include "windows/options/frmDimOptions.h"
#include "windows/options/frmLayerMgr.h"
#include "windows/options/frmUnitsOptions.h"

namespace lintavo {
namespace {

using Clicks = std::vector<std::pair<Double, Double>>;

// A command that waits mid-way: the control that starts it, the clicks
// before the side trip, those after it, whether Enter ends it (else its
// last click or Esc does), and the dimension mode of a chain.
struct WaitingRow {
  const char* control;
  Clicks before, after;
  bool enterEnds;
  Integer chainMode = 0;  // DimPartitioned or DimCumulative: the drawing also holds the circle (3, 2.5) r 1
};

// An angular chain on the circle: picked, two radius points and the
// location build the first segment; the chain then waits for its next point.
const Clicks FirstAngularSegment = {{2.293, 3.207}, {4, 2.5}, {3, 3.5}, {4.2, 3.3}};

// Places on the drawing Prepare makes.
const WaitingRow Waiting[] = {
    {"Tools1:Line4", {{1, 4.5}, {2, 5}, {3, 4.5}}, {{4, 5}, {5, 4.5}}, true},  // Cont.
    {"mnuDrawShapeIllreg", {{0.5, 0.5}, {1.5, 0.3}}, {{2.5, 0.6}, {2, 0.2}}, true},
    {"mnuDrawCurveSpline", {{5.5, 0.5}, {6, 1.5}, {6.5, 0.8}}, {{7, 2}}, true},
    {"mnuDrawCurveBezier", {{5.5, 2.5}, {6, 3.5}}, {{6.5, 2.8}, {7, 3.6}, {7.2, 2.4}}, true},
    {"mnuInsertLinearDim", {{1, 1}}, {{5, 1}, {3, 0.4}}, false},
    {"mnuViewAreasPoints", {{1.5, 1.5}, {3, 1.5}}, {{3, 3}, {1.5, 1.5}}, false},
    {"mnuViewAreasLines", {{3, 1}, {5, 2.5}}, {{3, 4}, {1, 2.5}, {3, 1}}, false},
    {"mnuInsertAngularDim", FirstAngularSegment, {{2, 2.5}, {3, 1.5}}, false, DimPartitioned},
    {"mnuInsertAngularDim", FirstAngularSegment, {{2, 2.5}, {3, 1.5}}, false, DimCumulative},
};

// An Options dialog that leaves the command waiting, and one way of closing it.
struct TripRow {
  const char* menu;
  bool update;          // Update under a new set name first, then EXIT; else EXIT alone
  int sampleShown = 0;  // presses of Dimensioning's "Show Angular" / "Show Linear" button first
};

const TripRow Trips[] = {
    {"mnuOptionsText", false},    {"mnuOptionsText", true},    {"mnuOptionsDimension", false},
    {"mnuOptionsDimension", true}, {"mnuOptionsFills", false},  {"mnuOptionsFills", true},
    {"mnuOptionsDisplay", false}, {"mnuOptionsDisplay", true}, {"mnuOptionsUnits", false},
    {"mnuOptionsLayers", false},  {"mnuOptionsDimension", false, 1},  // Show Angular
    {"mnuOptionsDimension", false, 2},                                 // Show Angular, then Show Linear
};

// The dialogs without a set list: Units closes with its EXIT, the Layer Manager with OK.
bool ClosedWithoutSets(const TripRow& trip, ScriptedResponder& responder) {
  const String menu = trip.menu;
  if (menu == "mnuOptionsUnits")
    responder.OnDialog<frmUnitsOptions>([](frmUnitsOptions& dialog) { dialog.CancelButton->click(); });
  else if (menu == "mnuOptionsLayers")
    responder.OnDialog<frmLayerMgr>([](frmLayerMgr& dialog) { dialog.cmdOK->click(); });
  else
    return false;
  return true;
}

using Facts = std::vector<std::string>;

// What the clicks made: the drawing's entities and items with the numbers
// of their points, the picture, and the Lines and Points rows its save stored.
struct Outcome {
  Facts drawing;
  QImage picture;
  std::vector<std::vector<String>> stored;
};

class OptionsWhileCommandWaitsTest : public WaitingCommandFixture {
 protected:
  // The row's clicks, with the trip (when given) between its two halves; the outcome.
  Outcome Run(const WaitingRow& row, const TripRow* trip, const String& db) {
    Prepare();
    DimMode = row.chainMode ? row.chainMode : Integer{DimSingle};
    if (row.chainMode) {
      AddCircle(3, 2.5, 1);
      RefreshDocView(doc_);
    }
    Choose(row.control);
    input_->ClickEach(row.before);
    if (trip) TakeTrip(*trip);
    input_->ClickEach(row.after);
    if (row.enterEnds) input_->Enter();
    input_->Escape();
    Outcome seen{DrawingSnapshot(1), doc_->Image().copy(), {}};
    RefreshDocView(doc_);
    if (seen.picture != doc_->Image()) seen.drawing.push_back("the picture differs from a fresh redraw");
    seen.stored = Saved(db);
    return seen;
  }

  void TakeTrip(const TripRow& trip) {
    const bool update = trip.update;
    const int shown = trip.sampleShown;
    if (!ClosedWithoutSets(trip, Responder()))
      Responder().OnDialog<OptionFrame>(
          [update, shown](OptionFrame& dialog) {
            for (int press = 0; press < shown; ++press) dynamic_cast<frmDimOptions&>(dialog).Command3->click();
            if (!update) return;
            dialog.Combo1->setCurrentText("Qz Trip");
            dialog.cmdUpdate->click();
          },
          &OptionFrame::cmdClose);
    input_->Leave();
    main_->MenuItem(trip.menu)->trigger();
  }

  // The drawing saved into a new database at db; its Lines and Points rows.
  std::vector<std::vector<String>> Saved(const String& db) {
    const String path = ScratchPath(db);
    CreateEmptyDrawingsDb(path);
    DwgDbPath = path;
    SelDwgName = "Trip";
    CurRevision = "Rev. 0";
    doc_->SaveFile("Trip");
    TestDatabase stored(path);
    std::vector<std::vector<String>> rows =
        stored.Rows("SELECT LineID, Rtype, Name, NPoints, LayerID, OwnerID, ObjectID FROM Lines ORDER BY LineID");
    for (auto& row : stored.Rows("SELECT LineID, PointID, PX, PY FROM Points ORDER BY LineID, PointID"))
      rows.push_back(std::move(row));
    return rows;
  }
};

TEST_F(OptionsWhileCommandWaitsTest, TheCommandGoesOnAsIfTheDialogHadNeverOpened) {
  int rows = 0;
  for (const WaitingRow& row : Waiting) {
    const Outcome expected = Run(row, nullptr, "Plain_dwg.mdb");
    for (const TripRow& trip : Trips) {
      SCOPED_TRACE(std::string(trip.menu) + (trip.update ? " (Update, EXIT)" : "") +
                   (trip.sampleShown ? " (" + std::to_string(trip.sampleShown) + " samples shown)" : "") + " while " +
                   row.control + (row.chainMode ? " (chain mode " + std::to_string(row.chainMode) + ")" : "") +
                   " waits");
      const Outcome seen = Run(row, &trip, "Trip" + std::to_string(++rows) + "_dwg.mdb");
      EXPECT_EQ(seen.drawing, expected.drawing);
      EXPECT_TRUE(seen.picture == expected.picture);
      EXPECT_EQ(seen.stored, expected.stored);
    }
  }
}

}  // namespace
}  // namespace lintavo
