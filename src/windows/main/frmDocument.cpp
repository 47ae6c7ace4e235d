// frmDocument: the drawing window: its public methods, loading and saving
// its drawing, and its load, activate, resize and unload events.
//
// Sections:
//   Construction
//   Public methods
//   Loading and saving
//   Services of the view routines
//   Events
//   Helpers
//   Ending a command
//   Pointer and keyboard input: Qt events
//   Pointer: mouse down, move and up
//   Pointer: snapping the cursor
//   Pointer: crosshair
//   Keyboard
#include "windows/main/frmDocument.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "annotation/Dimension.h"
#include "annotation/Texthand.h"
#include "windows/main/frmMain.h"
#include "commands/Edits.h"
#include "commands/GripFrame.h"
#include "commands/LineDraw.h"
#include "windows/edit/frmLineProperties.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/LayerItems.h"
#include "model/MainWindowLink.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "model/UndoRedo.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "platform/Colors.h"
#include "platform/Gdi.h"
#include "platform/Numbers.h"
#include "platform/Modal.h"
#include "platform/Pointers.h"
#include "platform/Prompts.h"
#include "platform/Repaint.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "windows/file/frmDwgSave.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "view/Grids.h"
#include "view/Outline.h"
#include "view/Rubber.h"
#include "view/RubberObject.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {
// The drawing window last brought forward; null before the first and once it
// is gone. Activations of the same window again (after a dialog) leave the
// bars alone.
QPointer<frmDocument> WindowForward;
}  // namespace

// ---- Construction ------------------------------------------------------------------

frmDocument::frmDocument(QWidget* parent) : SurfaceWidget(parent) {
  setMouseTracking(true);  // the crosshair and the read-out follow the mouse with no button held
}

frmDocument::~frmDocument() {
  // Nothing may draw on a window that is gone.
  if (ActiveDoc == static_cast<Surface*>(this)) ActiveDoc = nullptr;
}

// ---- Public methods ----------------------------------------------------------------

void frmDocument::SetFileName(const String& value) {
  docFileName_ = value;
  setWindowTitle(value.empty() ? QStringLiteral("(no Name)") : QString::fromStdString(value));
}

bool frmDocument::CanPaste() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasImage();
}

// ---- Loading and saving ------------------------------------------------------------

void frmDocument::LoadFile(const String& sFile) {
  if (sFile.empty()) return;
  MakeCurrent();
  SetMousePointer(vbHourglass);
  // A window that never prepared its drawing starts from a fresh record, not
  // from one an earlier window with the same number left behind.
  if (!DrawingPrepared()) NewDwgRec(CurDwg);
  SetFileName(sFile);
  EraseDwgObjs(CurDwg);
  EraseDwgItems(CurDwg);
  ShowStatus("Loading Drawing", 1);
  ShowStatus(" " + Dwgs[CurDwg].Name, 2);
  ShowStatus("Please Wait", 3);
  DwgRec& dwg = Dwgs[CurDwg];
  dwg.Name = SelDwgName;
  dwg.DrawID = SelDwgID;
  dwg.SourceDbPath = DwgDbPath;

  const bool loaded = LoadDrawing();
  StartUndoHistory(CurDwg);  // nothing loaded can be undone
  EnsureTextFonts();
  ObjIndexBringUpToDate();  // laid out with the load, not at the first click
  SelectLoadedLayer();
  View_Layers = FlagTrue;
  Edit_layers = FlagFalse;
  MarkDrawingPrepared();
  StartZoomAll();

  // A drawing that did not load is not the stored drawing: it keeps its
  // changed state, and the user is told.
  const String& name = Dwgs[CurDwg].Name;
  if (loaded) {
    ShowStatus("Drawing Loaded", 1);
    ShowStatus(" " + name, 2);
    ShowStatus("", 3);  // the wait is over
    ClearDrawingChanged(ID);
  } else {
    ShowStatus("ERROR... Drawing NOT Loaded: " + name, 3);
  }
  SetMousePointer(vbArrow);
}

