// The boxes an edit leaves behind: an entity moved, turned, rescaled,
// mirrored, copied, extended, given a new point or put on another layer
// widens its own layer's box (not the current layer's), so Select Top Layer
// of its layer shows it; and Show All after an edit fits what the drawing
// holds now. The edits are made as a user makes them: the Edit, Modify and
// Select menus, the tool bar and clicks in the drawing window.
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "commands/EditFixture.h"
#include "commands/Edits.h"
#include "commands/GripFrame.h"
#include "model/LayerItems.h"
#include "model/UndoRedo.h"
#include "platform/Prompts.h"
#include "support/ListClicks.h"
#include "windows/edit/frmLineType.h"
#include "windows/show/frmLayerSelect.h"

namespace lintavo {
namespace {

class EditedExtentsTest : public EditFixture {
 protected:
  void TypeEnter(const char* text) {
    input_->Type(QString::fromLatin1(text));
    input_->Enter();
  }

  // Select Top Layer (the tool bar's "Layers") with the layer called name chosen.
  void SelectTopLayer(const char* name) {
    Responder().OnDialog<frmLayerSelect>([name](frmLayerSelect& dialog) {
      const auto found = dialog.List1->findItems(QString::fromLatin1(name), Qt::MatchExactly);
      ASSERT_EQ(found.size(), 1);
      ClickRow(dialog.List1, dialog.List1->row(found[0]));
      dialog.OKButton->click();
    });
    DrawingDriver::PressButton("Layers");
  }

  // The grip frame of the selection (the tool bar's "Move") dragged by its
  // outline, between grips 1 and 2, to the right by dx world units.
  void DragGripFrameRight(Double dx) {
    DrawingDriver::PressButton("Move");
    const Single x = (WorkGrips[1].X + WorkGrips[2].X) / 2, y = WorkGrips[1].Y;
    const Single to = x + static_cast<Single>(dx * doc_->XVscale);
    input_->PressAt(input_->PositionOfPixel(x, y));
    input_->MoveToPosition(input_->PositionOfPixel(to, y), Qt::LeftButton);
    input_->ReleaseAt(input_->PositionOfPixel(to, y));
  }

