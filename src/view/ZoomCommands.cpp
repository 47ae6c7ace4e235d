// ZoomCommands: the zoom and pan commands of tool 12 and their dispatcher.
//
// Every command works on the active drawing window (ActiveDocForm) and its
// drawing (CurDwg, which the dispatcher makes that window's ID). A zoom
// factor is accepted only when it is above 0 and finite: a typed scale of 0,
// an entry that is not a number, or a factor halved or doubled out of range
// leaves the view as it is.
//
// Sections:
//   Module state
//   Titles, prompts and pointers
//   Helpers
//   Fits: all, full drawing, limits, window
//   Scale, in and out, previous, pans
//   Dispatcher
//   Services for other commands
//   Leaving the command
//   Reset
#include "view/ZoomCommands.h"

#include <cmath>
#include <utility>

#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/MessageBar.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "model/ViewCache.h"
#include "platform/Numbers.h"
#include "platform/Pointers.h"
#include "platform/Services.h"
#include "view/Rubber.h"

namespace lintavo {

// ---- Module state ------------------------------------------------------------------

Integer LastZoomCommand = 0;
Double ZoomExtMinX = 0, ZoomExtMinY = 0, ZoomExtMaxX = 0, ZoomExtMaxY = 0;

namespace {

// ---- Titles, prompts and pointers -----------------------------------------------------

constexpr const char* PromptFirstCorner = "Place First Corner of Window >";
constexpr const char* PromptOppositeCorner = "Place Opposite Corner of Window >";
constexpr const char* PromptZoomScale = "Enter ZOOM Scale >";
constexpr const char* PromptZoomCentre = "Enter Center of ZOOM >";
// Panel 3 after a typed scale that changes nothing (0, or not a number).
constexpr const char* MessageScaleRefused = "ZOOM Scale Not Valid! View Unchanged";
constexpr const char* MessageRescaled = "Drawing ReScaled ";
constexpr const char* MagnifierCursorFile = "\\magnify.cur";  // in the application folder

constexpr Integer EntryPanel = 3;  // the message panel that is also the entry box

// Panel 1 the command's title, panel 2 its prompt (empty for the one-shot commands).
void ShowTitle(const char* title, const char* prompt = "") {
  ShowStatus(title, 1);
  ShowStatus(prompt, 2);
}

// The magnifier of the cursor file; the cross when the file is missing or unreadable.
void ShowMagnifier(DrawingWindow& window) {
  const QCursor magnifier = LoadCursorFile(AppFilePath(MagnifierCursorFile), PointerCursor(vbCrosshair));
  window.SetPointerCursor(PointerCursor(vbCustom, magnifier));
}

// ---- Helpers ---------------------------------------------------------------------------


void SetZoomRect(Double minX, Double minY, Double maxX, Double maxY) {
  ZoomExtMinX = minX;
  ZoomExtMinY = minY;
  ZoomExtMaxX = maxX;
  ZoomExtMaxY = maxY;
}

// The window's zoom factor becomes scale about ViewCenterX, ViewCenterY; the
// view before it is kept for ZOOM PREVIOUS.
void ApplyZoomFactor(DrawingWindow& window, Double scale) {
  SaveViewWindow();
  window.View_Scale = scale;
  ApplyViewScale();
  UpdateWorldWindow();
  RedrawView();
}

// The window box of a ZOOM Window that has its first corner: taken off the
// surface, and its preview switched off.
void ForgetWindowBox() {
  if (LastZoomCommand != ZoomWindowCode) return;
  if (RubberShown) EraseWindowBox();
  RubberWindowOn = FlagFalse;
}

// The command ends after a fit; a fit refused says so once the prompts are cleared.
void EndFit(bool fitted) {
  EndZoomCommand();
  if (!fitted) ShowStatus(MessageViewRefused, EntryPanel);
}

// ---- Fits: all, full drawing, limits, window ----------------------------------------------

// The drawing's extents when they hold a figure its window shows, given a
// size when they have no width or height (a level or upright line, one
// point: SizeFigureBoxForWindow); else, with nothing live or nothing shown,
// its sheet. Fitted and ended.
void ZoomToDrawing() {
  const DwgRec& dwg = Dwgs[CurDwg];
  ViewWindowRect box{dwg.Xmin, dwg.Ymin, dwg.Xmax, dwg.Ymax};
  if (dwg.Nlines > 0 && HoldsFigure(box, dwg.Nlines)) {
    SizeFigureBoxForWindow(box);
    SetZoomRect(box.MinX, box.MinY, box.MaxX, box.MaxY);
  } else {
    SetZoomRect(dwg.BaseX, dwg.BaseY, dwg.Xlimit, dwg.Ylimit);
  }
  EndFit(ZoomToExtents());
}

// The sheet from BaseX, BaseY to Xlimit, Ylimit; a sheet without a positive
// size leaves the view as it is.
void ZoomLimits() {
  ShowTitle("ZOOM Drawing Limits ");
  const DwgRec& dwg = Dwgs[CurDwg];
  SetZoomRect(dwg.BaseX, dwg.BaseY, dwg.Xlimit, dwg.Ylimit);
  if (dwg.Xlimit > 0 && dwg.Ylimit > 0) {
    EndFit(ZoomToExtents());
    return;
  }
  RedrawView();
  EndZoomCommand();
}

// The drawing's live objects as the window shows them; a drawing without any
// shows its sheet. The extents are measured again only after a change in
// this drawing or of the layers it shows: a measure of another window's
// drawing leaves this one's mark alone.
void ZoomAll() {
  ShowTitle("ZOOM ALL ");
  if (Dwgs[CurDwg].Nlines == 0) {
    ZoomLimits();
    return;
  }
  if (ExtentsNeedMeasure()) ComputeDrawingExtents();
  ZoomToDrawing();
}

// As ZOOM ALL, with the extents always measured again.
void ZoomFullDrawing() {
  ShowTitle("ZOOM FULL DRAWING ");
  ComputeDrawingExtents();
  ZoomToDrawing();
}

// Two clicked corners in either order. A window without width or height
// leaves the view as it is; the surface is redrawn either way, so the marks
// of the corners go.
void ZoomWindow() {
  ShowTitle("ZOOM Window ", PromptFirstCorner);
  if (ToolStep == 1) {
    RubberWindowOn = FlagTrue;
    TakePickPoint(ZoomExtMinX, ZoomExtMinY);
    ShowStatus(PromptOppositeCorner, 2);
    return;
  }
  if (ToolStep < 2) return;
  RubberWindowOn = FlagFalse;
  TakePickPoint(ZoomExtMaxX, ZoomExtMaxY);
  if (ZoomExtMinX > ZoomExtMaxX) std::swap(ZoomExtMinX, ZoomExtMaxX);
  if (ZoomExtMinY > ZoomExtMaxY) std::swap(ZoomExtMinY, ZoomExtMaxY);
  if (ZoomExtMaxX > ZoomExtMinX && ZoomExtMaxY > ZoomExtMinY) {
    SaveViewWindow();  // ZOOM PREVIOUS goes back to the view the window was drawn in
    EndFit(ZoomToExtents());
    return;
  }
  RedrawView();
  EndZoomCommand();
}

// ---- Scale, in and out, previous, pans -----------------------------------------------

// A typed s shows the drawing at 1 : s (s > 0) or -s : 1 (s < 0) about the
// last view centre. A value typed before the command asked is not taken
// (the dispatcher drops it); an entry that is not a number is used up.
void ZoomScale(DrawingWindow& window) {
  ShowTitle("ZOOM SCALE ", PromptZoomScale);
  if (!TypedReady) {
    ClearPanel(EntryPanel);
    return;
  }
  const Double s = GetTypedDouble();
  if (TypedReady) GetTypedText();  // not a number: it is not left for the next command
  const Double scale = s > 0 ? 1 / s : -s;
  if (IsShowableView(window, scale, ViewCenterX, ViewCenterY)) {
    ApplyZoomFactor(window, scale);
    EndZoomCommand();
    return;
  }
  EndZoomCommand();
  ShowStatus(MessageScaleRefused, EntryPanel);
}

// Every click doubles (in) or halves (out) the zoom factor about the
// clicked point; the command stays until another one or Esc.
void ZoomInOrOut(DrawingWindow& window, bool zoomIn) {
  ShowMagnifier(window);
  ShowTitle(zoomIn ? "ZOOM IN " : "ZOOM OUT ", PromptZoomCentre);
  if (ToolStep <= 0) return;
  Double x = ViewCenterX, y = ViewCenterY;
  TakePickPoint(x, y);
  ToolStep = 0;  // the next click is a new centre
  const Double scale = zoomIn ? window.View_Scale * 2 : window.View_Scale / 2;
  if (!IsShowableView(window, scale, x, y)) {
    ShowStatus(MessageViewRefused, EntryPanel);
    return;
  }
  ViewCenterX = x;
  ViewCenterY = y;
  ApplyZoomFactor(window, scale);
}

void ZoomPrevious() {
  ShowTitle("ZOOM PREVIOUS ");
  RestoreViewWindow();
  EndZoomCommand();
}

// The world origin moves by (dx, dy) view pixels; scale and view centre stay.
void Pan(DrawingWindow& window, Double dx, Double dy) {
  SaveViewWindow();
  window.VbaseX = ToSingle(window.VbaseX + dx);
  window.Vbasey = ToSingle(window.Vbasey + dy);
  UpdateWorldWindow();
  RedrawView();
  EndZoomCommand();
}

// Half the area, exactly (no rounding).
Double HalfWidth(const DrawingWindow& window) { return (window.View_Maxx - window.View_MinX) / 2.0; }
Double HalfHeight(const DrawingWindow& window) { return (window.View_Maxy - window.View_Miny) / 2.0; }

}  // namespace

// ---- Dispatcher --------------------------------------------------------------------

void RunZoomCommand() {
  DrawingWindow* window = ActiveDocForm();
  if (!window) return;
  CurDwg = static_cast<Integer>(window->ID);
  if (!ZoomActive || ZoomCommand != LastZoomCommand) {
    if (ZoomActive) ForgetWindowBox();  // the command chosen replaces a window half drawn
    BeginCommand(ZoomActive);
    LastZoomCommand = ZoomCommand;
    TypedReady = FlagFalse;  // only a value typed for this command counts
    window->SetMousePointer(vbCrosshair);
  }
  switch (ZoomCommand) {
    case ZoomAllCode: ZoomAll(); break;
    case ZoomLimitsCode: ZoomLimits(); break;
    case ZoomWindowCode: ZoomWindow(); break;
    case ZoomScaleCode: ZoomScale(*window); break;
    case ZoomInCode: ZoomInOrOut(*window, true); break;
    case ZoomOutCode: ZoomInOrOut(*window, false); break;
    case ZoomPreviousCode: ZoomPrevious(); break;
    // Pan left moves the drawing left on the screen, pan up moves it down.
    case PanLeftCode: Pan(*window, -HalfWidth(*window), 0); break;
    case PanRightCode: Pan(*window, HalfWidth(*window), 0); break;
    case PanUpCode: Pan(*window, 0, -HalfHeight(*window)); break;
    case PanDownCode: Pan(*window, 0, HalfHeight(*window)); break;
    case ZoomFullCode: ZoomFullDrawing(); break;
    default: EndZoomCommand(); break;  // no command: nothing is left waiting
  }
}

// ---- Services for other commands ----------------------------------------------------------

void SetDrawingScale(Single s) {
  DrawingWindow* window = ActiveDocForm();
  if (!window || !(s > 0)) return;
  const Double scale = 1.0 / s;
  if (!IsShowableView(*window, scale, ViewCenterX, ViewCenterY)) return;
  window->View_Scale = scale;
  ApplyViewScale();
  UpdateWorldWindow();
  SaveViewWindow();  // the new view is the previous one
  RedrawView();
  ShowStatus(MessageRescaled, 1);
}

bool ZoomToExtents() {
  if (!ActiveDocForm()) return false;
  // The fit leaves the world window describing the whole area (also when it
  // refused the rectangle), so nothing the area shows is culled.
  const bool fitted = FitViewToBox(ViewWindowRect{ZoomExtMinX, ZoomExtMinY, ZoomExtMaxX, ZoomExtMaxY});
  RedrawView();
  return fitted;
}

// ---- Leaving the command -----------------------------------------------------------------

namespace {

// Another tool chosen, or Esc: a window half drawn goes off the surface and
// the magnifier gives way to the cross.
void LeaveZoomCommand() {
  if (ZoomActive) {
    ForgetWindowBox();
    if (DrawingWindow* window = ActiveDocForm()) window->SetMousePointer(vbCrosshair);
  }
  ZoomActive = FlagFalse;
}

}  // namespace

// ---- Reset -------------------------------------------------------------------------------

void ResetZoomCommands() {
  LastZoomCommand = 0;
  SetZoomRect(0, 0, 0, 0);
}

namespace {
const ModuleRegistrar Registered({"ZoomCommands", FloorView, ResetZoomCommands,
                                  {ToolZooms, &ZoomActive, RunZoomCommand, LeaveZoomCommand,
                                   LeaveZoomCommand}});
}  // namespace

}  // namespace lintavo