void frmDocument::SaveFile(const String& sFile) {
  if (sFile.empty()) return;
  // The window saved is the one redrawn afterwards.
  MakeCurrent();
  SetMousePointer(vbHourglass);
  DwgRec& dwg = Dwgs[CurDwg];
  // A new name, revision or database makes a new stored drawing: no key yet.
  if (sFile != dwg.Name) {
    SetFileName(sFile);
    dwg.Name = SelDwgName;
    dwg.DrawID = 0;
    dwg.Revision = CurRevision;
  }
  if (CurRevision != dwg.Revision) {
    dwg.DrawID = 0;
    dwg.Revision = CurRevision;
  }
  if (DwgDbPath != dwg.SourceDbPath) dwg.DrawID = 0;
  SetFileName(dwg.Name);

  MeasureDrawingForSave();
  const bool saved = SaveDrawing(CurDwg);
  SetMousePointer(vbArrow);
  CancelTools();
  RefreshDocView(this);
  if (saved) {
    ShowStatus("Saved Drawing", 1);
    ShowStatus(" " + Dwgs[CurDwg].Name, 2);
  } else {
    ShowStatus("ERROR... Drawing NOT Saved: " + Dwgs[CurDwg].Name, 3);
  }
}

void frmDocument::MeasureDrawingForSave() {
  MakeCurrent();
  ComputeDrawingExtents();
}

// ---- Services of the view routines -------------------------------------------------

void frmDocument::MeasureDrawingArea() {
  ScaleMode = vbPixels;
  View_MinX = RoundToLong(ScaleLeft());
  View_Miny = RoundToLong(ScaleTop());
  View_Maxx = RoundToLong(ScaleWidth());
  View_Maxy = RoundToLong(ScaleHeight());
}

void frmDocument::SetMousePointer(int pointer) { setCursor(PointerCursor(pointer)); }

void frmDocument::SetPointerCursor(const QCursor& cursor) { setCursor(cursor); }

void frmDocument::TakeKeyboardFocus() { setFocus(); }

// ---- Events ------------------------------------------------------------------------

void frmDocument::showEvent(QShowEvent* event) {
  SurfaceWidget::showEvent(event);
  if (!loaded_) Form_Load();
}

void frmDocument::resizeEvent(QResizeEvent* event) {
  SurfaceWidget::resizeEvent(event);  // the surface takes the new size first
  Form_Resize();
}

void frmDocument::closeEvent(QCloseEvent* event) {
  Integer cancel = FlagFalse;
  Form_Unload(cancel);
  if (cancel) {
    event->ignore();
    return;
  }
  // The drawing number goes back: a later window with it starts empty.
  CloseDwg(static_cast<Integer>(ID));
  event->accept();
}

void frmDocument::leaveEvent(QEvent* event) {
  SurfaceWidget::leaveEvent(event);
  RemovePointerImages();
}

void frmDocument::Form_Load() {
  loaded_ = true;
  InitView(*this);
}

void frmDocument::Form_Activate() {
  if (!loaded_) Form_Load();
  EndCommandOfOtherDrawing();
  MakeCurrent();
  // The drawers read the view cache: it must describe this window from now on.
  LoadViewCache();
  if (WindowForward != this) TakeOverBars();
  if (DrawingPrepared()) {
    if (MainForm) MainForm->ShowPageInCaption(static_cast<Integer>(ID));
    ShowUndoState();  // the Edit items show this drawing's steps
    // Drawn whole at the size it is shown at (a maximised window is resized
    // before it becomes the active one, when nothing can be drawn), and the
    // status bar reads its view and layer.
    RedrawView();
    return;
  }
  NewDwgRec(CurDwg);
  NewFirstLayer(*this);
  View_Layers = FlagTrue;
  Edit_layers = FlagFalse;
  MarkDrawingPrepared();
  ShowLayerButtons();  // edit all up, view all down
  if (DefDwgWidth > 0)
    StartZoomAll();
  else
    RedrawView();
}

