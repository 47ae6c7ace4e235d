// Side trips a user takes while a command waits for a click or a typed
// value (Component Edit, the Layer Manager, Undo and Redo, the right button,
// Enter with or without a value, the Message Bar hidden and shown, File,
// Open cancelled, the print preview closed), with a second drawing open:
// the command's half-made state is neither offered to nor changed by the
// trip, and the command ends as the same input ends it without the trip,
// in the same active window. A trip that starts the command's input again
// (the right button, an Undo that took back the boundary being collected)
// gives what the clicks after it give alone.
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "annotation/Texthand.h"
#include "model/TypedEntry.h"
#include "model/ViewCache.h"
#include "storage/TestDatabase.h"
#include "support/DialogKeys.h"
#include "support/DrawingSnapshot.h"
#include "support/EventWait.h"
#include "support/ListClicks.h"
#include "windows/WaitingCommandFixture.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/file/frmDwgSelect.h"
#include "windows/file/frmPreview.h"
#include "windows/main/frmMain.h"
#include "windows/options/frmLayerMgr.h"

namespace lintavo {
namespace {

using Facts = std::vector<std::string>;

constexpr int ActivationLimitMs = 5000;  // a bound on waiting for the window system, not a measure

class SideTripsWhileCommandWaitsTest : public WaitingCommandFixture {
 public:  // worked by the rows' steps
  // The drawing made into a component (its placement in its place), then
  // everything selected again and Create chosen: it waits for its reference point.
  void CreateWaits() {
    Choose("mnuSelectAll");
    Choose("mnuEditCompReplace");
    Choose("mnuSelectAll");
    Choose("mnuEditCompCreate");
  }
  // Edit, Component, Edit worked by operate, then closed by Cancel unless operate closed it.
  void EditComponents(std::function<void(frmCompEdit&)> operate) {
    Responder().OnDialog<frmCompEdit>(std::move(operate), &frmCompEdit::CancelButton);
    Choose("mnuEditCompEdit");
  }
  // Options, Layer Manager: a new layer name moved into the drawing, OK.
  void AddLayerInManager() {
    Responder().OnDialog<frmLayerMgr>([](frmLayerMgr& dialog) {
      const int category = dialog.Combo1->findText("Qz Trips");
      if (category < 0) {  // the first time: the name is listed under a new category
        dialog.Text2->setText("Qz Trip Layer");
        dialog.Text3->setText("Qz Trips");
        dialog.cmdAddLayer->click();
      } else {
        dialog.Combo1->setCurrentIndex(category);
        emit dialog.Combo1->activated(category);
      }
      const QList<QListWidgetItem*> listed = dialog.lstLeft->findItems("Qz Trip Layer", Qt::MatchExactly);
      ASSERT_EQ(listed.size(), 1);
      dialog.lstLeft->setCurrentItem(listed.front());
      dialog.cmdMove->click();
      dialog.cmdOK->click();
    });
    Choose("mnuOptionsLayers");
  }
  void Enter(const char* typed) {
    input_->Type(typed);
    input_->Enter();
  }
  void Undo() { Choose("mnuEditUndo"); }
  frmDocument* Document() const { return doc_; }
  void MakeMainWindowActive() {
    main_->activateWindow();
    ASSERT_TRUE(RunEventsUntil([this] { return main_->isActiveWindow(); }, ActivationLimitMs));
  }
  // Display, Message Bar off and on again; the command waits for a typed
  // value, so the entry box holds the keyboard when the bar goes.
  void HideAndShowMessageBar(const std::function<void()>& meanwhile = [] {}) {
    EXPECT_EQ(QApplication::focusWidget(), main_->Text3) << "the entry box waits for the value";
    Choose("mnuDisplayMsgBar");
    meanwhile();
    Choose("mnuDisplayMsgBar");
  }
  // File, Open on a database of no drawings, cancelled.
  void CancelFileOpen() {
    const String kept = DwgDbPath;
    DwgDbPath = ScratchPath("Trips_dwg.mdb");
    if (!QFileInfo::exists(QString::fromStdString(DwgDbPath))) CreateEmptyDrawingsDb(DwgDbPath);
    Responder().OnDialog<frmDwgSelect>([](frmDwgSelect& chooser) { chooser.cmdCancel->click(); });
    Choose("mnuFileOpen");
    DwgDbPath = kept;
    MakeMainWindowActive();  // as the window system gives the main window back its activation
  }
  void ClosePrintPreview() {
    Responder().OnDialog<frmPreview>([](frmPreview& preview) { preview.cboClose->click(); });
    Choose("mnuFilePrintPreview");
    MakeMainWindowActive();
  }

