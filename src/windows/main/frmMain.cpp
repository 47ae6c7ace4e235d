// frmMain: the main window: its menus and tool bars from one table, its
// life cycle, the drawing windows it opens and closes, the entry box, the
// font box and the colour chooser.
//
// Sections:
//   The table of menu items and buttons
//   Construction
//   Running the table
//   Life cycle
//   Drawing windows
//   File menu
//   Display menu effects
//   Help menu
//   Tool-bar buttons
//   Entry box and font box
//   Keyboard
//   Colour chooser
//   Controls by name
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QKeySequence>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <iterator>

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "windows/options/frmDimOptions.h"
#include "windows/options/frmFillOptions.h"
#include "windows/options/frmTextOptions.h"
#include "app/AppInfo.h"
#include "windows/help/frmAbout.h"
#include "windows/help/frmBrowser.h"
#include "windows/options/frmDwgOptions.h"
#include "windows/help/frmHelp.h"
#include "windows/help/frmIntro.h"
#include "windows/options/frmMgmtOptions.h"
#include "windows/main/frmSplash.h"
#include "windows/help/frmTip.h"
#include "windows/options/frmUnitsOptions.h"
#include "commands/Edits.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "windows/edit/frmLineType.h"
#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "model/UndoRedo.h"
#include "organisation/Components.h"
#include "organisation/Groups.h"
#include "organisation/Layers.h"
#include "organisation/ViewHand.h"
#include "windows/edit/frmCompEdit.h"
#include "windows/file/frmCompSave.h"
#include "windows/options/frmLayerMgr.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "platform/Colors.h"
#include "platform/CommonDialogs.h"
#include "platform/Icons.h"
#include "platform/Modal.h"
#include "platform/Numbers.h"
#include "platform/Pointers.h"
#include "platform/Prompts.h"
#include "platform/Repaint.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/TextBoxes.h"
#include "windows/file/frmDwgProperties.h"
#include "windows/file/frmDwgSave.h"
#include "windows/file/frmDwgSelect.h"
#include "view/DisplayOptions.h"
#include "view/Grids.h"
#include "view/Print.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"
#include "windows/options/frmDispOptions.h"
#include "windows/main/frmDocument.h"
#include "windows/file/frmPreview.h"