void frmDocument::Form_Resize() {
  if (!loaded_) return;  // the view set-up measures the area itself
  ScaleMode = vbPixels;
  if (RoundToLong(ScaleWidth()) == View_Maxx && RoundToLong(ScaleHeight()) == View_Maxy) return;
  if (ActiveDoc && ActiveDoc != static_cast<Surface*>(this) && !ActiveDocForm()) {
    // A dialog's preview picture (or the printer) is the drawing target: the
    // window must not take it, or the preview would draw here with the
    // picture's view. It takes its new size now; the opener redraws it when
    // the dialog gives the target back.
    MeasureDrawingArea();
    UpdateWorldWindow(*this);
    return;
  }
  MakeCurrent();
  MeasureDrawingArea();
  // The world window follows the area, so the drawers' culling covers what
  // the larger area now shows.
  UpdateWorldWindow();
  RefreshActiveView();
  // Tile and Cascade resize the other windows too: the active one stays current.
  if (!IsActiveWindow()) MakeActiveWindowCurrent();
}

void frmDocument::Form_Unload(Integer& Cancel) {
  MakeCurrent();
  if (!ReleaseChangedDrawing()) Cancel = FlagTrue;
}

bool frmDocument::ReleaseChangedDrawing() {
  EndDimensionWaitingHere();
  if (!IsDirty) return true;
  MakeCurrent();
  const String name = ID >= 0 && ID <= MaxDwgNo ? Dwgs[ID].Name : String();
  // The window's file name stands on a line of its own below the question.
  // Esc and the question's close box answer Cancel: nothing is lost by a key.
  String question = "Drawing Has Changed! Do You want to Save the Drawing?";
  if (!FileName().empty()) question += "\r\n" + FileName();
  const int answer = MsgBox(question, vbYesNoCancel, "Close Drawing: " + name);
  if (answer == vbCancel) return false;
  if (answer == vbNo) return true;
  // The save dialog, never a silent save: a drawing never saved gets its
  // name there, and a stored drawing of that name and revision is replaced
  // only after its own question.
  QPointer<frmDocument> self(this);
  frmDwgSave dialog(this, MainForm);
  ShowModal(dialog);
  if (!self) return false;
  RepaintWithoutInput();
  RefreshDocView(this);
  return !IsDirty;  // a save cancelled or failed keeps the drawing
}

// ---- Helpers -----------------------------------------------------------------------

void frmDocument::TakeOverBars() {
  WindowForward = this;
  // What another window's command left in the message bar is not about this drawing.
  ClearPrompts();
  ShowCursorReadOut();
}

void frmDocument::MakeCurrent() {
  CurDwg = static_cast<Integer>(ID);
  const bool wasActive = ActiveDoc == static_cast<Surface*>(this);
  ActiveDoc = this;
  // The drawers read the view cache: it must describe the surface they draw on.
  if (!wasActive && loaded_) LoadViewCache();
}

bool frmDocument::IsActiveWindow() const {
  const DrawingWindow* active = MainForm ? MainForm->ActiveDrawingWindow() : nullptr;
  return !active || active == this;
}

void frmDocument::MakeActiveWindowCurrent() {
  if (frmDocument* active = MainForm ? MainForm->ActiveChild() : nullptr) active->MakeCurrent();
}

// ---- Ending a command ----------------------------------------------------------------

void frmDocument::CancelCommand() {
  // Previews, marks and the crosshair of the commands go with them; the
  // redraw follows the cancel, which puts the display options back.
  const bool redraw = RemoveCommandImages();
  DlgCancelled = FlagTrue;
  CancelTools();
  if (redraw) RefreshDocView(this);
}

void frmDocument::EndCommandOfOtherDrawing() {
  // CommandDwg 0: no command was dispatched in any drawing.
  if (!CommandRunning() || CommandDwg == 0 || CommandDwg == ID) return;
  // A command whose window is gone has nothing left to show: Esc here ends it.
  auto* owner = dynamic_cast<frmDocument*>(WindowOfDrawing(CommandDwg));
  if (!owner) owner = this;
  owner->MakeCurrent();
  owner->CancelCommand();
}

