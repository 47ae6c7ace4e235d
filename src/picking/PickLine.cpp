// PickLine: the line picker.
//
// Sections:
//   Prompts and filters
//   Picking
//   Highlight
//   Reset
#include "picking/PickLine.h"

#include <iterator>
#include <string>

#include "model/DataHand.h"
#include "model/MessageBar.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "model/ViewCache.h"
#include "picking/Identify.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

namespace {

bool HighlightOn = false;  // a pick was drawn in the selection style since the last redraw

// ---- Prompts and filters -----------------------------------------------------------------

constexpr Integer MessagePanel = 3;
constexpr const char* TargetPrompt = "Select Target Line";
constexpr const char* NotFoundMessage = "Line Not Found!! Try Again !";

// What a pick of each filter takes, said when an entity of another type is clicked.
constexpr const char* WrongTypeMessages[] = {
    "Line Not Found!! Try Again !",               // PickAnyType: never refuses a type
    "Pick a Straight Line!! Try Again !",         // PickLinesOnly
    "Pick a Circle or Arc!! Try Again !",         // PickCirclesArcs
    "Pick a Line, Circle or Arc!! Try Again !",   // PickLinesCirclesArcs
    "Pick a Line or Polyline!! Try Again !",      // PickLinesPolylines
    "Pick a Line, Arc or Polyline!! Try Again !", // PickLinesArcsPolylines
};
static_assert(std::size(WrongTypeMessages) == PickFilterCount, "one message per pick filter");

const char* WrongTypeMessage(Integer filter) {
  return filter >= 0 && filter < PickFilterCount ? WrongTypeMessages[filter] : NotFoundMessage;
}

// The prompt for pick k (1-based) of N: the last pick is the target line.
String PickPrompt(Integer k, Integer N) {
  if (k == N) return TargetPrompt;
  if (k == 1) return "Select First Line1 >";
  String prompt = "Select Line ";
  prompt.append(std::to_string(k)).append(" >");
  return prompt;
}

// The lists start empty for every command, so that nothing an earlier command
// picked (a segment number above all) is read as a pick of this one.
void ClearPickedLists() {
  PickedLines.fill(0);
  PickedPoints.fill(WorldXY{});
  PickedSegments.fill(0);
  PickedCount = 0;
}

// Draws the first pick once in the selection style, leaving its flag as it was.
void HighlightPick(Long objNo) {
  ObjRec& obj = Objs[objNo];
  const Integer selected = obj.Selected;
  obj.Selected = FlagTrue;
  DrawObject(objNo);
  obj.Selected = selected;
  HighlightOn = true;
}

// The segment numbers of the first two picks of multi-part entities, the
// lower in entry 1 once both are known.
void RecordSegment(Integer k) {
  if (k == 1) {
    PickedSegments[1] = HitSegment;
  } else if (HitSegment <= PickedSegments[1]) {
    PickedSegments[2] = PickedSegments[1];
    PickedSegments[1] = HitSegment;
  } else {
    PickedSegments[2] = HitSegment;
  }
}

}  // namespace

bool PickFilterAccepts(Integer Filter, Integer ObjType) {
  const bool line = ObjType == EntityLine;
  const bool round = ObjType == EntityCircle || ObjType == EntityArc;
  const bool poly = ObjType == EntityPolyline || ObjType == EntityPolygon;
  switch (Filter) {
    case PickLinesOnly: return line;
    case PickCirclesArcs: return round;
    case PickLinesCirclesArcs: return line || round;
    case PickLinesPolylines: return line || poly;
    case PickLinesArcsPolylines: return line || ObjType == EntityArc || poly;
    default: return true;
  }
}

// ---- Picking -------------------------------------------------------------------------------

void PickLine(Integer N, Integer Filter, Integer FirstFilter) {
  if (N < 1 || N > MaxPicks) return;
  if (ToolStep == 0) {
    ClearPickedLists();
    ShowStatus(PickPrompt(1, N), PromptPanel);
  }
  // Enter (TypedReady) comes back with no click: the pick still waits.
  if (PickedCount >= N || ToolStep <= 0 || TypedReady) return;

  TakePickPoint(HitTestX, HitTestY);
  Long objNo = 0;
  Double dist = 0;
  FindObjAt(objNo, HitTestX, HitTestY, dist);
  const bool within = ToSingle(dist) <= 2 * PickTolerance;
  if (!within || objNo <= 0) {
    ShowStatus(NotFoundMessage, MessagePanel);
    return;
  }
  const Integer filter = PickedCount == 0 && FirstFilter != PickAsFilter ? FirstFilter : Filter;
  if (!PickFilterAccepts(filter, Objs[objNo].Rtype)) {
    ShowStatus(WrongTypeMessage(filter), MessagePanel);
    return;
  }

  const Integer k = ++PickedCount;
  PickedLines[k] = objNo;
  PickedPoints[k] = WorldXY{HitTestX, HitTestY};
  if (k == 1) HighlightPick(objNo);
  if (k <= 2 && Objs[objNo].Rtype > EntityArc) RecordSegment(k);
  if (N > PickedCount) ShowStatus(PickPrompt(PickedCount + 1, N), PromptPanel);
}

// ---- Highlight ----------------------------------------------------------------------------

void RemovePickHighlight() {
  if (!HighlightOn) return;
  HighlightOn = false;
  if (ActiveDoc) RefreshActiveView();
}

// ---- Reset ----------------------------------------------------------------------------------

void ResetPickLine() { HighlightOn = false; }

namespace {
const ModuleRegistrar Registered({"PickLine", FloorPicking, ResetPickLine});
}  // namespace

}  // namespace lintavo