  // Whether (x, y) lies in the box from (minX, minY) to (maxX, maxY).
  static bool Holds(Double minX, Double minY, Double maxX, Double maxY, Double x, Double y) {
    return x >= minX && x <= maxX && y >= minY && y <= maxY;
  }
};

// Layer 1 is current; layer Other holds the line (1, 3)-(2, 3), so its box
// reaches x 2 and its Select Top Layer view about x 3.2. Each edit takes
// Other's geometry beyond that view.
TEST_F(EditedExtentsTest, AnEditedEntityWidensItsOwnLayerSoSelectTopLayerShowsIt) {
  const auto selectOther = [this] { SelectWindow(0.5, 2.5, 2.5, 3.5); };
  const auto nothing = [] {};
  const struct {
    const char* name;
    std::function<void()> prepare;  // entities of Layer 1 the edit needs
    std::function<void()> edit;
  } rows[] = {
      {"move", nothing,
       [&] {
         selectOther();
         DrawingDriver::Choose("mnuEditMove");
         input_->ClickAt(1, 3);
         input_->ClickAt(5, 5);  // to (5, 5)-(6, 5)
       }},
      {"rotate", nothing,
       [&] {
         selectOther();
         DrawingDriver::Choose("mnuEditRotate");
         input_->ClickAt(4, 3);
         input_->ClickAt(4, 5);  // a quarter turn about (4, 3): to (4, 0)-(4, 1)
       }},
      {"rescale", nothing,
       [&] {
         selectOther();
         DrawingDriver::Choose("mnuEditRescale");
         input_->ClickAt(0, 3);
         TypeEnter("3");
         TypeEnter("1");  // to (3, 3)-(6, 3)
       }},
      {"mirror", nothing,
       [&] {
         selectOther();
         DrawingDriver::Choose("mnuEditMirror");
         input_->ClickAt(1, 3);
         input_->ClickAt(6, 4);  // a copy (6, 4)-(5, 4) on Other
       }},
      {"copy", nothing,
       [&] {
         selectOther();
         DrawingDriver::Choose("mnuEditCopys");
         input_->ClickAt(1, 3);
         input_->ClickAt(5, 5);  // a copy (5, 5)-(6, 5) on Other
         input_->Escape();
       }},
      {"grip frame drag", nothing,
       [&] {
         selectOther();
         DragGripFrameRight(3);  // to (4, 3)-(5, 3)
         input_->Escape();
       }},
      {"extend", [] { AddLine(6, 2, 6, 4); },
       [&] {
         DrawingDriver::Choose("mnuTrimsExtend");
         input_->ClickAt(1.2, 3);
         input_->ClickAt(6, 3.5);  // to the boundary at x 6
       }},
      {"move point", nothing,
       [&] {
         DrawingDriver::Choose("mnuTrimsMP");
         input_->ClickAt(1.5, 3);
         input_->ClickAt(2, 3);
         input_->ClickAt(6, 5);  // to (1, 3)-(6, 5)
       }},
      {"moved onto the layer", [] { AddLine(5, 5, 6, 5); },
       [&] {
         SelectWindow(4.5, 4.5, 6.5, 5.5);
         Responder().AnswerMsgBox(vbYes);  // the selection goes onto Other
         SelectTopLayer("Other");
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResetModel();
    AddLine(0, 0.5, 1, 0.5);  // the first entity brings Layer 1, the current layer
    const Long layer1 = doc_->Current_Layer;
    const Long other = EnsureLayer("Other");
    doc_->Current_Layer = other;
    AddLine(1, 3, 2, 3);
    doc_->Current_Layer = layer1;
    doc_->View_Layers = FlagTrue;
    row.prepare();
    ASSERT_EQ(Items[other].Xmax, 2);
    ShowWithReach(48, 24);
    const ItemRec layer1Before = Items[layer1];

    row.edit();
    input_->Escape();
    DrawingDriver::Choose("mnuSelectClr");
    input_->Escape();
    EXPECT_EQ(Items[layer1].Xmax, layer1Before.Xmax);  // Layer 1's own entities did not change
    EXPECT_EQ(Items[layer1].Ymin, layer1Before.Ymin);
    const ItemRec& box = Items[other];
    EXPECT_GE(box.Xmax, 4);  // every row's edit takes Other to x 4 or beyond
    SelectTopLayer("Other");
    ASSERT_EQ(doc_->Current_Layer, other);
    for (Long i = 1; i <= ObjCount; ++i) {
      if (Objs[i].DwgNo != 1 || Objs[i].Erased || Objs[i].LayerID != other) continue;
      for (Integer k = 1; k <= Objs[i].NPoints; ++k) {
        EXPECT_TRUE(Holds(box.Xmin, box.Ymin, box.Xmax, box.Ymax, PX(i, k), PY(i, k)))
            << "entity " << i << " point " << k << " outside Other's box";
        EXPECT_TRUE(Holds(doc_->XVmin, doc_->YVmin, doc_->XVmax, doc_->YVmax, PX(i, k), PY(i, k)))
            << "entity " << i << " point " << k << " outside the view";
      }
    }
    EXPECT_TRUE(EqualsFreshRedraw());
  }
}

// The drawing holds a near line and a far one, fitted by Show All; an edit
// takes the far one away or brings it near; Show All then fits the near
// geometry alone.
TEST_F(EditedExtentsTest, ShowAllAfterAnEditFitsWhatTheDrawingHoldsNow) {
  const auto selectFar = [this] { SelectWindow(19.5, -0.5, 21.5, 1.5); };
  const struct {
    const char* name;
    std::function<void()> edit;
  } rows[] = {
      {"erase",
       [&] {
         selectFar();
         DrawingDriver::Choose("mnuEditErase");
       }},
      {"rotate",
       [&] {
         selectFar();
         DrawingDriver::Choose("mnuEditRotate");
         input_->ClickAt(11, 0.5);
         input_->ClickAt(5, 0.5);  // a half turn about (11, 0.5): to (2, 1)-(1, 0)
       }},
      {"undo of its addition", [] { DrawingDriver::Choose("mnuEditUndo"); }},
      {"its group deleted with it",
       [&] {
         selectFar();
         GroupTheSelection();
         DeleteLastItem<frmGroupSelect>("mnuGroupsShow");
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResetModel();
    AddLine(0, 0, 2, 1);
    AddLine(20, 0, 21, 1);
    DrawingDriver::Choose("mnuViewShowAll");
    ASSERT_GT(doc_->XVmax, 21);
    row.edit();
    input_->Escape();
    DrawingDriver::Choose("mnuViewShowAll");
    EXPECT_LT(doc_->XVmax, 3);  // the near geometry, 0 to 2, with its margin
    EXPECT_GT(doc_->XVmax, 2);
  }
}

// A restyle of the selection leaves the extents Show All measured standing;
// what changes what the drawing shows marks them to be measured again. The
// line is picked with Select, Line, whose tool the colour and style buttons
// restyle the selection under, as a user restyles it.
TEST_F(EditedExtentsTest, OnlyAnEditOfWhatTheDrawingShowsMarksItsExtents) {
  const auto style = [this](void (*choose)(frmLineType&)) {
    Responder().OnDialog<frmLineType>(choose, &frmLineType::OKButton);
    DrawingDriver::PressButton("Style");
  };
  const struct {
    const char* name;
    bool hiddenFirst;           // the line hidden before the measure
    std::function<void()> edit;  // run on the picked line
    bool marks;
  } rows[] = {
      {"colour", false, [this] { Responder().AnswerColor(0x00FF00); DrawingDriver::PressButton("Line Color"); }, false},
      {"line type", false, [&] { style([](frmLineType& d) { d.Option1[2]->click(); }); }, false},
      {"weight", false, [&] { style([](frmLineType& d) { d.Option2[3]->click(); }); }, false},
      {"hide", false, [] { DrawingDriver::Choose("mnuEditHide"); }, true},
      {"show", true, [] { DrawingDriver::Choose("mnuEditShow"); }, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ResetModel();
    const Long line = AddLine(0, 0, 2, 1);
    AddLine(1, 2, 3, 2);
    RefreshDocView(doc_);
    if (row.hiddenFirst) {
      SelectWindow(-0.5, -0.5, 2.5, 1.5);
      DrawingDriver::Choose("mnuEditHide");
      input_->Escape();
    }
    DrawingDriver::Choose("mnuViewShowAll");
    ASSERT_EQ(Dwgs[1].ExtentsChanged, FlagFalse);
    const EntityLook before = LookOf(line);
    const Integer type = Objs[line].Ltype, weight = Objs[line].Weight;
    DrawingDriver::Choose("mnuSelectItems");
    input_->ClickAt(1, 0.5);
    ASSERT_EQ(Dwgs[1].ExtentsChanged, FlagFalse);  // a selection changes nothing shown
    row.edit();
    input_->Escape();
    EXPECT_EQ(Dwgs[1].ExtentsChanged != 0, row.marks);
    // The edit did what it says (the restyle rows changed the line).
    const bool restyled = LookOf(line).Color != before.Color || Objs[line].Ltype != type || Objs[line].Weight != weight;
    EXPECT_EQ(restyled, !row.marks);
  }
}

}  // namespace
}  // namespace lintavo