void frmDocument::EndDimensionWaitingHere() {
  // A dimension makes its layer when it starts and takes it back on Esc; a
  // command of another drawing is not this window's to end.
  if (!DimensionWaitsIn(ID)) return;
  MakeCurrent();
  CancelCommand();
}

bool frmDocument::DrawingPrepared() const { return prepared_ && preparedAtReset_ == ModelResets; }

void frmDocument::MarkDrawingPrepared() {
  prepared_ = true;
  preparedAtReset_ = ModelResets;
}

void frmDocument::SelectLoadedLayer() {
  Current_Layer = FirstLayerOfDrawing(static_cast<Integer>(ID));
  if (Current_Layer > 0) return;
  NewLayer();
  Current_Layer = ItemCount;
}

void frmDocument::StartZoomAll() {
  MarkExtentsChanged(static_cast<Integer>(ID));
  ZoomCommand = ZoomAllCode;
  ActiveTool = ToolZooms;
  SelectTool();
}

// ---- Pointer and keyboard input: Qt events -------------------------------------------

namespace {

Integer ButtonCode(Qt::MouseButtons buttons) {
  Integer code = 0;
  if (buttons & Qt::LeftButton) code |= vbLeftButton;
  if (buttons & Qt::RightButton) code |= vbRightButton;
  if (buttons & Qt::MiddleButton) code |= vbMiddleButton;
  return code;
}

Integer ShiftCode(Qt::KeyboardModifiers modifiers) {
  Integer code = 0;
  if (modifiers & Qt::ShiftModifier) code |= vbShiftMask;
  if (modifiers & Qt::ControlModifier) code |= vbCtrlMask;
  if (modifiers & Qt::AltModifier) code |= vbAltMask;
  return code;
}

// Key codes of the keys the window acts on (33 to 47).
constexpr Integer vbKeyPageUp = 33;
constexpr Integer vbKeyPageDown = 34;
constexpr Integer vbKeyEnd = 35;
constexpr Integer vbKeyHome = 36;
constexpr Integer vbKeyLeft = 37;
constexpr Integer vbKeyUp = 38;
constexpr Integer vbKeyRight = 39;
constexpr Integer vbKeyDown = 40;
constexpr Integer vbKeySelect = 41;
constexpr Integer vbKeyPrint = 42;
constexpr Integer vbKeyExecute = 43;
constexpr Integer vbKeySnapshot = 44;
constexpr Integer vbKeyInsert = 45;
constexpr Integer vbKeyDelete = 46;
constexpr Integer vbKeyHelp = 47;
constexpr Integer FirstActionKey = vbKeyPageUp;
constexpr Integer LastActionKey = vbKeyHelp;
// The text command receives these keys as TypedKey = key code + this offset
// (PageUp 197 ... Down 204, Insert 209, Delete 210), above every character code.
constexpr Integer TextKeyOffset = 164;
// The crosshair step of the arrow keys runs 1, 2, 4 ... 64 pixels and wraps.
constexpr Integer MaxKeyStep = 64;

// Character codes of the keys that end or cancel typed input.
constexpr Integer KeyAsciiBackspace = 8;
constexpr Integer KeyAsciiEnter = 13;
constexpr Integer KeyAsciiEscape = 27;
constexpr Integer FirstPrintable = 32;
constexpr Integer KeyAsciiDelete = 127;

// The key code of a Qt key in 33 to 47, or 0.
Integer KeyCodeOf(int key) {
  switch (key) {
    case Qt::Key_PageUp: return vbKeyPageUp;
    case Qt::Key_PageDown: return vbKeyPageDown;
    case Qt::Key_End: return vbKeyEnd;
    case Qt::Key_Home: return vbKeyHome;
    case Qt::Key_Left: return vbKeyLeft;
    case Qt::Key_Up: return vbKeyUp;
    case Qt::Key_Right: return vbKeyRight;
    case Qt::Key_Down: return vbKeyDown;
    case Qt::Key_Select: return vbKeySelect;
    case Qt::Key_Printer: return vbKeyPrint;
    case Qt::Key_Execute: return vbKeyExecute;
    case Qt::Key_Print: return vbKeySnapshot;
    case Qt::Key_Insert: return vbKeyInsert;
    case Qt::Key_Delete: return vbKeyDelete;
    case Qt::Key_Help: return vbKeyHelp;
    default: return 0;
  }
}

}  // namespace

