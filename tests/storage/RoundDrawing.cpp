// RoundDrawing: the lines of one round written into the model tables.
#include "storage/RoundDrawing.h"

#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"

namespace lintavo {

void ResetDrawingModel() {
  for (const ModuleEntry& entry : RegisteredModules())
    if (entry.ModuleFloor == FloorModel && entry.Reset) entry.Reset();
}

void MakeRoundDrawing(const String& name, const String& revision, long lines, int round, Fresh fresh) {
  if (fresh == Fresh::Program) ResetProgramState();
  if (fresh == Fresh::Model) ResetDrawingModel();
  CurDwg = 1;
  Dwgs[1].Name = name;
  Dwgs[1].Revision = revision;
  NewItemName = "Layer 1";
  AddItem(ItemLayer);
  Objs.assign(static_cast<std::size_t>(lines) + 1, ObjRec{});
  Pnts.assign(2 * static_cast<std::size_t>(lines) + 1, PntRec{});
  for (long j = 1; j <= lines; ++j) {
    ObjRec& obj = Objs[static_cast<std::size_t>(j)];
    obj.Rtype = EntityLine;
    obj.Show = FlagTrue;
    obj.Flag = round;
    obj.Weight = 1;
    obj.NPoints = 2;
    obj.PointID = static_cast<Long>(2 * j - 1);
    obj.LayerID = 1;
    obj.DwgNo = 1;
    Pnts[static_cast<std::size_t>(2 * j - 1)] = PntRec{1, static_cast<Long>(j), Double(j), 0};
    Pnts[static_cast<std::size_t>(2 * j)] = PntRec{2, static_cast<Long>(j), Double(j), Double(round)};
  }
  ObjCount = ObjsMax = static_cast<Long>(lines);
  PntCount = PntsMax = static_cast<Long>(2 * lines);
}

}  // namespace lintavo
