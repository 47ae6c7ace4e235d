// Painted rooms selected and moved as a user selects and moves them: a
// window around a figure, however it was turned, and Select Area take its
// lines, its paint and what lies inside, so that a Move keeps the paint
// within the walls, also with the area's boundary shown and edited with the
// figure; and Redo after such a move brings nothing back. A view fitted to
// one room draws and prints the room beside it that the window shows.
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "annotation/PaintedArea.h"
#include "commands/EditFixture.h"
#include "commands/GripFrame.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "support/ListClicks.h"
#include "view/Grids.h"
#include "view/PrintedPage.h"
#include "windows/show/frmAreaSelect.h"

namespace lintavo {
namespace {

constexpr Long Green = 0x00FF00;  // the fill
constexpr Long Red = 0x0000FF;    // the hatch

class PaintedRoomTest : public EditFixture {
 protected:
  struct Box {
    Double x1, y1, x2, y2;  // world units, x1 < x2, y1 < y2
  };
  // The box of the lines' points.
  static Box BoxOf(const std::vector<Long>& lines) {
    Box box{PX(lines[0], 1), PY(lines[0], 1), PX(lines[0], 1), PY(lines[0], 1)};
    for (const Long line : lines)
      for (Integer k = 1; k <= 2; ++k)
        box = {std::min(box.x1, PX(line, k)), std::min(box.y1, PY(line, k)), std::max(box.x2, PX(line, k)),
               std::max(box.y2, PY(line, k))};
    return box;
  }
  // Pixels of the fill's or the hatch's colour on the window, and those of
  // them beyond the view pixels of box grown by two pixels.
  int Paint() const { return PixelsOfColour(doc_->Image(), Green) + PixelsOfColour(doc_->Image(), Red); }
  int PaintBeyond(const Box& box) const {
    const QImage& image = doc_->Image();
    const Long left = RoundToLong(ViewPixelX(box.x1)) - 2, right = RoundToLong(ViewPixelX(box.x2)) + 2;
    const Long bottom = RoundToLong(ViewPixelY(box.y1)) - 2, top = RoundToLong(ViewPixelY(box.y2)) + 2;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        const bool paint = c == qRgb(0, 255, 0) || c == qRgb(255, 0, 0);
        const Long py = ViewPixMaxY - y;
        n += paint && (x < left || x > right || py < bottom || py > top);
      }
    return n;
  }
  // Every shown entity of drawing 1 erased, the view back at 48 to the unit.
  void EraseEverything() {
    ShowWithReach(48, 24);
    DrawingDriver::Choose("mnuSelectDwg");
    DrawingDriver::Choose("mnuEditErase");
    input_->Escape();
  }
  // The figure of lines, its paint (the last two entities) and the others
  // given all selected, and nothing else of the drawing.
  static void ExpectSelectedExactly(const std::vector<Long>& wanted) {
    for (Long i = BaseObjCount + 1; i <= ObjCount; ++i) {
      if (Objs[i].DwgNo != 1 || Objs[i].Erased || !Objs[i].Show) continue;
      const bool want = std::find(wanted.begin(), wanted.end(), i) != wanted.end();
      EXPECT_EQ(Objs[i].Selected != 0, want) << "entity " << i << " of type " << Objs[i].Rtype;
    }
  }
  // Edit, Move from (x, y) by (dx, dy).
  void MoveBy(Double x, Double y, Double dx, Double dy) {
    DrawingDriver::Choose("mnuEditMove");
    input_->ClickEach({{x, y}, {x + dx, y + dy}});
  }
  // The lines and their paint went together: the area's box is the lines',
  // no paint lies beyond them, and the window is the model's picture.
  void ExpectPaintWithinLines(Long area, const std::vector<Long>& lines) {
    const Box box = BoxOf(lines);
    EXPECT_NEAR(Items[area].Xmin, box.x1, 1e-9);
    EXPECT_NEAR(Items[area].Ymin, box.y1, 1e-9);
    EXPECT_NEAR(Items[area].Xmax, box.x2, 1e-9);
    EXPECT_NEAR(Items[area].Ymax, box.y2, 1e-9);
    EXPECT_GT(Paint(), 200);
    EXPECT_EQ(PaintBeyond(box), 0);
    EXPECT_TRUE(EqualsFreshRedraw());
  }
};

// A diamond turned an eighth, an L with its notch at the lower left turned
// a twelfth, and a square turned a quarter (whose box corner stays a
// corner), each painted and turned with its paint: a window drawn around
// the figure then takes its lines and its paint, and a Move of that
// selection takes the paint with the lines.
TEST_F(PaintedRoomTest, AWindowAroundATurnedFigureTakesItsPaintAndAMoveKeepsThePaintWithinItsLines) {
  struct Figure {
    const char* name;
    std::vector<std::pair<Double, Double>> corners;
    std::pair<Double, Double> axis, toward;  // the turn: about axis, by the direction toward the point
  };
  const Figure figures[] = {
      {"diamond turned an eighth", {{2, 1.5}, {3, 2.5}, {2, 3.5}, {1, 2.5}}, {2, 2.5}, {3.5, 4}},
      {"L, notch at the lower left, turned a twelfth",
       {{2, 1}, {4, 1}, {4, 3}, {1, 3}, {1, 2}, {2, 2}},
       {2.5, 2},
       {4.25, 3}},
      {"square turned a quarter", {{1, 1}, {3, 1}, {3, 3}, {1, 3}}, {2, 2}, {2, 3.5}},
  };
  for (const Figure& figure : figures) {
    SCOPED_TRACE(figure.name);
    EraseEverything();
    const std::vector<Long> lines = PaintedFigure(*input_, Responder(), figure.corners, Green, Red);
    const Long fill = ObjCount - 1, hatch = ObjCount;
    ASSERT_EQ(Objs[fill].Rtype, EntityFill);
    ASSERT_EQ(Objs[hatch].Rtype, EntityHatch);
    const Long area = Objs[hatch].ObjectID;
    std::vector<Long> whole = lines;
    whole.insert(whole.end(), {fill, hatch});

    Box box = BoxOf(lines);
    SelectWindow(box.x1 - 0.3, box.y1 - 0.3, box.x2 + 0.3, box.y2 + 0.3);
    DrawingDriver::Choose("mnuEditRotate");
    input_->ClickEach({figure.axis, figure.toward});
    ExpectPaintWithinLines(area, lines);

    DrawingDriver::Choose("mnuSelectClr");
    box = BoxOf(lines);
    SelectWindow(box.x1 - 0.3, box.y1 - 0.3, box.x2 + 0.3, box.y2 + 0.3);
    ExpectSelectedExactly(whole);
    MoveBy(0.25, 0.25, 3, 0);
    EXPECT_NEAR(BoxOf(lines).x1, box.x1 + 3, 1e-9);
    ExpectPaintWithinLines(area, lines);
  }
}

// A small L with its notch at the lower left, made an area and painted, its
// boundary shown again by Edit, Show and taken with the figure by a window,
// then edited in place: the boundary goes where the lines go, once, and the
// area's box and its paint's insertion points are taken again from it, so
// that a window around the edited figure takes its lines, its boundary and
// its paint, and the paint lies within the lines.
TEST_F(PaintedRoomTest, AShownBoundaryEditedWithItsFigureKeepsThePaintWhereAWindowAroundTheFigureTakesIt) {
  const auto gripFrameTurn = [this] {
    DrawingDriver::PressButton("Move");
    const GripPoint pivot = FramePivot;
    input_->PressAt(input_->PositionOfPixel(WorkGrips[9].X + 1, WorkGrips[9].Y));
    const QPointF to = input_->PositionOfPixel(pivot.X + 52, pivot.Y + 30);  // a turn of 30 degrees
    input_->MoveToPosition(to, Qt::LeftButton);
    input_->ReleaseAt(to);
    input_->Escape();
  };
  struct Edit {
    const char* name;
    std::function<void()> apply;
  };
  const Edit edits[] = {
      {"Rotate a twelfth", [this] { DrawingDriver::Choose("mnuEditRotate"); input_->ClickEach({{2, 1.5}, {4, 2.65}}); }},
      {"grip frame turned", gripFrameTurn},
      {"Move", [this] { MoveBy(2, 1.5, 2, 1); }},
      {"Rescale 2 across, 1.5 up",
       [this] {
         DrawingDriver::Choose("mnuEditRescale");
         input_->ClickAt(1.5, 1);
         for (const char* scale : {"2", "1.5"}) {
           input_->Type(scale);
           input_->Enter();
         }
       }},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.name);
    DrawingDriver::Choose("mnuEditShow");  // the boundaries of the figures before, erased with them
    EraseEverything();
    const std::vector<Long> lines = PaintedFigure(
        *input_, Responder(), {{2, 1}, {3, 1}, {3, 2}, {1.5, 2}, {1.5, 1.5}, {2, 1.5}}, Green, Red);
    const Long fill = ObjCount - 1, hatch = ObjCount;
    ASSERT_EQ(Objs[hatch].Rtype, EntityHatch);
    const Long area = Objs[hatch].ObjectID;
    const Long boundary = AreaBoundary(area);
    ASSERT_NE(boundary, 0);
    DrawingDriver::Choose("mnuEditShow");
    ASSERT_EQ(Objs[boundary].Show, FlagTrue);
    std::vector<Long> whole = lines;
    whole.insert(whole.end(), {boundary, fill, hatch});
    SelectWindow(1.2, 0.7, 3.3, 2.3);
    ExpectSelectedExactly(whole);

    edit.apply();
    // The boundary went with the lines, not twice as far: each of its
    // corners lies on the start of a line.
    for (Integer k = 1; k <= Objs[boundary].NPoints; ++k) {
      const bool onALine = std::any_of(lines.begin(), lines.end(), [&](Long line) {
        return std::hypot(PX(boundary, k) - PX(line, 1), PY(boundary, k) - PY(line, 1)) < 1e-9;
      });
      EXPECT_TRUE(onALine) << "corner " << k << " at " << PX(boundary, k) << ", " << PY(boundary, k);
    }
    for (const Long paint : {fill, hatch}) {
      EXPECT_EQ(PX(paint, 1), Items[area].Xmin) << "entity " << paint;
      EXPECT_EQ(PY(paint, 1), Items[area].Ymin) << "entity " << paint;
    }
    // A window close around the figure: the corner the paint had before a
    // turn lies outside it.
    DrawingDriver::Choose("mnuSelectClr");
    const Box box = BoxOf(lines);
    SelectWindow(box.x1 - 0.1, box.y1 - 0.1, box.x2 + 0.1, box.y2 + 0.1);
    ExpectSelectedExactly(whole);
    ExpectPaintWithinLines(area, lines);
  }
}

