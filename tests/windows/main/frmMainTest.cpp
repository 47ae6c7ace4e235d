// The main window: its menus and tool bars, its drawing windows, the entry
// box, the font box, where the keyboard goes, the colour chooser and its
// stored position.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <iterator>
#include <memory>
#include <vector>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "windows/main/Startup.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "model/DataHand.h"
#include "model/Top.h"
#include "organisation/ComponentDefinition.h"
#include "organisation/Components.h"
#include "organisation/Groups.h"
#include "organisation/Layers.h"
#include "organisation/ViewHand.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "platform/CommonDialogs.h"
#include "platform/Numbers.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "storage/SaveFixture.h"
#include "storage/TestDatabase.h"
#include "windows/file/frmDwgSave.h"
#include "windows/file/frmDwgSelect.h"
#include "support/DialogKeys.h"
#include "support/EventWait.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "support/ScriptedResponder.h"
#include "view/DisplayOptions.h"
#include "view/Zooms.h"
#include "windows/main/MainWindowCodes.h"
#include "windows/main/frmDocument.h"

namespace lintavo {
namespace {

constexpr int ActivationLimitMs = 5000;  // a bound on waiting for the window system, not a measure

// A key press as the keyboard delivers it to a widget.
void PressKey(QWidget* widget, int key, const QString& text = QString()) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(widget, &press);
}

// The main window made the active one, so that keys reach its focus widget.
// (The window of a menu that has closed may hold the activation meanwhile,
// which QTest counts as the main window's own.)
void MakeActive(QWidget* window) {
  window->activateWindow();
  ASSERT_TRUE(RunEventsUntil([window] { return window->isActiveWindow(); }, ActivationLimitMs));
}

// A key clicked where the keyboard is, as the keyboard sends it.
void KeyAtFocus(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focused = QApplication::focusWidget();
  ASSERT_NE(focused, nullptr);
  QTest::keyClick(focused, static_cast<Qt::Key>(key), modifiers);
}

class frmMainTest : public MainWindowFixture {
 protected:
  bool Checked(const char* item) const { return main_->MenuItem(item)->isChecked(); }
  void Press(QToolBar* bar, const char* key) { main_->BarButton(bar, key)->trigger(); }
  frmDocument* Active() const { return main_->ActiveChild(); }
  // A line in the active drawing, which is then changed.
  Long AddChangedLine() {
    AddObj(EntityLine, 2);
    AddPnt(0, 0);
    AddPnt(1, 1);
    Active()->IsDirty = FlagTrue;
    return ObjCount;
  }
  static std::vector<Long> DrawingNumbers(const frmMain& main) {
    std::vector<Long> numbers;
    for (QMdiSubWindow* sub : main.MdiArea()->subWindowList())
      numbers.push_back(qobject_cast<frmDocument*>(sub->widget())->ID);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
  }
};

// ---- Menus and tool bars -----------------------------------------------------------------

TEST_F(frmMainTest, TwelveMenusTheirOwnCaptionsAndStartStates) {
  QStringList menus;
  for (QAction* menu : main_->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Select", "&View", "&Display", "&Options", "&Insert",
                                "D&raw", "&Modify", "&Controls", "&Window", "&Help"}));
  // Captions keep the program's own spelling, blanks and access keys.
  const std::pair<const char*, const char*> captions[] = {
      {"mnuSelectAll", "All Visable"},        {"mnuControlsSnapsOrtho", "Orthogonol"},
      {"mnuDrawShapeIllreg", "Illregular Polygon"}, {"mnuDisplayStatusBar", "Status &Bar"},
      {"mnuHelpSearch", "&Search "},          {"mnuHelpAbout", "Show About "},
      {"mnuHelpTips", "Show Tips && Tricks"}};  // an "&" before a blank marks no key: it is shown
  for (const auto& [name, caption] : captions) EXPECT_EQ(main_->MenuItem(name)->text(), caption) << name;

  QStringList checked;
  for (QMenu* menu : main_->menuBar()->findChildren<QMenu*>())
    for (QAction* item : menu->actions())
      if (item->isChecked()) checked << item->objectName();
  checked.sort();
  EXPECT_EQ(checked, QStringList({"mnuDisplayCoordAbs", "mnuDisplayCoordRel", "mnuDisplayCursor",
                                  "mnuDisplayDrawBar", "mnuDisplayDrawBar2", "mnuDisplayGrid",
                                  "mnuDisplayMsgBar", "mnuDisplayPointsStd", "mnuDisplayReal",
                                  "mnuDisplayRubber", "mnuDisplayStatusBar", "mnuDisplayTextbar",
                                  "mnuDisplayToolbar"}));
  EXPECT_FALSE(main_->MenuItem("mnuEditPaste")->isEnabled());
  EXPECT_FALSE(main_->MenuItem("mnuEditSelected")->isEnabled());  // a heading
  EXPECT_FALSE(main_->MenuItem("mnuFileSend")->isEnabled());      // it has nothing to do
  EXPECT_FALSE(main_->MenuItem("mnuFileMRU2")->isVisible());
  // The layer buttons are the 18th and 19th of the main tool bar, separators counted.
  EXPECT_EQ(main_->tbToolBar->actions().at(17)->objectName(), "EditLayers");
  EXPECT_EQ(main_->tbToolBar->actions().at(18)->objectName(), "ViewLayers");
}

// ---- Named codes: the item or button that starts each sub-command ----------------------------

