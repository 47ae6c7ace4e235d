// frmAreaSelect: the area chooser, and its place in the area commands and
// in Select Area.
#include "windows/show/frmAreaSelect.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "annotation/Areas.h"
#include "annotation/Fills.h"
#include "annotation/Hatches.h"
#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/LayerItems.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "picking/Measure.h"
#include "picking/Selection.h"
#include "platform/Modal.h"
#include "view/DisplayOptions.h"
#include "view/DrawDispatch.h"
#include "windows/controls/OptionBoxes.h"

namespace lintavo {

namespace {
// Caption words by SelectAction 1..6.
constexpr const char* const AreaSelectWords[6] = {"Select ", "Show/Edit ", "Remove ", "Hide ", "Fill ", "Hatch "};
}  // namespace

frmAreaSelect::frmAreaSelect(QWidget* parent)
    : frmItemChooser(ItemArea, "Area", AreaSelectWords, AreaItem, AreaName, parent) {
  setObjectName("frmAreaSelect");
  Command1->hide();
  Command2->setText("Delete Area");
  lblCname->setText("Edit/Change Name");
  SetDesignText(lblLines, "Area");
}

Long frmAreaSelect::MemberCount(Long Index) const { return Items[Index].Nlines; }

// Deleted without a question: the boundary, fills and hatches go with it.
void frmAreaSelect::DeleteChosen(Long Index) { DeleteArea(Index); }

void frmAreaSelect::RenameChosen(Long Index, const String& Name) { RenameArea(Index, Name); }

bool frmAreaSelect::HasPreviewWindow(Long Index) const { return AreaBoundary(Index) != 0; }

String frmAreaSelect::PreviewCaption(Long Index) const { return Items[Index].Name; }

void frmAreaSelect::DrawItemPreview(Long Index) {
  // The size comes from the area's own boundary; an area without one states
  // none, never the size of the area previewed before.
  ShowDesignText(lblLines);
  SetItemFlag(Index, &ItemRec::Show, FlagTrue);  // the chosen area stays shown
  // A margin of a tenth of the width and height on every side.
  WidenPreviewWindow();
  FitPreviewToView();
  PreviewAllLayers = FlagTrue;
  ShowRefPnts = FlagFalse;
  const Long last = ObjCount;
  for (Long i = 1; i <= last; ++i) {
    const ObjRec& obj = Objs[i];
    if (obj.DwgNo == CurDwg && !obj.Erased && obj.Show) DrawObject(i);
  }
  // The size of the one boundary the area's hatches, fills and box come from.
  if (const Long boundary = AreaBoundary(Index); boundary != 0)
    lblLines->setText(QString::fromStdString(FormatArea(std::fabs(static_cast<Double>(Objs[boundary].Area)))));
  if (SelectAction == AreaActionFill) FillAreaItem(Index);
  if (SelectAction == AreaActionHatch) PreviewAreaHatch(Index);
  PreviewAllLayers = FlagFalse;
}

void ShowAreaSelect() {
  frmAreaSelect dialog;
  ShowModal(dialog);
}

bool ChooseAreaItem(String& Name, Long& ItemNo) {
  ShowAreaSelect();
  return ChosenItem(AreaItem, AreaName, Name, ItemNo);
}

namespace {
void PlugAreaSelect() { ShowAreaChooser = ShowAreaSelect; }
const ModuleRegistrar Registered({"frmAreaSelect", FloorApp, nullptr, {}, PlugAreaSelect});
}  // namespace

}  // namespace lintavo
