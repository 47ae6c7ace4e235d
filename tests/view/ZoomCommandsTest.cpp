// The zoom and pan commands, chosen from the View menu and the tool bars and
// worked with clicks and typed values in the drawing window.
#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

#include "model/DataHand.h"
#include "model/Top.h"
#include "storage/DbSchema.h"
#include "storage/FileMenu.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/TestDatabase.h"
#include "support/DrawingDriver.h"
#include "support/ModelBuilders.h"
#include "view/Rubber.h"
#include "view/DrawingWindowFixture.h"
#include "view/ZoomCommands.h"
#include "view/Zooms.h"

namespace lintavo {
namespace {

// A drawing window's view as the zoom commands leave it.
struct ViewState {
  Double scale, baseX, baseY, minX, minY, maxX, maxY;
};

ViewState StateOf(const frmDocument& doc) {
  return {doc.View_Scale, doc.VbaseX, doc.Vbasey, doc.XVmin, doc.YVmin, doc.XVmax, doc.YVmax};
}

// The same view to a millionth: a refit computes the inch size of the area in single precision.
void ExpectSameView(const ViewState& a, const ViewState& b) {
  EXPECT_NEAR(a.scale, b.scale, 1e-6 * b.scale);
  EXPECT_NEAR(a.baseX, b.baseX, 1e-3);
  EXPECT_NEAR(a.baseY, b.baseY, 1e-3);
  EXPECT_NEAR(a.minX, b.minX, 1e-5);
  EXPECT_NEAR(a.minY, b.minY, 1e-5);
  EXPECT_NEAR(a.maxX, b.maxX, 1e-5);
  EXPECT_NEAR(a.maxY, b.maxY, 1e-5);
}

class ZoomCommandsTest : public DrawingWindowFixture {
 protected:
  void SetUp() override {
    DrawingWindowFixture::SetUp();  // 400 by 300 pixels at 96 pixels per inch
  }

  // Types a value into the drawing window and presses Enter.
  void TypeValue(const QString& text) {
    input_->Type(text);
    input_->Enter();
  }