Integer KeyAsciiOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyAsciiEnter;
    case Qt::Key_Escape: return KeyAsciiEscape;
    case Qt::Key_Backspace: return KeyAsciiBackspace;
    default: break;
  }
  const QString text = event.text();
  if (text.size() != 1) return 0;
  const char16_t code = text.at(0).unicode();
  if (code < FirstPrintable || code == KeyAsciiDelete || code > 0x7FFF) return 0;
  return static_cast<Integer>(code);
}

void frmDocument::mousePressEvent(QMouseEvent* event) {
  Form_MouseDown(ButtonCode(event->button()), ShiftCode(event->modifiers()),
                 ToSingle(event->position().x()), ToSingle(event->position().y()));
}

void frmDocument::mouseMoveEvent(QMouseEvent* event) {
  Form_MouseMove(ButtonCode(event->buttons()), ShiftCode(event->modifiers()),
                 ToSingle(event->position().x()), ToSingle(event->position().y()));
}

void frmDocument::mouseReleaseEvent(QMouseEvent* event) {
  Form_MouseUp(ButtonCode(event->button()), ShiftCode(event->modifiers()),
               ToSingle(event->position().x()), ToSingle(event->position().y()));
}

void frmDocument::keyPressEvent(QKeyEvent* event) {
  const Integer keyCode = KeyCodeOf(event->key());
  const Integer keyAscii = KeyAsciiOf(*event);
  if (keyCode == 0 && keyAscii == 0) {
    SurfaceWidget::keyPressEvent(event);  // not the window's key: the parents may want it
    return;
  }
  if (keyCode != 0) Form_KeyDown(keyCode, ShiftCode(event->modifiers()));
  if (keyAscii != 0) Form_KeyPress(keyAscii);
  event->accept();
}

bool frmDocument::TakeKeyOfMainWindow(const QKeyEvent& event) {
  // Ctrl, Alt and Meta make a key a shortcut, never typed text.
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const Integer keyAscii = KeyAsciiOf(event);
  if (keyAscii == 0) return false;
  Form_KeyPress(keyAscii);
  return true;
}

// ---- Pointer: mouse down, move and up --------------------------------------------------

void frmDocument::Form_MouseDown(Integer Button, Integer, Single X, Single Y) {
  EndCommandOfOtherDrawing();
  MakeCurrent();
  SetCursorFromMouse(X, Y);
  MouseX = CursorPixX;
  MouseY = CursorPixY;
  if (Button == vbRightButton) {
    ShowSelectionProperties();
    return;
  }
  if (Button != vbLeftButton) return;
  TakeLeftClick();
}

void frmDocument::TakeLeftClick() {
  if (Cursorison) EraseCrosshair();
  if (RubberBusy) EraseRubber();
  if (RubberShown) EraseWindowBox();
  if (CentreLineShown) EraseCentreLine();
  PanDragFirst = FlagTrue;
  // The ortho rule lines the new point up with the point picked before it.
  PrevPickX = PickX;
  PrevPickY = PickY;
  SnapCursorPoint(PickX, PickY);
  // The previews start from the point stored, whatever the command makes of PickX.
  RubberClickX = PickX;
  RubberClickY = PickY;
  ++ToolStep;
  if (ToolStep == 1) {
    PrevPickX = PickX;
    PrevPickY = PickY;
    StartRubber(CursorPixX, CursorPixY);
  }
  // A click changes no drawing: the entity it completes marks it changed.
  if (LineDrawActive && RubberBanding) RubberLineOn = FlagTrue;
  // A grip is taken where the pointer was pressed, not where a snap put the cursor.
  if (GroupDragOn) GroupEditMouseDown(MouseX, MouseY, CursorPixX, CursorPixY);
  if (AwaitingInput) {
    ActiveDoc = this;
    SelectTool();
  }
}