TEST(MainWindowCodes, EveryNamedCodeOfEveryToolHasItsRow) {
  for (const ToolCodes& tool : MainWindowTools()) {
    for (Integer code = 1; code <= tool.highest; ++code) {
      const bool unused = std::count(tool.unused.begin(), tool.unused.end(), code) > 0;
      const auto rows = std::count_if(MainWindowCodes().begin(), MainWindowCodes().end(), [&](const CodeRow& row) {
        return row.command == tool.command && row.code == code;
      });
      EXPECT_EQ(rows, unused ? 0 : 1) << tool.word << " code " << code;
    }
  }
  for (const CodeRow& row : MainWindowCodes()) {
    const ToolCodes* tool = ToolOf(row.command);
    ASSERT_NE(tool, nullptr) << row.name;
    EXPECT_TRUE(row.code >= 1 && row.code <= tool->highest) << row.name << " lies beyond " << tool->word;
  }
}

TEST_F(frmMainTest, EachItemAndButtonStartsItsToolWithItsNamedCode) {
  // Without a drawing window the choice writes the command word and the
  // tool, and SelectTool finds no window to run the command in.
  main_->MdiArea()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(main_->DocWindowCount(), 0);
  const std::pair<const char*, QToolBar*> bars[] = {
      {"Top", main_->tbToolBar}, {"Text", main_->tbTextbar}, {"Tools1", main_->Toolbar1}, {"Tools2", main_->Toolbar2}};
  const auto control = [&](const QString& name) -> QAction* {
    const qsizetype colon = name.indexOf(':');
    if (colon < 0) return main_->MenuItem(name);
    for (const auto& [bar, toolBar] : bars)
      if (name.left(colon) == bar) return main_->BarButton(toolBar, name.mid(colon + 1));
    return nullptr;
  };
  for (const CodeRow& row : MainWindowCodes()) {
    const ToolCodes* tool = ToolOf(row.command);
    ASSERT_NE(tool, nullptr) << row.name;
    for (const char* name : row.controls) {
      QAction* action = control(name);
      ASSERT_NE(action, nullptr) << name;
      action->setEnabled(true);  // Paste starts disabled until something is copied
      *row.command = 0;
      ActiveTool = ToolNone;
      action->trigger();
      EXPECT_EQ(*row.command, row.code) << name << " should start " << row.name;
      EXPECT_EQ(ActiveTool, tool->tool) << name;
    }
  }
}

TEST_F(frmMainTest, DrawLineSingleAndTheLine1ButtonStartTheSameCommand) {
  Choose("mnuDrawLineSingle");
  EXPECT_EQ(LineDrawCommand, DrawSingleCode);
  EXPECT_EQ(ActiveTool, ToolLineDraw);
  EXPECT_EQ(PrevTool, ToolLineDraw);  // SelectTool took the choice
  EXPECT_EQ(RubberLineOn, 0);

  LineDrawCommand = 0;
  Press(main_->Toolbar1, "Line1");
  EXPECT_EQ(LineDrawCommand, DrawSingleCode);
  EXPECT_EQ(ActiveTool, ToolLineDraw);
  EXPECT_EQ(RubberLineOn, FlagTrue);

  // From another tool the tool change clears the rubber line again; the
  // construction line button never sets it.
  Choose("mnuViewZoomIn");
  Press(main_->Toolbar1, "Line1");
  EXPECT_EQ(RubberLineOn, 0);
  Press(main_->Toolbar2, "Line5");
  EXPECT_EQ(LineDrawCommand, DrawReferenceCode);
  EXPECT_EQ(RubberLineOn, 0);
}

TEST_F(frmMainTest, EveryItemAndButtonCanBeChosenWithoutADrawingWindow) {
  main_->MdiArea()->closeAllSubWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_EQ(main_->DocWindowCount(), 0);
  Responder().AnswerEveryMsgBox(vbOK);  // Help: there is no help file
  Responder().AnswerPrinter(false);     // Page Setup
  // Change Units, the display, drawing, text, dimension, fill and management options, then Show
  // Splash, which closes at its next tick after the initialisation, done long
  // ago; the tip of the day, the About box and the introduction; then the
  // Style button's line style dialog.
  InitDone = FlagTrue;
  for (int window = 0; window < 12; ++window)
    Responder().OnModalWindow([](QDialog& dialog) { dialog.reject(); });
  const QStringList skipped = {"mnuFileNew", "mnuFileOpen", "mnuFileExit", "mnuWindowNewWindow"};
  for (QMenu* menu : main_->menuBar()->findChildren<QMenu*>())
    for (QAction* item : menu->actions())
      if (!item->menu() && !item->isSeparator() && !skipped.contains(item->objectName())) item->trigger();
  for (QToolBar* bar : {main_->tbToolBar, main_->tbTextbar, main_->Toolbar1, main_->Toolbar2})
    for (QAction* button : bar->actions())
      if (!button->isSeparator() && button->objectName() != "New" && button->objectName() != "Open" &&
          button->objectName() != "Line Color")
        button->trigger();
  EXPECT_EQ(main_->DocWindowCount(), 0);
  EXPECT_EQ(ActiveDoc, nullptr);  // no command found a window to run in
}

TEST_F(frmMainTest, GridSnapClearsOrthogonolAndToleranceButNotNearest) {
  OrthoSnap = ToleranceSnap = NearestSnap = FlagTrue;
  main_->ShowOptionChecks();
  Choose("mnuControlsSnapsGrid");
  EXPECT_EQ(GridSnap, FlagTrue);
  EXPECT_EQ(OrthoSnap, 0);
  EXPECT_EQ(ToleranceSnap, 0);
  EXPECT_FALSE(Checked("mnuControlsSnapsOrtho"));
  EXPECT_FALSE(Checked("mnuControlsSnapsTol"));
  EXPECT_EQ(NearestSnap, FlagTrue);
  EXPECT_TRUE(Checked("mnuControlsSnapsNear"));

  Choose("mnuControlsSnapsTol");
  EXPECT_EQ(GridSnap, 0);
  EXPECT_FALSE(Checked("mnuControlsSnapsGrid"));
  Choose("mnuControlsSnapsTol");  // off again: nothing else changes
  EXPECT_EQ(ToleranceSnap, 0);
  EXPECT_EQ(GridSnap, 0);
  EXPECT_EQ(NearestSnap, FlagTrue);
}