// Rooms of four walls with a table inside and a post outside, made areas by
// their walls, by a window on their corners and by their corner points,
// painted, and moved with a window first or not: Select Area takes each
// room whole (every wall, its paint and the table, not the post), and a
// Move of that selection keeps the paint within the walls.
TEST_F(PaintedRoomTest, SelectAreaTakesARoomWholeHoweverItWasMadeAndAMoveKeepsItsPaintWithinItsWalls) {
  const auto byLines = [this] {
    DrawingDriver::Choose("mnuViewAreasLines");
    input_->ClickEach({{2.5, 1}, {4, 2}, {2.5, 3}, {1, 2}, {2.5, 1}});
  };
  const auto byWindow = [this] { CreateWindowArea(1, 1, 4, 3); };
  const auto byPoints = [this] {
    DrawingDriver::Choose("mnuViewAreasPoints");
    input_->ClickEach({{1, 1}, {4, 1}, {4, 3}, {1, 3}, {1, 1}});
  };
  struct Room {
    const char* name;
    std::function<void()> makeArea;
    bool movedFirst;  // moved by a window around it before Select Area
  };
  const Room rooms[] = {
      {"by lines", byLines, false},  {"by a window", byWindow, false},  {"by points", byPoints, false},
      {"by lines, moved", byLines, true}, {"by a window, moved", byWindow, true}, {"by points, moved", byPoints, true},
  };
  for (const Room& room : rooms) {
    SCOPED_TRACE(room.name);
    EraseEverything();
    const std::vector<Long> walls = {AddLine(1, 1, 4, 1), AddLine(4, 1, 4, 3), AddLine(4, 3, 1, 3),
                                     AddLine(1, 3, 1, 1)};
    const Long table = AddLine(2, 2, 3, 2);
    const Long post = AddLine(6, 0.5, 7, 0.5);
    RefreshDocView(doc_);
    room.makeArea();
    ASSERT_TRUE(MessagePanel(2).ends_with(" CREATED"));
    PaintLastArea(Responder(), Green, Red);
    const Long fill = ObjCount - 1, hatch = ObjCount;
    ASSERT_EQ(Objs[hatch].Rtype, EntityHatch);
    const Long area = Objs[hatch].ObjectID;
    if (room.movedFirst) {
      SelectWindow(0.7, 0.7, 4.3, 3.3);
      MoveBy(0.5, 0.25, 1, 1);
      ASSERT_EQ(PX(walls[0], 1), 2);
    }

    DrawingDriver::Choose("mnuSelectClr");
    Responder().OnDialog<frmAreaSelect>([](frmAreaSelect& dialog) {
      ClickLastRow(dialog.List1);
      dialog.OKButton->click();
    });
    DrawingDriver::Choose("mnuSelectArea");
    ExpectSelectedExactly({walls[0], walls[1], walls[2], walls[3], table, fill, hatch});
    EXPECT_EQ(Objs[post].Selected, FlagFalse);

    // Select Area showed the room: the move is clicked within it.
    const Double wallX = PX(walls[0], 1), tableX = PX(table, 1);
    MoveBy(wallX + 0.4, PY(walls[0], 1) + 0.6, 0.5, -0.5);
    EXPECT_NEAR(PX(walls[0], 1) - wallX, 0.5, 0.02);
    EXPECT_EQ(PX(table, 1) - tableX, PX(walls[0], 1) - wallX);
    EXPECT_EQ(PX(post, 1), 6);
    ExpectPaintWithinLines(area, walls);
  }
}