void frmDocument::ShowSelectionProperties() {
  // The step ends here: its previews and marks go with it.
  if (ToolStep > 0 && RemoveCommandImages()) RedrawView();
  ToolStep = 0;
  if (!AnythingSelected()) return;
  SaveViewWindow();
  ShowLineProperties();
  ActiveDoc = this;
  RestoreViewWindow();  // the dialog may have changed entities: redraw
}

void frmDocument::Form_MouseMove(Integer Button, Integer, Single X, Single Y) {
  // The pointer over a window behind the active one is no input: nothing is
  // drawn there and its drawing does not become the current one.
  if (!IsActiveWindow()) return;
  MakeCurrent();
  SetCursorFromMouse(X, Y);
  SnapCursor();
  pointerSeen_ = true;
  ShowCursorReadOut();
  if (Button == vbLeftButton && ActiveTool == ToolNone) {
    PanByDrag();
    return;
  }
  if (Cursorison) EraseCrosshair();
  if (ShowSnapCursor || !ShowRealCursor) DrawCrosshair(CursorPixX, CursorPixY);
  if (ToolStep > 0) DrivePreviews();
}

void frmDocument::PanByDrag() {
  if (PanDragFirst) {
    SetMousePointer(vbSizeAll);
    GridShown = FlagFalse;
    PanDragFirst = FlagFalse;
  }
  DragPan(CursorPixX, CursorPixY);
}

void frmDocument::DrivePreviews() {
  if (RubberCentreOn) RubberCentreLine(CursorPixX, CursorPixY);
  if (RubberWindowOn) RubberWindowBox(CursorPixX, CursorPixY);
  if (RubberLineOn) UpdateRubber(CursorPixX, CursorPixY);
  if (RubberPolygonOn) RubberPolygonBox(CursorPixX, CursorPixY);
  if (RubberObjectOn) DrawRubberObject(CursorPixX, CursorPixY);
  if (OutlineOn) DrawOutlinePreview(CursorWorldX, CursorWorldY);
  if (GroupDragOn) GroupEditMouseMove(CursorPixX, CursorPixY);
}

void frmDocument::ShowCursorReadOut() {
  // A window the pointer never crossed has no place of its own to show.
  const auto show = [this](const String& Text, Integer Panel) { SetPanelText(pointerSeen_ ? Text : "", Panel); };
  if (CoordAbsolute) {
    show("X = " + FormatLength(CursorWorldX), 5);
    show("Y = " + FormatLength(CursorWorldY), 6);
  }
  const Double dx = CursorWorldX - PickX;
  const Double dy = CursorWorldY - PickY;
  if (CoordRelative) {
    show("^X = " + FormatLength(dx), 7);
    show("^Y = " + FormatLength(dy), 8);
  } else if (CoordPolar) {
    const Double distance = std::sqrt(dx * dx + dy * dy);
    Single angle = LineAngleD(PickX, PickY, CursorWorldX, CursorWorldY);
    show("D = " + FormatLength(distance), 7);
    show("A = " + FormatAngleValue(angle), 8);
  }
}

bool frmDocument::PreviewsNeedRedraw() {
  // These keep no state to be drawn again from: only a redraw removes them.
  return ToolStep > 0 && (OutlineOn || RubberObjectOn || GroupDragOn);
}

void frmDocument::ErasePointerImages() {
  if (Cursorison) EraseCrosshair();
  // The previews are on the surface that was active when they were drawn.
  if (ActiveDoc != static_cast<Surface*>(this)) return;
  if (RubberBusy) EraseRubber();
  if (RubberShown) EraseWindowBox();
  if (CentreLineShown) EraseCentreLine();
}

void frmDocument::RemovePointerImages() {
  // A command past its first click may show marks of the points it took
  // and previews that keep no state: the model is drawn afresh, which
  // forgets every preview; the next move draws them anew.
  if (ActiveDoc == static_cast<Surface*>(this) && ToolStep > 0) {
    RedrawView();
    return;
  }
  ErasePointerImages();
}