TEST_F(frmMainTest, ExclusiveOptionPairsAreNeverBothOn) {
  Choose("mnuControlsFillet");
  Choose("mnuControlsChamfer");
  EXPECT_EQ(AutoChamfer, FlagTrue);
  EXPECT_EQ(AutoFillet, 0);
  EXPECT_FALSE(Checked("mnuControlsFillet"));
  Choose("mnuControlsFillet");
  EXPECT_EQ(AutoChamfer, 0);
  EXPECT_TRUE(Checked("mnuControlsFillet"));

  CoordRelative = CoordAbsolute = FlagTrue;
  main_->ShowOptionChecks();
  main_->StatusPanel(7)->setText("^X = 1");
  Choose("mnuDisplayCoordPolar");
  EXPECT_EQ(CoordPolar, FlagTrue);
  EXPECT_EQ(CoordRelative, 0);
  EXPECT_FALSE(Checked("mnuDisplayCoordRel"));
  EXPECT_EQ(CoordAbsolute, FlagTrue);  // independent of the other two
  EXPECT_TRUE(main_->StatusPanel(7)->text().isEmpty());
}

TEST_F(frmMainTest, DisplayItemsShowAndHideTheirBarsAndSetTheirFlags) {
  Choose("mnuDisplayToolbar");
  EXPECT_EQ(ShowToolBar, 0);
  EXPECT_FALSE(main_->ToolBarVisible());
  Choose("mnuDisplayDrawBar2");
  EXPECT_TRUE(main_->Toolbar2->isHidden());

  RubberBanding = RubberLineOn = FlagTrue;
  main_->ShowOptionChecks();
  Choose("mnuDisplayRubber");
  EXPECT_EQ(RubberBanding, 0);
  EXPECT_EQ(RubberLineOn, 0);

  // The text bar comes into view with the font names filled in.
  EXPECT_TRUE(main_->tbTextbar->isHidden());  // the flag is off at start
  FontCount = 2;
  FontNames[1] = "Text";
  FontNames[2] = "Script";
  FontName = "Script";
  Choose("mnuDisplayTextbar");
  EXPECT_EQ(ShowTextBar, FlagTrue);
  EXPECT_FALSE(main_->tbTextbar->isHidden());
  EXPECT_EQ(main_->Combo1->count(), 2);
  EXPECT_EQ(main_->Combo1->currentText(), "Script");
}

// Bars toggled while a command waits for a typed value in the drawing
// opened last, another drawing open beside it: the waiting drawing stays
// the active one and its command waits on; the keyboard comes back to the
// entry box with the bar, and the value typed there reaches the command.
TEST_F(frmMainTest, ToggledBarsKeepTheActiveDrawingItsCommandAndTheKeyboard) {
  Choose("mnuFileNew");
  frmDocument* waiting = Active();
  ASSERT_EQ(main_->MdiArea()->subWindowList().size(), 2);
  MakeActive(main_.get());
  Choose("mnuViewZoomScale");
  ASSERT_EQ(QApplication::focusWidget(), main_->Text3);
  for (const char* bar : {"mnuDisplayMsgBar", "mnuDisplayToolbar", "mnuDisplayStatusBar"}) {
    Choose(bar);
    EXPECT_EQ(Active(), waiting) << bar << " hidden";
    EXPECT_TRUE(CommandRunning()) << bar << " hidden";
    Choose(bar);
    EXPECT_EQ(Active(), waiting) << bar << " shown";
    EXPECT_EQ(QApplication::focusWidget(), main_->Text3) << bar << " shown";
  }
  KeyAtFocus(Qt::Key_4);
  KeyAtFocus(Qt::Key_Return);
  EXPECT_FALSE(CommandRunning());
  EXPECT_DOUBLE_EQ(waiting->View_Scale, 0.25);  // 1 : 4
}

TEST_F(frmMainTest, TextBarButtonsFlipTheirStyleOrChooseOneAlignment) {
  Press(main_->tbTextbar, "Bold");
  EXPECT_EQ(TextBold, FlagTrue);
  EXPECT_TRUE(main_->BarButton(main_->tbTextbar, "Bold")->isChecked());
  EXPECT_EQ(TextCmd, TextCmdBold);
  EXPECT_EQ(ActiveTool, ToolText);
  Press(main_->tbTextbar, "Bold");
  EXPECT_EQ(TextBold, 0);
  EXPECT_FALSE(main_->BarButton(main_->tbTextbar, "Bold")->isChecked());

  TextAlignLeft = TextJustify = FlagTrue;
  Press(main_->tbTextbar, "Align Right");
  EXPECT_EQ(TextAlignRight, FlagTrue);
  EXPECT_EQ(TextAlignLeft, 0);
  EXPECT_EQ(TextJustify, 0);
  EXPECT_EQ(TextCmd, TextCmdTypedString);
}