  // The drawing and the component definitions, every entity and item.
  Facts Everything() const {
    Facts facts = DrawingSnapshot(1);
    for (std::string& line : DrawingSnapshot(0)) facts.push_back("definitions: " + line);
    return facts;
  }
  // Each area's live boundary polygons, by their points, and what panel 2 said.
  Facts Boundaries() const {
    Facts facts{"panel 2: " + MessagePanel(2)};
    for (Long a = BaseItemCount + 1; a <= ItemCount; ++a) {
      if (Items[a].Rtype != ItemArea || Items[a].DwgNo != 1) continue;
      facts.push_back("area " + Items[a].Name);
      for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
        const ObjRec& obj = Objs[i];
        if (obj.OwnerID != a || obj.Rtype != EntityPolygon || obj.Erased || obj.DwgNo != 1) continue;
        std::string points = "  boundary";
        for (Long k = obj.PointID; k < obj.PointID + obj.NPoints; ++k)
          points += " (" + std::to_string(Pnts[k].X) + ", " + std::to_string(Pnts[k].Y) + ")";
        facts.push_back(points);
      }
    }
    return facts;
  }

  // The drawing, which window is active and has the keyboard, what the
  // message bar says, and the settings a typed value may change.
  Facts Outcome() const {
    Facts facts = Everything();
    const QWidget* keyboard = QApplication::focusWidget();
    facts.push_back("active drawing " + std::to_string(ActiveDocForm() ? ActiveDocForm()->ID : 0));
    facts.push_back(std::string("keyboard on ") + (keyboard == doc_ ? "this drawing" : keyboard ? "something else" : "nothing"));
    for (int panel = 1; panel <= 3; ++panel) facts.push_back("panel " + std::to_string(panel) + ": " + MessagePanel(panel));
    facts.push_back("zoom " + std::to_string(doc_->View_Scale) + ", text height " + std::to_string(TextHeight));
    return facts;
  }