bool frmDocument::RemoveCommandImages() {
  // The marks of points a command picked and of the entities it drew are
  // drawn while the construction points show, which the command switched
  // on for itself: only a redraw takes them off.
  const bool redraw = ShowConPnts || PreviewsNeedRedraw();
  ErasePointerImages();
  return redraw;
}

void frmDocument::Form_MouseUp(Integer, Integer, Single, Single) {
  MakeCurrent();
  if (GroupDragOn) GroupEditMouseUp();
  if (ActiveTool != ToolNone) return;
  // The drag anchor goes, so that the next drag does not jump.
  DragLastX = DragLastY = 0;
  GridShown = GridOn;
  SetMousePointer(vbArrow);
}

// ---- Pointer: snapping the cursor ------------------------------------------------------

namespace {

// A value rounded to the nearest multiple of a spacing, halves to even; an
// axis without a positive spacing has no grid and keeps its value.
Double SnapToSpacing(Double value, Single spacing) {
  if (spacing <= 0) return value;
  return RoundHalfEven(value / spacing) * spacing;
}

}  // namespace

void frmDocument::SetCursorFromMouse(Single X, Single Y) {
  CursorPixX = RoundToInteger(X);
  CursorPixY = RoundToInteger(View_Maxy - Y);
}

void frmDocument::RawCursorPoint(Double& X, Double& Y) const {
  X = (CursorPixX - static_cast<Double>(VbaseX)) / XVscale;
  Y = (CursorPixY - static_cast<Double>(Vbasey)) / YVscale;
}

void frmDocument::MoveCursorTo(Double X, Double Y) {
  CursorPixX = RoundToInteger(X * XVscale + VbaseX);
  CursorPixY = RoundToInteger(Y * YVscale + Vbasey);
}

void frmDocument::SnapCursorPoint(Double& X, Double& Y) {
  RawCursorPoint(X, Y);
  if (GridSnap) {
    X = SnapToSpacing(X, GridX);
    Y = SnapToSpacing(Y, GridY);
    MoveCursorTo(X, Y);
    return;
  }
  if (OrthoSnap && ToolStep >= 1) {
    // Equal distances give a vertical line.
    if (std::fabs(PrevPickY - Y) >= std::fabs(PrevPickX - X))
      X = PrevPickX;
    else
      Y = PrevPickY;
    MoveCursorTo(X, Y);
    return;
  }
  if (!ToleranceSnap && !NearestSnap) return;
  Long objNo = 0;
  Single dist = 0;
  NearestObjPoint(X, Y, objNo, dist);
  // Tolerance snap keeps only a point within reach; nearest snap takes any found.
  const bool keep = !ToleranceSnap || (objNo != 0 && dist < PickTolerance);
  if (keep)
    MoveCursorTo(X, Y);
  else
    RawCursorPoint(X, Y);
}

void frmDocument::SnapCursor() { SnapCursorPoint(CursorWorldX, CursorWorldY); }

// ---- Pointer: crosshair ----------------------------------------------------------------

void frmDocument::DrawCrosshair(Integer x, Integer y) {
  if (Cursorison) EraseCrosshair();
  if (!SnapCursorOn) return;
  DrawCrosshairImage(x, y);
  // Remembered here, not by the handlers: only the drawn place removes it.
  CrossPixX = x;
  CrossPixY = y;
  Cursorison = FlagTrue;
}

void frmDocument::EraseCrosshair() {
  DrawCrosshairImage(CrossPixX, CrossPixY);
  Cursorison = FlagFalse;
}

void frmDocument::DrawCrosshairImage(Single x, Single y) {
  ForeColor = CursorColor;
  DrawMode = vbNotXorPen;
  DrawStyle = vbSolid;
  DrawWidth = 1;  // a wider pen left by a drawer would not be removed by a thin one
  const Single half = PixelsPerUnit * CursorSize;
  DrawCrossLines(x - half, y, x + half, y);
  DrawCrossLines(x, y - half, x, y + half);
  if (ToleranceSnap) {
    ForeColor = ColorGreen;
    const Long r = RoundToLong(PickTolerance * XVscale);
    if (r > 0) DrawCursorCircle(x, y, static_cast<Single>(r));
  }
  DrawMode = vbCopyPen;
}

