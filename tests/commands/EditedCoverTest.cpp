// What an entity covers after an edit turned, enlarged, slanted or widened
// it: the entity index names it at every pixel it now draws, so a redraw of
// a detail view there (which asks the index) shows it as a walk of the
// whole table does. The edits are made as a user makes them: the Edit menu,
// the grip frame's grips pressed and dragged, the Italic button and the
// properties dialog of the right button.
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "annotation/TextFixture.h"
#include "commands/GripFrame.h"
#include "model/ObjIndex.h"
#include "model/UndoRedo.h"
#include "support/ModelBuilders.h"
#include "windows/edit/frmLineProperties.h"

namespace lintavo {
namespace {

class EditedCoverTest : public TextFixture {
 protected:
  void SetUp() override {
    TextFixture::SetUp();
    TextHeight = 1;  // a character one unit high: 48 pixels
    TextWidth = 0.75F;
  }

  // An "@" one unit high placed through the text command at (1, 1), selected:
  // its strokes reach the top right corner of the glyph's cell, beyond which
  // a slant carries them.
  Long PlaceAtSign() {
    PlaceAt(1, 1, QStringLiteral("@"));
    input_->Escape();
    const Long sign = Chars().back();
    SelectWindow(0.9, 0.9, 1.1, 1.1);  // about its origin
    return sign;
  }
  // A plain line from (1, 2) to (3, 2), selected.
  Long SelectedLine() {
    const Long line = AddLine(1, 2, 3, 2);
    SelectWindow(0.5, 1.5, 3.5, 2.5);
    return line;
  }

  void TypeEnter(const char* text) {
    input_->Type(QString::fromLatin1(text));
    input_->Enter();
  }
  // The grip pressed exactly and dragged to `by` pixels from the frame's
  // pivot; then released.
  void DragGrip(Integer grip, Single byX, Single byY) {
    const GripPoint from = WorkGrips[grip];
    const QPointF to = input_->PositionOfPixel(FramePivot.X + byX, FramePivot.Y + byY);
    input_->PressAt(input_->PositionOfPixel(from.X, from.Y));
    input_->MoveToPosition(to, Qt::LeftButton);
    input_->ReleaseAt(to);
  }

  // The world points of the pixels entity i alone draws in the view as it stands.
  std::vector<WorldXY> DrawnPoints(Long i) {
    EXPECT_TRUE(BeginViewPicture(true));
    const QImage blank = doc_->Image().copy();
    BeginViewPicture(true);
    DrawObject(i);
    const QImage& drawn = doc_->Image();
    std::vector<WorldXY> points;
    for (int row = 0; row < drawn.height(); ++row)
      for (int column = 0; column < drawn.width(); ++column)
        if (drawn.pixel(column, row) != blank.pixel(column, row))
          points.push_back({(column - doc_->VbaseX) / doc_->XVscale,
                            (doc_->View_Maxy - row - doc_->Vbasey) / doc_->YVscale});
    return points;
  }
};

struct CoverEdit {
  const char* name;
  std::function<Long()> make;  // the entity, selected
  std::function<void()> edit;  // what the user does to it
  Double detailScale;          // pixels to the unit of the detail view
};

TEST_F(EditedCoverTest, ADetailViewDrawsWhatAnEditTurnedEnlargedSlantedOrWidened) {
  const auto place = [this] { return PlaceAtSign(); };
  const CoverEdit edits[] = {
      {"Edit, Rescale by 3 about its origin", place,
       [this] {
         DrawingDriver::Choose("mnuEditRescale");
         input_->ClickAt(1, 1);
         TypeEnter("3");
         TypeEnter("3");
       },
       2000},
      {"Edit, Rotate a quarter about its origin", place,
       [this] {
         DrawingDriver::Choose("mnuEditRotate");
         input_->ClickAt(1, 1);
         input_->ClickAt(1, 3);  // straight above the axis
       },
       2000},
      {"the grip frame's rotation grip", place,
       [this] {
         DrawingDriver::PressButton("Move");
         DragGrip(9, 0, 60);  // straight above the pivot: a quarter turn
       },
       2000},
      {"the grip frame's corner grip", place,
       [this] {
         DrawingDriver::PressButton("Move");
         DragGrip(5, 2 * (WorkGrips[5].X - FramePivot.X), 2 * (WorkGrips[5].Y - FramePivot.Y));  // twice the size
       },
       2000},
      {"the Italic button", place, [] { DrawingDriver::PressButton("Italic"); }, 2000},
      {"a width of 3 in the properties dialog", [this] { return SelectedLine(); },
       [this] {
         Responder().OnDialog<frmLineProperties>(
             [](frmLineProperties& dialog) {
               dialog.List1->setCurrentRow(0);
               dialog.Text6->selectAll();
               dialog.Text6->insert(QStringLiteral("3"));  // as typed
             },
             &frmLineProperties::CancelButton);
         input_->ClickAt(6, 5, Qt::RightButton);
       },
       40},  // 120 pixels wide: a pen of 200 pixels or more is drawn thin
  };
  for (const CoverEdit& e : edits) {
    SCOPED_TRACE(e.name);
    CancelTools();
    ResetModel();
    doc_->Current_Layer = 0;  // its layer went with the items: new entities go on none
    TextItalic = FlagFalse;
    ShowWithReach(48, 24);
    const Long entity = e.make();
    AddLine(30, 20, 30.5, 20);  // far off: the view shows a small part of the drawing
    ComputeDrawingExtents();
    RefreshDocView(doc_);  // asks the index, which places the entity before the edit
    ASSERT_GE(ObjIndexPlacedUpTo(), entity);

    e.edit();
    input_->Escape();

    // Every pixel it draws in the whole view is named for a box about that pixel.
    const std::vector<WorldXY> drawn = DrawnPoints(entity);
    ASSERT_FALSE(drawn.empty());
    const Double reach = 2 / doc_->XVscale;
    std::vector<Long> named;
    size_t unnamed = 0;
    for (const WorldXY& p : drawn) {
      ObjIndexInBox(p.X - reach, p.Y - reach, p.X + reach, p.Y + reach, named);
      if (!std::binary_search(named.begin(), named.end(), entity)) ++unnamed;
    }
    EXPECT_EQ(unnamed, 0U) << "of " << drawn.size() << " pixels drawn";

    // A detail view centred on the drawn pixel farthest from its first point.
    const WorldXY origin{PX(entity, 1), PY(entity, 1)};
    const WorldXY far = *std::max_element(drawn.begin(), drawn.end(), [&origin](const WorldXY& a, const WorldXY& b) {
      return std::hypot(a.X - origin.X, a.Y - origin.Y) < std::hypot(b.X - origin.X, b.Y - origin.Y);
    });
    ShowFrom(e.detailScale, far.X - 200 / e.detailScale, far.Y - 150 / e.detailScale);
    RefreshDocView(doc_);
    Double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    ASSERT_TRUE(RedrawAsksObjIndex(xmin, ymin, xmax, ymax));
    const QImage redrawn = doc_->Image().copy();
    ASSERT_TRUE(BeginViewPicture(true));
    const QImage blank = doc_->Image().copy();
    const QImage plain = PlainPicture();
    EXPECT_NE(plain, blank);  // the entity draws in the detail view
    EXPECT_EQ(redrawn, plain);
  }
}

}  // namespace
}  // namespace lintavo
