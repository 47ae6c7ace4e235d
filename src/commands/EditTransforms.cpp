// EditTransforms: rotate, mirror, rescale, radial copy and path copy.
//
// Sections:
//   Shared steps
//   Rotate
//   Mirror
//   Rescale
//   Radial Copy
//   Path Copy
#include "commands/EditTransforms.h"

#include <cmath>
#include <vector>

#include "commands/Adjust.h"
#include "commands/CarriedAreas.h"
#include "commands/Edits.h"
#include "commands/PathStations.h"
#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/Top.h"
#include "model/TypedEntry.h"
#include "model/UndoRedo.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "platform/Numbers.h"
#include "view/Outline.h"
#include "view/SurfaceDraw.h"

namespace lintavo {
namespace {

constexpr Integer MaxRadialCopies = 90;    // a radial count above adds nothing
constexpr Double PathPickReach = 1000;     // the path pick starts from this distance

// ---- Shared steps ------------------------------------------------------------------------

// The ghost at the base point, turning (rotate) or mirroring (mirror) with
// the mouse, when the user shows outlines.
void StartOutline(Double x, Double y, Single angleCode) {
  if (!OutlineEnabled) return;
  Single angle = angleCode;
  SetOutlineTransform(x, y, 1, 1, angle);
  OutlineOn = FlagTrue;
}

// The first two steps of Rotate and Mirror: the selection checked, the title
// and AskBase with the centre line; then the base point taken, its ghost
// started and AskSecond shown. True when the event ended here.
bool OpeningTurnStep(const char* Title, const char* AskBase, Single OutlineCode, const char* AskSecond) {
  if (!CheckSelection(Title)) return true;
  switch (ToolStep) {
    case 0:
      ShowStatus(Title, 1);
      ShowStatus(AskBase, 2);
      RubberCentreOn = FlagTrue;
      return true;
    case 1:
      TakePickPoint(EditRefX, EditRefY);
      StartOutline(EditRefX, EditRefY, OutlineCode);
      ShowStatus(AskSecond, 2);
      return true;
    default: return false;
  }
}

// The first two steps of Radial Copy and Path Copy: the selection checked,
// the title and the request for a reference point on the lines; then the
// point taken and AskNext shown. True when the event ended here.
bool OpeningCopyStep(const char* Title, const char* AskNext) {
  if (!CheckSelection(Title)) return true;
  if (ToolStep == 0) {
    ShowStatus(Title, 1);
    ShowStatus("Enter a Reference Point on Lines >", 2);
    EditStep = 1;
    return true;
  }
  if (ToolStep != 1) return false;
  TakePickPoint(EditRefX, EditRefY);
  ShowStatus(AskNext, 2);
  return true;
}

// The second click of Rotate and Mirror: the centre line and the ghost go,
// the selection's points are back where they were.
void TakeSecondPoint() {
  RubberCentreOn = FlagFalse;
  TakePickPoint(EditPointX, EditPointY);
  OutlineOn = FlagFalse;
  RedrawSelectionOutline();
}

// A copy of each selected entity made by copy(ObjNo), then transformed by
// transform(copy); dimensions, fills and hatches give no copy and are passed
// over. The bound is fixed when the scan starts. Nothing is drawn: the
// command's end redraws the whole view.
template <typename Copy, typename Transform>
void CopyAndTransform(Long last, Copy copy, Transform transform) {
  const WholeRedrawFollows redraw;
  for (Long i = BaseObjCount + 1; i <= last; ++i) {
    if (!IsEditSelected(i)) continue;
    const Long before = ObjCount;
    copy(i);
    if (ObjCount == before) continue;
    transform(ObjCount);
  }
}

// The prompts stay; the command's flags go (the path errors).
void StopKeepingPrompts() {
  EndCommand(EditActive);
}

// A typed value, consumed even when it is not a number (which gives 0).
Double TakeTypedDouble() {
  const Double value = GetTypedDouble();
  TypedReady = FlagFalse;
  return value;
}
Integer TakeTypedInt() {
  const Integer value = GetTypedInt();
  TypedReady = FlagFalse;
  return value;
}

// Whether the transform set keeps every selected entity, and every boundary
// the selection carries, finite, each first moved by (Dx, Dy).
bool SelectionStaysFinite(const std::vector<CarriedArea>& Carried, Double Dx, Double Dy) {
  const Long last = ObjCount;
  for (Long i = BaseObjCount + 1; i <= last; ++i)
    if (IsEditSelected(i) && !TransformStaysFinite(i, Dx, Dy)) return false;
  for (const CarriedArea& carried : Carried)
    if (!TransformStaysFinite(carried.Boundary, Dx, Dy)) return false;
  return true;
}

// The edit would write a value that is not a finite number (an overflow of
// the scale, an angle too large to turn by): it ends with the drawing as it
// was, and says so.
void RefuseNonFiniteResult() {
  EndEditCommand();
  ShowStatus("ERROR... The Result Is Not a Finite Number", 2);
  ShowStatus("Nothing Was Changed", 3);
}

}  // namespace

// ---- Rotate ----------------------------------------------------------------------------------

void RotateSelected() {
  if (OpeningTurnStep("Rotate Selected Lines", "Enter an Axis Point >", OutlineRotateCode,
                      "Enter an Offset Angle > "))
    return;
  TakeSecondPoint();
  const Single angle = LineAngleD(EditRefX, EditRefY, EditPointX, EditPointY);
  SetAdjustTransform(EditRefX, EditRefY, 1, 1, angle);
  BeforeSelectionPointsChange();
  const std::vector<CarriedArea> carried = SelectionCarriedAreas();
  // The end redraws the whole view: no entity is wiped or drawn on its own.
  ForEachSelected(ApplyTransformToPoints);
  CarryBoundaries(carried, ApplyTransformToPoints);
  EndEditCommand();
}

// ---- Mirror ----------------------------------------------------------------------------------

namespace {

// The mirror about the line halfway between R (EditRef) and P (EditPoint),
// across the larger component of P - R, so that R lands on P.
void SetMirrorAdjust() {
  const Double rx = EditRefX, ry = EditRefY, px = EditPointX, py = EditPointY;
  Single scaleX = 1, scaleY = 1, angle = 0;
  if (std::fabs(ry - py) > std::fabs(rx - px)) {
    EditCentreX = px - rx;
    EditCentreY = py + ry;
    if (py > ry) {
      scaleX = -1;
      angle = PiSingle;
    } else {
      scaleY = -1;
    }
  } else {
    EditCentreX = px + rx;
    EditCentreY = py - ry;
    if (px <= rx) {
      scaleX = -1;
    } else {
      scaleY = -1;
      angle = PiSingle;
    }
  }
  SetAdjustTransform(EditCentreX, EditCentreY, scaleX, scaleY, angle);
}

}  // namespace

void MirrorSelected() {
  if (OpeningTurnStep("Mirror Selected Lines", "Enter a Reference point >", OutlineMirrorCode,
                      "Enter an Offset Location > "))
    return;
  TakeSecondPoint();
  SetMirrorAdjust();
  CopyAndTransform(
      ObjCount, [](Long i) { CopyObjOffset(i, 0, 0); }, TransformObj);
  EndEditCommand();
}

// ---- Rescale ---------------------------------------------------------------------------------

void RescaleSelected() {
  if (!CheckSelection("Rescale Selected Lines")) return;
  if (ToolStep == 0) {
    ShowStatus("Rescale Selected Lines", 1);
    ShowStatus("Enter a Reference Point >", 2);
    EditStep = 1;
    return;
  }
  if (EditStep == 1) {
    TakePickPoint(EditRefX, EditRefY);
    ShowStatus("Enter New Width Scale >", 2);
    ClearPanel(3);
    EditStep = 2;
    return;
  }
  if (!TypedReady) return;
  if (EditStep == 2) {
    RescaleX = ToSingle(TakeTypedDouble());
    if (RescaleX <= 0) return;  // the width is asked for again
    ShowStatus("Enter New Height Scale > ", 2);
    ClearPanel(3);
    EditStep = 3;
    return;
  }
  if (EditStep != 3) return;
  RescaleY = ToSingle(TakeTypedDouble());
  if (RescaleY <= 0) {
    EndEditCommand();
    return;
  }
  SetAdjustTransform(EditRefX, EditRefY, RescaleX, RescaleY, 0);
  const std::vector<CarriedArea> carried = SelectionCarriedAreas();
  if (!SelectionStaysFinite(carried, -EditRefX, -EditRefY)) return RefuseNonFiniteResult();
  // The end redraws the whole view; a circle that becomes an ellipse is
  // erased unseen.
  const WholeRedrawFollows redraw;
  BeforeSelectionPointsChange();
  const auto scale = [](Long i) { ScaleObj(i); };
  ForEachSelected(scale);
  CarryBoundaries(carried, scale);
  EndEditCommand();
}

// ---- Radial Copy -----------------------------------------------------------------------------

namespace {

Double RadialRadius = 0;  // distance from the centre to the reference point
Single RadialStart = 0;   // direction from the centre to the reference point, radians

// The transform of copy k: turned k steps about the centre.
void SetRadialTransform(Long k, Single step) {
  const Single a = ToSingle(k * static_cast<Double>(step));
  Double px = 0, py = 0;
  PolarPointV(RadialRadius, EditCentreX, EditCentreY, px, py, ToSingle(RadialStart + static_cast<Double>(a)));
  SetAdjustTransform(px, py, 1, 1, a);
}

// False, with nothing copied, when a copy would not be finite.
bool MakeRadialCopies(Integer n) {
  const Single step = ToSingle(RadialTotalAngle / n * DegToRad);
  for (Long k = 1; k <= n; ++k) {
    SetRadialTransform(k, step);
    if (!SelectionStaysFinite({}, -EditRefX, -EditRefY)) return false;  // copies carry no area
  }
  const Long last = ObjCount;
  for (Long k = 1; k <= n; ++k) {
    SetRadialTransform(k, step);
    CopyAndTransform(
        last, [](Long i) { CopyObjOffset(i, -EditRefX, -EditRefY); }, TransformObj);
  }
  return true;
}

}  // namespace

void RadialCopySelected() {
  if (OpeningCopyStep("Radial Copy Selected Lines", "Enter The Center Location >")) return;
  if (EditStep == 1) {
    TakePickPoint(EditCentreX, EditCentreY);
    RadialRadius = std::hypot(EditRefX - EditCentreX, EditRefY - EditCentreY);
    RadialStart = LineAngleD(EditCentreX, EditCentreY, EditRefX, EditRefY);
    ShowStatus("Enter Total Rotation Angle >", 2);
    ClearPanel(3);
    EditStep = 2;
    return;
  }
  if (!TypedReady) return;
  if (EditStep == 2) {
    RadialTotalAngle = ToSingle(TakeTypedDouble());
    ShowStatus("Enter Number of Copies >", 2);
    ClearPanel(3);
    EditStep = 3;
    return;
  }
  if (EditStep != 3) return;
  const Integer n = TakeTypedInt();
  if (n >= 1 && n <= MaxRadialCopies && !MakeRadialCopies(n)) return RefuseNonFiniteResult();
  EndEditCommand();
}

// ---- Path Copy -------------------------------------------------------------------------------

namespace {

// The entity under the click becomes the path; false (and the command
// stops with its message) when there is none or it cannot be a path.
bool TakePath() {
  TakePickPoint(EditCentreX, EditCentreY);
  Long objNo = 0;
  Double distance = PathPickReach;
  FindObjAt(objNo, EditCentreX, EditCentreY, distance);
  if (objNo < 1 || !(distance < PickTolerance)) {
    ShowStatus("Error - Line NOT Found!!", 3);
    StopKeepingPrompts();
    return false;
  }
  PathObj = objNo;
  Double length = 0;
  MeasurePath(PathObj, length);
  if (length <= 0) {
    ShowStatus("Error - Path Not Found!!", 3);
    StopKeepingPrompts();
    return false;
  }
  return true;
}

void MakePathCopies(Integer n) {
  DividePath(PathSpacing, n);
  const Long last = ObjCount;
  for (Long k = 1; k <= n; ++k) {
    Double sx = 0, sy = 0;
    Single direction = 0;
    GetPathPoint(sx, sy, direction, k);
    EditOffsetX = sx - EditRefX;
    EditOffsetY = sy - EditRefY;
    SetAdjustTransform(sx, sy, 1, 1, direction);
    CopyAndTransform(
        last, [](Long i) { CopyObjOffset(i, EditOffsetX, EditOffsetY); }, ApplyTransformToPoints);
    DrawRefPntMark(sx, sy);
  }
}

}  // namespace

bool PathCopyShowsPath() { return EditActive && EditCommand == EditPathCopyCode && EditStep >= 2; }

void PathCopySelected() {
  if (OpeningCopyStep("Path Copy Selected Lines", "Select a Line to Follow (Path)")) return;
  if (EditStep == 1) {
    if (!TakePath()) return;
    MaxPathCopies = 99;
    ResetPathLine();
    ShowStatus("Enter Offset from Path Line", 2);
    EditStep = 2;
    return;
  }
  if (EditStep == 2) {
    if (TypedReady) return;  // the offset is a click
    TakePickPoint(EditOffsetX, EditOffsetY);
    ProjectOnPath(EditOffsetX, EditOffsetY);
    ShowStatus("Enter Number of Copies >", 2);
    ClearPanel(3);
    EditStep = 3;
    return;
  }
  if (EditStep != 3 || !TypedReady) return;
  const Integer n = TakeTypedInt();
  if (n >= 1 && n < MaxPathCopies) MakePathCopies(n);
  EndEditCommand();
}

}  // namespace lintavo
