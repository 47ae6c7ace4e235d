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

#include "annotation/DimensionFixture.h"
#include "model/TypedEntry.h"
#include "model/UndoRedo.h"
#include "support/DrawingSnapshot.h"
#include "support/ListClicks.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/options/frmLayerMgr.h"

namespace lintavo {
namespace {

using Facts = std::vector<std::string>;
using Steps = std::function<void()>;

class SideTripsWhileCommandWaitsTest : public DimensionFixture {
 public:  // worked by the rows' steps
  DrawingDriver& Input() { return *input_; }
  String Panel(int panel) const { return MessagePanel(panel); }
  // A fresh drawing: the rectangle (1, 1)-(5, 4) of four lines and, apart,
  // two lines that do not meet, (5.5, 0.5)-(6.5, 0.5) and (7, 1)-(7, 3).
  void Prepare() {
    input_->Escape();
    ResetModel();
    Activate(doc_);
    ShowWithReach(48, 24);
    AddLine(1, 1, 5, 1);
    AddLine(5, 1, 5, 4);
    AddLine(5, 4, 1, 4);
    AddLine(1, 4, 1, 1);
    AddLine(5.5, 0.5, 6.5, 0.5);
    AddLine(7, 1, 7, 3);
    RefreshDocView(doc_);
  }
  void Choose(const char* item) {
    input_->Leave();
    DrawingDriver::Choose(item);
  }
  // The rectangle made into a component (its placement in its place), then
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
  Facts Run(const Steps& steps, Facts (SideTripsWhileCommandWaitsTest::*facts)() const) {
    Prepare();
    steps();
    return (this->*facts)();
  }
};

// A row: what the user does with the trip, what the same user does without
// it (the expected outcome), and which facts are compared.
struct TripRow {
  const char* name;
  std::function<void(SideTripsWhileCommandWaitsTest&)> trip, plain;
  Facts (SideTripsWhileCommandWaitsTest::*facts)() const;
};

TEST_F(SideTripsWhileCommandWaitsTest, TheCommandEndsAsTheSameClicksEndItWithoutTheTrip) {
  using T = SideTripsWhileCommandWaitsTest;
  const auto click = [](T& t, Double x, Double y) { t.Input().ClickAt(x, y); };
  const auto cornerTrim = [click](T& t, const std::function<void()>& between) {
    t.Choose("mnuTrimsCorner");
    click(t, 6, 0.5);
    between();
    click(t, 7, 2);
  };
  // Area by Points: two clicks, then after them, with what it is given
  // between; the clicks after close the boundary on the first of them, and
  // failing that on the first click of all.
  const auto after = [click](T& t) {
    for (const auto& [x, y] : {std::pair{3.0, 3.0}, {1.5, 3.0}, {2.0, 2.0}, {3.0, 3.0}, {1.5, 1.5}}) click(t, x, y);
  };
  const auto points = [click, after](T& t, const std::function<void()>& between) {
    t.Choose("mnuViewAreasPoints");
    click(t, 1.5, 1.5);
    click(t, 3, 1.5);
    between();
    after(t);
  };
  const auto pointsAfter = [after](T& t) {
    t.Choose("mnuViewAreasPoints");
    after(t);
  };
  // The rectangle's sides picked: bottom, right, top, left, and the bottom again to close.
  const auto sides = [click](T& t) {
    for (const auto& [x, y] : {std::pair{3.0, 1.0}, {5.0, 2.5}, {3.0, 4.0}, {1.0, 2.5}, {3.0, 1.0}}) click(t, x, y);
  };
  const auto lines = [click, sides](T& t, const std::function<void()>& between) {
    t.Choose("mnuViewAreasLines");
    click(t, 3, 1);
    click(t, 5, 2.5);
    between();
    sides(t);
  };
  const auto linesAfter = [sides](T& t) {
    t.Choose("mnuViewAreasLines");
    sides(t);
  };
  const TripRow rows[] = {
      {"Component Edit cancelled while Create waits, then the reference click",
       [click](T& t) {
         t.CreateWaits();
         t.EditComponents([](frmCompEdit&) {});
         click(t, 3, 2);
       },
       [click](T& t) {
         t.CreateWaits();
         click(t, 3, 2);
       },
       &T::Everything},
      {"Component Edit closed with OK while Create waits, then the reference click",
       [click](T& t) {
         t.CreateWaits();
         t.EditComponents([](frmCompEdit& d) { d.OKButton->click(); });
         click(t, 3, 2);
       },
       [click](T& t) {
         t.CreateWaits();
         click(t, 3, 2);
       },
       &T::Everything},
      {"the newest component chosen in Component Edit while Create waits, OK, then Esc",
       [](T& t) {
         t.CreateWaits();
         t.EditComponents([](frmCompEdit& d) {
           ClickLastRow(d.List1);
           d.OKButton->click();
         });
         t.Input().Escape();
       },
       [](T& t) {
         t.CreateWaits();
         t.Input().Escape();
       },
       &T::Everything},
      {"a layer added in the Layer Manager while Create waits, then Esc",
       [](T& t) {
         t.CreateWaits();
         t.AddLayerInManager();
         t.Input().Escape();
       },
       [](T& t) {
         t.CreateWaits();
         t.Input().Escape();
         t.AddLayerInManager();
       },
       &T::Everything},
      {"Enter while Create waits, then the reference click",
       [click](T& t) {
         t.CreateWaits();
         t.Enter("");
         t.Enter("2");
         EXPECT_EQ(t.Panel(3), TypedValueNotTakenText);
         click(t, 3, 2);
       },
       [click](T& t) {
         t.CreateWaits();
         click(t, 3, 2);
       },
       &T::Everything},
      {"Enter after the first pick of Corner Trim",
       [cornerTrim](T& t) { cornerTrim(t, [&t] { t.Enter(""); }); },
       [cornerTrim](T& t) { cornerTrim(t, [] {}); }, &T::Everything},
      {"a value entered after the first pick of Corner Trim",
       [cornerTrim](T& t) {
         cornerTrim(t, [&t] {
           t.Enter("2");
           EXPECT_EQ(t.Panel(3), TypedValueNotTakenText);
         });
       },
       [cornerTrim](T& t) { cornerTrim(t, [] {}); }, &T::Everything},
      {"Undo then Redo while an area is collected by points",
       [points](T& t) {
         points(t, [&t] {
           t.Undo();
           t.Choose("mnuEditRedo");
         });
       },
       [points](T& t) { points(t, [] {}); }, &T::Boundaries},
      {"Undo while an area is collected by points", [points](T& t) { points(t, [&t] { t.Undo(); }); },
       pointsAfter, &T::Boundaries},
      {"the right button while an area is collected by points",
       [points](T& t) { points(t, [&t] { t.Input().ClickAt(4, 3, Qt::RightButton); }); }, pointsAfter,
       &T::Boundaries},
      {"Undo while an area is collected by lines", [lines](T& t) { lines(t, [&t] { t.Undo(); }); }, linesAfter,
       &T::Boundaries},
      {"the right button while an area is collected by lines",
       [lines](T& t) { lines(t, [&t] { t.Input().ClickAt(4, 3, Qt::RightButton); }); }, linesAfter,
       &T::Boundaries},
  };
  for (const TripRow& row : rows) {
    SCOPED_TRACE(row.name);
    const Facts expected = Run([&] { row.plain(*this); }, row.facts);
    const Facts seen = Run([&] { row.trip(*this); }, row.facts);
    EXPECT_EQ(seen, expected);
  }
}

}  // namespace
}  // namespace lintavo