  // The facts once the steps are done (each row ends its own command).
  Facts Run(const std::function<void()>& steps, Facts (SideTripsWhileCommandWaitsTest::*facts)() const) {
    Prepare();
    MakeMainWindowActive();
    steps();
    return (this->*facts)();
  }
};

using T = SideTripsWhileCommandWaitsTest;
// A command worked by the user, given between its clicks what the row takes.
using Steps = std::function<void(T&, const std::function<void()>& between)>;

// A row: the command's steps, the trip taken between them and, where the
// trip starts the command's input again, what the user does without it
// (nullptr: the same steps with nothing between); and the facts compared.
struct TripRow {
  const char* name;
  Steps steps;
  std::function<void(T&)> trip, plain;
  Facts (T::*facts)() const;
};

TEST_F(SideTripsWhileCommandWaitsTest, TheCommandEndsAsTheSameClicksEndItWithoutTheTrip) {
  const auto click = [](T& t, Double x, Double y) { t.Input().ClickAt(x, y); };
  const auto clicks = [click](T& t, std::initializer_list<std::pair<Double, Double>> at) {
    for (const auto& [x, y] : at) click(t, x, y);
  };
  // Create waits, then the reference click or Esc.
  const Steps create = [click](T& t, const std::function<void()>& between) {
    t.CreateWaits();
    between();
    click(t, 3, 2);
  };
  const Steps createEsc = [](T& t, const std::function<void()>& between) {
    t.CreateWaits();
    between();
    t.Input().Escape();
  };
  const Steps cornerTrim = [click](T& t, const std::function<void()>& between) {
    t.Choose("mnuTrimsCorner");
    click(t, 6, 0.5);
    between();
    click(t, 7, 2);
  };
  // Area by Points: two clicks, then more with what the row takes between;
  // those close the boundary on the first of them, and failing that on the
  // first click of all.
  const auto pointsAfter = [clicks](T& t) {
    t.Choose("mnuViewAreasPoints");
    clicks(t, {{3, 3}, {1.5, 3}, {2, 2}, {3, 3}, {1.5, 1.5}});
  };
  const Steps points = [clicks](T& t, const std::function<void()>& between) {
    t.Choose("mnuViewAreasPoints");
    clicks(t, {{1.5, 1.5}, {3, 1.5}});
    between();
    clicks(t, {{3, 3}, {1.5, 3}, {2, 2}, {3, 3}, {1.5, 1.5}});
  };
  // Area by Lines: the rectangle's bottom and right, then every side picked
  // (the bottom again closes it).
  const auto linesAfter = [clicks](T& t) {
    t.Choose("mnuViewAreasLines");
    clicks(t, {{3, 1}, {5, 2.5}, {3, 4}, {1, 2.5}, {3, 1}});
  };
  const Steps lines = [clicks](T& t, const std::function<void()>& between) {
    t.Choose("mnuViewAreasLines");
    clicks(t, {{3, 1}, {5, 2.5}});
    between();
    clicks(t, {{3, 1}, {5, 2.5}, {3, 4}, {1, 2.5}, {3, 1}});
  };
  const auto rightButton = [](T& t) { t.Input().ClickAt(4, 3, Qt::RightButton); };
  const auto hideAndShowBar = [](T& t) { t.HideAndShowMessageBar(); };
  // A command that waits for a typed value after its clicks; the value typed
  // where the keyboard is, as the keyboard sends it.
  const auto typedAfter = [](std::vector<const char*> controls, std::vector<std::pair<Double, Double>> at,
                             const char* typed) -> Steps {
    return [=](T& t, const std::function<void()>& between) {
      for (const char* control : controls) t.Choose(control);
      for (const auto& [x, y] : at) t.Input().ClickAt(x, y);
      between();
      TypeAtFocus(typed);
    };
  };
  // A dimension of the circle (3, 2.5) r 1 that waits after its pick.
  const auto circleDimension = [](const char* control, std::vector<std::pair<Double, Double>> after) -> Steps {
    return [=](T& t, const std::function<void()>& between) {
      AddCircle(3, 2.5, 1);
      RefreshDocView(t.Document());
      t.Choose(control);
      t.Input().ClickAt(2.293, 3.207);
      between();
      for (const auto& [x, y] : after) t.Input().ClickAt(x, y);
      t.Input().Escape();
    };
  };
  // A measure command: clicks before the trip and after it.
  const auto measure = [](const char* control, std::vector<std::pair<Double, Double>> before,
                          std::vector<std::pair<Double, Double>> after) -> Steps {
    return [=](T& t, const std::function<void()>& between) {
      t.Choose(control);
      for (const auto& [x, y] : before) t.Input().ClickAt(x, y);
      between();
      for (const auto& [x, y] : after) t.Input().ClickAt(x, y);
    };
  };
  const Steps zoomScale = typedAfter({"mnuViewZoomScale"}, {}, "2\r");
  const TripRow rows[] = {
      {"Component Edit cancelled while Create waits, then the reference click", create,
       [](T& t) { t.EditComponents([](frmCompEdit&) {}); }, nullptr, &T::Everything},
      {"Component Edit closed with OK while Create waits, then the reference click", create,
       [](T& t) { t.EditComponents([](frmCompEdit& d) { d.OKButton->click(); }); }, nullptr, &T::Everything},
      {"the newest component chosen in Component Edit while Create waits, OK, then Esc", createEsc,
       [](T& t) {
         t.EditComponents([](frmCompEdit& d) {
           ClickLastRow(d.List1);
           d.OKButton->click();
         });
       },
       nullptr, &T::Everything},
      {"a layer added in the Layer Manager while Create waits, then Esc", createEsc,
       [](T& t) { t.AddLayerInManager(); },
       [createEsc](T& t) {
         createEsc(t, [] {});
         t.AddLayerInManager();
       },
       &T::Everything},
      {"Enter, with nothing and with a value, while Create waits, then the reference click", create,
       [](T& t) {
         t.Enter("");
         t.Enter("2");
         EXPECT_EQ(t.Panel(3), TypedValueNotTakenText);
       },
       nullptr, &T::Everything},
      {"Enter after the first pick of Corner Trim", cornerTrim, [](T& t) { t.Enter(""); }, nullptr, &T::Everything},
      {"a value entered after the first pick of Corner Trim", cornerTrim,
       [](T& t) {
         t.Enter("2");
         EXPECT_EQ(t.Panel(3), TypedValueNotTakenText);
       },
       nullptr, &T::Everything},
      {"Undo then Redo while an area is collected by points", points,
       [](T& t) {
         t.Undo();
         t.Choose("mnuEditRedo");
       },
       nullptr, &T::Boundaries},
      {"Undo while an area is collected by points", points, &T::Undo, pointsAfter, &T::Boundaries},
      {"the right button while an area is collected by points", points, rightButton, pointsAfter, &T::Boundaries},
      {"Undo while an area is collected by lines", lines, &T::Undo, linesAfter, &T::Boundaries},
      {"the right button while an area is collected by lines", lines, rightButton, linesAfter, &T::Boundaries},
      {"the Message Bar hidden and shown while Copy waits for its count",
       typedAfter({"mnuSelectAll", "mnuEditCopys"}, {{1, 1}, {1, 5}}, "3\r"), hideAndShowBar, nullptr, &T::Outcome},
      {"the Message Bar hidden and shown while Rescale waits for its width",
       typedAfter({"mnuSelectAll", "mnuEditRescale"}, {{1, 1}}, "2\r3\r"), hideAndShowBar, nullptr, &T::Outcome},
      {"the Message Bar hidden and shown while Radial Copy waits for its angle",
       typedAfter({"mnuSelectAll", "mnuEditRcopy"}, {{5, 4}, {6, 5}}, "90\r3\r"), hideAndShowBar, nullptr,
       &T::Outcome},
      {"the Message Bar hidden and shown while Zoom Scale waits", zoomScale, hideAndShowBar, nullptr, &T::Outcome},
      {"the Message Bar hidden and shown while Text Height waits", typedAfter({"Tools1:Size"}, {}, "0.5\r"),
       hideAndShowBar, nullptr, &T::Outcome},
      {"the Message Bar hidden and shown after the pick of a Radius dimension",
       circleDimension("mnuInsertRadiusDim", {{3.5, 2.6}}), hideAndShowBar, nullptr, &T::Outcome},
      {"the Message Bar hidden and shown after the pick of an Angular dimension",
       circleDimension("mnuInsertAngularDim", {{4, 2.5}, {3, 3.5}, {4.2, 3.3}}), hideAndShowBar, nullptr,
       &T::Outcome},
      {"Esc while the Message Bar is hidden: the prompt it clears stays cleared",
       [](T& t, const std::function<void()>& between) {
         t.Choose("mnuViewZoomScale");
         between();
       },
       [](T& t) { t.HideAndShowMessageBar([&t] { t.Input().Escape(); }); },
       [](T& t) {
         t.Choose("mnuViewZoomScale");
         t.Input().Escape();
       },
       &T::Outcome},
      {"File, Open cancelled after the first point of Measure Distance",
       measure("mnuControlsMeasureDistance", {{1, 1}}, {{4, 5}, {4, 1}}), &T::CancelFileOpen, nullptr, &T::Outcome},
      {"the print preview closed before the first point of Measure Area",
       measure("mnuControlsMeasureArea", {}, {{1, 1}, {5, 1}, {5, 4}, {1, 1}}), &T::ClosePrintPreview, nullptr,
       &T::Outcome},
      {"File, Open cancelled after the first point of Measure Angle",
       measure("mnuControlsMeasureAngle", {{1, 1}}, {{5, 4}}), &T::CancelFileOpen, nullptr, &T::Outcome},
  };
  Open(2, "Second");
  Prepare();  // the first window's first activation after the second opened makes its layer
  for (const TripRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Facts expected = Run([&] { row.plain ? row.plain(*this) : row.steps(*this, [] {}); }, row.facts);
    const Facts seen = Run([&] { row.steps(*this, [&] { row.trip(*this); }); }, row.facts);
    EXPECT_EQ(seen, expected);
  }
}

}  // namespace
}  // namespace lintavo