// A painted room moved with its paint, the hatch and the fill undone, then
// the walls moved again: the move gives up what was undone, so Redo is off
// and brings no paint back where the walls left.
TEST_F(PaintedRoomTest, AMoveAfterAnUndoGivesUpWhatWasUndone) {
  const std::vector<Long> walls = PaintedSquare(*input_, Responder(), 1, 1, 1, Green, Red);
  SelectWindow(0.7, 0.7, 2.3, 2.3);
  MoveBy(0.5, 0.5, 1, 0);
  DrawingDriver::Choose("mnuEditUndo");
  DrawingDriver::Choose("mnuEditUndo");
  ASSERT_EQ(Paint(), 0);
  ASSERT_TRUE(main_->mnuEditRedo->isEnabled());
  DrawingDriver::Choose("mnuSelectClr");
  SelectWindow(1.7, 0.7, 3.3, 2.3);
  MoveBy(0.5, 0.5, 2, 2);
  EXPECT_FALSE(main_->mnuEditRedo->isEnabled());
  const QImage moved = doc_->Image().copy();
  DrawingDriver::Choose("mnuEditRedo");
  EXPECT_EQ(Paint(), 0);
  EXPECT_TRUE(doc_->Image() == moved);
  EXPECT_TRUE(EqualsFreshRedraw());
  // Undo still takes back what came before: the lines the square was drawn with.
  EXPECT_TRUE(main_->mnuEditUndo->isEnabled());
}