namespace lintavo {

// ---- The table of menu items and buttons ------------------------------------------

namespace {

using Handler = void (frmMain::*)();

enum class ActionKind {
  Nothing,  // no behaviour (Send...)
  Heading,  // a disabled item that titles a section of its menu
  Submenu,  // opens the rows of depth 2 that follow it
  Hidden,   // an item never shown (the recent-file items and their separator)
  Command,  // command word := code, ActiveTool := tool, SelectTool
  Toggle,   // the check mark flips, the flag takes the new state, then the effect
  Flip,     // the flag flips and the button shows it, then the command
  Choice,   // the flag := true and the others of its group false, then the command
  Run,      // a handler of the main window
  Call,     // a routine called (most show a window), then what follows it
  Arrange,  // the drawing windows arranged by code
  SameAs,   // what another menu item does
};

// The kinds that start no command of their own. (SameAs is what its item
// is; Nothing, Heading, Submenu and Hidden do nothing.)
bool IsSideTrip(ActionKind kind) {
  return kind == ActionKind::Toggle || kind == ActionKind::Run || kind == ActionKind::Call ||
         kind == ActionKind::Arrange;
}

// What follows a call: nothing; the active window redrawn; every window
// redrawn (options every drawing shows); or the other windows redrawn and the
// active one zoomed to the drawing limits (options that may change the sheet).
enum class After { Nothing, Redraw, RedrawAll, ZoomLimits };

// Exclusion groups: switching one flag of a group on switches the others off.
enum ExclusionGroup { NoGroup = 0, SnapGroup = 1, CornerGroup = 2, ReadOutGroup = 3, AlignGroup = 4 };

// How the Window menu arranges the drawing windows (the code of Arrange).
enum WindowArrangement : Integer {
  ArrangeCascade = 0,         // "&Cascade"
  ArrangeTileHorizontal = 1,  // "Tile &Horizontal": strips one above the other
  ArrangeTileVertical = 2,    // "Tile &Vertical": columns side by side
  ArrangeIcons = 3,           // "&Arrange Icons": the minimised windows along the bottom
};

}  // namespace

struct MainAction {
  ActionKind kind = ActionKind::Nothing;
  Integer* word = nullptr;         // Command, Flip, Choice: the module's command word
  Integer code = 0;                // its sub-command; Arrange: a WindowArrangement
  Integer tool = ToolNone;         // tool code written to ActiveTool
  bool rubberLine = false;         // Command: RubberLineOn is set first
  Integer* flag = nullptr;         // Toggle, Flip, Choice: the option flag (Toggle: may be none)
  int group = NoGroup;             // Toggle, Choice: exclusion group
  bool checked = false;            // Toggle: checked when the window is made
  Handler run = nullptr;           // Run: the handler; Toggle: the effect after the flag changed
  void (*call)() = nullptr;        // Call: the routine
  After after = After::Nothing;    // Call: what follows it
  bool needsWindow = false;        // Call: only while a drawing window is active
  const char* sameAs = nullptr;    // SameAs: name of the menu item
};

struct MainMenuRow {
  int depth;            // 0 a menu of the menu bar, 1 its items, 2 items of the submenu above
  const char* name;     // object name; nullptr for a separator
  const char* caption;  // as shown, "&" before the access key
  MainAction action;
  bool disabled = false;  // disabled when the window is made
};

struct MainButtonRow {
  int bar;              // 0 tbToolBar, 1 tbTextbar, 2 Toolbar1, 3 Toolbar2
  const char* key;      // the button's key; nullptr for a separator
  const char* label;    // text on the button
  const char* toolTip;
  MainAction action;
  bool pressable = false;  // shows a pressed state
};

namespace {

// Builders of the table's actions. A sub-command code is written by its name,
// declared beside the command word in the header of the module that owns it
// (LineDrawCodes.h, Edits.h, Selection.h, Zooms.h, ...): a new code is named
// there and gets its row here and in the test of the main window's codes.
MainAction Cmd(Integer* word, Integer code, Integer tool) {
  MainAction a;
  a.kind = ActionKind::Command;
  a.word = word;
  a.code = code;
  a.tool = tool;
  return a;
}
MainAction Draw(Integer code) { return Cmd(&LineDrawCommand, code, ToolLineDraw); }
MainAction RubberDraw(Integer code) {
  MainAction a = Draw(code);
  a.rubberLine = true;
  return a;
}
MainAction Edit(Integer code) { return Cmd(&EditCommand, code, ToolEdits); }
MainAction Select(Integer code) { return Cmd(&SelectionCommand, code, ToolSelection); }
MainAction Zoom(Integer code) { return Cmd(&ZoomCommand, code, ToolZooms); }
MainAction Snap(Integer code) { return Cmd(&SnapCommand, code, ToolSnaps); }
MainAction TextTool(Integer code) { return Cmd(&TextCmd, code, ToolText); }

MainAction Toggle(Integer* flag, bool checked = false, int group = NoGroup, Handler effect = nullptr) {
  MainAction a;
  a.kind = ActionKind::Toggle;
  a.flag = flag;
  a.checked = checked;
  a.group = group;
  a.run = effect;
  return a;
}
MainAction Flip(Integer* flag, Integer textCode) {
  MainAction a = TextTool(textCode);
  a.kind = ActionKind::Flip;
  a.flag = flag;
  return a;
}
MainAction Choice(Integer* flag, Integer textCode) {
  MainAction a = TextTool(textCode);
  a.kind = ActionKind::Choice;
  a.flag = flag;
  a.group = AlignGroup;
  return a;
}
MainAction Run(Handler handler) {
  MainAction a;
  a.kind = ActionKind::Run;
  a.run = handler;
  return a;
}
// Undo and Redo of the menu and the tool bar, each followed by a redraw of
// the whole view: the entity the step changes is not painted on its own.
void UndoBeforeRedraw() {
  const WholeRedrawFollows redraw;
  Undo();
}
void RedoBeforeRedraw() {
  const WholeRedrawFollows redraw;
  Redo();
}
MainAction Call(void (*routine)(), After after = After::Redraw, bool needsWindow = false) {
  MainAction a;
  a.kind = ActionKind::Call;
  a.call = routine;
  a.after = after;
  a.needsWindow = needsWindow;
  return a;
}
MainAction Arrangement(Integer code) {
  MainAction a;
  a.kind = ActionKind::Arrange;
  a.code = code;
  return a;
}
MainAction SameAs(const char* item) {
  MainAction a;
  a.kind = ActionKind::SameAs;
  a.sameAs = item;
  return a;
}
MainAction Of(ActionKind kind) {
  MainAction a;
  a.kind = kind;
  return a;
}
const MainAction Heading = Of(ActionKind::Heading);
const MainAction Submenu = Of(ActionKind::Submenu);
const MainAction Hidden = Of(ActionKind::Hidden);
const MainAction Nothing = Of(ActionKind::Nothing);

// Windows and calls the table shows that take something of their own.
void ShowUnitsOptions() {
  frmUnitsOptions dialog(MainForm);
  ShowModal(dialog);
}
void ShowSplashWindow() {
  frmSplash splash(MainForm);
  ShowModal(splash);
}
// Help on The Web: the program's home page in a window the main window owns.
void ShowHomePageWindow() { ShowHomePage(MainForm); }

}  // namespace

// The rows in menu order. Captions keep their spelling exactly.
const std::vector<MainMenuRow>& frmMain::MenuTable() {
  static const MainMenuRow rows[] = {
      {0, "mnuFile", "&File", Submenu},
      {1, "mnuFileNew", "New Drawing", Run(&frmMain::mnuFileNew_Click)},
      {1, "mnuFileOpen", "Open Drawing", Run(&frmMain::mnuFileOpen_Click)},
      {1, "mnuFileClose", "Close", Run(&frmMain::mnuFileClose_Click)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuFileSave", "Save Drawing", Run(&frmMain::mnuFileSave_Click)},
      {1, "mnuFileSaveComp", "Save Component", Run(&frmMain::mnuFileSaveComp_Click)},
      {1, "mnuFileProperties", "Properties", Call(ShowDwgProperties)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuFilePageSetup", "Page Setup...", Run(&frmMain::mnuFilePageSetup_Click)},
      {1, "mnuFilePrintPreview", "Print Preview", Run(&frmMain::mnuFilePrintPreview_Click)},
      {1, "mnuFilePrint", "Print...", Run(&frmMain::mnuFilePrint_Click)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuFileSend", "Send...", Nothing, true},  // nothing to send with: shown greyed
      {1, "mnuFileBarMRU", "", Hidden},
      {1, "mnuFileMRU1", "", Hidden},
      {1, "mnuFileMRU2", "", Hidden},
      {1, "mnuFileMRU3", "", Hidden},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuFileExit", "Exit", Run(&frmMain::mnuFileExit_Click)},

      {0, "mnuEdit", "&Edit", Submenu},
      {1, "mnuEditUndo", "Undo", Call(UndoBeforeRedraw, After::Redraw), true},
      {1, "mnuEditRedo", "Redo", Call(RedoBeforeRedraw, After::Redraw), true},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuEditcopy", "Copy", Edit(EditInternalCopyCode)},
      {1, "mnuEditPaste", "Paste", Edit(EditPasteCode), true},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuEditSelected", "Selected Lines", Heading},
      {1, "mnuEditErase", "Erase", Edit(EditEraseCode)},
      {1, "mnuEditUnErase", "Un Erase", Edit(EditUneraseCode)},
      {1, "mnuEditCopys", "Copy", Edit(EditCopyCode)},
      {1, "mnuEditMove", "Move", Edit(EditMoveCode)},
      {1, "mnuEditRotate", "Rotate", Edit(EditRotateCode)},
      {1, "mnuEditMirror", "Mirror", Edit(EditMirrorCode)},
      {1, "mnuEditRescale", "Rescale", Edit(EditRescaleCode)},
      {1, "mnuEditRcopy", "Radial Copy", Edit(EditRadialCopyCode)},
      {1, "mnuEditPcopy", "Path Copy", Edit(EditPathCopyCode)},
      {1, "mnuEditHide", "Hide", Edit(EditHideCode)},
      {1, "mnuEditShow", "Show", Edit(EditShowCode)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuEditComponent", "Component", Heading},
      {1, "mnuEditCompCreate", "Create", Cmd(&ComponentCommand, CreateComponentCode, ToolComponents)},
      {1, "mnuEditCompReplace", "Make Into", Cmd(&ComponentCommand, MakeIntoComponentCode, ToolComponents)},
      {1, "mnuEditCompExplode", "Explode", Cmd(&ComponentCommand, ExplodeComponentCode, ToolComponents)},
      {1, "mnuEditCompEdit", "Edit", Call(ShowCompEdit, After::Redraw, true)},

      {0, "mnuSelect", "&Select", Submenu},
      {1, "mnuSelectItems", "Line", Select(SelectLineCode)},
      {1, "mnuSelectWindow", "Window", Select(SelectWindowCode)},
      {1, "mnuSelectCurLayer", "Top Layer", Select(SelectTopLayerCode)},
      {1, "mnuSelectAll", "All Visable", Select(SelectAllVisibleCode)},
      {1, "mnuSelectView", "View", Select(SelectViewCode)},
      {1, "mnuSelectArea", "Area", Select(SelectAreaCode)},
      {1, "mnuSelectGroup", "Group", Select(SelectGroupCode)},
      {1, "mnuSelectLayer", "Layer", Select(SelectLayerCode)},
      {1, "mnuSelectDwg", "Drawing", Select(SelectDrawingCode)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuSelectClr", "DeSelect All", Select(DeselectAllCode)},

      {0, "mnuView", "&View", Submenu},
      {1, "mnuViewRedraw", "Redraw", Run(&frmMain::RedrawActive)},
      {1, "mnuViewShowAll", "Show All", Zoom(ZoomAllCode)},
      {1, "mnuViewZooms", "Zoom", Submenu},
      {2, "mnuViewZoomIn", "In", Zoom(ZoomInCode)},
      {2, "mnuViewZoomOut", "Out", Zoom(ZoomOutCode)},
      {2, "mnuViewZoomPrevious", "Previous", Zoom(ZoomPreviousCode)},
      {2, "mnuViewZoomWindow", "Window", Zoom(ZoomWindowCode)},
      {2, "mnuViewZoomScale", "Scale", Zoom(ZoomScaleCode)},
      {2, "mnuViewZoomLimits", "Drawing Limits", Zoom(ZoomLimitsCode)},
      {2, "mnuViewZoomFit", "Full Drawing", Zoom(ZoomFullCode)},
      {1, "mnuViewPan", "Pan", Submenu},
      {2, "mnuViewPanRight", "Right", Zoom(PanRightCode)},
      {2, "mnuViewPanLeft", "Left", Zoom(PanLeftCode)},
      {2, "mnuViewPanUp", "Up", Zoom(PanUpCode)},
      {2, "mnuViewPanDown", "Down", Zoom(PanDownCode)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuViewShow", "Show/Edit", Heading},
      {1, "mnuAreasShow", "Areas", Cmd(&AreaCommand, AreaShowCode, ToolAreas)},
      {1, "mnuGroupsShow", "Groups", Cmd(&GroupCommand, ShowGroupCode, ToolGroups)},
      {1, "mnuLayersShow", "Layers", Cmd(&LayerCommand, ShowLayerCode, ToolLayers)},
      {1, "mnuViewsShow", "Views", Cmd(&ViewCommand, ShowViewCode, ToolViews)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuViewCreate", "Create", Heading},
      {1, "mnuViewArea", "Area", Submenu},
      {2, "mnuViewAreasWindow", "Window", Cmd(&AreaCommand, AreaWindowCode, ToolAreas)},
      {2, "mnuViewAreasPoints", "Points", Cmd(&AreaCommand, AreaPointsCode, ToolAreas)},
      {2, "mnuViewAreasLines", "Lines", Cmd(&AreaCommand, AreaLinesCode, ToolAreas)},
      {1, "mnuViewGroup", "Group", Cmd(&GroupCommand, AddSelectedGroupCode, ToolGroups)},
      {1, "mnuViewLayer", "Layer", Cmd(&LayerCommand, NewLayerCode, ToolLayers)},
      {1, "mnuViewView", "View", Cmd(&ViewCommand, AddViewCode, ToolViews)},

      {0, "mnuDisplay", "&Display", Submenu},
      {1, "mnuDisplayToolbar", "Top Toolbar", Toggle(&ShowToolBar, true, NoGroup, &frmMain::ShowBars)},
      {1, "mnuDisplayTextbar", "Text Toolbar", Toggle(&ShowTextBar, true, NoGroup, &frmMain::ShowBars)},
      {1, "mnuDisplayMsgBar", "Message Bar", Toggle(&ShowMessageBar, true, NoGroup, &frmMain::ShowBars)},
      {1, "mnuDisplayDrawBar", "Drawing Tools 1", Toggle(nullptr, true, NoGroup, &frmMain::ShowBars)},
      {1, "mnuDisplayDrawBar2", "Drawing Tools 2", Toggle(nullptr, true, NoGroup, &frmMain::ShowBars)},
      {1, "mnuDisplayStatusBar", "Status &Bar", Toggle(&ShowStatusBar, true, NoGroup, &frmMain::ShowBars)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuDisplayText", "Drawing Text", Toggle(&ShowTextObjs, false, NoGroup, &frmMain::RedrawEveryWindow)},
      {1, "mnuDisplayDims", "Dimensions", Toggle(&ShowDimObjs, false, NoGroup, &frmMain::RedrawEveryWindow)},
      {1, "mnuDisplayRubber", "Rubber Banding",
       Toggle(&RubberBanding, true, NoGroup, &frmMain::RubberBandingChanged)},
      {1, "mnuDisplayGrid", "Grid Display", Toggle(&GridOn, true, NoGroup, &frmMain::RedrawEveryWindow)},
      {1, "mnuDisplayRuler", "Ruler Display", Toggle(&RulerOn, false, NoGroup, &frmMain::RedrawEveryWindow)},
      {1, "mnuDisplayCursor", "Snap Cursor", Toggle(&ShowSnapCursor, true)},
      {1, "mnuDisplayReal", "Real Cursor", Toggle(&ShowRealCursor, true)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuDisplayCoords", "Coordinates", Heading},
      {1, "mnuDisplayCoordAbs", "Absolute",
       Toggle(&CoordAbsolute, true, NoGroup, &frmMain::AbsoluteReadOutChanged)},
      {1, "mnuDisplayCoordRel", "Relative",
       Toggle(&CoordRelative, true, ReadOutGroup, &frmMain::RelativeReadOutChanged)},
      {1, "mnuDisplayCoordPolar", "Polar",
       Toggle(&CoordPolar, false, ReadOutGroup, &frmMain::RelativeReadOutChanged)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuDisplayPoints", "Points", Heading},
      {1, "mnuDisplayPointsStd", "Standard", Toggle(&ShowStdPnts, true)},
      {1, "mnuDisplayPointsRef", "Reference", Toggle(&ShowRefPnts)},
      {1, "mnuDisplayPointsCon", "Construction", Toggle(&ShowConPnts)},

      {0, "mnuFormat", "&Options", Submenu},
      {1, "mnuOptionsUnits", "Change Units", Call(ShowUnitsOptions, After::RedrawAll)},
      {1, "mnuOptionsLayers", "Layer Manager", Call(ShowLayerMgr, After::RedrawAll)},
      {1, "mnuOptionsDisplay", "Display", Call(ShowDispOptions, After::RedrawAll)},
      {1, "mnuOptionsText", "Text", Call(ShowTextOptions, After::RedrawAll)},
      {1, "mnuOptionsDimension", "Dimensioning", Call(ShowDimOptions, After::RedrawAll)},
      {1, "mnuOptionsFills", "Fills/Hatches", Call(ShowFillOptions, After::RedrawAll)},
      {1, "mnuOptionsDrawing", "Drawing", Call(ShowDwgOptions, After::ZoomLimits)},
      {1, "mnuOptionsSettings", "Management", Call(ShowMgmtOptions, After::ZoomLimits)},

      {0, "mnuInsert", "&Insert", Submenu},
      {1, "mnuInsertComponent", "Component", Heading},
      {1, "mnuInsertCompplace", "Place", Cmd(&ComponentCommand, PlaceComponentCode, ToolComponents)},
      {1, "mnuInsertCompImage", "Image", Cmd(&ComponentCommand, PlaceImageCode, ToolComponents)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuInsertText", "Text Place", TextTool(TextCmdPlace)},
      {1, "mnuInsertTextBox", "Text Box", TextTool(TextCmdBox)},
      {1, "mnuInsertTextPath", "Text Path", TextTool(TextCmdOnPath)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuInsertFill", "Area Fill", Cmd(&AreaCommand, AreaFillCode, ToolAreas)},
      {1, "mnuInsertHatch", "Area Hatch", Cmd(&AreaCommand, AreaHatchCode, ToolAreas)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuInsertDimension", "Dimension", Heading},
      {1, "mnuInsertLinearDim", "Linear", Cmd(&DimKind, DimLinear, ToolDimension)},
      {1, "mnuInsertLeaderDim", "Leader", Cmd(&DimKind, DimLeader, ToolDimension)},
      {1, "mnuInsertAngularDim", "Angular", Cmd(&DimKind, DimAngular, ToolDimension)},
      {1, "mnuInsertRadiusDim", "Radius", Cmd(&DimKind, DimRadius, ToolDimension)},
      {1, "mnuInsertArcDim", "Arc Angle", Cmd(&DimKind, DimArcAngle, ToolDimension)},

      {0, "mnuDraw", "D&raw", Submenu},
      {1, "mnuDrawPoint", "Point", Draw(DrawPointCode)},
      {1, "mnuDrawLine", "Line", Submenu},
      {2, "mnuDrawLineSingle", "Single", Draw(DrawSingleCode)},
      {2, "mnuDrawLineDouble", "Double", Draw(DrawDoubleCode)},
      {2, "mnuDrawLineThick", "Solid", Draw(DrawSolidCode)},
      {2, "mnuDrawLineConstruction", "Construction", Draw(DrawReferenceCode)},
      {1, "mnuDrawShape", "Shape", Submenu},
      {2, "mnuDrawShapeRectangle2", "Rectangle 2", Draw(DrawRectangle2Code)},
      {2, "mnuDrawShapeRectangle3", "Rectangle 3", Draw(DrawRectangle3Code)},
      {2, "mnuDrawShapeTrapazoid", "Trapazoid", Draw(DrawTrapezoidCode)},
      {2, "mnuDrawShapePolygon", "Regular Polygon", Draw(DrawRegularPolygonCode)},
      {2, "mnuDrawShapeIllreg", "Illregular Polygon", Draw(DrawIrregularPolygonCode)},
      {1, "mnuDrawCircle", "Circle", Submenu},
      {2, "mnuDrawCircle2a", "Center + Radius", Draw(DrawCircleRadiusCode)},
      {2, "mnuDrawCircle2b", "Diameter", Draw(DrawCircleDiameterCode)},
      {2, "mnuDrawCircle3", "3 Points", Draw(DrawCircle3Code)},
      {1, "mnuDrawArc", "Arc", Submenu},
      {2, "mnuDrawArc2", "Arc - Ctr+Ends", Draw(DrawArcCentreCode)},
      {2, "mnuDrawArc3", "Arc - Sp,Mp,Ep", Draw(DrawArcStartMiddleCode)},
      {2, "mnuDrawArc4", "Arc - Sp,Ep,Mp", Draw(DrawArcStartEndCode)},
      {1, "mnuDrawEllipse", "Ellipse", Submenu},
      {2, "mnuDrawEllipse2", "Ellipse 2", Draw(DrawEllipse2Code)},
      {2, "mnuDrawEllipse3", "Ellipse 3", Draw(DrawEllipse3Code)},
      {2, "mnuDrawEllipse4", "Ellipse 4", Draw(DrawEllipse4Code)},
      {2, "mnuDrawEllipseArc", "Elliptical Arc", Draw(DrawEllipticalArcCode)},
      {1, "mnuDrawCurve", "Curve", Submenu},
      {2, "mnuDrawCurveSpline", "Spline", Draw(DrawSplineCode)},
      {2, "mnuDrawCurveBezier", "Continuous Bezier", Draw(DrawContBezierCode)},
      {2, "mnuDrawCurveBezier2", "Single Bezier", Draw(DrawBezierCode)},

      {0, "mnuModify", "&Modify", Submenu},
      {1, "mnuTrimsMP", "Move Point", Cmd(&ModifyCommand, ModifyMovePointCode, ToolModify)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuSnaps", "Snap To", Heading},
      {1, "mnuSnapsNear", "Nearest Point", Snap(SnapNearestCode)},
      {1, "mnuSnapsClose", "Closest Point To", Snap(SnapClosestCode)},
      {1, "mnuSnapsLine", "Line", Snap(SnapLineCode)},
      {1, "mnuSnapsMiddle", "Middle", Snap(SnapMiddleCode)},
      {1, "mnuSnapsInter", "Intersection", Snap(SnapIntersectionCode)},
      {1, "mnuSnapsPerp", "Perpendicular", Snap(SnapPerpendicularCode)},
      {1, "mnuSnapsPara", "Parallel", Snap(SnapParallelCode)},
      {1, "mnuSnapsCenter", "Center", Snap(SnapCenterCode)},
      {1, "mnuSnapsTangent", "Tangent", Snap(SnapTangentCode)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuTrims", "Trims", Heading},
      {1, "mnuTrimsBreak", "Break Line", Cmd(&ModifyCommand, ModifyBreakLineCode, ToolModify)},
      {1, "mnuTrimsTrim", "Trim Line", Cmd(&TrimCommand, TrimLineCode, ToolTrims)},
      {1, "mnuTrimsExtend", "Extend Line", Cmd(&TrimCommand, ExtendLineCode, ToolTrims)},
      {1, "mnuTrimsCorner", "Corner Trim", Cmd(&TrimCommand, CornerTrimCode, ToolTrims)},
      {1, "mnuTrimsChamfer", "Corner Chamfer", Cmd(&TrimCommand, CornerChamferCode, ToolTrims)},
      {1, "mnuTrimsFIllet", "Corner Fillet", Cmd(&TrimCommand, CornerFilletCode, ToolTrims)},

      {0, "mnuControls", "&Controls", Submenu},
      {1, "mnuControlsSnaps", "Drawing Snaps", Heading},
      // Every window draws the grid while grid snap is on.
      {1, "mnuControlsSnapsGrid", "Grid", Toggle(&GridSnap, false, SnapGroup, &frmMain::RedrawEveryWindow)},
      {1, "mnuControlsSnapsNear", "Nearest Point", Toggle(&NearestSnap)},
      {1, "mnuControlsSnapsOrtho", "Orthogonol", Toggle(&OrthoSnap, false, SnapGroup)},
      {1, "mnuControlsSnapsTol", "Tolerance", Toggle(&ToleranceSnap, false, SnapGroup)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuControlsCL", "Continuous Line", Heading},
      {1, "mnuControlsFillet", "Auto Fillet", Toggle(&AutoFillet, false, CornerGroup)},
      {1, "mnuControlsChamfer", "Auto Chamfer", Toggle(&AutoChamfer, false, CornerGroup)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuControlsMeasure", "Measure", Heading},
      {1, "mnuControlsMeasureDistance", "Distance", Cmd(&MeasureCommand, MeasureDistanceCode, ToolMeasure)},
      {1, "mnuControlsMeasureArea", "Area", Cmd(&MeasureCommand, MeasureAreaCode, ToolMeasure)},
      {1, "mnuControlsMeasureAngle", "Angle", Cmd(&MeasureCommand, MeasureAngleCode, ToolMeasure)},
      {1, "mnuControlsMeasureRadius", "Radius", Cmd(&MeasureCommand, MeasureRadiusCode, ToolMeasure)},
      {1, "mnuControlsMeasureArc", "Arc", Cmd(&MeasureCommand, MeasureArcCode, ToolMeasure)},

      {0, "mnuWindow", "&Window", Submenu},
      {1, "mnuWindowNewWindow", "&New Window", Run(&frmMain::mnuFileNew_Click)},
      {1, "mnuWindowCascade", "&Cascade", Arrangement(ArrangeCascade)},
      {1, "mnuWindowTileHorizontal", "Tile &Horizontal", Arrangement(ArrangeTileHorizontal)},
      {1, "mnuWindowTileVertical", "Tile &Vertical", Arrangement(ArrangeTileVertical)},
      {1, "mnuWindowArrangeIcons", "&Arrange Icons", Arrangement(ArrangeIcons)},

      {0, "mnuHelp", "&Help", Submenu},
      {1, "mnuHelpContents", "&Contents", Run(&frmMain::ShowHelpContents)},
      {1, "mnuHelpIndex", "&Index", Run(&frmMain::ShowHelpIndex)},
      {1, "mnuHelpSearch", "&Search ", Run(&frmMain::ShowHelpSearch)},
      {1, nullptr, nullptr, Nothing},
      {1, "mnuHelpTips", "Show Tips & Tricks", Call(ShowTip)},
      {1, "mnuHelpWeb", "Help on The Web", Call(ShowHomePageWindow)},
      {1, "mnuHelpAbout", "Show About ", Call(ShowAbout)},
      {1, "mnuHelpIntro", "Show Introduction", Call(ShowIntro)},
      {1, "mnuHelpSplash", "Show Splash", Call(ShowSplashWindow)},
  };
  static_assert(std::size(rows) == MenuRowCount, "one row per menu item, separators included");
  static const std::vector<MainMenuRow> table(std::begin(rows), std::end(rows));
  return table;
}

// The buttons of the four tool bars in button order.
const std::vector<MainButtonRow>& frmMain::ButtonTable() {
  static const MainButtonRow rows[] = {
      {0, "New", "New", "New Drawing", Run(&frmMain::NewDrawing)},
      {0, "Open", "Open", "Open Drawing", SameAs("mnuFileOpen")},
      {0, "Save", "Save", "Save Drawing", SameAs("mnuFileSave")},
      {0, "Print", "Print", "Print Drawing", SameAs("mnuFilePrint")},
      {0, nullptr, nullptr, nullptr, Nothing},
      {0, "Copy", "Copy", "Copy", SameAs("mnuEditcopy")},
      {0, "Paste", "Paste", "Paste", SameAs("mnuEditPaste")},
      {0, nullptr, nullptr, nullptr, Nothing},
      {0, "Undo", "Undo", "Undo", Call(UndoBeforeRedraw, After::Redraw)},
      {0, "Redo", "Redo", "Redo", Call(RedoBeforeRedraw, After::Redraw)},
      {0, nullptr, nullptr, nullptr, Nothing},
      {0, "Deselect", "Deselect", "De-Select All", Select(DeselectAllCode)},
      {0, "Erase", "Erase", "Erase Selected", Edit(EditEraseCode)},
      {0, "Move", "Modify", "Modify Selected", Edit(EditModifySelectedCode)},
      {0, "Winselect", "Win Sel", "Window Select", Select(SelectWindowCode)},
      {0, "Select", "Line Sel", "Line Select", Select(SelectLineCode)},
      {0, nullptr, nullptr, nullptr, Nothing},
      {0, "EditLayers", "Edit All", "Edit All Layers", Run(&frmMain::EditLayers_Click), true},
      {0, "ViewLayers", "View All", "View All Layers", Run(&frmMain::ViewLayers_Click), true},
      {0, "Layers", "Layer", "Select Top Layer", Run(&frmMain::Layers_Click)},
      {0, nullptr, nullptr, nullptr, Nothing},
      {0, "Zoomin", "Zoom In", "Zoom In", SameAs("mnuViewZoomIn")},
      {0, "Zoomout", "Zoom Out", "Zoom Out", SameAs("mnuViewZoomOut")},
      {0, "Zoomwin", "Zoom Win", "Zoom Window", SameAs("mnuViewZoomWindow")},
      {0, "Zoomall", "Zoom All", "Zoom All", Zoom(ZoomAllCode)},
      {0, "Redraw", "Redraw", "Redraw Window", Run(&frmMain::RedrawActive)},
      {0, nullptr, nullptr, nullptr, Nothing},
      {0, "Stop", "Stop", "Stop Current Operation", Run(&frmMain::Stop_Click)},
      {0, "Help", "Help", "Help", SameAs("mnuHelpIndex")},

      {1, "TextPath", "New", "Place Text on Path", TextTool(TextCmdOnPath)},
      {1, "Place", "Place", "Place Text", TextTool(TextCmdPlace)},
      {1, "Edit", "Edit", "Edit Text", TextTool(TextCmdEdit)},
      {1, "Font", "Font", "Change Font", TextTool(TextCmdFont)},
      {1, "Bold", "B", "Bold", Flip(&TextBold, TextCmdBold), true},
      {1, "Italic", "I", "Italic", Flip(&TextItalic, TextCmdItalic), true},
      {1, "Underline", "U", "Underline", Flip(&TextUnderline, TextCmdUnderline), true},
      {1, "Box", "Box", "Text Box", Flip(&TextBoxOutline, TextCmdBoxOutline), true},
      {1, "Size", "Size", "Text Height", TextTool(TextCmdHeight)},
      {1, nullptr, nullptr, nullptr, Nothing},
      {1, "Align Left", "Left", "Align Left", Choice(&TextAlignLeft, TextCmdTypedString)},
      {1, "Center", "Center", "Center", Choice(&TextAlignCenter, TextCmdTypedString)},
      {1, "Align Right", "Right", "Align Right", Choice(&TextAlignRight, TextCmdTypedString)},
      {1, "Justify", "Justify", "Justify", Choice(&TextJustify, TextCmdTypedString)},

      {2, "Point", "Point", "Point", Draw(DrawPointCode)},
      {2, "Line1", "Line", "Single Line", RubberDraw(DrawSingleCode)},
      {2, "Line2", "Double", "Double Line", RubberDraw(DrawDoubleCode)},
      {2, "Line3", "Solid", "Solid Line", RubberDraw(DrawSolidCode)},
      {2, "Line4", "Cont.", "Continuous Line", RubberDraw(DrawContinuousCode)},
      {2, "Rectangle1", "Rect 2", "2 Point Rectangle", RubberDraw(DrawRectangle2Code)},
      {2, "Rectangle2", "Rect 3", "3 Point Rectangle", RubberDraw(DrawRectangle3Code)},
      {2, "Circle2", "Circle", "Center+Radius Circle", RubberDraw(DrawCircleRadiusCode)},
      {2, "Circle3", "Circle 2", "2 Points on Circle", RubberDraw(DrawCircleDiameterCode)},
      {2, "Circle4", "Circle 3", "3 Points on Circle", RubberDraw(DrawCircle3Code)},
      {2, "Ellipse1", "Ellipse", "2 Points Ellipse", RubberDraw(DrawEllipse2Code)},
      {2, "Ellipse2", "Ellipse 3", "3 Point Ellipse", RubberDraw(DrawEllipse4Code)},
      {2, "Line Color", "Color", "Line Color", Run(&frmMain::LineColor_Click)},

      {3, "Line5", "Constr.", "Construction Line", Draw(DrawReferenceCode)},
      {3, "Spline", "Spline", "Spline Curve", RubberDraw(DrawSplineCode)},
      {3, "Bezier1", "Bezier", "Single Bezier Curve", RubberDraw(DrawBezierCode)},
      {3, "Bezier2", "C-Bezier", "Continuous Bezier", RubberDraw(DrawContBezierCode)},
      {3, "Trapazoid", "Trapez.", "Trapazoid", RubberDraw(DrawTrapezoidCode)},
      {3, "Polygon1", "Polygon", "Regular Polygon", RubberDraw(DrawRegularPolygonCode)},
      {3, "Polygon2", "Irreg.", "Ill-regular Polygon", RubberDraw(DrawIrregularPolygonCode)},
      {3, "Arc1", "Arc C", "Arc - Center + End Points", RubberDraw(DrawArcCentreCode)},
      {3, "Arc2", "Arc SEM", "Arc - Start, End, Middle", RubberDraw(DrawArcStartEndCode)},
      {3, "Arc3", "Arc SME", "Arc - Start, Middle, End", RubberDraw(DrawArcStartMiddleCode)},
      {3, "Arc4", "Ell. Arc", "Elliptical Arc", RubberDraw(DrawEllipticalArcCode)},
      {3, "Ellipse3", "Ellipse R", "Ellipse - Radius", RubberDraw(DrawEllipse3Code)},
      {3, "Style", "Style", "Line Style", Call(ShowLineType)},
  };
  static_assert(std::size(rows) == ButtonRowCount, "one row per button, separators included");
  static const std::vector<MainButtonRow> table(std::begin(rows), std::end(rows));
  return table;
}

// ---- Construction --------------------------------------------------------------------

namespace {

// The menu items that have a standard meaning carry the platform's standard
// keys for it, shown in the menus. None is a key the drawing window acts on
// itself (Delete, the arrows, the page keys, typed characters).
struct StandardShortcut {
  const char* item;           // menu item name
  QKeySequence::StandardKey keys;
};
constexpr StandardShortcut StandardShortcuts[] = {
    {"mnuFileNew", QKeySequence::New},     {"mnuFileOpen", QKeySequence::Open},
    {"mnuFileSave", QKeySequence::Save},   {"mnuFilePrint", QKeySequence::Print},
    {"mnuEditUndo", QKeySequence::Undo},   {"mnuEditRedo", QKeySequence::Redo},
    {"mnuEditcopy", QKeySequence::Copy},   {"mnuEditPaste", QKeySequence::Paste},
    {"mnuHelpContents", QKeySequence::HelpContents},
};

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QString::fromUtf8(AppTitle));
  setWindowIcon(ProgramIcon());
  mdiArea_ = new QMdiArea(this);
  setCentralWidget(mdiArea_);
  mdiArea_->viewport()->installEventFilter(this);
  // A drawing window learns of its activation from the area that activates it.
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* sub) {
    if (auto* document = sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr)
      document->Form_Activate();
  });
  BuildMenus();
  BuildToolBars();
  menuBar()->installEventFilter(this);
  // Where the keyboard was when the menu bar took it, to go back there.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (now && now == menuBar() && old && old->window() == this) keyboardBeforeMenuBar_ = old;
  });
  EnableUndoItem(false);  // nothing to undo or redo before a drawing makes a step
  EnableRedoItem(false);
  addToolBarBreak();
  BuildMessageBar();
  BuildStatusBar();
  resize(900, 650);
}

namespace {

// A caption from the menu table as Qt's menus take it: "&" before a letter
// or digit marks the access key and "&&" is an ampersand; an "&" before
// anything else ("Tips & Tricks") can mark no key and is shown as itself.
QString MenuCaption(const char* caption) {
  const QString text = QString::fromUtf8(caption ? caption : "");
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    shown += text[i];
    if (text[i] != u'&') continue;
    const bool next = i + 1 < text.size();
    if (next && text[i + 1] == u'&')
      shown += text[++i];
    else if (!next || !text[i + 1].isLetterOrNumber())
      shown += u'&';
  }
  return shown;
}

}  // namespace

void frmMain::BuildMenus() {
  const std::vector<MainMenuRow>& rows = MenuTable();
  menuItems_.assign(rows.size(), nullptr);
  QMenu* menus[2] = {};  // the menu and the submenu being filled
  for (size_t i = 0; i < rows.size(); ++i) {
    const MainMenuRow& row = rows[i];
    const QString caption = MenuCaption(row.caption);
    if (row.depth == 0) {
      menus[0] = menuBar()->addMenu(caption);
      menus[0]->setObjectName(QString::fromUtf8(row.name));
      menuItems_[i] = menus[0]->menuAction();
      // Queued: Esc hands the keyboard to the menu bar after the menu is hidden.
      connect(menus[0], &QMenu::aboutToHide, this, &frmMain::ReturnKeyboardFromMenuBar, Qt::QueuedConnection);
      continue;
    }
    QMenu* parentMenu = menus[row.depth - 1];
    if (!row.name) {
      parentMenu->addSeparator();
      continue;
    }
    QAction* item = nullptr;
    if (row.action.kind == ActionKind::Submenu) {
      menus[1] = parentMenu->addMenu(caption);
      item = menus[1]->menuAction();
    } else {
      item = parentMenu->addAction(caption);
    }
    item->setObjectName(QString::fromUtf8(row.name));
    menuItems_[i] = item;
    switch (row.action.kind) {
      case ActionKind::Heading: item->setEnabled(false); break;
      case ActionKind::Hidden: item->setVisible(false); break;
      case ActionKind::Toggle:
        item->setCheckable(true);
        item->setChecked(row.action.checked);
        break;
      default: break;
    }
    if (row.disabled) item->setEnabled(false);
    if (row.action.kind != ActionKind::Submenu)
      connect(item, &QAction::triggered, this,
              [this, i] { RunAction(MenuTable()[i].action, menuItems_[i]); });
  }
  mnuEditUndo = MenuItem(QStringLiteral("mnuEditUndo"));
  mnuEditRedo = MenuItem(QStringLiteral("mnuEditRedo"));
  for (const StandardShortcut& shortcut : StandardShortcuts)
    MenuItem(QString::fromLatin1(shortcut.item))->setShortcuts(shortcut.keys);
  windowMenu_ = menuBar()->findChild<QMenu*>(QStringLiteral("mnuWindow"));
  connect(windowMenu_, &QMenu::aboutToShow, this, &frmMain::ListWindows);
}

void frmMain::BuildToolBars() {
  tbToolBar = addToolBar(QStringLiteral("Top Toolbar"));
  tbTextbar = addToolBar(QStringLiteral("Text Toolbar"));
  Toolbar1 = new QToolBar(QStringLiteral("Drawing Tools 1"), this);
  Toolbar2 = new QToolBar(QStringLiteral("Drawing Tools 2"), this);
  // The drawing tools stand in two columns down the left side, beside the drawings.
  addToolBar(Qt::LeftToolBarArea, Toolbar1);
  addToolBarBreak(Qt::LeftToolBarArea);
  addToolBar(Qt::LeftToolBarArea, Toolbar2);
  for (QToolBar* bar : {tbToolBar, tbTextbar, Toolbar1, Toolbar2}) bar->setObjectName(bar->windowTitle());

  Combo1 = new QComboBox(tbTextbar);
  Combo1->setObjectName(QStringLiteral("Combo1"));
  Combo1->setEditable(true);
  Combo1->setInsertPolicy(QComboBox::NoInsert);  // a typed name is added by Enter, below
  Combo1->setMinimumContentsLength(12);
  // Keys reach the list, which has the focus, and go on to its box without
  // the box's filters seeing them: both are watched.
  Combo1->installEventFilter(this);
  Combo1->lineEdit()->installEventFilter(this);
  connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
  tbTextbar->addWidget(Combo1);

  const std::vector<MainButtonRow>& rows = ButtonTable();
  buttons_.assign(rows.size(), nullptr);
  for (size_t i = 0; i < rows.size(); ++i) {
    const MainButtonRow& row = rows[i];
    QToolBar* bar = BarOf(row.bar);
    if (!row.key) {
      bar->addSeparator();
      continue;
    }
    QAction* button = bar->addAction(QString::fromUtf8(row.label));
    button->setObjectName(QString::fromUtf8(row.key));
    // The picture on the button; the label and the tool tip stay as words.
    button->setIcon(SvgIcon(IconName(button->objectName())));
    button->setToolTip(QString::fromUtf8(row.toolTip));
    button->setCheckable(row.pressable);
    if (row.action.kind == ActionKind::Flip) button->setChecked(*row.action.flag != 0);
    buttons_[i] = button;
    connect(button, &QAction::triggered, this,
            [this, i] { RunAction(ButtonTable()[i].action, buttons_[i]); });
  }
}

void frmMain::BuildMessageBar() {
  CoolBar1 = addToolBar(QStringLiteral("Message Bar"));
  CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
  for (QFrame*& band : bands_) {
    band = new QFrame(CoolBar1);
    band->setAutoFillBackground(true);  // a highlighted band shows its colour around the box
    new QHBoxLayout(band);
    band->layout()->setContentsMargins(3, 3, 3, 3);
    CoolBar1->addWidget(band);
  }
  QLineEdit** boxes[3] = {&Text1, &Text2, &Text3};
  for (int i = 0; i < 3; ++i) {
    *boxes[i] = new QLineEdit(bands_[i]);
    bands_[i]->layout()->addWidget(*boxes[i]);
  }
  Text1->setReadOnly(true);
  Text2->setReadOnly(true);
  Text3->installEventFilter(this);
}

namespace {
constexpr int ClockTickMs = 1000;  // the date and time panels are brought up to date every second
}  // namespace

void frmMain::BuildStatusBar() {
  sbStatusBar = statusBar();
  for (QLabel*& panel : statusPanels_) {
    panel = new QLabel(sbStatusBar);
    sbStatusBar->addWidget(panel, 1);
  }
  clock_ = new QTimer(this);
  clock_->setInterval(ClockTickMs);
  connect(clock_, &QTimer::timeout, this, &frmMain::ShowClockPanels);
}

QToolBar* frmMain::BarOf(int bar) const {
  switch (bar) {
    case 0: return tbToolBar;
    case 1: return tbTextbar;
    case 2: return Toolbar1;
    default: return Toolbar2;
  }
}

// ---- Running the table ----------------------------------------------------------------

void frmMain::RunAction(const MainAction& action, QAction* control) {
  // A dialog's cancel answers the handler that showed it. An item that
  // starts no command (a window, a dialog, a toggle) gives the flag back
  // as it found it, so a command waiting meanwhile takes its next input.
  const Integer cancelledBefore = DlgCancelled;
  RunActionKind(action, control);
  if (IsSideTrip(action.kind)) DlgCancelled = cancelledBefore;
}

void frmMain::RunActionKind(const MainAction& action, QAction* control) {
  switch (action.kind) {
    case ActionKind::Command: StartCommand(action); break;
    case ActionKind::Toggle: {
      const bool on = control->isChecked();
      if (action.flag) *action.flag = Flag(on);
      if (on && action.group != NoGroup) ClearGroup(action.group, action.flag);
      if (action.run) (this->*action.run)();
      break;
    }
    case ActionKind::Flip:
      *action.flag = Flag(*action.flag == 0);
      control->setChecked(*action.flag != 0);
      StartCommand(action);
      break;
    case ActionKind::Choice:
      ClearGroup(action.group, action.flag);
      *action.flag = FlagTrue;
      StartCommand(action);
      break;
    case ActionKind::Run: (this->*action.run)(); break;
    case ActionKind::Call:
      if (action.needsWindow && !ActiveChild()) break;
      action.call();
      if (action.after == After::Redraw) {
        RedrawActive();
      } else if (action.after == After::RedrawAll) {
        RedrawEveryWindow();
      } else if (action.after == After::ZoomLimits) {
        RedrawOtherWindows();
        // These dialogs may change the sheet: show all of it.
        ZoomCommand = ZoomLimitsCode;
        ActiveTool = ToolZooms;
        SelectTool();
      }
      break;
    case ActionKind::Arrange: Arrange(action.code); break;
    case ActionKind::SameAs: RunMenuItem(action.sameAs); break;
    default: break;
  }
}

void frmMain::StartCommand(const MainAction& action) {
  if (action.rubberLine) RubberLineOn = FlagTrue;
  *action.word = action.code;
  ChooseTool(action.tool);
}

void frmMain::RunMenuItem(const char* name) {
  const std::vector<MainMenuRow>& rows = MenuTable();
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i].name && qstrcmp(rows[i].name, name) == 0) RunAction(rows[i].action, menuItems_[i]);
}

void frmMain::ClearGroup(int group, const Integer* keep) {
  const std::vector<MainMenuRow>& items = MenuTable();
  for (size_t i = 0; i < items.size(); ++i) {
    const MainAction& action = items[i].action;
    if (action.group != group || action.flag == keep) continue;
    const bool wasOn = *action.flag != 0;
    *action.flag = FlagFalse;
    menuItems_[i]->setChecked(false);
    // Switched off by another of its group, an item does what its own
    // switching off does: grid snap gone with ortho snap redraws too.
    if (wasOn && action.kind == ActionKind::Toggle && action.run) (this->*action.run)();
  }
  const std::vector<MainButtonRow>& buttons = ButtonTable();
  for (size_t i = 0; i < buttons.size(); ++i) {
    const MainAction& action = buttons[i].action;
    if (action.group != group || action.flag == keep) continue;
    *action.flag = FlagFalse;
    buttons_[i]->setChecked(false);
  }
}

void frmMain::RedrawActive() {
  if (frmDocument* document = ActiveChild()) RefreshDocView(document);
}

void frmMain::RedrawOtherWindows() {
  const frmDocument* active = ActiveChild();
  for (frmDocument* document : OpenDocuments())
    if (document != active) RefreshDocView(document);
}

void frmMain::RedrawEveryWindow() {
  RedrawOtherWindows();
  RedrawActive();  // last: the surface, the view cache and the status bar are the active window's
}

void frmMain::ShowOptionChecks() {
  const std::vector<MainMenuRow>& rows = MenuTable();
  for (size_t i = 0; i < rows.size(); ++i) {
    const MainAction& action = rows[i].action;
    if (action.kind == ActionKind::Toggle && action.flag) menuItems_[i]->setChecked(*action.flag != 0);
  }
  ShowBars();
}

// ---- Life cycle --------------------------------------------------------------------------

namespace {

// Position and size are stored in the old window units, twips: 1440 to the
// inch, 15 to the pixel of a 96-dpi screen. Defaults 1000, 1000, 6500, 6500.
constexpr const char* PlaceSection = "Settings";
struct PlaceKey {
  const char* key;
  double defaultTwips;
};
constexpr PlaceKey PlaceKeys[4] = {
    {"MainLeft", 1000}, {"MainTop", 1000}, {"MainWidth", 6500}, {"MainHeight", 6500}};
constexpr double TwipsPerInch = 1440;
constexpr int MinMainWidth = 640;   // pixels: smaller sizes (the defaults among them) are
constexpr int MinMainHeight = 480;  //   raised to these, so the menus and bars fit

// Without a stored size (the first start) the window takes this share of
// the screen's free area, centred on it.
constexpr int FirstStartPercent = 85;

// A stored number of twips; false when it is missing or not a number.
bool ReadStoredTwips(const PlaceKey& place, double& value) {
  const String text = GetSetting(AppTitle, PlaceSection, place.key, "");
  bool ok = false;
  value = QString::fromStdString(text).trimmed().toDouble(&ok);
  return ok;
}

// A stored number of twips, or its default when it is missing or not a number.
double StoredTwips(const PlaceKey& place) {
  double value = 0;
  return ReadStoredTwips(place, value) ? value : place.defaultTwips;
}

// Whether a size was ever stored: a later start restores it.
bool SizeStored() {
  double value = 0;
  return ReadStoredTwips(PlaceKeys[2], value) || ReadStoredTwips(PlaceKeys[3], value);
}

}  // namespace

void frmMain::MDIForm_Load() {
  RestoreWindowPlace();
  helpFile_ = AppFilePath(HelpFileName);
  NewDrawing();
}

void frmMain::RestoreWindowPlace() {
  QScreen* shown = screen();
  const QRect area = shown ? shown->availableGeometry() : QRect(0, 0, 1024, 768);
  if (!SizeStored()) {
    // The first start: most of the screen, centred.
    const QSize size(area.width() * FirstStartPercent / 100, area.height() * FirstStartPercent / 100);
    resize(size);
    move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
    return;
  }
  const double pixelsPerInch = shown ? shown->logicalDotsPerInch() : 96.0;
  const double toPixels = pixelsPerInch / TwipsPerInch;
  int place[4];
  for (int i = 0; i < 4; ++i) place[i] = RoundToLong(StoredTwips(PlaceKeys[i]) * toPixels);
  // Kept on the screen: no larger than the free area, and wholly inside it.
  const int width = std::clamp(place[2], std::min(MinMainWidth, area.width()), area.width());
  const int height = std::clamp(place[3], std::min(MinMainHeight, area.height()), area.height());
  const int left = std::clamp(place[0], area.left(), area.left() + area.width() - width);
  const int top = std::clamp(place[1], area.top(), area.top() + area.height() - height);
  move(left, top);
  resize(width, height);
}

void frmMain::MDIForm_Unload() {
  if (isMinimized()) return;  // the last normal position stays stored
  QScreen* shown = screen();
  const double pixelsPerInch = shown ? shown->logicalDotsPerInch() : 96.0;
  const double toTwips = TwipsPerInch / pixelsPerInch;
  const int place[4] = {pos().x(), pos().y(), width(), height()};
  for (int i = 0; i < 4; ++i)
    SaveSetting(AppTitle, PlaceSection, PlaceKeys[i].key, std::to_string(RoundToLong(place[i] * toTwips)));
}

void frmMain::closeEvent(QCloseEvent* event) {
  // Each drawing window closes in turn, the one asked about shown on top. A
  // drawing the user keeps (Cancel, Esc, or a save that did not happen)
  // stops the exit there: the program stays open with it.
  for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
    if (sub->isHidden()) continue;
    mdiArea_->setActiveSubWindow(sub);
    if (!sub->close()) {
      event->ignore();
      return;
    }
  }
  MDIForm_Unload();
  event->accept();
}

// ---- Drawing windows ------------------------------------------------------------------

namespace {
constexpr const char* NewDrawingName = "New Drawing";  // caption and name of an empty drawing
constexpr int MinDocWidth = 320;   // pixels: a drawing window is at least this big
constexpr int MinDocHeight = 240;  //   where the area has room for it
constexpr int NewWindowPercent = 75;  // a window opened beside others: this share of the area
}  // namespace

frmDocument* frmMain::ActiveChild() const {
  QMdiSubWindow* sub = mdiArea_->currentSubWindow();  // also while another program has the focus
  return sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
}

// A window being closed is hidden at once and deleted later: it no longer counts.
std::vector<frmDocument*> frmMain::OpenDocuments() const {
  std::vector<frmDocument*> open;
  for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
    auto* document = qobject_cast<frmDocument*>(sub->widget());
    if (document && !sub->isHidden()) open.push_back(document);
  }
  return open;
}

int frmMain::DocWindowCount() const { return static_cast<int>(OpenDocuments().size()); }

Long frmMain::FreeDrawingNumber() const {
  const std::vector<frmDocument*> open = OpenDocuments();
  for (Long number = 1; number <= MaxDwgNo; ++number) {
    const bool held = std::any_of(open.begin(), open.end(),
                                  [number](const frmDocument* d) { return d->ID == number; });
    if (!held) return number;
  }
  return 0;
}

void frmMain::NewDrawing() {
  if (DocWindowCount() >= MaxDocWindows) return;
  const Long number = FreeDrawingNumber();
  if (number == 0) return;
  auto* document = new frmDocument;
  document->ID = number;
  document->SetFileID(number);
  document->SetFileName(NewDrawingName);
  const int othersOpen = DocWindowCount();
  QMdiSubWindow* sub = mdiArea_->addSubWindow(document);
  sub->setWindowIcon(ProgramIcon());
  PlaceNewWindow(sub, othersOpen);
  sub->show();
  mdiArea_->setActiveSubWindow(sub);  // its first activation prepares the drawing
}

void frmMain::ResetToNewDrawing(frmDocument* document) {
  ActiveDoc = document;
  CurDwg = static_cast<Integer>(document->ID);
  ResetModel();
  ClearSurface();
  document->SetFileName(NewDrawingName);
  document->SetFileID(document->ID);
  // The drawing record and the first layer are prepared now, not at some
  // later activation: nothing may go on a layer the reset dropped.
  document->Form_Activate();
}

QRect frmMain::DrawingArea() const { return mdiArea_->viewport()->rect(); }

// The offset from one cascaded window to the next: a title bar and a frame,
// so that every caption stays in view.
int frmMain::CascadeStep() const {
  const QStyle* shown = mdiArea_->style();
  return shown->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * shown->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
}

namespace {

// A window's side along an area's side: at least half the area and at
// least `least` pixels where the area has them, at most all of it.
int UsableSide(int wanted, int area, int least) {
  const int floor = std::min(area, std::max(area / 2, least));
  return std::clamp(wanted, floor, std::max(area, floor));
}

// The offset of cascaded window number index (0 first), kept so that a
// window of that size lies wholly inside the area: past the room, the
// cascade starts again at the top left.
int CascadeOffset(int index, int step, int room) {
  if (room <= 0 || step <= 0) return 0;
  return (index * step) % (room + 1);
}

}  // namespace

void frmMain::PlaceNewWindow(QMdiSubWindow* sub, int othersOpen) {
  const QRect area = DrawingArea();
  firstFills_ = othersOpen == 0;
  if (firstFills_) {
    sub->setGeometry(area);  // the only drawing: all of the area
    return;
  }
  const int width = UsableSide(area.width() * NewWindowPercent / 100, area.width(), MinDocWidth);
  const int height = UsableSide(area.height() * NewWindowPercent / 100, area.height(), MinDocHeight);
  const int step = CascadeStep();
  const int x = CascadeOffset(othersOpen, step, area.width() - width);
  const int y = CascadeOffset(othersOpen, step, area.height() - height);
  sub->setGeometry(std::min(x, area.width() - width), std::min(y, area.height() - height), width, height);
}

void frmMain::FitFirstWindow() {
  if (!firstFills_) return;
  const std::vector<frmDocument*> open = OpenDocuments();
  if (open.size() != 1) return;
  auto* sub = qobject_cast<QMdiSubWindow*>(open[0]->parentWidget());
  if (sub && !sub->isMaximized() && !sub->isMinimized()) sub->setGeometry(DrawingArea());
}

void frmMain::Cascade() {
  firstFills_ = false;
  std::vector<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : mdiArea_->subWindowList())
    if (!sub->isHidden() && !sub->isMinimized()) windows.push_back(sub);
  if (windows.empty()) return;
  const QRect area = DrawingArea();
  const int n = static_cast<int>(windows.size());
  const int step = CascadeStep();
  // Each window as large as the cascade leaves room for, and never smaller
  // than half the area: the captions step down and to the right.
  const int width = UsableSide(area.width() - (n - 1) * step, area.width(), MinDocWidth);
  const int height = UsableSide(area.height() - (n - 1) * step, area.height(), MinDocHeight);
  for (int i = 0; i < n; ++i) {
    windows[i]->showNormal();
    const int x = std::min(CascadeOffset(i, step, area.width() - width), area.width() - width);
    const int y = std::min(CascadeOffset(i, step, area.height() - height), area.height() - height);
    windows[i]->setGeometry(x, y, width, height);
    windows[i]->raise();
  }
}

void frmMain::Arrange(int code) {
  switch (code) {
    case ArrangeCascade: Cascade(); return;
    case ArrangeIcons: {
      // Minimised windows in a row along the bottom of the area.
      int x = 0;
      for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        if (!sub->isMinimized()) continue;
        sub->move(x, mdiArea_->viewport()->height() - sub->height());
        x += sub->width();
      }
      return;
    }
    default: break;
  }
  firstFills_ = false;
  // Tiles: horizontal strips one above the other or columns side by side.
  std::vector<QMdiSubWindow*> tiles;
  for (QMdiSubWindow* sub : mdiArea_->subWindowList())
    if (!sub->isHidden() && !sub->isMinimized()) tiles.push_back(sub);
  if (tiles.empty()) return;
  const QRect area = mdiArea_->viewport()->rect();
  const int n = static_cast<int>(tiles.size());
  for (int i = 0; i < n; ++i) {
    tiles[i]->showNormal();
    if (code == ArrangeTileHorizontal)
      tiles[i]->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
    else
      tiles[i]->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
  }
}

void frmMain::ListWindows() {
  for (QAction* entry : windowListItems_) {
    windowMenu_->removeAction(entry);
    entry->deleteLater();
  }
  windowListItems_.clear();
  const std::vector<frmDocument*> open = OpenDocuments();
  if (open.empty()) return;
  windowListItems_.push_back(windowMenu_->addSeparator());
  int number = 0;
  for (frmDocument* document : open) {
    auto* sub = qobject_cast<QMdiSubWindow*>(document->parentWidget());
    const QString caption = QStringLiteral("&%1 %2").arg(++number).arg(document->windowTitle());
    QAction* entry = windowMenu_->addAction(caption);
    entry->setCheckable(true);
    entry->setChecked(sub == mdiArea_->currentSubWindow());
    connect(entry, &QAction::triggered, this, [this, sub = QPointer<QMdiSubWindow>(sub)] {
      if (sub) mdiArea_->setActiveSubWindow(sub);
    });
    windowListItems_.push_back(entry);
  }
}

// ---- File menu ------------------------------------------------------------------------

void frmMain::mnuFileNew_Click() {
  NewDrawing();
  RedrawActive();
}

void frmMain::mnuFileOpen_Click() {
  if (DocWindowCount() == 0) NewDrawing();
  frmDwgSelect chooser(this);
  ShowModal(chooser);
  if (DlgCancelled) {
    RedrawActive();
    return;
  }
  frmDocument* document = ActiveChild();
  if (SelDwgName.empty() || !document) return;
  // The drawing loaded replaces the window's own: a changed one is offered
  // for saving first. That save may change the choice and, saved into
  // another database, the drawings path: the key chosen belongs to the
  // database the chooser listed, so the load reads that one.
  const String chosen = SelDwgName;
  const DbKey chosenID = SelDwgID;
  const String listedFrom = DwgDbPath;
  if (!document->ReleaseChangedDrawing()) return;
  SelDwgName = chosen;
  SelDwgID = chosenID;
  DwgDbPath = listedFrom;
  setCursor(PointerCursor(vbHourglass));
  document->SetMousePointer(vbHourglass);
  RepaintWithoutInput();
  document->LoadFile(SelDwgName);
  document->SetMousePointer(vbArrow);
  setCursor(PointerCursor(vbArrow));
}

void frmMain::mnuFileClose_Click() {
  frmDocument* document = ActiveChild();
  if (!document) return;
  QPointer<frmDocument> closing(document);
  if (!document->ReleaseChangedDrawing() || !closing) return;
  CancelTools();
  if (DocWindowCount() <= 1) {
    ResetToNewDrawing(document);
    return;
  }
  CloseDwg(static_cast<Integer>(document->ID));  // the drawing is gone: closing the window asks nothing more
  document->parentWidget()->close();
}

void frmMain::mnuFileSave_Click() {
  frmDocument* document = ActiveChild();
  if (!document || ObjCount <= BaseObjCount) return;
  frmDwgSave dialog(document, this);
  ShowModal(dialog);
  RepaintWithoutInput();
  RefreshDocView(document);
}

void frmMain::mnuFileSaveComp_Click() {
  if (!ActiveChild() || ItemCount < 1) return;
  ShowCompSave();
  RepaintWithoutInput();
  RedrawActive();
}

void frmMain::mnuFilePageSetup_Click() {
  CommonDialog dialog;
  dialog.DialogTitle = "Page Setup";
  dialog.Flags = cdlPDPrintSetup;
  dialog.ShowPrinter(Printer());
  RedrawActive();
}

void frmMain::mnuFilePrintPreview_Click() {
  frmDocument* document = ActiveChild();
  if (!document) return;
  ShowPreview("Print Preview - " + document->FileName());
  RedrawActive();
}

void frmMain::mnuFilePrint_Click() {
  if (!ActiveChild()) return;
  CommonDialog dialog;
  dialog.DialogTitle = "Print";
  dialog.CancelError = true;
  if (dialog.ShowPrinter(Printer()) == 0) {
    // The standard settings, whatever was chosen in the dialog.
    ApplyPrintJobSettings();
    PrintDrawing();
  }
  RedrawActive();
}

void frmMain::mnuFileExit_Click() { close(); }

// ---- Display menu effects ---------------------------------------------------------------

void frmMain::ShowBars() {
  // A bar hidden with the keyboard in it (the entry box, the font box)
  // would pass the keyboard on to the next widget that takes it, which may
  // be another drawing's window, whose activation ends the command waiting
  // here. The active drawing holds the keyboard while the bars change; then
  // it goes back as after any side trip.
  QWidget* keyboard = KeyboardAtWork();
  // A bar hid the keyboard's box before: the keyboard goes back to it once
  // the box shows again, unless the user has put it elsewhere meanwhile.
  if (keyboardHiddenWithBar_ && keyboard == ActiveChild()) keyboard = keyboardHiddenWithBar_;
  FocusActiveDrawing();
  const auto checked = [this](const char* item) { return MenuItem(QString::fromUtf8(item))->isChecked(); };
  tbToolBar->setVisible(checked("mnuDisplayToolbar"));
  CoolBar1->setVisible(checked("mnuDisplayMsgBar"));
  Toolbar1->setVisible(checked("mnuDisplayDrawBar"));
  Toolbar2->setVisible(checked("mnuDisplayDrawBar2"));
  sbStatusBar->setVisible(checked("mnuDisplayStatusBar"));
  const bool textBar = checked("mnuDisplayTextbar");
  tbTextbar->setVisible(textBar);
  if (textBar && !textBarShown_) FillFontBox();
  textBarShown_ = textBar;
  keyboardHiddenWithBar_ = keyboard && !keyboard->isVisible() ? keyboard : nullptr;
  ReturnKeyboardTo(keyboard);
}

void frmMain::RubberBandingChanged() { RubberLineOn = FlagFalse; }

void frmMain::AbsoluteReadOutChanged() {
  if (CoordAbsolute) return;
  StatusPanel(5)->clear();
  StatusPanel(6)->clear();
}

void frmMain::RelativeReadOutChanged() {
  StatusPanel(7)->clear();
  StatusPanel(8)->clear();
  ShowReadOutPanels();
}

// ---- Help menu ---------------------------------------------------------------------------

void frmMain::ShowHelp(HelpTab Tab) {
  if (!helpWindow_) {
    auto* window = new frmHelp(this);
    HelpError error;
    const HelpOpen opened = window->Load(helpFile_, error);
    if (opened != HelpOpen::Opened) {
      delete window;
      if (opened == HelpOpen::NoHelp) MsgBox(NoHelpMessage);
      else MsgBox("Error " + std::to_string(error.Number) + ": " + error.Description, vbExclamation);
      return;
    }
    helpWindow_ = window;
  }
  helpWindow_->ShowAt(Tab);
}

void frmMain::ShowHelpContents() { ShowHelp(HelpTab::Contents); }
void frmMain::ShowHelpIndex() { ShowHelp(HelpTab::Index); }
void frmMain::ShowHelpSearch() { ShowHelp(HelpTab::Search); }

// ---- Tool-bar buttons ---------------------------------------------------------------------

void frmMain::EditLayers_Click() {
  QAction* editAll = ToolBarButton(QStringLiteral("EditLayers"));
  frmDocument* document = ActiveChild();
  if (!document) {
    editAll->setChecked(!editAll->isChecked());  // nothing to edit: the button stays as it was
    return;
  }
  ActiveDoc = document;
  if (!document->View_Layers) {
    document->Edit_layers = FlagFalse;
    editAll->setChecked(false);
    return;
  }
  document->Edit_layers = Flag(document->Edit_layers == 0);
  editAll->setChecked(document->Edit_layers != 0);
  ShowLayerStatus();
}

void frmMain::ViewLayers_Click() {
  QAction* viewAll = ToolBarButton(QStringLiteral("ViewLayers"));
  frmDocument* document = ActiveChild();
  if (!document) {
    viewAll->setChecked(!viewAll->isChecked());
    return;
  }
  ActiveDoc = document;
  if (document->Current_Layer <= 0) {
    document->View_Layers = FlagTrue;
    ShowLayerStatus();
    return;
  }
  document->View_Layers = Flag(document->View_Layers == 0);
  viewAll->setChecked(document->View_Layers != 0);
  if (!document->View_Layers) {
    document->Edit_layers = FlagFalse;
    ToolBarButton(QStringLiteral("EditLayers"))->setChecked(false);
    tbToolBar->update();
  }
  RefreshDocView(document);
}

void frmMain::Layers_Click() {
  LayerCommand = SetCurrentLayerCode;
  ChooseTool(ToolLayers);
  frmDocument* document = ActiveChild();
  if (!document || document->View_Layers) return;
  document->Edit_layers = FlagFalse;
  ToolBarButton(QStringLiteral("EditLayers"))->setChecked(false);
  ToolBarButton(QStringLiteral("ViewLayers"))->setChecked(false);
  tbToolBar->update();
}

void frmMain::Stop_Click() {
  CancelTools();
  RedrawActive();
}

void frmMain::LineColor_Click() {
  if (ActiveTool == ToolEdits || ActiveTool == ToolSelection) {
    // Cancel recolours nothing and leaves the command running.
    if (ChooseColor("Change Item Color", ChosenColor, ChosenColor)) ChangeSelectedColor();
  } else {
    ChooseColor("Line Color", CurColor, CurColor);  // the colour of new entities
  }
  RedrawActive();
}

// ---- Entry box and font box -----------------------------------------------------------------

namespace {
constexpr Integer KeyAsciiEnter = 13;
constexpr Integer KeyAsciiEscape = 27;
}  // namespace

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
  // The only drawing window fills the area as the area changes size (the
  // first one is opened before the main window is laid out).
  if (watched == mdiArea_->viewport() && event->type() == QEvent::Resize) {
    FitFirstWindow();
    return false;
  }
  // The menu bar takes every Esc, and letters for its menus, even when no
  // menu title is highlighted: then nobody is finding a menu with the keys,
  // and they belong to the command.
  if (watched == menuBar() && event->type() == QEvent::KeyPress && !menuBar()->activeAction())
    return KeyToCommand(*static_cast<QKeyEvent*>(event));
  const bool entryBox = watched == Text3;
  const bool fontBox = Combo1 && (watched == Combo1 || watched == Combo1->lineEdit());
  if (event->type() != QEvent::KeyPress || (!entryBox && !fontBox))
    return QMainWindow::eventFilter(watched, event);
  Integer keyAscii = KeyAsciiOf(*static_cast<QKeyEvent*>(event));
  if (keyAscii == 0) return false;  // a key that types nothing: the box handles it
  // Esc is the commands' in either box, as everywhere else in the window;
  // the boxes keep Enter and the characters typed.
  if (keyAscii == KeyAsciiEscape) {
    EndCommandsByEsc();
    return true;
  }
  if (entryBox)
    Text3_KeyPress(keyAscii);
  else
    Combo1_KeyPress(keyAscii);
  return keyAscii == 0;  // taken: the box does not type it
}

void frmMain::EndCommandsByEsc() {
  DlgCancelled = FlagTrue;
  CancelTools();
  RedrawActive();  // previews, marks and the crosshair of the commands go
}

void frmMain::Text3_KeyPress(Integer& KeyAscii) {
  DlgCancelled = FlagFalse;
  if (KeyAscii == KeyAsciiEnter) {
    TypedText = Text3->text().toStdString();
    ClearPanel3(3);
    SubmitTypedEntry(TextKeyEntry != 0);
    KeyAscii = 0;
    return;
  }
  TypedReady = FlagFalse;
  TypedKey = KeyAscii;
  if (TextKeyEntry && AwaitingInput) SelectTool();
}

void frmMain::Combo1_Click() {
  const int index = Combo1->currentIndex();
  if (index < 0 || index >= FontCount) return;
  FontName = FontNames[index + 1];
  TextCmd = TextCmdFont;
  ChooseTool(ToolText);
}

void frmMain::Combo1_KeyPress(Integer& KeyAscii) {
  if (KeyAscii != KeyAsciiEnter) return;
  KeyAscii = 0;
  const QString text = Combo1->currentText();
  const int index = Combo1->currentIndex();
  const bool entryChosen = index >= 0 && Combo1->itemText(index) == text;
  if (entryChosen || text.isEmpty()) return;
  const String name = text.toStdString();
  for (Long i = 1; i <= FontCount; ++i)
    if (FontNames[i] == name) return;  // known already
  if (FontCount >= MaxFontNames) {
    ShowStatus("ERROR... Font List Full! Name NOT Added", 3);
    return;
  }
  ++FontCount;
  FontNames[FontCount] = name;
  ShowStatus("New Font Name Added", 2);
  FillFontBox();
}

void frmMain::FillFontBox() {
  const QSignalBlocker quiet(Combo1);  // refilling is not a choice of the user
  Combo1->clear();
  int chosen = 0;
  for (Long i = 1; i <= FontCount; ++i) {
    Combo1->addItem(QString::fromStdString(FontNames[i]));
    if (FontNames[i] == FontName) chosen = i - 1;
  }
  if (Combo1->count() > 0) Combo1->setCurrentIndex(chosen);
}

// ---- Keyboard -----------------------------------------------------------------------------

void frmMain::ReturnKeyboard() { ReturnKeyboardTo(KeyboardAtWork()); }

QWidget* frmMain::KeyboardAtWork() const {
  // The main window's focus widget: where its keys go, or go again once it is active.
  QWidget* last = focusWidget();
  return last && last == menuBar() ? keyboardBeforeMenuBar_.data() : last;
}

void frmMain::ReturnKeyboardTo(QWidget* Last) {
  if (!isVisible()) return;
  if (TakesTypedText(Last) && Last->isVisible() && Last->isEnabled()) {
    Last->setFocus();
    return;
  }
  FocusActiveDrawing();
}

void frmMain::ReturnKeyboardFromMenuBar() {
  // The window's focus widget, not the application's: the window system may
  // not have given the main window back its activation yet.
  if (QApplication::activePopupWidget() || focusWidget() != menuBar()) return;
  ReturnKeyboard();
}

bool frmMain::KeyToCommand(const QKeyEvent& event) {
  frmDocument* document = ActiveChild();
  return document && !TakesTypedText(QApplication::focusWidget()) && document->TakeKeyOfMainWindow(event);
}

void frmMain::keyPressEvent(QKeyEvent* event) {
  if (KeyToCommand(*event)) {
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

// ---- Colour chooser --------------------------------------------------------------------

namespace {
constexpr Long ErrInvalidColor = 380;  // the dialog gave a value that is not an RGB colour
constexpr Long MaxRgb = 0xFFFFFF;
}  // namespace

bool frmMain::ChooseColor(const String& Title, Long StartColor, Long& Color) {
  CommonDialog dialog;
  dialog.DialogTitle = Title;
  dialog.Flags = cdlCCRGBInit | cdlCCFullOpen;
  dialog.Color = StartColor;
  dialog.CancelError = true;
  const Long result = dialog.ShowColor();
  if (result == cdlCancel) {
    Color = StartColor;
    return false;
  }
  Long error = result;
  String description = "The colour dialog failed.";
  if (error == 0 && (dialog.Color < 0 || dialog.Color > MaxRgb)) {
    error = ErrInvalidColor;
    description = "Invalid property value";
  }
  if (error == 0) {
    Color = dialog.Color;
    return true;
  }
  MsgBox("Error " + std::to_string(error) + " selecting color.\r\n" + description, vbExclamation, "Error");
  Color = StartColor;  // a failed choice changes nothing
  return false;
}

// ---- Controls by name ---------------------------------------------------------------------

QFrame* frmMain::Band(int band) const {
  if (band < 1 || band > 4) return nullptr;
  return bands_[band - 1];
}

bool frmMain::MessageBarVisible() const { return !CoolBar1->isHidden(); }

QAction* frmMain::BarButton(const QToolBar* bar, const QString& key) const {
  for (QAction* button : bar->actions())
    if (button->objectName() == key) return button;
  return nullptr;
}

QAction* frmMain::ToolBarButton(const QString& key) const { return BarButton(tbToolBar, key); }

bool frmMain::ToolBarVisible() const { return !tbToolBar->isHidden(); }

QLabel* frmMain::StatusPanel(int panel) const {
  if (panel < 1 || panel > StatusPanelCount) return nullptr;
  return statusPanels_[panel - 1];
}

bool frmMain::StatusBarVisible() const { return !sbStatusBar->isHidden(); }

void frmMain::SetPanelStyle(int panel, PanelStyle style) {
  QLabel* label = StatusPanel(panel);
  if (!label || panelStyles_[panel - 1] == style) return;
  panelStyles_[panel - 1] = style;
  label->clear();
  ShowClockPanels();
  const bool anyClock = std::any_of(std::begin(panelStyles_), std::end(panelStyles_),
                                    [](PanelStyle s) { return s != PanelText; });
  if (anyClock) clock_->start();
  else clock_->stop();
}

frmMain::PanelStyle frmMain::StatusPanelStyle(int panel) const {
  return StatusPanel(panel) ? panelStyles_[panel - 1] : PanelText;
}

void frmMain::ShowReadOutPanels() {
  const bool readOut = CoordRelative || CoordPolar;
  SetPanelStyle(7, readOut ? PanelText : PanelDate);
  SetPanelStyle(8, readOut ? PanelText : PanelTime);
}

// The user's short date and time, as the system shows them.
void frmMain::ShowClockPanels() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale;
  for (int panel = 1; panel <= StatusPanelCount; ++panel) {
    switch (panelStyles_[panel - 1]) {
      case PanelDate: StatusPanel(panel)->setText(locale.toString(now.date(), QLocale::ShortFormat)); break;
      case PanelTime: StatusPanel(panel)->setText(locale.toString(now.time(), QLocale::ShortFormat)); break;
      case PanelText: break;
    }
  }
}

QAction* frmMain::MenuItem(const QString& name) const {
  for (QAction* item : menuItems_)
    if (item && item->objectName() == name) return item;
  return nullptr;
}

// ---- What the lower floors ask of the main window ------------------------------------------

DrawingWindow* frmMain::ActiveDrawingWindow() const { return ActiveChild(); }

DrawingWindow* frmMain::DrawingWindowOf(Integer DwgNo) const {
  for (frmDocument* document : OpenDocuments())
    if (document->ID == DwgNo) return document;
  return nullptr;
}

void frmMain::CheckMenuItem(const String& Name, bool Checked) {
  if (QAction* item = MenuItem(QString::fromStdString(Name))) item->setChecked(Checked);
}

void frmMain::EnableMenuItem(const String& Name, bool Enabled) {
  if (QAction* item = MenuItem(QString::fromStdString(Name))) item->setEnabled(Enabled);
}

void frmMain::ShowPageInCaption(Integer DwgNo) {
  setWindowTitle(QString::fromUtf8(AppTitle) + QStringLiteral(" / Page: ") + QString::number(DwgNo));
}

void frmMain::SetUndoItem(const String& Caption) { mnuEditUndo->setText(QString::fromStdString(Caption)); }
// The tool bar's Undo and Redo buttons follow their menu items.
void frmMain::EnableUndoItem(bool Enabled) {
  mnuEditUndo->setEnabled(Enabled);
  if (QAction* button = ToolBarButton(QStringLiteral("Undo"))) button->setEnabled(Enabled);
}
void frmMain::SetRedoItem(const String& Caption) { mnuEditRedo->setText(QString::fromStdString(Caption)); }
void frmMain::EnableRedoItem(bool Enabled) {
  mnuEditRedo->setEnabled(Enabled);
  if (QAction* button = ToolBarButton(QStringLiteral("Redo"))) button->setEnabled(Enabled);
}

namespace {

QLineEdit* MessageBoxOf(const frmMain& main, Integer panel) {
  switch (panel) {
    case 1: return main.Text1;
    case 2: return main.Text2;
    case 3: return main.Text3;
    default: return nullptr;
  }
}

}  // namespace

void frmMain::SetMessageText(Integer Panel, const String& Text) {
  if (QLineEdit* box = MessageBoxOf(*this, Panel)) box->setText(QString::fromStdString(Text));
}

// A band shows the highlight in its window colours, around the box; a box in
// its base colours, behind the text. Off, both take the system's colours
// again, inherited from the main window.
void frmMain::HighlightMessage(Integer Panel, MessagePart Part, bool On) {
  QWidget* widget = Part == MessageBand ? static_cast<QWidget*>(Band(Panel)) : MessageBoxOf(*this, Panel);
  if (!widget) return;
  if (!On) {
    widget->setPalette(QPalette());
    return;
  }
  const bool band = Part == MessageBand;
  QPalette palette = widget->palette();
  palette.setColor(band ? QPalette::Window : QPalette::Base, ToQColor(PanelHighlightBack));
  palette.setColor(band ? QPalette::WindowText : QPalette::Text, ToQColor(PanelHighlightText));
  widget->setPalette(palette);
}

void frmMain::FocusEntryBox() { Text3->setFocus(); }

void frmMain::FocusActiveDrawing() {
  if (frmDocument* window = ActiveChild()) window->setFocus();
}

void frmMain::SetStatusText(Integer Panel, const String& Text) {
  if (StatusPanelStyle(Panel) != PanelText) return;  // the clock owns date and time panels
  if (QLabel* panel = StatusPanel(Panel)) panel->setText(QString::fromStdString(Text));
}

void frmMain::ShowLayerButtons(bool ViewAll, bool EditAll) {
  if (!ToolBarVisible()) return;
  if (QAction* button = ToolBarButton(QStringLiteral("ViewLayers"))) button->setChecked(ViewAll);
  if (QAction* button = ToolBarButton(QStringLiteral("EditLayers"))) button->setChecked(EditAll);
}

// ---- The main window and its registration ----------------------------------------------------

frmMain* MainForm = nullptr;

namespace {
MainWindowLink* MainFormLink() { return MainForm; }
void ReturnMainKeyboard() {
  if (MainForm) MainForm->ReturnKeyboard();
}
void PlugMainWindow() {
  SetMainLinkLookup(MainFormLink);
  SetModalEndRoutine(ReturnMainKeyboard);
}
void ResetMainWindow() { MainForm = nullptr; }
const ModuleRegistrar Registered({"frmMain", FloorApp, ResetMainWindow, {}, PlugMainWindow});
}  // namespace

}  // namespace lintavo
