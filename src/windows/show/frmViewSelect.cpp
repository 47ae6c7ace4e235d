// frmViewSelect: the view chooser, and its place in the view commands and
// in Select View.
#include "windows/show/frmViewSelect.h"

#include <QLabel>
#include <QPushButton>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "organisation/ViewHand.h"
#include "platform/Modal.h"
#include "view/DisplayOptions.h"

namespace lintavo {

namespace {
// Caption words by SelectAction 1..7.
constexpr const char* const ViewSelectWords[7] = {"Select ", "Show/Edit ", "Remove ", "Hide ",
                                                  "Fill ",   "Hatch ",     "Add New "};
}  // namespace

frmViewSelect::frmViewSelect(QWidget* parent)
    : frmItemChooser(ItemView, "View", ViewSelectWords, SelectedView, ViewNameSought, parent) {
  setObjectName("frmViewSelect");
  Command1->hide();
  Command2->setText("Delete View");
}

Long frmViewSelect::MemberCount(Long Index) const { return Items[Index].Nlines; }

void frmViewSelect::DeleteChosen(Long Index) { DeleteView(Index); }

String frmViewSelect::PreviewCaption(Long Index) const { return Items[Index].Name; }

void frmViewSelect::DrawItemPreview(Long Index) {
  SetItemFlag(Index, &ItemRec::Show, FlagTrue);
  ShowRefPnts = FlagFalse;  // off for the preview, and it stays off
  DrawOwnedPreview(0);
}

void ShowViewSelect() {
  frmViewSelect dialog;
  ShowModal(dialog);
}

bool ChooseViewItem(String& Name, Long& ItemNo) {
  ShowViewSelect();
  return ChosenItem(SelectedView, ViewNameSought, Name, ItemNo);
}

namespace {
void PlugViewSelect() { ViewDialogs.ShowViewSelect = ShowViewSelect; }
const ModuleRegistrar Registered({"frmViewSelect", FloorApp, nullptr, {}, PlugViewSelect});
}  // namespace

}  // namespace lintavo