// Two painted rooms side by side, the right one tall and narrow, made a
// group: a view fitted to the right room by Select Area, and by Select Group,
// shows the left room in the padding beside it. The window culls by all it
// shows: its world window is what its pixels show, the left room's paint
// and the grid are drawn there as a pan of no distance draws them, and the
// printed page shows that paint too.
TEST_F(PaintedRoomTest, AViewFittedToOneRoomDrawsAndPrintsTheRoomBesideIt) {
  PaintedSquare(*input_, Responder(), 1.5, 1, 1, Green, Red);
  const std::vector<Long> right =
      PaintedFigure(*input_, Responder(), {{3, 0.5}, {3.5, 0.5}, {3.5, 3.5}, {3, 3.5}}, Green, Red);
  SelectWindow(2.8, 0.3, 3.7, 3.7);
  GroupTheSelection();
  GridOn = FlagTrue;
  GridColor = 0x808080;  // grey: apart from the paint
  const auto chooseLastRow = [](auto& dialog) {
    ClickLastRow(dialog.List1);
    dialog.OKButton->click();
  };
  const struct {
    const char* road;
    std::function<void()> fit;
  } roads[] = {
      {"Select Area",
       [&] {
         Responder().OnDialog<frmAreaSelect>(chooseLastRow);
         DrawingDriver::Choose("mnuSelectArea");
       }},
      {"Select Group",
       [&] {
         Responder().OnDialog<frmGroupSelect>(chooseLastRow);
         DrawingDriver::Choose("mnuSelectGroup");
       }},
  };
  int printed = 0;
  for (const auto& road : roads) {
    SCOPED_TRACE(road.road);
    ShowWithReach(48, 24);
    road.fit();
    ASSERT_GT(doc_->XVscale, 48) << "fitted to the room";
    const DrawingWindow& w = *doc_;
    EXPECT_NEAR(w.XVmin, (w.View_MinX - w.VbaseX) / w.XVscale, 1e-9);
    EXPECT_NEAR(w.XVmax, (w.View_Maxx - w.VbaseX) / w.XVscale, 1e-9);
    EXPECT_NEAR(w.YVmin, (w.View_Miny - w.Vbasey) / w.YVscale, 1e-9);
    EXPECT_NEAR(w.YVmax, (w.View_Maxy - w.Vbasey) / w.YVscale, 1e-9);
    ASSERT_LT(w.XVmin, 1.5) << "the left room lies in the padding";
    EXPECT_GT(PaintBeyond(BoxOf(right)), 200) << "the left room's paint";
    const QImage fitted = doc_->Image().copy();

    const QString path = QString::fromStdString(ScratchPath("fitted " + std::to_string(++printed) + ".pdf"));
    const PdfFirstPage pdf = FilePrintedPage(Responder(), path, 100);
    ASSERT_EQ(MessagePanel(3), "Drawing printed.");
    const PrintedPageMap map(Printer().pageLayout(), pdf.image);
    EXPECT_TRUE(InkOfColourIn(pdf.image, map.Box(1.5, 1, 2.5, 2, 0.1), PrimaryInk::Green)) << "on paper";

    UpdateWorldWindow();
    RedrawView();
    EXPECT_TRUE(doc_->Image() == fitted) << "as a pan of no distance draws it";
  }
}

}  // namespace
}  // namespace lintavo
