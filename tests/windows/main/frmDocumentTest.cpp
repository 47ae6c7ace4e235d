// The drawing window: its name and caption, the preparation of its drawing
// on activation, closing a changed drawing, loading and saving.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>

#include "model/DataHand.h"
#include "model/UndoRedo.h"
#include "support/ModelBuilders.h"
#include "view/ViewFixture.h"
#include "view/Zooms.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

using frmDocumentTest = ViewFixture;

// The layers of drawing dwgNo, in table order.
std::vector<Long> LayersOf(Integer dwgNo) {
  std::vector<Long> layers;
  for (Long i = 1; i <= ItemCount; ++i)
    if (Items[i].Rtype == ItemLayer && Items[i].DwgNo == dwgNo) layers.push_back(i);
  return layers;
}

TEST_F(frmDocumentTest, AnEmptyFileNameShowsNoNameAsTheCaption) {
  FixedDpiDocument* doc = Open(1, "Plan");
  doc->SetFileName("");
  EXPECT_EQ(doc->FileName(), "");
  EXPECT_EQ(doc->windowTitle().toStdString(), "(no Name)");
}

TEST_F(frmDocumentTest, TheFirstActivationPreparesTheRecordAndTheFirstLayer) {
  FixedDpiDocument* doc = Open(3, "Plan");
  EXPECT_EQ(ActiveDoc, doc);
  EXPECT_EQ(CurDwg, 3);
  EXPECT_EQ(Dwgs[3].Name, "Plan");
  EXPECT_EQ(Dwgs[3].Revision, "Rev. 0");
  EXPECT_EQ(PageCount, 3);
  ASSERT_EQ(LayersOf(3).size(), 1u);
  EXPECT_EQ(doc->Current_Layer, LayersOf(3)[0]);
  EXPECT_EQ(Items[doc->Current_Layer].Name, "New Layer 1");
  EXPECT_EQ(doc->View_Layers, FlagTrue);
  EXPECT_EQ(doc->Edit_layers, FlagFalse);
  EXPECT_EQ(MainCaption(), "Lintavo / Page: 3");
}

TEST_F(frmDocumentTest, ALaterActivationOnlyChangesTheMainCaption) {
  FixedDpiDocument* first = Open(1);
  first->View_Scale = 4;
  first->XVmin = 2;
  const Long layer = first->Current_Layer;
  Open(2);
  Activate(first);
  EXPECT_EQ(MainCaption(), "Lintavo / Page: 1");
  EXPECT_EQ(CurDwg, 1);
  EXPECT_EQ(LayersOf(1).size(), 1u);
  EXPECT_EQ(first->Current_Layer, layer);
  EXPECT_EQ(first->View_Scale, 4);
  EXPECT_EQ(first->XVmin, 2);
  EXPECT_EQ(ViewZoom, 4);  // the drawers now read this window's view
}

TEST_F(frmDocumentTest, AWindowTakingAClosedDrawingsNumberStartsAfresh) {
  FixedDpiDocument* old = Open(2, "Old");
  Dwgs[2].Xlimit = 99;
  Close(old);
  CloseDwg(2);
  FixedDpiDocument* doc = Open(2, "Fresh");
  EXPECT_EQ(Dwgs[2].Name, "Fresh");
  EXPECT_EQ(Dwgs[2].Xlimit, 0);
  ASSERT_EQ(LayersOf(2).size(), 1u);
  EXPECT_EQ(doc->Current_Layer, LayersOf(2)[0]);
}

TEST_F(frmDocumentTest, AfterAModelResetTheNextActivationPreparesTheDrawingAgain) {
  FixedDpiDocument* doc = Open(1, "Plan");
  Open(2);
  ResetModel();
  Dwgs[1].UndoStep = 12;
  Activate(doc);
  EXPECT_EQ(Dwgs[1].UndoStep, 0);
  ASSERT_EQ(LayersOf(1).size(), 1u);
  EXPECT_EQ(doc->Current_Layer, LayersOf(1)[0]);
  EXPECT_LE(doc->Current_Layer, ItemCount);
}

TEST_F(frmDocumentTest, TheFirstActivationFitsTheSheetOnlyWhenThereIsASheetWidth) {
  FixedDpiDocument* doc = Open(1);
  EXPECT_EQ(ZoomCommand, 0);
  EXPECT_EQ(Dwgs[1].ExtentsChanged, 0);
  EXPECT_EQ(doc->View_Scale, 1);
  EXPECT_EQ(doc->XVmin, 0);
  DefDwgWidth = 11;
  Open(2);
  EXPECT_EQ(ZoomCommand, 1);
  EXPECT_EQ(Dwgs[2].ExtentsChanged, FlagTrue);
  EXPECT_EQ(Dwgs[1].ExtentsChanged, 0);
}

TEST_F(frmDocumentTest, ClosingAChangedDrawingAsksAndNoReleasesTheDrawing) {
  FixedDpiDocument* doc = Open(1, "Plan");
  const Long line = ObjCount + 1;
  AddLine(0, 0, 1, 1);
  doc->IsDirty = FlagTrue;
  Responder().AnswerMsgBox(vbNo);
  QPointer<frmDocument> alive(doc);
  Close(doc);
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  const PromptRecord& asked = Responder().Prompts()[0];
  EXPECT_EQ(asked.text, "Drawing Has Changed! Do You want to Save the Drawing?\r\nPlan");
  EXPECT_EQ(asked.title, "Close Drawing: Plan");
  EXPECT_EQ(asked.style, vbYesNoCancel);  // one question on every road; Esc answers Cancel
  ASSERT_TRUE(alive);  // deleted later, by the event loop
  // The drawing number goes back: its entities belong to no drawing any more.
  EXPECT_EQ(Objs[line].Erased, FlagTrue);
  EXPECT_EQ(Objs[line].DwgNo, 0);
  EXPECT_EQ(Dwgs[1].Name, "");
}

