// frmViewSelect: the view chooser. The user picks one named view of the
// current drawing and sees the drawing inside the view's window; a view can
// be renamed (names are not checked against each other) or deleted.
//
// Opened by SHOW A View, ADD View (where the user names the view just made)
// and Select View. The preview leaves Reference Points off. Results:
// SelectedView and ViewNameSought (0 and empty when nothing was chosen or
// the chooser was cancelled), DlgCancelled.
#pragma once

#include "windows/show/frmItemChooser.h"

namespace lintavo {

class frmViewSelect : public frmItemChooser {
  Q_OBJECT
 public:
  explicit frmViewSelect(QWidget* parent = nullptr);

 protected:
  void DeleteChosen(Long Index) override;
  void AddNewItem() override {}  // views are made by ADD View, not here
  Long MemberCount(Long Index) const override;
  void DrawItemPreview(Long Index) override;
  String PreviewCaption(Long Index) const override;  // the view's name alone
};

// Shows the chooser modally for the current SelectAction.
void ShowViewSelect();
// Select View's chooser: true with the chosen view's name and index.
bool ChooseViewItem(String& Name, Long& ItemNo);

}  // namespace lintavo
