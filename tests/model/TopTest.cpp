// The tool dispatcher: starting, switching and cancelling commands.
#include <QLineEdit>
#include <QMdiArea>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Texthand.h"
#include "windows/main/frmMain.h"
#include "commands/LineDraw.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "organisation/Components.h"
#include "organisation/Layers.h"
#include "picking/Snaps.h"
#include "support/ProgramTest.h"
#include "view/Outline.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

class TopTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    main_ = std::make_unique<frmMain>();
    MainForm = main_.get();
  }
  void TearDown() override {
    MainForm = nullptr;
    main_.reset();
    ProgramTest::TearDown();
  }
  frmDocument* OpenDrawingWindow() {
    auto* document = new frmDocument;
    main_->MdiArea()->addSubWindow(document);
    document->show();
    main_->MdiArea()->setActiveSubWindow(main_->MdiArea()->subWindowList().last());
    return document;
  }
  String Panel(int panel) const {
    QLineEdit* box = panel == 1 ? main_->Text1 : panel == 2 ? main_->Text2 : main_->Text3;
    return box->text().toStdString();
  }

  std::unique_ptr<frmMain> main_;
};

TEST_F(TopTest, WithoutADrawingWindowChoosingAToolChangesNothing) {
  ShowStatus("LINE", 1);
  ToolStep = 3;
  PrevTool = ToolZooms;
  ActiveTool = ToolLineDraw;
  SelectTool();
  EXPECT_EQ(ActiveDoc, nullptr);
  EXPECT_EQ(PrevTool, ToolZooms);
  EXPECT_EQ(ToolStep, 3);
  EXPECT_EQ(Panel(1), "LINE");
}

TEST_F(TopTest, AToolChangeMakesTheWindowActiveAndClearsTheStep) {
  frmDocument* document = OpenDrawingWindow();
  ShowStatus("ZOOM", 1);
  ToolStep = 2;
  RubberLineOn = RubberWindowOn = RubberPolygonOn = FlagTrue;
  DlgCancelled = FlagTrue;
  ActiveTool = ToolLineDraw;
  SelectTool();
  EXPECT_EQ(ActiveDoc, document);
  EXPECT_EQ(PrevTool, ToolLineDraw);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_EQ(Panel(1), "");
  EXPECT_EQ(RubberLineOn, 0);
  EXPECT_EQ(RubberWindowOn, 0);
  EXPECT_EQ(RubberPolygonOn, FlagTrue);  // not a tool-change flag
  EXPECT_EQ(DlgCancelled, 0);
}

TEST_F(TopTest, ChoosingTheSameToolAgainKeepsThePromptsAndTheStep) {
  OpenDrawingWindow();
  // The tool without a dispatcher: what stays is the dispatcher's doing.
  ActiveTool = ToolFills;
  SelectTool();
  ShowStatus("Enter End Point of LINE >", 2);
  ToolStep = 1;
  ActiveTool = ToolFills;
  SelectTool();
  EXPECT_EQ(Panel(2), "Enter End Point of LINE >");
  EXPECT_EQ(ToolStep, 1);
}

TEST_F(TopTest, EndToolLeavesTheNewToolInActiveTool) {
  OpenDrawingWindow();
  PrevTool = ToolLineDraw;
  LineDrawActive = FlagTrue;
  ToolStep = 1;
  ActiveTool = ToolSnaps;
  SelectTool();
  EXPECT_EQ(ActiveTool, ToolSnaps);  // the line module's end routine set it to 0
  EXPECT_EQ(LineDrawActive, 0);
  EXPECT_EQ(PrevTool, ToolSnaps);
}

TEST_F(TopTest, LeavingTheTextToolEndsItOnlyWhileItTakesKeys) {
  OpenDrawingWindow();
  ShowStatus("TEXT", 1);
  PrevTool = ToolText;
  TextActive = FlagTrue;
  TextKeyEntry = FlagTrue;
  ActiveTool = ToolLayers;
  EndTool();
  EXPECT_EQ(TextActive, 0);
  EXPECT_EQ(TextKeyEntry, 0);
  EXPECT_EQ(Panel(1), "");  // the text command's end routine cleared the prompts

  ShowStatus("TEXT", 1);
  TextActive = FlagTrue;
  ActiveTool = ToolLayers;
  EndTool();
  EXPECT_EQ(TextActive, 0);
  EXPECT_EQ(Panel(1), "TEXT");  // only the flag was cleared
}

TEST_F(TopTest, LeavingAnAreaBeingCreatedDropsIt) {
  PrevTool = ToolAreas;
  AreaActive = AreaCreating = FlagTrue;
  ActiveTool = ToolZooms;
  EndTool();
  EXPECT_EQ(AreaCreating, 0);
  EXPECT_EQ(AreaActive, 0);
  EXPECT_EQ(ActiveTool, ToolZooms);
}

TEST_F(TopTest, FillsCodeRunsTheToolChangeAndStartsNothing) {
  OpenDrawingWindow();
  ActiveTool = ToolFills;
  ToolStep = 4;
  SelectTool();
  EXPECT_EQ(PrevTool, ToolFills);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_EQ(FillCmdActive, 0);
  EXPECT_EQ(AwaitingInput, 0);
}

TEST_F(TopTest, CancelToolsEndsEveryCommandAndKeepsPrevTool) {
  OpenDrawingWindow();
  PrevTool = ToolDimension;
  ActiveTool = ToolDimension;
  DimActive = LineDrawActive = TextActive = AreaCreating = FlagTrue;
  AreaActive = ComponentActive = FillCmdActive = LayerActive = SnapActive = ZoomActive = FlagTrue;
  RubberLineOn = RubberPolygonOn = RubberWindowOn = RubberCentreOn = RubberObjectOn = GroupDragOn = FlagTrue;
  OutlineOn = FlagTrue;
  AwaitingInput = SnapCursorOn = DlgCancelled = FlagTrue;
  ToolStep = 2;
  ShowStatus("DIMENSION", 1);
  CancelTools();
  for (Integer flag : {DimActive, LineDrawActive, TextActive, AreaCreating, AreaActive, ComponentActive,
                       FillCmdActive, LayerActive, SnapActive, ZoomActive})
    EXPECT_EQ(flag, 0);
  for (Integer flag : {RubberLineOn, RubberPolygonOn, RubberWindowOn, RubberCentreOn, RubberObjectOn,
                       GroupDragOn, OutlineOn})
    EXPECT_EQ(flag, 0);
  EXPECT_EQ(ActiveTool, 0);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_EQ(DlgCancelled, 0);
  EXPECT_EQ(ToolStep, 0);
  EXPECT_EQ(PrevTool, ToolDimension);
  EXPECT_EQ(Panel(1), "");
}

TEST_F(TopTest, TakePickPointReadsThePickOnlyAfterAClick) {
  PickX = 3.5;
  PickY = -2.25;
  Double x = 9, y = 9;
  ToolStep = 0;
  TakePickPoint(x, y);
  EXPECT_EQ(x, 9);
  EXPECT_EQ(y, 9);
  ToolStep = 1;
  TakePickPoint(x, y);
  EXPECT_EQ(x, 3.5);
  EXPECT_EQ(y, -2.25);
}

}  // namespace
}  // namespace lintavo