TEST_F(frmMainTest, TheLayersButtonWithAllLayersShowingLeavesTheLayerButtonsAlone) {
  frmDocument* document = Active();
  document->View_Layers = document->Edit_layers = FlagTrue;
  QAction* editAll = main_->ToolBarButton("EditLayers");
  QAction* viewAll = main_->ToolBarButton("ViewLayers");
  editAll->setChecked(true);
  viewAll->setChecked(true);
  Responder().OnModalWindow([](QDialog& chooser) { chooser.reject(); });  // the layer chooser
  Press(main_->tbToolBar, "Layers");
  EXPECT_EQ(LayerCommand, SetCurrentLayerCode);
  EXPECT_TRUE(editAll->isChecked());
  EXPECT_TRUE(viewAll->isChecked());

  // Viewing the top layer only switches editing all layers off.
  Press(main_->tbToolBar, "ViewLayers");
  EXPECT_EQ(document->View_Layers, 0);
  EXPECT_EQ(document->Edit_layers, 0);
  EXPECT_FALSE(viewAll->isChecked());
  EXPECT_FALSE(editAll->isChecked());
  Press(main_->tbToolBar, "EditLayers");  // refused while only the top layer shows
  EXPECT_EQ(document->Edit_layers, 0);
  EXPECT_FALSE(editAll->isChecked());
}

// ---- Drawing windows -----------------------------------------------------------------------

TEST_F(frmMainTest, EightDrawingWindowsAtMostEachWithItsOwnNumber) {
  for (int i = 0; i < 8; ++i) Choose("mnuFileNew");
  EXPECT_EQ(main_->DocWindowCount(), 8);
  EXPECT_EQ(DrawingNumbers(*main_), (std::vector<Long>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Active()->windowTitle(), "New Drawing");
  EXPECT_EQ(Active()->FileName(), "New Drawing");
  EXPECT_EQ(Active()->FileID(), 8);

  // Closed by its own close box, a window gives its number back; the next
  // window takes it and starts empty.
  frmDocument* third = nullptr;
  for (QMdiSubWindow* sub : main_->MdiArea()->subWindowList())
    if (qobject_cast<frmDocument*>(sub->widget())->ID == 3) third = qobject_cast<frmDocument*>(sub->widget());
  main_->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(third->parentWidget()));
  const Long line = AddChangedLine();
  third->IsDirty = FlagFalse;
  third->parentWidget()->close();
  EXPECT_EQ(Objs[line].DwgNo, 0);
  Choose("mnuWindowNewWindow");
  EXPECT_EQ(main_->DocWindowCount(), 8);
  EXPECT_EQ(Active()->ID, 3);
  EXPECT_EQ(Dwgs[3].Nlines, 0);
}

// Enter in a box of a dialog, opened as a user opens it, presses none of its buttons.
TEST_F(frmMainTest, EnterInADialogsBoxPressesNoButton) {
  // The menu item, the button of its dialog that opens the one with the box (or none), the box.
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {"mnuFilePrintPreview", nullptr, "Text1"}, {"mnuFileSave", nullptr, "Text1"},   {"mnuFileSave", nullptr, "Text2"},
      {"mnuFileProperties", nullptr, "Text13"},  {"mnuOptionsUnits", nullptr, "List1"}, {"mnuHelpIntro", nullptr, "RichTextBox1"},
      {"mnuEditCompEdit", "cmdLink", "txtPath"},
  };
  AddChangedLine();  // a drawing to save, and a placement selected to edit
  const Long valve = AddDefinition("Valve");
  const Long placedNo = AddCompound(EntityComponent, 2, 2, 0);
  ObjRec& placed = Objs[placedNo];
  placed.Name = "Valve";
  placed.OwnerID = placed.ObjectID = valve;
  SetSelectedFlag(placedNo, FlagTrue);
  for (const auto& [menuItem, through, boxName] : rows) {
    int pressed = 0;
    const std::function<void(QDialog&)> enterInBox = [&](QDialog& dialog) {
      QObject counting;  // counts only while Enter is pressed
      for (QPushButton* button : dialog.findChildren<QPushButton*>())
        QObject::connect(button, &QPushButton::clicked, &counting, [&pressed] { ++pressed; });
      QWidget* box = dialog.findChild<QWidget*>(boxName);
      ASSERT_NE(box, nullptr);
      EXPECT_NE(ClickRetypeAndEnter(box, QString()), nullptr);
      dialog.reject();
    };
    Responder().OnModalWindow(!through ? enterInBox : [&](QDialog& outer) {
      Responder().OnModalWindow(enterInBox);
      outer.findChild<QPushButton*>(through)->click();
      outer.reject();
    });
    Choose(menuItem);
    EXPECT_EQ(pressed, 0) << menuItem << " " << boxName;
  }
}

TEST_F(frmMainTest, FileCloseOnAChangedDrawingAsksOnceAndCancelKeepsEverything) {
  Choose("mnuFileNew");
  frmDocument* second = Active();
  Dwgs[second->ID].Name = "Shed";
  const Long line = AddChangedLine();
  Choose("mnuDrawLineSingle");
  Responder().AnswerMsgBox(vbCancel);
  Choose("mnuFileClose");
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  const PromptRecord& asked = Responder().Prompts()[0];
  EXPECT_EQ(asked.text, "Drawing Has Changed! Do You want to Save the Drawing?\r\nNew Drawing");
  EXPECT_EQ(asked.title, "Close Drawing: Shed");
  EXPECT_EQ(asked.style, vbYesNoCancel);
  EXPECT_EQ(main_->DocWindowCount(), 2);
  EXPECT_EQ(ActiveTool, ToolLineDraw);  // the command runs on
  EXPECT_EQ(Objs[line].DwgNo, second->ID);

  Responder().AnswerMsgBox(vbNo);
  Choose("mnuFileClose");
  EXPECT_EQ(Responder().Prompts().size(), 2u);  // the window's own unload asks nothing more
  EXPECT_EQ(main_->DocWindowCount(), 1);
  EXPECT_EQ(ActiveTool, ToolNone);
  EXPECT_EQ(Objs[line].DwgNo, 0);
  EXPECT_EQ(Dwgs[2].Name, "");
}