TEST_F(frmDocumentTest, ClosingAnUnchangedDrawingAsksNothingAndLeavesNoSurface) {
  Close(Open(1));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(Responder().Prompts().empty());
  EXPECT_EQ(ActiveDoc, nullptr);  // nothing draws on a window that is gone
}

TEST_F(frmDocumentTest, AResizeRedrawsWithTheWorldWindowOfTheNewArea) {
  FixedDpiDocument* doc = Open(1);
  QWidget* sub = doc->parentWidget();
  sub->resize(sub->size() + QSize(100, 50));
  EXPECT_EQ(doc->View_Maxx, 500);
  EXPECT_EQ(doc->View_Maxy, 350);
  EXPECT_NEAR(doc->XVmax, 500 / 96.0, 1e-6);
  EXPECT_NEAR(doc->YVmax, 350 / 96.0, 1e-6);
  EXPECT_EQ(ViewPixMaxY, 350);
}

TEST_F(frmDocumentTest, ASaveThatFailsKeepsTheDrawingChangedAndSaysSo) {
  FixedDpiDocument* doc = Open(1, "Plan");
  doc->IsDirty = FlagTrue;
  Responder().AnswerMsgBox(vbOK);  // no drawings database: the save reports it
  CurRevision = "Rev. 0";
  doc->SaveFile("Plan");
  EXPECT_EQ(doc->IsDirty, FlagTrue);
  EXPECT_EQ(MessagePanel(3), "ERROR... Drawing NOT Saved: Plan");
  EXPECT_NE(MessagePanel(1), "Saved Drawing");
}

TEST_F(frmDocumentTest, SavingUnderAnotherNameRevisionOrDatabaseClearsTheKey) {
  FixedDpiDocument* doc = Open(1, "Plan");
  DwgRec& dwg = Dwgs[1];
  // The files do not exist: each save reports that and puts the key back
  // as SaveFile left it.
  for (int save = 0; save < 4; ++save) Responder().AnswerMsgBox(vbOK);
  CurRevision = "Rev. 0";
  DwgDbPath = dwg.SourceDbPath = "a_dwg.mdb";
  dwg.DrawID = 5;
  doc->SaveFile("Plan");
  EXPECT_EQ(dwg.DrawID, 5);  // the same drawing: its stored row is updated

  CurRevision = "Rev. 1";
  doc->SaveFile("Plan");
  EXPECT_EQ(dwg.DrawID, 0);
  EXPECT_EQ(dwg.Revision, "Rev. 1");

  dwg.DrawID = 5;
  DwgDbPath = "b_dwg.mdb";
  doc->SaveFile("Plan");
  EXPECT_EQ(dwg.DrawID, 0);

  dwg.DrawID = 5;
  DwgDbPath = dwg.SourceDbPath;
  SelDwgName = "Section";
  doc->SaveFile("Section");
  EXPECT_EQ(dwg.DrawID, 0);
  EXPECT_EQ(dwg.Name, "Section");
  EXPECT_EQ(doc->FileName(), "Section");
}

TEST_F(frmDocumentTest, ALoadThatFailsKeepsTheDrawingChangedAndSaysSo) {
  FixedDpiDocument* doc = Open(1, "Plan");
  AddLine(0, 0, 1, 1);
  doc->IsDirty = FlagTrue;
  doc->View_Layers = FlagFalse;
  doc->LoadFile("");  // nothing happens for an empty name
  EXPECT_EQ(Objs[ObjCount].DwgNo, 1);

  SelDwgName = "Stored";
  SelDwgID = 8;
  Responder().AnswerMsgBox(vbOK);  // no drawings database: the loader says so
  doc->LoadFile("Stored");
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].title, "Load Drawing Record");
  EXPECT_EQ(doc->IsDirty, FlagTrue);
  EXPECT_EQ(MessagePanel(3), "ERROR... Drawing NOT Loaded: Stored");
  EXPECT_NE(MessagePanel(1), "Drawing Loaded");
  EXPECT_EQ(Dwgs[1].DrawID, 8);
  EXPECT_EQ(Objs[ObjCount].DwgNo, 0);  // the window's earlier objects and layers were dropped
  ASSERT_EQ(LayersOf(1).size(), 1u);   // a drawing without layers gets a new current one
  EXPECT_EQ(doc->Current_Layer, LayersOf(1)[0]);
  EXPECT_EQ(doc->View_Layers, FlagTrue);
}

TEST_F(frmDocumentTest, PasteIsOfferedOnlyForAPictureAndOnlyMarksTheDrawingChanged) {
  FixedDpiDocument* doc = Open(1);
  QGuiApplication::clipboard()->setText(QStringLiteral("text"));
  EXPECT_FALSE(doc->CanPaste());
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  QGuiApplication::clipboard()->setImage(picture);
  EXPECT_TRUE(doc->CanPaste());
  doc->Paste();
  EXPECT_TRUE(doc->CanSave());
}

}  // namespace
}  // namespace lintavo
