// frmGroupSelect: the group chooser. The user picks one group of the current
// drawing and sees its members alone, with a margin of a tenth around them;
// a group can be renamed, or deleted together with its members without a
// question.
//
// Opened by SHOW a Group, ADD Selected Group (where the user names the
// group just made), HIDE a Group and Select Group. Previewing a group shows
// it; Cancel gives the chosen group its Show flag back, and the drawing its
// changed mark when nothing else in the chooser changed it. Results:
// SelectedGroup and GroupNameSought (0 and empty when nothing was chosen or
// the chooser was cancelled), DlgCancelled.
#pragma once

#include "model/ChangeMarks.h"
#include "windows/show/frmItemChooser.h"

namespace lintavo {

class frmGroupSelect : public frmItemChooser {
  Q_OBJECT
 public:
  explicit frmGroupSelect(QWidget* parent = nullptr);

 protected:
  void DeleteChosen(Long Index) override;
  void AddNewItem() override {}  // groups are made from the selection, not here
  Long MemberCount(Long Index) const override;
  // A group of one point is previewed up to the default sheet size.
  PreviewCorner EmptyWindowCorner() const override { return PreviewCorner::DefaultSheet; }
  void DrawItemPreview(Long Index) override;
  void reject() override;

 private:
  Long previewed_ = 0;      // the group whose Show the preview set; 0 none
  Integer savedShow_ = 0;   // its Show before its first preview
  KeptMark previewMark_;    // the drawing's changed mark before that preview
};

// Shows the chooser modally for the current SelectAction.
void ShowGroupSelect();
// Select Group's chooser: true with the chosen group's name and index.
bool ChooseGroupItem(String& Name, Long& ItemNo);

}  // namespace lintavo