TEST_F(frmMainTest, FileCloseOnTheLastWindowLeavesAnEmptyNewDrawing) {
  frmDocument* only = Active();
  only->SetFileName("Shed");
  BaseObjCount = ObjCount;
  BasePntCount = PntCount;
  BaseItemCount = ItemCount;
  AddChangedLine();
  only->IsDirty = FlagFalse;
  Choose("mnuFileClose");
  EXPECT_EQ(main_->DocWindowCount(), 1);
  EXPECT_EQ(Active(), only);
  EXPECT_EQ(only->ID, 1);
  EXPECT_EQ(only->windowTitle(), "New Drawing");
  EXPECT_EQ(only->FileID(), 1);
  EXPECT_EQ(ObjCount, BaseObjCount);
  EXPECT_EQ(PntCount, BasePntCount);
  // The drawing is ready at once: its record and a fresh first layer.
  EXPECT_EQ(Dwgs[1].Name, "New Drawing");
  EXPECT_EQ(ItemCount, BaseItemCount + 1);
  EXPECT_EQ(only->Current_Layer, ItemCount);
}

TEST_F(frmMainTest, ASaveThatDoesNotHappenKeepsTheDrawingOpen) {
  Choose("mnuFileNew");
  frmDocument* second = Active();
  AddChangedLine();
  // File, Close: Yes, and the save dialog left without saving.
  Responder().AnswerMsgBox(vbYes);
  Responder().OnModalWindow([](QDialog& dialog) { dialog.reject(); });
  Choose("mnuFileClose");
  EXPECT_EQ(main_->DocWindowCount(), 2);
  EXPECT_EQ(second->IsDirty, FlagTrue);

  // Its close box: Yes, and the save dialog left without saving.
  Responder().AnswerMsgBox(vbYes);
  Responder().OnModalWindow([](QDialog& dialog) { dialog.reject(); });
  second->parentWidget()->close();
  EXPECT_EQ(main_->DocWindowCount(), 2);
  EXPECT_EQ(Objs[ObjCount].DwgNo, second->ID);

  // Exit the same way: the program stays open with the drawing.
  Responder().AnswerMsgBox(vbYes);
  Responder().OnModalWindow([](QDialog& dialog) { dialog.reject(); });
  Choose("mnuFileExit");
  EXPECT_TRUE(main_->isVisible());
  EXPECT_EQ(main_->DocWindowCount(), 1);
  EXPECT_EQ(Active(), second);
}

TEST_F(frmMainTest, OpeningADrawingOverAChangedOneAsksFirst) {
  AddChangedLine();
  const auto choose = [](QDialog& dialog) {
    SelDwgName = "Stored";
    SelDwgID = 8;
    DlgCancelled = FlagFalse;
    dialog.done(QDialog::Accepted);
  };
  Responder().CancelFile();  // no drawings database here: the chooser's browser is cancelled
  Responder().OnModalWindow(choose);
  Responder().AnswerMsgBox(vbCancel);
  Choose("mnuFileOpen");
  EXPECT_EQ(Objs[ObjCount].DwgNo, 1);  // not loaded over
  EXPECT_EQ(Active()->FileName(), "New Drawing");

  Responder().CancelFile();
  Responder().OnModalWindow(choose);
  Responder().AnswerMsgBox(vbNo);
  Responder().AnswerMsgBox(vbOK);  // the loader finds no drawings database
  Choose("mnuFileOpen");
  EXPECT_EQ(Responder().Prompts().back().title, "Load Drawing Record");
  EXPECT_EQ(Active()->FileName(), "Stored");
}

TEST_F(frmMainTest, FileOpenWithoutADrawingsDatabaseSaysWhereItLookedAndOffersToBrowse) {
  const String missing = ScratchPath("Missing_dwg.mdb");
  const String found = ScratchPath("Found_dwg.mdb");
  CreateEmptyDrawingsDb(found);
  TestDatabase(found, true).Exec("INSERT INTO Drawing (Name) VALUES ('Elsewhere')");
  for (const bool browse : {false, true}) {  // the browser cancelled, or a database chosen in it
    DwgDbPath = missing;
    if (browse)
      Responder().AnswerFile(found);
    else
      Responder().CancelFile();
    int listed = -1;
    Responder().OnModalWindow([&listed](QDialog& dialog) {
      listed = static_cast<frmDwgSelect&>(dialog).List1->count();
      dialog.reject();
    });
    const size_t before = Responder().Prompts().size();
    Choose("mnuFileOpen");
    ASSERT_GT(Responder().Prompts().size(), before);
    const PromptRecord& asked = Responder().Prompts()[before];  // before the chooser shows
    EXPECT_EQ(asked.kind, PromptKind::OpenFile);
    EXPECT_EQ(asked.title, "Can't Find " + missing);
    EXPECT_EQ(DwgDbPath, browse ? found : missing);
    EXPECT_EQ(listed, browse ? 1 : 0);
  }
}

