// Outline: the transform outline preview.
//
// Sections:
//   Preview state
//   The ghost's entities and their original points
//   Transforms
//   Drawing the ghost
//   Starting, moving and ending
//   Reset and registration
#include "view/Outline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/DataHand.h"
#include "model/Geometry.h"
#include "model/MessageBar.h"
#include "model/ObjIndex.h"
#include "model/Picks.h"
#include "model/ProgramState.h"
#include "model/ServicesAbove.h"
#include "model/Top.h"
#include "platform/Numbers.h"
#include "view/DrawDispatch.h"
#include "view/Zooms.h"

namespace lintavo {

// ---- Preview state -----------------------------------------------------------------

Integer OutlineOn = 0;
Integer OutlineEnabled = 0;
Integer OutlineShown = 0;
Integer OutlineRotateByMouse = 0;
Integer OutlineMirrorByMouse = 0;
Integer OutlineValid = 0;
Integer OutlineOfClipboard = 0;
Double OutlineBaseX = 0, OutlineBaseY = 0;
Double OutlineOffsetX = 0, OutlineOffsetY = 0;
Double OutlineMouseX = 0, OutlineMouseY = 0;
Single OutlineScaleX = 1, OutlineScaleY = 1;
Single OutlineAngle = 0;
Single OutlineAngleDeg = 0;
Single OutlineAngleStep = 0;
std::array<Single, 6> OutlineMatrix{1, 0, 1, 0, 1, 0};

namespace {

constexpr Double MirrorTurn = 3.1415926535897403;  // the turn of the mirror rows that add 180
constexpr Integer CompoundSavedPoints = 3;  // a compound's insertion point, scale and rotation
enum MatrixTerm { MCos = 0, MSin = 1, M00 = 2, M10 = 3, M11 = 4, M01 = 5 };

// ---- The ghost's entities and their original points ---------------------------------

struct GhostEntity {
  Long ObjNo = 0;       // Objs index
  Long FirstSaved = 0;  // index of its first point in GhostPoints
  Integer Saved = 0;    // points saved: all of them, or a compound's first three
};
std::vector<GhostEntity> GhostEntities;  // gathered at the first ghost of a preview
std::vector<WorldXY> GhostPoints;        // their points before the preview, world units
std::vector<Long> GhostCandidates;       // scratch of the gathering: every ghost entity
bool GhostGathered = false;              // GhostEntities holds the preview's entities
Surface* GhostSurface = nullptr;         // where the ghost shown was drawn


// One ghost entity and its points into the kept lists.
void KeepGhostEntity(Long objNo) {
  const ObjRec& obj = Objs[objNo];
  const Integer saved =
      obj.Rtype >= FirstCompoundType && obj.NPoints > CompoundSavedPoints ? CompoundSavedPoints : obj.NPoints;
  GhostEntities.push_back({objNo, static_cast<Long>(GhostPoints.size()), saved});
  for (Long k = 0; k < saved; ++k) GhostPoints.push_back({Pnts[obj.PointID + k].X, Pnts[obj.PointID + k].Y});
}

// The entities and their points, every one or every k-th of a large
// selection, kept until the preview ends; the storage is reused from one
// preview to the next.
void GatherGhost() {
  GhostEntities.clear();
  GhostPoints.clear();
  GhostCandidates.clear();
  const auto take = [](Long i) {
    if (Objs[i].NPoints >= 1) GhostCandidates.push_back(i);
  };
  if (OutlineOfClipboard) {
    ForEachOnClipboard(take);
  } else {
    const Long last = ObjCount;
    for (Long i = BaseObjCount + 1; i <= last; ++i)
      if (IsDrawnSelected(Objs[i])) take(i);
  }
  const size_t count = GhostCandidates.size();
  const size_t limit = static_cast<size_t>(GhostEntityLimit);
  const size_t step = (count + limit - 1) / limit;
  for (size_t n = 0; n < count; n += std::max<size_t>(step, 1)) KeepGhostEntity(GhostCandidates[n]);
  GhostGathered = true;
}

// Every saved point back as it was.
void RestoreGhostPoints() {
  for (const GhostEntity& g : GhostEntities) {
    const Long first = Objs[g.ObjNo].PointID;
    for (Long k = 0; k < g.Saved; ++k) {
      Pnts[first + k].X = GhostPoints[g.FirstSaved + k].X;
      Pnts[first + k].Y = GhostPoints[g.FirstSaved + k].Y;
    }
    ObjPointsChangedUnmarked(g.ObjNo);  // the preview puts the points back: no drawing changed
  }
}

// ---- Transforms ---------------------------------------------------------------------

void MatrixTimes(Double x, Double y, Double& outX, Double& outY) {
  const auto& m = OutlineMatrix;
  outX = static_cast<Double>(m[M00]) * x + static_cast<Double>(m[M01]) * y;
  outY = static_cast<Double>(m[M10]) * x + static_cast<Double>(m[M11]) * y;
}

// One point from its original place: turned about the base in rotate mode,
// else M P + offset (a translation, or a mirror image on the mouse point).
void PlaceGhostPoint(Double x, Double y, Double& outX, Double& outY) {
  if (OutlineRotateByMouse) {
    MatrixTimes(x - OutlineBaseX, y - OutlineBaseY, outX, outY);
    outX += OutlineBaseX;
    outY += OutlineBaseY;
    return;
  }
  if (OutlineMirrorByMouse) {
    MatrixTimes(x, y, outX, outY);
  } else {
    // The offset is the way from the base to the mouse; the matrix acts about the base.
    MatrixTimes(x - OutlineBaseX, y - OutlineBaseY, outX, outY);
    outX += OutlineBaseX;
    outY += OutlineBaseY;
  }
  outX += OutlineOffsetX;
  outY += OutlineOffsetY;
}

// The entity's points moved by the transform from their saved places; a
// compound moves its insertion point and, turning, shows the total turn.
void ApplyOutlinePoints(const GhostEntity& g) {
  const ObjRec& obj = Objs[g.ObjNo];
  const bool compound = obj.Rtype >= FirstCompoundType;
  const Integer moved = compound ? 1 : g.Saved;
  for (Long k = 0; k < moved; ++k) {
    const WorldXY& p = GhostPoints[g.FirstSaved + k];
    PlaceGhostPoint(p.X, p.Y, Pnts[obj.PointID + k].X, Pnts[obj.PointID + k].Y);
  }
  if (compound && OutlineRotateByMouse && g.Saved >= CompoundSavedPoints)
    Pnts[obj.PointID + 2].X = GhostPoints[g.FirstSaved + 2].X + OutlineAngleDeg;
  ObjPointsChangedUnmarked(g.ObjNo);
}

// ---- Drawing the ghost ------------------------------------------------------------------

// Every ghost entity with the not-XOR pen and no point marks: drawn twice at
// one place, the pixels are as before.
void DrawGhost() {
  const Integer marks = ShowConPnts;
  ShowConPnts = FlagFalse;
  XorDraw = FlagTrue;
  for (const GhostEntity& g : GhostEntities) DrawObject(g.ObjNo);
  XorDraw = FlagFalse;
  ShowConPnts = marks;
}

// A full redraw clears the surface first: the points go back before the
// entities are drawn, and the next mouse move shows the ghost anew.
void ForgetGhostOnRedraw() { EndOutlinePreview(); }

// Esc, a change of tool and a save: the ghost off the surface, the points
// back, the preview off.
void EndOutline() {
  RedrawSelectionOutline();
  OutlineOn = FlagFalse;
}

}  // namespace

// ---- Starting, moving and ending ------------------------------------------------------

void SetOutlineMatrix(Single Angle) {
  auto& m = OutlineMatrix;
  m[MCos] = std::cos(Angle);
  m[MSin] = std::sin(Angle);
  m[M00] = OutlineScaleX * m[MCos];
  m[M10] = OutlineScaleX * m[MSin];
  m[M01] = -(OutlineScaleY * m[MSin]);
  m[M11] = OutlineScaleY * m[MCos];
  OutlineAngleDeg = ToSingle(OutlineAngle * RadToDeg);
}

void SetMirrorTransform() {
  OutlineScaleX = OutlineScaleY = 1;
  Single angle = 0;
  const Double dx = std::fabs(OutlineBaseX - OutlineMouseX);
  const Double dy = std::fabs(OutlineBaseY - OutlineMouseY);
  if (dy < dx) {  // mainly left or right: a left-right mirror image
    OutlineOffsetX = OutlineMouseX + OutlineBaseX;
    OutlineOffsetY = OutlineMouseY - OutlineBaseY;
    if (OutlineMouseX <= OutlineBaseX) {
      OutlineScaleX = -1;
    } else {
      angle = ToSingle(MirrorTurn);
      OutlineScaleY = -1;
    }
  } else {  // an upside-down mirror image
    OutlineOffsetX = OutlineMouseX - OutlineBaseX;
    OutlineOffsetY = OutlineMouseY + OutlineBaseY;
    if (OutlineMouseY > OutlineBaseY) {
      angle = ToSingle(MirrorTurn);
      OutlineScaleX = -1;
    } else {
      OutlineScaleY = -1;
    }
  }
  ShowStatus(angle != 0 ? "Angle = 180" : "Angle = 0", 3);
  SetOutlineMatrix(angle);
}

Integer SetOutlineTransform(Double X, Double Y, Single ScaleX, Single ScaleY, Single& Angle) {
  if (OutlineShown) RedrawSelectionOutline();
  GhostGathered = false;
  OutlineBaseX = OutlineOffsetX = X;
  OutlineBaseY = OutlineOffsetY = Y;
  OutlineScaleX = ScaleX;
  OutlineScaleY = ScaleY;
  OutlineRotateByMouse = Flag(Angle == OutlineRotateCode);
  OutlineMirrorByMouse = Flag(Angle == OutlineMirrorCode);
  if (OutlineRotateByMouse || OutlineMirrorByMouse) Angle = 0;
  OutlineAngle = 0;
  OutlineAngleStep = Angle;
  SetOutlineMatrix(OutlineAngleStep);
  OutlineValid = FlagTrue;
  OutlineShown = FlagFalse;
  OutlineOfClipboard = FlagFalse;
  return 0;
}

void DrawOutlinePreview(Double X, Double Y) {
  if (!ActiveDoc) return;
  if (OutlineShown) RedrawSelectionOutline();
  OutlineShown = FlagFalse;
  OutlineValid = FlagFalse;
  OutlineMouseX = X;
  OutlineMouseY = Y;
  if (OutlineRotateByMouse) {
    const Single previous = OutlineAngle;
    OutlineAngle = ToSingle(RoundHalfEven(LineAngleD(OutlineBaseX, OutlineBaseY, X, Y), 3));
    OutlineAngleStep = OutlineAngle == previous ? 0 : ToSingle(RoundHalfEven(OutlineAngle - previous, 3));
    SetOutlineMatrix(OutlineAngle);  // from the original points: the whole turn
  } else if (OutlineMirrorByMouse) {
    SetMirrorTransform();
  } else {
    OutlineOffsetX = X - OutlineBaseX;
    OutlineOffsetY = Y - OutlineBaseY;
  }
  if (!GhostGathered) GatherGhost();
  for (const GhostEntity& g : GhostEntities) ApplyOutlinePoints(g);
  DrawGhost();
  GhostSurface = ActiveDoc;
  OutlineShown = FlagTrue;
}

void EndOutlinePreview() {
  if (OutlineShown) RestoreGhostPoints();
  OutlineShown = FlagFalse;
}

void RedrawSelectionOutline() {
  if (!OutlineShown) return;
  if (ActiveDoc && ActiveDoc == GhostSurface) DrawGhost();
  EndOutlinePreview();
}

// ---- Reset and registration --------------------------------------------------------------

void ResetOutline() {
  OutlineOn = OutlineEnabled = OutlineShown = 0;
  OutlineRotateByMouse = OutlineMirrorByMouse = OutlineValid = OutlineOfClipboard = 0;
  OutlineBaseX = OutlineBaseY = OutlineOffsetX = OutlineOffsetY = 0;
  OutlineMouseX = OutlineMouseY = 0;
  OutlineScaleX = OutlineScaleY = 1;
  OutlineAngle = OutlineAngleDeg = OutlineAngleStep = 0;
  OutlineMatrix = {1, 0, 1, 0, 1, 0};
  GhostEntities.clear();
  GhostPoints.clear();
  GhostCandidates.clear();
  GhostCandidates.shrink_to_fit();
  GhostGathered = false;
  GhostSurface = nullptr;
}

namespace {
void PlugOutline() {
  ServicesAbove.EndOutline = EndOutline;
  RegisterRedrawHook(ForgetGhostOnRedraw);
}
const ModuleRegistrar Registered({"Outline", FloorView, ResetOutline, {}, PlugOutline});
}  // namespace

}  // namespace lintavo
