// Modify: the dispatcher and end of the modify commands, the entity pick,
// the vertex search, MOVE POINT with the arc repair, and the steps of
// BREAK LINE up to the break routine of the entity's type.
//
// Sections:
//   Command state
//   Dispatcher and end
//   Picks
//   MOVE POINT
//   BREAK LINE
//   Reset and registration
#include "commands/Modify.h"

#include <cmath>

#include "commands/Breaks.h"
#include "commands/Edits.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/DrawingWindow.h"
#include "model/EntityNames.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "platform/Pointers.h"
#include "view/DrawDispatch.h"
#include "view/RubberObject.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Command state ------------------------------------------------------------------

Integer ModifyCommand = 0;
Integer ModifyActive = 0;
Integer ModifyStep = 0;
Long ModifyPickedObj = 0;
Double BreakX1 = 0, BreakY1 = 0;
Double BreakX2 = 0, BreakY2 = 0;
Integer ModifySavedConPnts = 0;

namespace {

// Steps of both commands (values of ModifyStep).
constexpr Integer PickEntityStep = 1;
constexpr Integer SecondStep = 2;  // MOVE POINT: the vertex; BREAK LINE: the first break point
constexpr Integer ThirdStep = 3;   // MOVE POINT: the new place; BREAK LINE: the second break point
// The vertex search starts its running best this many tolerances away.
constexpr Single VertexSearchReach = 10;

// Arc points (centre, one end, middle, other end).
constexpr Integer ArcCentre = 1, ArcStart = 2, ArcMiddle = 3, ArcEnd = 4;

constexpr const char* NotBreakable = "OBJECT NOT BREAKABLE !";

Double& PX(Long ObjNo, Integer k) { return Pnts[Objs[ObjNo].PointID + k - 1].X; }
Double& PY(Long ObjNo, Integer k) { return Pnts[Objs[ObjNo].PointID + k - 1].Y; }

// Whether the point lies on the picked entity: the nearest entity there is
// it, within PickTolerance.
bool OnPickedObj(Double X, Double Y) {
  Long found = 0;
  Double dist = 0;
  FindObjAt(found, X, Y, dist);
  return static_cast<Single>(dist) <= PickTolerance && found == ModifyPickedObj;
}

void MovePoint();
void BreakLine();

}  // namespace

// ---- Dispatcher and end ------------------------------------------------------------------

void RunModifyCommand() {
  if (!ModifyActive) {
    BeginCommand(ModifyActive);
    ClearPrompts();
    ModifySavedConPnts = ShowConPnts;
  }
  ArrowPointer();
  switch (ModifyCommand) {
    case ModifyMovePointCode: MovePoint(); break;
    case ModifyBreakLineCode: BreakLine(); break;
    default: break;
  }
}

void EndModifyCommand(bool KeepPrompts) {
  EraseRubberObject();
  ShowConPnts = ModifySavedConPnts;
  if (!KeepPrompts) ClearPrompts();
  RubberObjectOn = FlagFalse;
  EndCommand(ModifyActive);
  ModifyStep = 0;
  // What the command picked goes with it: no later command works on it.
  ModifyPickedObj = 0;
  PickedPntIndex = 0;
  BreakX1 = BreakY1 = BreakX2 = BreakY2 = 0;
  // The picked entity's vertex marks go with the command.
  if (ActiveDocForm()) RedrawView();
}

// ---- Picks ----------------------------------------------------------------------------------

bool PickEntityForModify(Long& ObjNo) {
  Double x = 0, y = 0, dist = 0;
  TakePickPoint(x, y);
  Long found = 0;
  FindObjAt(found, x, y, dist);
  if (static_cast<Single>(dist) <= PickTolerance && found > 0) {
    ShowConPnts = FlagTrue;
    ObjNo = ModifyPickedObj = found;
    DrawObject(found);
    ShowStatus(String("Line Selected: ") + EntityTypeName(Objs[found].Rtype), 3);
    return true;
  }
  ShowStatus("Line NOT Found! Try Again!", 3);
  ToolStep = 0;
  return false;
}