// File, Close and File, Open with Yes on the drawing "Shed" of the save
// fixture, its only window.
class frmMainSaveTest : public SaveFixture {
 protected:
  // Stores a drawing of one line under name in the database at path, from a
  // window of its own that is then closed; drawing 1 is active again.
  void StoreDrawing(const String& path, const String& name, Double x1, Double y1, Double x2, Double y2) {
    frmDocument* window = Open(2, name);
    Dwgs[2].Name = name;
    AddLine(x1, y1, x2, y2);
    DwgDbPath = path;
    ASSERT_TRUE(SaveDrawing(2));
    window->IsDirty = FlagFalse;
    Close(window);
    Activate(doc_);
  }
  // The vertices of the drawing's entities that are not erased, in table order.
  static std::vector<std::pair<Double, Double>> PointsOf(Integer dwg) {
    std::vector<std::pair<Double, Double>> points;
    for (Long i : EntitiesOf(dwg))
      for (Integer k = 0; k < Objs[i].NPoints; ++k)
        points.emplace_back(Pnts[Objs[i].PointID + k].X, Pnts[Objs[i].PointID + k].Y);
    return points;
  }
};

TEST_F(frmMainSaveTest, FileCloseYesSavesFirstThenClears) {
  doc_->IsDirty = FlagTrue;
  Responder().AnswerMsgBox(vbYes);
  Responder().OnModalWindow([](QDialog& shown) {
    auto& dialog = static_cast<frmDwgSave&>(shown);
    dialog.cmdSave->click();
    dialog.cmdExit->click();
  });
  main_->MenuItem("mnuFileClose")->trigger();
  EXPECT_EQ(Text("SELECT Name FROM Drawing"), "Shed");
  EXPECT_EQ(Count("SELECT count(*) FROM Lines"), 1);
  EXPECT_EQ(doc_->windowTitle(), "New Drawing");
  EXPECT_EQ(doc_->IsDirty, 0);
  EXPECT_EQ(ObjCount, BaseObjCount);
}

// File, Open over the changed "Shed", saved into another database when
// asked: the drawing chosen comes from the database the chooser listed, with
// its own name and entities, though the other one holds a drawing under the
// same key.
TEST_F(frmMainSaveTest, FileOpenLoadsTheChosenDrawingFromTheDatabaseItWasListedFrom) {
  const String listed = DwgDbPath;
  const String elsewhere = MakeDrawingsDb("Other_dwg.mdb");
  StoreDrawing(listed, "Alpha", 1, 1, 6, 2);
  StoreDrawing(elsewhere, "Other", 0, 5, 3, 5);
  ASSERT_EQ(TestDatabase(listed).Number("SELECT DrawID FROM Drawing WHERE Name = 'Alpha'"),
            TestDatabase(elsewhere).Number("SELECT DrawID FROM Drawing WHERE Name = 'Other'"));
  DwgDbPath = listed;
  doc_->IsDirty = FlagTrue;

  Responder().OnDialog<frmDwgSelect>([](frmDwgSelect& chooser) {
    ASSERT_EQ(chooser.List1->count(), 1);
    ClickRow(chooser.List1, 0);
    chooser.cmdOK->click();
  });
  Responder().AnswerMsgBox(vbYes);  // "Drawing Has Changed! ..."
  Responder().OnDialog<frmDwgSave>(
      [&elsewhere](frmDwgSave& save) {
        Retype(save.Text3, QString::fromStdString(elsewhere));
        save.cmdSave->click();
      },
      &frmDwgSave::cmdExit);
  main_->MenuItem("mnuFileOpen")->trigger();

  EXPECT_EQ(TestDatabase(elsewhere).FirstColumn("SELECT Name FROM Drawing ORDER BY DrawID"),
            (std::vector<String>{"Other", "Shed"}));  // saved where asked
  EXPECT_EQ(doc_->FileName(), "Alpha");
  EXPECT_EQ(Dwgs[1].Name, "Alpha");
  EXPECT_EQ(PointsOf(1), (std::vector<std::pair<Double, Double>>{{1, 1}, {6, 2}}));
  EXPECT_EQ(Dwgs[1].SourceDbPath, listed);
  EXPECT_EQ(doc_->IsDirty, 0);
}

// The steps of a save as a user takes them, the keyboard where each leaves
// it: File and Insert opened and closed with Esc, the keyboard then in the
// menu bar (where Alt puts it) for the save dialog with its overwrite
// question and for a message box; the drawing has the keyboard after each,
// and Esc there ends the dimension begun last.
TEST_F(frmMainSaveTest, AfterAMenuOrADialogClosesTheKeyboardIsInTheDrawingAndEscEndsTheCommand) {
  ASSERT_TRUE(SaveDrawing(1));  // stored: the save asks before replacing it
  MakeActive(main_.get());
  doc_->setFocus();
  for (const char* name : {"mnuFile", "mnuInsert"}) {
    QMenuBar* bar = main_->menuBar();
    auto* menu = bar->findChild<QMenu*>(name);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_EQ(QApplication::activePopupWidget(), menu) << name;
    QTest::keyClick(menu, Qt::Key_Escape);
    QCoreApplication::processEvents();  // what the menu's closing queued
    MakeActive(main_.get());  // the offscreen platform activates the menu's window late
    EXPECT_EQ(QApplication::focusWidget(), doc_) << name << " closed with Esc";
  }

  main_->menuBar()->setFocus();
  Responder().AnswerMsgBox(vbYes);  // replace the stored revision
  Responder().OnDialog<frmDwgSave>([](frmDwgSave& dialog) { dialog.cmdSave->click(); }, &frmDwgSave::cmdExit);
  KeyAtFocus(Qt::Key_S, Qt::ControlModifier);
  MakeActive(main_.get());  // as the window system activates it again
  EXPECT_EQ(QApplication::focusWidget(), doc_) << "after the save dialog";

  main_->menuBar()->setFocus();
  doc_->IsDirty = FlagTrue;
  Responder().AnswerMsgBox(vbCancel);  // File, Close: the drawing is kept
  main_->MenuItem("mnuFileClose")->trigger();
  EXPECT_EQ(QApplication::focusWidget(), doc_) << "after the message box";

  main_->MenuItem("mnuInsertLinearDim")->trigger();
  ASSERT_EQ(main_->Text2->text(), "ENTER Starting Point > ");
  KeyAtFocus(Qt::Key_Escape);
  EXPECT_EQ(main_->Text2->text(), "");
  EXPECT_FALSE(CommandRunning());
  Responder().ExpectAllAnswersUsed();
}

