// frmGroupSelect: the group chooser, and its place in the group commands
// and in Select Group.
#include "windows/show/frmGroupSelect.h"

#include <QLabel>
#include <QPushButton>

#include "model/ChangeMarks.h"
#include "model/DataHand.h"
#include "model/ProgramState.h"
#include "model/Top.h"
#include "organisation/Groups.h"
#include "picking/Measure.h"
#include "platform/Modal.h"

namespace lintavo {

namespace {
// Caption words by SelectAction 1..4.
constexpr const char* const GroupSelectWords[4] = {"Select ", "Show/Edit ", "Add ", "Hide "};
}  // namespace

frmGroupSelect::frmGroupSelect(QWidget* parent)
    : frmItemChooser(ItemGroup, "Group", GroupSelectWords, SelectedGroup, GroupNameSought, parent) {
  setObjectName("frmGroupSelect");
  Command1->hide();
  Command2->setText("Delete Group");
}

Long frmGroupSelect::MemberCount(Long Index) const { return Items[Index].Nlines; }

void frmGroupSelect::DeleteChosen(Long Index) {
  if (previewed_ == Index) previewed_ = 0;
  DeleteGroup(Index);
}

void frmGroupSelect::DrawItemPreview(Long Index) {
  const ItemRec& group = Items[Index];
  // Shown again (clicked again, renamed), the group keeps the Show it had
  // before the chooser showed it.
  if (previewed_ != Index) {
    previewed_ = Index;
    savedShow_ = group.Show;
    previewMark_.Keep(CurDwg);
  }
  previewMark_.Own([Index] { SetItemFlag(Index, &ItemRec::Show, FlagTrue); });  // kept on OK, given back on Cancel
  lblWidth->setText(QString::fromStdString("Width = " + FormatLengthFixed(PreviewWidth())));
  lblHeight->setText(QString::fromStdString("Height = " + FormatLengthFixed(PreviewHeight())));
  WidenPreviewWindow();
  FitPreviewToView();
  DrawOwnedPreview(Index);
}

void frmGroupSelect::reject() {
  if (previewed_ >= 1 && previewed_ <= ItemCount && previewed_ == ChosenIndex) {
    const Long group = previewed_;
    previewMark_.Own([group, this] { SetItemFlag(group, &ItemRec::Show, savedShow_); });
    previewMark_.GiveBack();
  }
  previewed_ = 0;
  frmItemChooser::reject();
}

void ShowGroupSelect() {
  frmGroupSelect dialog;
  ShowModal(dialog);
}

bool ChooseGroupItem(String& Name, Long& ItemNo) {
  ShowGroupSelect();
  return ChosenItem(SelectedGroup, GroupNameSought, Name, ItemNo);
}

namespace {
void PlugGroupSelect() { GroupDialogs.ShowGroupSelect = ShowGroupSelect; }
const ModuleRegistrar Registered({"frmGroupSelect", FloorApp, nullptr, {}, PlugGroupSelect});
}  // namespace

}  // namespace lintavo