void frmDocument::DrawCrossLines(Single x1, Single y1, Single x2, Single y2) {
  MoveToEx(hDC(), RoundToLong(x1), RoundToLong(View_Maxy - y1), nullptr);
  LineTo(hDC(), RoundToLong(x2), RoundToLong(View_Maxy - y2));
}

void frmDocument::DrawCursorCircle(Single x, Single y, Single r) {
  ScaleMode = vbPixels;
  Circle(x, View_Maxy - y, r);
}

void frmDocument::MoveCursorByKey(Long x, Long y) {
  CursorPixX = static_cast<Integer>(std::clamp(x, View_MinX, View_Maxx));
  CursorPixY = static_cast<Integer>(std::clamp(y, View_Miny, View_Maxy));
  DrawCrosshair(CursorPixX, CursorPixY);
}

// ---- Keyboard --------------------------------------------------------------------------

void frmDocument::Form_KeyDown(Integer KeyCode, Integer) {
  if (KeyCode < FirstActionKey || KeyCode > LastActionKey) return;
  EndCommandOfOtherDrawing();
  MakeCurrent();
  if (TextKeyEntry && AwaitingInput) {
    TypedReady = FlagFalse;
    TypedKey = static_cast<Integer>(KeyCode + TextKeyOffset);
    SelectTool();
    return;
  }
  switch (KeyCode) {
    case vbKeyPageUp:
      if (KeyStepX < MaxKeyStep) {
        KeyStepX = static_cast<Integer>(KeyStepX * 2);
        KeyStepY = static_cast<Integer>(KeyStepY * 2);
      } else {
        KeyStepX = KeyStepY = 1;
      }
      break;
    case vbKeyPageDown:
      if (KeyStepX > 1) {
        KeyStepX = RoundToInteger(KeyStepX / 2.0);
        KeyStepY = std::max<Integer>(RoundToInteger(KeyStepY / 2.0), 1);
      } else {
        KeyStepX = KeyStepY = MaxKeyStep;
      }
      break;
    // Pixel y counts upward: Up adds to it, Down takes from it.
    case vbKeyLeft: MoveCursorByKey(CursorPixX - KeyStepX, CursorPixY); break;
    case vbKeyUp: MoveCursorByKey(CursorPixX, CursorPixY + KeyStepY); break;
    case vbKeyRight: MoveCursorByKey(CursorPixX + KeyStepX, CursorPixY); break;
    case vbKeyDown: MoveCursorByKey(CursorPixX, CursorPixY - KeyStepY); break;
    case vbKeyDelete:
      // The erase edit command runs on the selection.
      EditCommand = EditEraseCode;
      ChooseTool(ToolEdits);
      break;
    default: break;
  }
}

void frmDocument::Form_KeyPress(Integer KeyAscii) {
  EndCommandOfOtherDrawing();
  MakeCurrent();
  TypedKey = KeyAscii;
  if (TextKeyEntry && AwaitingInput) {
    SelectTool();  // the text command reads TypedKey
    return;
  }
  if (KeyAscii == KeyAsciiEscape) {
    CancelCommand();
    return;
  }
  if (KeyAscii == KeyAsciiEnter) {
    entryComplete_ = true;
    SubmitTypedEntry(false);  // the command reads TypedText; the text command took the key above
    return;
  }
  AddTypedCharacter(KeyAscii);
}

void frmDocument::AddTypedCharacter(Integer KeyAscii) {
  // A control character (Backspace) is a key for the text command, not text.
  if (KeyAscii < FirstPrintable || KeyAscii == KeyAsciiDelete) return;
  // The first character after Enter begins a new value: an entry once
  // completed is never extended by the next one.
  if (entryComplete_) {
    TypedText.clear();
    entryComplete_ = false;
  }
  TypedText += QString(QChar(static_cast<char16_t>(KeyAscii))).toStdString();
  TypedReady = FlagFalse;
}

}  // namespace lintavo
