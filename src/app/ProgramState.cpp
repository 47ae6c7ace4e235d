// ProgramState: the list of module reset routines.
#include "app/ProgramState.h"

#include "annotation/Areas.h"
#include "annotation/Dimension.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "annotation/Texthand.h"
#include "app/DataHand.h"
#include "app/DrawDispatch.h"
#include "app/Setings.h"
#include "app/Startup.h"
#include "app/Top.h"
#include "app/UndoRedo.h"
#include "app/Units.h"
#include "commands/Edits.h"
#include "commands/GripFrame.h"
#include "commands/LineDraw.h"
#include "commands/Modify.h"
#include "commands/Trims.h"
#include "organisation/Components.h"
#include "organisation/Groups.h"
#include "organisation/Layers.h"
#include "organisation/ViewHand.h"
#include "picking/Identify.h"
#include "picking/Measure.h"
#include "picking/PickLine.h"
#include "picking/Selection.h"
#include "picking/Snaps.h"
#include "storage/LoadData.h"
#include "storage/SaveData.h"
#include "storage/Verify.h"
#include "view/DisplayOptions.h"
#include "view/FastDraw.h"
#include "view/Grids.h"
#include "view/ObjectDrawers.h"
#include "view/Outline.h"
#include "view/Rubber.h"
#include "view/SurfaceDraw.h"
#include "view/Zooms.h"

namespace lintavo {

void ResetProgramState() {
  // The platform modules keep no program state of their own: the current
  // responder, the settings scope and the application folder override are
  // set and restored by their users. Module reset calls follow here, one per
  // module, in the order the modules are built.
  ResetTop();
  ResetStartup();
  ResetDataHand();
  ResetUndoRedo();
  ResetDrawDispatch();
  ResetSurfaceDraw();  // after the model: GdiPts takes the bound of ScrPts
  ResetObjectDrawers();
  ResetDisplayOptions();
  ResetUnits();
  ResetSetings();
  ResetLineDraw();
  ResetComponents();
  ResetTexthand();
  ResetTrims();
  ResetFills();
  ResetHatches();
  ResetMeasure();
  ResetDimension();
  ResetSnaps();
  ResetPickLine();
  ResetIdentify();
  ResetModify();
  ResetSelection();
  ResetEdits();
  ResetGripFrame();
  ResetZooms();
  ResetGrids();
  ResetViewHand();
  ResetLayers();
  ResetGroups();
  ResetAreas();
  ResetRubber();
  ResetOutline();
  ResetLoadData();
  ResetSaveData();
  ResetVerify();
  ResetFastDraw();
}

}  // namespace lintavo