// ---- Window position --------------------------------------------------------------------------

TEST_F(frmMainTest, PositionIsStoredInTwipsAndRestoredOnTheScreen) {
  main_->hide();
  main_->move(40, 60);
  main_->resize(700, 500);
  const double twips = 1440 / main_->screen()->logicalDotsPerInch();
  main_->close();
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainLeft"), std::to_string(RoundToLong(40 * twips)));
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainHeight"), std::to_string(RoundToLong(500 * twips)));

  frmMain restored;
  MainForm = &restored;
  restored.MDIForm_Load();
  EXPECT_EQ(restored.pos(), QPoint(40, 60));
  EXPECT_EQ(restored.size(), QSize(700, 500));

  // Far off the screen, too big or too small for it: brought back inside it.
  SaveSetting("Lintavo", "Settings", "MainLeft", "900000");
  SaveSetting("Lintavo", "Settings", "MainWidth", "not a number");
  SaveSetting("Lintavo", "Settings", "MainHeight", "9000000");
  frmMain offScreen;
  offScreen.MDIForm_Load();
  const QRect area = offScreen.screen()->availableGeometry();
  EXPECT_EQ(offScreen.width(), 640);  // the default, 6500 twips, raised so that the menus fit
  EXPECT_EQ(offScreen.height(), area.height());
  EXPECT_EQ(offScreen.x() + offScreen.width(), area.right() + 1);
  MainForm = main_.get();
}

TEST_F(frmMainTest, AMinimisedWindowStoresNoPosition) {
  SaveSetting("Lintavo", "Settings", "MainLeft", "1234");
  main_->showMinimized();
  main_->close();
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainLeft"), "1234");
  EXPECT_EQ(GetSetting("Lintavo", "Settings", "MainTop"), "");
}

// ---- Entry box and font box ---------------------------------------------------------------------

TEST_F(frmMainTest, EnterInTheEntryBoxHandsItsTextToTheRunningCommand) {
  ActiveTool = PrevTool = ToolLineDraw;
  AwaitingInput = FlagTrue;
  TypedText = "12";
  ActiveDoc = nullptr;
  PressKey(main_->Text3, Qt::Key_Return, "\r");
  EXPECT_EQ(TypedText, "");
  EXPECT_EQ(ActiveDoc, Active());  // SelectTool ran again
  EXPECT_EQ(TypedReady, 0);  // the first point of a line is a click: the entry is not left for later

  main_->Text3->setText("3.5");
  PressKey(main_->Text3, Qt::Key_Enter, "\r");
  EXPECT_EQ(TypedText, "3.5");
  EXPECT_TRUE(main_->Text3->text().isEmpty());
}

TEST_F(frmMainTest, OtherKeysAreTypedAndEscEndsEveryCommand) {
  ActiveTool = PrevTool = ToolLineDraw;
  AwaitingInput = FlagTrue;
  TypedReady = FlagTrue;
  ActiveDoc = nullptr;
  PressKey(main_->Text3, Qt::Key_X, "x");
  EXPECT_EQ(TypedKey, 'x');
  EXPECT_EQ(TypedReady, 0);
  EXPECT_EQ(main_->Text3->text(), "x");
  EXPECT_EQ(ActiveDoc, nullptr);  // no re-entry: the text command takes no keys

  TextKeyEntry = FlagTrue;
  PressKey(main_->Text3, Qt::Key_Y, "y");
  EXPECT_EQ(ActiveDoc, Active());

  DlgCancelled = FlagTrue;
  PressKey(main_->Text3, Qt::Key_Escape);
  EXPECT_EQ(DlgCancelled, 0);
  EXPECT_EQ(AwaitingInput, 0);
  EXPECT_EQ(ActiveTool, ToolNone);
}

// The font box worked from the keyboard: clicked into, a new name typed and Enter.
TEST_F(frmMainTest, FontBoxTakesANewNameTypedAndEnteredFromTheKeyboard) {
  FontCount = 1;
  FontNames[1] = "Text";
  main_->FillFontBox();
  if (!main_->Combo1->isVisible()) Choose("mnuDisplayTextbar");
  QWidget* focused = ClickRetypeAndEnter(main_->Combo1, QStringLiteral("Zebra"));
  EXPECT_EQ(focused, main_->Combo1);
  EXPECT_EQ(FontCount, 2);
  EXPECT_EQ(FontNames[2], "Zebra");
  EXPECT_EQ(main_->Text2->text(), "New Font Name Added");
}