void FindNearestVertex(Double X, Double Y) {
  PickedPntIndex = 0;
  const ObjRec& obj = Objs[ModifyPickedObj];
  Double best = VertexSearchReach * PickTolerance;
  for (Long k = 1; k <= obj.NPoints; ++k) {
    const PntRec& p = Pnts[obj.PointID + k - 1];
    const Double d = std::fabs(Y - p.Y) + std::fabs(X - p.X);
    if (d >= best) continue;
    best = d;
    if (static_cast<Single>(d) < PickTolerance) {
      PickedPntIndex = obj.PointID + k - 1;
      RubberDragPnt = k;
    }
  }
}

namespace {

// The two steps MOVE POINT and BREAK LINE open with: at step 0 the title and
// the request for an entity; then the entity is picked and AskPoint shown,
// with the entity's ghost when Ghost. True when one of them ran: the caller
// has nothing more to do for this event.
bool OpeningModifyStep(const char* Title, const char* AskEntity, const char* AskPoint, bool Ghost) {
  if (ToolStep == 0) {
    ShowStatus(Title, 1);
    ShowStatus(AskEntity, 2);
    ModifyStep = PickEntityStep;
    return true;
  }
  if (ModifyStep != PickEntityStep) return false;
  Long obj = 0;
  if (!PickEntityForModify(obj)) return true;
  ShowStatus(AskPoint, 2);
  if (Ghost) LoadRubberObject(obj);
  ModifyStep = SecondStep;
  return true;
}

// ---- MOVE POINT -----------------------------------------------------------------------------

void PolarInto(Long ObjNo, Integer k, Double cx, Double cy, Double r, Single angle) {
  PX(ObjNo, k) = cx + r * std::cos(angle);
  PY(ObjNo, k) = cy + r * std::sin(angle);
}

// An arc with one of its points moved is made consistent again: an end is
// pulled onto the circle along its direction from the centre, a moved middle
// or centre gives the circle through the two ends and the middle.
void RepairArc(Long ObjNo, Integer moved) {
  const auto dist = [ObjNo](Integer a, Integer b) {
    return std::hypot(PX(ObjNo, a) - PX(ObjNo, b), PY(ObjNo, a) - PY(ObjNo, b));
  };
  const auto angle = [ObjNo](Integer k) {
    return LineAngle(PX(ObjNo, ArcCentre), PY(ObjNo, ArcCentre), PX(ObjNo, k), PY(ObjNo, k));
  };
  const Double cx = PX(ObjNo, ArcCentre), cy = PY(ObjNo, ArcCentre);
  switch (moved) {
    case ArcCentre: {
      const Double r = (dist(ArcCentre, ArcStart) + dist(ArcCentre, ArcEnd)) / 2;
      PolarInto(ObjNo, ArcMiddle, cx, cy, r, angle(ArcMiddle));
      [[fallthrough]];
    }
    case ArcMiddle:
      CircleThrough3Points(PX(ObjNo, ArcCentre), PY(ObjNo, ArcCentre), PX(ObjNo, ArcStart),
                           PY(ObjNo, ArcStart), PX(ObjNo, ArcMiddle), PY(ObjNo, ArcMiddle),
                           PX(ObjNo, ArcEnd), PY(ObjNo, ArcEnd));
      break;
    case ArcStart:
    case ArcEnd: PolarInto(ObjNo, moved, cx, cy, dist(ArcCentre, ArcMiddle), angle(moved)); break;
    default: break;
  }
}

void MoveChosenPoint() {
  RubberObjectOn = FlagFalse;
  EraseRubberObject();
  Double x = 0, y = 0;
  TakePickPoint(x, y);
  const Long obj = ModifyPickedObj;
  WipeObj(obj);
  Pnts[PickedPntIndex].X = x;
  Pnts[PickedPntIndex].Y = y;
  if (Objs[obj].Rtype == EntityArc) RepairArc(obj, static_cast<Integer>(PickedPntIndex - Objs[obj].PointID + 1));
  ObjPointsChanged(obj);  // its drawing and layer widen to hold the moved point
  DrawObject(obj);
  EndModifyCommand(false);
}

void MovePoint() {
  if (OpeningModifyStep("MOVE POINT", "Select Line to Move Point", "Select a Point to be Moved > ", true)) return;
  switch (ModifyStep) {
    case SecondStep:
      TakePickPoint(BreakX1, BreakY1);
      FindNearestVertex(BreakX1, BreakY1);
      if (PickedPntIndex > 0) {
        ShowStatus("Enter New Point Location >", 2);
        RubberObjectOn = FlagTrue;
        ModifyStep = ThirdStep;
      } else {
        ShowStatus("Point NOT Found! Try Again!", 3);
      }
      return;
    case ThirdStep: MoveChosenPoint(); return;
    default: return;
  }
}

// ---- BREAK LINE -------------------------------------------------------------------------------

// The entity and both break points are known: the routine of its type runs.
void BreakPickedObj() {
  const Long obj = ModifyPickedObj;
  if (Objs[obj].Rtype >= EntityComponent) {
    ShowStatus(NotBreakable, 2);
    EndModifyCommand(true);
    return;
  }
  WipeObj(obj);
  const BreakResult result = BreakObject(obj, BreakX1, BreakY1, BreakX2, BreakY2);
  if (result != BreakDone) DrawObject(obj);
  switch (result) {
    case BreakDone:
      MarkExtentsChanged(Objs[obj].DwgNo);
      EntityChanged(obj);
      EndModifyCommand(false);
      return;
    case BreakNotBreakable:
      ShowStatus(NotBreakable, 2);
      EndModifyCommand(true);
      return;
    case BreakTooClose:
      ShowStatus("BREAK POINTS TOO CLOSE !", 3);
      EndModifyCommand(true);
      return;
    case BreakPointMissing:
      // Breaking there would keep the entity whole beside its far piece:
      // both points are asked for again.
      ShowStatus("Break Point NOT Found! Try Again!", 3);
      ShowStatus("Enter First Break Point >", 2);
      ModifyStep = SecondStep;
      return;
    case BreakUnchanged:
    default: EndModifyCommand(false); return;
  }
}

void BreakLine() {
  if (OpeningModifyStep("BREAK LINE", "Select Line to Break", "Enter First Break Point >", false)) return;
  switch (ModifyStep) {
    case SecondStep:
      TakePickPoint(BreakX1, BreakY1);
      if (OnPickedObj(BreakX1, BreakY1)) {
        ShowStatus("Enter Second Break Point >", 2);
        ModifyStep = ThirdStep;
      } else {
        ShowStatus("Break Point NOT Found! Try Again!", 3);
      }
      return;
    case ThirdStep:
      TakePickPoint(BreakX2, BreakY2);
      if (OnPickedObj(BreakX2, BreakY2))
        BreakPickedObj();
      else
        ShowStatus("Break Point Not Found! Try Again!", 3);
      return;
    default: return;
  }
}

}  // namespace

// ---- Reset and registration ---------------------------------------------------------------------

void ResetModify() {
  ModifyCommand = ModifyActive = ModifyStep = 0;
  ModifyPickedObj = 0;
  BreakX1 = BreakY1 = BreakX2 = BreakY2 = 0;
  ModifySavedConPnts = 0;
}

namespace {
// Another tool or Esc: the ghost and the vertex marks go, ShowConPnts comes back.
void LeaveModify() {
  if (!ModifyActive) return;
  EndModifyCommand(false);
}
const ModuleRegistrar Registered({"Modify", FloorCommands, ResetModify,
                                  {ToolModify, &ModifyActive, RunModifyCommand, LeaveModify, LeaveModify}});
}  // namespace

}  // namespace lintavo
