// Side trips a user takes while a command waits for a click (Component
// Edit, the Layer Manager, Undo and Redo, the right button, Enter with or
// without a value): the command's half-made state is neither offered to nor
// changed by the trip, and the command ends as the same clicks end it
// without the trip. A trip that starts the command's input again (the right
// button, an Undo that took back the boundary being collected) gives what
// the clicks after it give alone.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "model/TypedEntry.h"
#include "support/DrawingSnapshot.h"
#include "support/ListClicks.h"
#include "windows/WaitingCommandFixture.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/options/frmLayerMgr.h"

namespace lintavo {
namespace {

using Facts = std::vector<std::string>;

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

  // The facts once the steps are done (each row ends its own command).
  Facts Run(const std::function<void()>& steps, Facts (SideTripsWhileCommandWaitsTest::*facts)() const) {
    Prepare();
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
  };
  for (const TripRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Facts expected = Run([&] { row.plain ? row.plain(*this) : row.steps(*this, [] {}); }, row.facts);
    const Facts seen = Run([&] { row.steps(*this, [&] { row.trip(*this); }); }, row.facts);
    EXPECT_EQ(seen, expected);
  }
}

}  // namespace
}  // namespace lintavo