TEST_F(frmMainTest, FontBoxAddsANewNameOnceAndNoMoreThanTheListHolds) {
  FontCount = 1;
  FontNames[1] = "Text";
  FontName = "Text";
  main_->FillFontBox();
  QLineEdit* typed = main_->Combo1->lineEdit();
  typed->setText("Gothic");
  PressKey(typed, Qt::Key_Return, "\r");
  EXPECT_EQ(FontCount, 2);
  EXPECT_EQ(FontNames[2], "Gothic");
  EXPECT_EQ(main_->Text2->text(), "New Font Name Added");
  EXPECT_EQ(main_->Combo1->findText("Gothic"), 1);

  main_->Text2->clear();
  typed->setText("Gothic");
  PressKey(typed, Qt::Key_Return, "\r");
  EXPECT_EQ(FontCount, 2);
  EXPECT_TRUE(main_->Text2->text().isEmpty());

  FontCount = MaxFontNames;
  typed->setText("One Too Many");
  PressKey(typed, Qt::Key_Return, "\r");
  EXPECT_EQ(FontCount, MaxFontNames);

  // Choosing an entry makes it the font of new text.
  FontCount = 2;
  main_->FillFontBox();
  main_->Combo1->setCurrentIndex(1);
  emit main_->Combo1->activated(1);
  EXPECT_EQ(FontName, "Gothic");
  EXPECT_EQ(TextCmd, TextCmdFont);
  EXPECT_EQ(ActiveTool, ToolText);
}

// ---- Keyboard ------------------------------------------------------------------------------------

// Keys no widget takes reach the command: a typed value with Enter (the
// scale of Zoom, Scale) and Esc (ending Insert, Linear), wherever the main
// window's keyboard is. The font box keeps the typed characters, which write
// into it, and Enter, which adds the name written; Esc ends the command from
// there too, once a first Esc has closed the box's open list.
TEST_F(frmMainTest, EnterEscAndTypedValuesReachTheCommandWhereverTheMainWindowHasTheKeyboard) {
  if (!main_->Combo1->isVisible()) Choose("mnuDisplayTextbar");
  MakeActive(main_.get());
  QComboBox* fontBox = main_->Combo1;
  struct Place {
    const char* where;
    QWidget* widget;    // given the keyboard
    bool keepsTyping;   // the typed value and Enter stay in the font box
    bool listOpen;      // the font box's list is open when Esc is pressed
  };
  const Place places[] = {
      {"tool bar", main_->tbToolBar, false, false}, {"menu bar", main_->menuBar(), false, false},
      {"status bar", main_->sbStatusBar, false, false}, {"area", main_->MdiArea(), false, false},
      {"main window", main_.get(), false, false},   {"font box", fontBox, true, false},
      {"font box, its list open", fontBox, true, true}};
  for (const auto& [where, widget, keepsTyping, listOpen] : places) {
    Choose("mnuViewZoomScale");
    widget->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), widget) << where;
    const QString written = fontBox->currentText() + "2";
    const Integer fonts = FontCount;
    KeyAtFocus(Qt::Key_2);
    EXPECT_EQ(fontBox->currentText() == written, keepsTyping) << where << ": the 2 typed";
    KeyAtFocus(Qt::Key_Return);
    EXPECT_EQ(CommandRunning(), keepsTyping) << where << ": the scale entered";
    EXPECT_EQ(FontCount, keepsTyping ? fonts + 1 : fonts) << where << ": a font name entered";
    CancelTools();

    Choose("mnuInsertLinearDim");
    ASSERT_EQ(main_->Text2->text(), "ENTER Starting Point > ") << where;
    widget->setFocus();
    if (listOpen) {
      KeyAtFocus(Qt::Key_F4);
      ASSERT_TRUE(fontBox->view()->isVisible()) << where;
      KeyAtFocus(Qt::Key_Escape);
      EXPECT_FALSE(fontBox->view()->isVisible()) << where << ": the first Esc closes the list";
    }
    KeyAtFocus(Qt::Key_Escape);
    EXPECT_FALSE(CommandRunning()) << where << ": Esc";
    EXPECT_EQ(main_->Text2->text(), "") << where << ": Esc";
    CancelTools();
  }
}

// ---- Colour chooser ----------------------------------------------------------------------------

TEST_F(frmMainTest, LineColorChoosesTheColourOfNewLinesOrOfTheSelection) {
  CurColor = 0x00FF00;
  Responder().AnswerColor(0x0000FF);
  Press(main_->Toolbar1, "Line Color");
  EXPECT_EQ(CurColor, 0x0000FF);
  EXPECT_EQ(Responder().Prompts().back().title, "Line Color");
  EXPECT_EQ(Responder().Prompts().back().style, cdlCCRGBInit | cdlCCFullOpen);

  ActiveTool = ToolSelection;
  ChosenColor = 0x123456;
  Responder().CancelColor();
  Press(main_->Toolbar1, "Line Color");
  EXPECT_EQ(Responder().Prompts().back().title, "Change Item Color");
  EXPECT_EQ(ChosenColor, 0x123456);  // cancelled: the start colour
  EXPECT_EQ(CurColor, 0x0000FF);
}

TEST_F(frmMainTest, AFailedColourChoiceIsReportedAndKeepsTheStartColour) {
  Long color = -5;
  Responder().AnswerColor(0x7FFFFFFF);  // not an RGB colour
  Responder().AnswerMsgBox(vbOK);
  frmMain::ChooseColor("Line Color", 0x00FF00, color);
  EXPECT_EQ(color, 0x00FF00);
  const PromptRecord& report = Responder().Prompts().back();
  EXPECT_EQ(report.text, "Error 380 selecting color.\r\nInvalid property value");
  EXPECT_EQ(report.title, "Error");
  EXPECT_EQ(report.style, vbExclamation);
}

TEST_F(frmMainTest, HelpWithoutAHelpFileSaysSo) {
  QFile::remove(QString::fromStdString(AppFolder() + "/Lintavo.qhc"));
  Responder().AnswerMsgBox(vbOK);
  Choose("mnuHelpContents");
  ASSERT_EQ(Responder().Prompts().size(), 1u);
  EXPECT_EQ(Responder().Prompts()[0].text,
            "Unable to display Help Contents. There is no Help associated with this project.");
}

}  // namespace
}  // namespace lintavo