  bool Idle() const { return ActiveTool == ToolNone && ZoomActive == 0 && AwaitingInput == 0; }
};

TEST_F(ZoomCommandsTest, ZoomScaleTakesTheTypedValueAsOneToIt) {
  DrawingDriver::Choose("mnuViewZoomScale");
  EXPECT_EQ(MessagePanel(1), "ZOOM SCALE ");
  EXPECT_EQ(MessagePanel(2), "Enter ZOOM Scale >");
  EXPECT_EQ(AwaitingInput, FlagTrue);
  TypeValue("4");
  EXPECT_EQ(doc_->View_Scale, 0.25);
  EXPECT_TRUE(Idle());
  EXPECT_EQ(StatusPanel(1), " Zoom Scale = 1 / 4");

  DrawingDriver::Choose("mnuViewZoomScale");
  TypeValue("-4");
  EXPECT_EQ(doc_->View_Scale, 4);
  EXPECT_EQ(StatusPanel(1), " Zoom Scale = 4 To 1");
}

TEST_F(ZoomCommandsTest, AZoomScaleOfZeroOrNotANumberChangesNothingAndIsUsedUp) {
  for (const char* entry : {"0", "abc", "-0"}) {
    SCOPED_TRACE(entry);
    const ViewState before = StateOf(*doc_);
    DrawingDriver::Choose("mnuViewZoomScale");
    TypeValue(entry);
    ExpectSameView(StateOf(*doc_), before);
    EXPECT_TRUE(Idle());
    EXPECT_EQ(TypedReady, 0);  // not left for the next command
    EXPECT_EQ(MessagePanel(3), "ZOOM Scale Not Valid! View Unchanged");
  }
}

TEST_F(ZoomCommandsTest, AValueTypedBeforeZoomScaleIsNotItsAnswer) {
  TypeValue("8");  // nothing runs: no command takes the value, and it is dropped
  EXPECT_EQ(TypedReady, 0);
  DrawingDriver::Choose("mnuViewZoomScale");
  EXPECT_EQ(doc_->View_Scale, 1);
  EXPECT_EQ(AwaitingInput, FlagTrue);
  TypeValue("2");
  EXPECT_EQ(doc_->View_Scale, 0.5);
}

TEST_F(ZoomCommandsTest, ZoomPreviousTwiceReturnsToTheFirstView) {
  const ViewState first = StateOf(*doc_);
  DrawingDriver::Choose("mnuViewZoomScale");
  TypeValue("4");
  const ViewState zoomed = StateOf(*doc_);
  ASSERT_EQ(zoomed.scale, 0.25);

  DrawingDriver::Choose("mnuViewZoomPrevious");
  ExpectSameView(StateOf(*doc_), first);
  EXPECT_TRUE(Idle());
  DrawingDriver::Choose("mnuViewZoomPrevious");
  ExpectSameView(StateOf(*doc_), zoomed);
}

TEST_F(ZoomCommandsTest, ZoomInTwiceAtOnePointMagnifiesFourTimesAboutItAndStaysUntilEsc) {
  DrawingDriver driver(*doc_);
  DrawingDriver::PressButton("Zoomin");
  EXPECT_EQ(MessagePanel(1), "ZOOM IN ");
  EXPECT_EQ(MessagePanel(2), "Enter Center of ZOOM >");
  EXPECT_EQ(doc_->cursor().shape(), Qt::BitmapCursor);  // the magnifier of "magnify.cur"
  driver.ClickAt(1.5, 1.25);
  driver.ClickAt(1.5, 1.25);
  EXPECT_EQ(doc_->View_Scale, 4);
  // The clicked point is in the centre of the area (200, 150), to the pixel.
  EXPECT_NEAR(1.5 * doc_->XVscale + doc_->VbaseX, 200, 1.0);
  EXPECT_NEAR(1.25 * doc_->YVscale + doc_->Vbasey, 150, 1.0);
  EXPECT_EQ(ZoomActive, FlagTrue);
  EXPECT_EQ(ActiveTool, ToolZooms);

  driver.Escape();
  EXPECT_TRUE(Idle());
  EXPECT_EQ(doc_->cursor().shape(), Qt::CrossCursor);

  DrawingDriver::Choose("mnuViewZoomOut");
  EXPECT_EQ(MessagePanel(1), "ZOOM OUT ");
  driver.ClickAt(1.5, 1.25);
  EXPECT_EQ(doc_->View_Scale, 2);
}

TEST_F(ZoomCommandsTest, PansLeftUpRightAndDownReturnToTheStart) {
  const ViewState start = StateOf(*doc_);
  DrawingDriver::Choose("mnuViewPanLeft");
  EXPECT_EQ(doc_->VbaseX, start.baseX - 200);  // half the width: the drawing moves left
  EXPECT_NEAR(doc_->XVmin, start.minX + 200 / 96.0, 1e-9);
  EXPECT_TRUE(Idle());
  DrawingDriver::Choose("mnuViewPanUp");
  EXPECT_EQ(doc_->Vbasey, start.baseY - 150);  // half the height: the drawing moves down
  DrawingDriver::Choose("mnuViewPanRight");
  DrawingDriver::Choose("mnuViewPanDown");
  ExpectSameView(StateOf(*doc_), start);
  EXPECT_EQ(doc_->View_Scale, 1);
}

TEST_F(ZoomCommandsTest, ZoomWindowGivesTheSameViewFromEitherPairOfCorners) {
  DrawingDriver driver(*doc_);
  const ViewState start = StateOf(*doc_);
  DrawingDriver::PressButton("Zoomwin");
  EXPECT_EQ(MessagePanel(1), "ZOOM Window ");
  EXPECT_EQ(MessagePanel(2), "Place First Corner of Window >");
  driver.ClickAt(0.5, 0.5);  // lower left
  EXPECT_EQ(MessagePanel(2), "Place Opposite Corner of Window >");
  driver.MoveTo(1.5, 1.0);
  EXPECT_EQ(RubberShown, FlagTrue);  // the window follows the mouse
  driver.ClickAt(2.5, 1.5);          // upper right
  EXPECT_EQ(RubberShown, 0);
  EXPECT_TRUE(Idle());
  const ViewState fromLowerLeft = StateOf(*doc_);
  // 2 by 1 inches in 400 by 300 pixels: the width decides.
  EXPECT_NEAR(fromLowerLeft.scale, 400 / 96.0 / 2, 1e-3);
  EXPECT_NEAR(1.5 * doc_->XVscale + doc_->VbaseX, 200, 1.0);  // the window's centre in the middle
  // The world window describes the whole area, so nothing shown is culled.
  EXPECT_NEAR(doc_->YVmax - doc_->YVmin, 300 / doc_->YVscale, 1e-6);

  DrawingDriver::Choose("mnuViewZoomPrevious");  // back to where the window was drawn
  ExpectSameView(StateOf(*doc_), start);
  DrawingDriver::Choose("mnuViewZoomWindow");
  driver.ClickAt(2.5, 1.5);  // upper right first
  driver.ClickAt(0.5, 0.5);
  ExpectSameView(StateOf(*doc_), fromLowerLeft);
}

TEST_F(ZoomCommandsTest, ZoomWindowRefusesOnlyAWindowWithoutWidthOrHeight) {
  DrawingDriver driver(*doc_);
  DrawingDriver::Choose("mnuViewZoomScale");
  TypeValue("2");  // the world origin in the middle of the area
  const ViewState before = StateOf(*doc_);
  DrawingDriver::Choose("mnuViewZoomWindow");
  driver.ClickAt(1, 0.5);
  driver.ClickAt(1, 1.5);  // no width
  ExpectSameView(StateOf(*doc_), before);
  EXPECT_TRUE(Idle());

  // An upper right corner on the Y axis is a window like any other.
  DrawingDriver::Choose("mnuViewZoomWindow");
  driver.ClickAt(-1, -0.5);
  driver.ClickAt(0, 0.5);
  EXPECT_NEAR(doc_->View_Scale, 300 / 96.0, 1e-3);  // 1 by 1 inches: the height decides
  EXPECT_NEAR(-0.5 * doc_->XVscale + doc_->VbaseX, 200, 1.0);
}

TEST_F(ZoomCommandsTest, EscOrAnotherToolTakesAHalfDrawnZoomWindowOffTheSurface) {
  DrawingDriver driver(*doc_);
  RedrawView();
  const QImage clean = doc_->Image().copy();
  DrawingDriver::Choose("mnuViewZoomWindow");
  driver.ClickAt(0.5, 0.5);
  driver.MoveTo(2, 2);
  ASSERT_EQ(RubberShown, FlagTrue);
  driver.Escape();
  EXPECT_EQ(RubberShown, 0);
  EXPECT_EQ(doc_->Image(), clean);

  DrawingDriver::Choose("mnuViewZoomWindow");
  driver.ClickAt(0.5, 0.5);
  driver.MoveTo(2, 2);
  DrawingDriver::Choose("mnuDrawLineSingle");
  EXPECT_EQ(RubberShown, 0);
  EXPECT_EQ(RubberWindowOn, 0);
  EXPECT_EQ(doc_->Image(), clean);
}

TEST_F(ZoomCommandsTest, SetDrawingScaleTakesOnlyAPositiveScaleAndMakesItThePreviousView) {
  const ViewState before = StateOf(*doc_);
  SetDrawingScale(0);
  SetDrawingScale(-2);
  ExpectSameView(StateOf(*doc_), before);
  EXPECT_EQ(MessagePanel(1), "");

  SetDrawingScale(2);
  EXPECT_EQ(doc_->View_Scale, 0.5);
  EXPECT_EQ(MessagePanel(1), "Drawing ReScaled ");
  EXPECT_EQ(PrevViewWindow.MaxX, doc_->XVmax);
  EXPECT_EQ(PrevViewWindow.MinY, doc_->YVmin);
}

TEST_F(ZoomCommandsTest, ZoomAllFitsTheExtentsAndAnEmptyDrawingItsSheet) {
  Dwgs[1].Xlimit = 16;
  Dwgs[1].Ylimit = 12;
  DrawingDriver::PressButton("Zoomall");
  EXPECT_NEAR(doc_->View_Scale, 300 / 96.0 / 12, 1e-6);  // the sheet: the height decides
  EXPECT_TRUE(Idle());

  AddLine(10, 20, 30, 25);
  DrawingDriver::Choose("mnuViewShowAll");
  // 20.4 by 5.1 inches with the margins: the width decides, centred on (20, 22.5).
  EXPECT_NEAR(doc_->View_Scale, 400 / 96.0 / 20.4, 1e-6);
  EXPECT_NEAR(20 * doc_->XVscale + doc_->VbaseX, 200, 1e-3);
  EXPECT_NEAR(22.5 * doc_->YVscale + doc_->Vbasey, 150, 1e-3);
}

TEST_F(ZoomCommandsTest, ExtremeViewsAreRefusedWithAMessageAndLeaveTheViewAsItWas) {
  const QString huge = "1" + QString(308, '0');
  const struct {
    const char* name;
    std::function<void()> act;
    const char* message;
  } rows[] = {
      {"zoom scale 1e308", [&] { DrawingDriver::Choose("mnuViewZoomScale"); TypeValue(huge); },
       "ZOOM Scale Not Valid! View Unchanged"},
      {"zoom scale -1e308", [&] { DrawingDriver::Choose("mnuViewZoomScale"); TypeValue("-" + huge); },
       "ZOOM Scale Not Valid! View Unchanged"},
      {"zoom scale 1e-45", [&] { DrawingDriver::Choose("mnuViewZoomScale"); TypeValue("0." + QString(44, '0') + "1"); },
       "ZOOM Scale Not Valid! View Unchanged"},
      {"a drawing from -1e308 to 1e308",
       [&] {
         AddLine(-1e308, -1e308, 1e308, 1e308);
         DrawingDriver::Choose("mnuViewShowAll");
       },
       "View Not Valid! View Unchanged"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const ViewState before = StateOf(*doc_);
    row.act();
    const ViewState after = StateOf(*doc_);
    EXPECT_EQ(after.scale, before.scale);
    EXPECT_EQ(after.baseX, before.baseX);
    EXPECT_EQ(after.minX, before.minX);
    EXPECT_EQ(after.maxY, before.maxY);
    EXPECT_TRUE(Idle());
    EXPECT_EQ(MessagePanel(3), row.message);
  }
}

// ---- Show All after another window measured its own drawing --------------------------------

// Window 1 holds a near line and a far one, fitted by Show All; the far line
// is erased; another window measures its own drawing (a fit, a save, an
// open); back in window 1, Show All fits the near line alone.
TEST_F(ZoomCommandsTest, ShowAllFitsWhatItsDrawingHoldsWhateverAnotherWindowMeasured) {
  DwgDbPath = ScratchPath("Measured_dwg.mdb");
  CreateEmptyDrawingsDb(DwgDbPath);
  using Step = std::function<void(const frmDocument&)>;
  const Step nothing = [](const frmDocument&) {};
  const Step save = [this](const frmDocument&) { FileSaveAsOffered(Responder(), false); };
  const struct {
    const char* name;
    Step prepare;  // in the other window, before the far line is erased
    Step measure;  // in the other window, after it
  } rows[] = {
      {"Full Drawing", nothing, [](const frmDocument&) { DrawingDriver::Choose("mnuViewZoomFit"); }},
      {"Show All", nothing, [](const frmDocument&) { DrawingDriver::Choose("mnuViewShowAll"); }},
      {"File, Save", nothing, save},
      {"File, Open", save,
       [this](const frmDocument& other) {
         const DwgRec& stored = Dwgs[other.ID];
         FileOpenStored(Responder(), stored.DrawID, stored.Name);
       }},
  };
  AddLine(0, 0, 2, 1);
  Long id = 2;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Activate(doc_);
    const Long far = AddLine(20, 0, 21, 1);
    DrawingDriver::Choose("mnuViewShowAll");
    ASSERT_GT(doc_->XVmax, 21);
    FixedDpiDocument* other = Open(id, "Other " + std::to_string(id));
    ++id;
    AddLine(5, 5, 6, 6);
    row.prepare(*other);

    Activate(doc_);
    DrawingDriver::Choose("mnuSelectWindow");
    input_->ClickAt(19.5, -0.5);
    input_->ClickAt(21.5, 1.5);
    input_->Escape();
    DrawingDriver::Choose("mnuEditErase");
    ASSERT_EQ(Objs[far].Erased, FlagTrue);

    Activate(other);
    row.measure(*other);
    Activate(doc_);
    DrawingDriver::Choose("mnuViewShowAll");
    EXPECT_LT(doc_->XVmax, 3);  // the near line, 0 to 2, with its margin
    EXPECT_GT(doc_->XVmax, 2);
  }
}

// ---- A stored drawing opened into a second window -------------------------------------------

class ZoomOnLoadTest : public ZoomCommandsTest {
 protected:
  // Drawing 1 with lines far from the origin (8 to 48 inches), saved into a
  // new drawings database; its key.
  Long StoreFarDrawing() {
    DwgDbPath = ScratchPath("Far_dwg.mdb");
    CreateEmptyDrawingsDb(DwgDbPath);
    const Double lines[][4] = {{8, 8, 48, 8}, {48, 8, 48, 40}, {8, 40, 48, 40}, {8, 8, 8, 40}, {8, 8, 48, 40}};
    for (const auto& l : lines) {
      AddLine(l[0], l[1], l[2], l[3]);
    }
    Dwgs[1].Name = "Far";
    EXPECT_TRUE(SaveDrawing(1));
    return Dwgs[1].DrawID;
  }
};

TEST_F(ZoomOnLoadTest, FileOpenIntoASecondWindowShowsTheDrawingFittedAndLeavesNoToolSet) {
  const Long key = StoreFarDrawing();
  FixedDpiDocument* second = Open(2);
  Responder().OnModalWindow([key](QDialog& chooser) {
    SelDwgName = "Far";
    SelDwgID = key;
    DlgCancelled = FlagFalse;
    chooser.done(QDialog::Accepted);
  });
  DrawingDriver::Choose("mnuFileOpen");
  ASSERT_EQ(second->FileName(), "Far");
  EXPECT_TRUE(Idle());

  // Every corner of the drawing is inside the area, and the lines are drawn there.
  for (const Double x : {8.0, 48.0}) EXPECT_GE(x * second->XVscale + second->VbaseX, 0);
  EXPECT_LE(48 * second->XVscale + second->VbaseX, second->View_Maxx);
  EXPECT_GE(8 * second->YVscale + second->Vbasey, 0);
  EXPECT_LE(40 * second->YVscale + second->Vbasey, second->View_Maxy);
  const QImage image = second->Image();
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (second->PixelAt(x, y) != 0xFFFFFF) ++inked;
  EXPECT_GT(inked, 400);  // the outline and its diagonal, not a dot

  // Nothing runs: a drag moves the drawing with the mouse.
  DrawingDriver driver(*second);
  const Single baseX = second->VbaseX, baseY = second->Vbasey;
  driver.PressAt(QPointF(100, 100));
  driver.MoveToPosition(QPointF(110, 100), Qt::LeftButton);
  driver.MoveToPosition(QPointF(160, 120), Qt::LeftButton);
  driver.ReleaseAt(QPointF(160, 120));
  EXPECT_EQ(second->VbaseX, baseX + 50);
  EXPECT_EQ(second->Vbasey, baseY - 20);  // rows count down, view pixels up
}

}  // namespace
}  // namespace lintavo
