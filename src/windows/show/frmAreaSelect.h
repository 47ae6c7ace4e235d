// frmAreaSelect: the area chooser. The user picks one named area of the
// current drawing and sees the drawing inside the area's window; opened for
// a fill or a hatch, the preview shows the fill or hatch the command would
// make with the current options. An area can be renamed (its entities take
// the name too) or deleted with its boundary, fills and hatches.
//
// Opened by the area commands (show and add, hide, fill, hatch) and by
// Select Area. Results: AreaItem and AreaName (0 and empty when nothing was
// chosen or the chooser was cancelled), DlgCancelled.
#pragma once

#include "windows/show/frmItemChooser.h"

namespace lintavo {

class frmAreaSelect : public frmItemChooser {
  Q_OBJECT
 public:
  explicit frmAreaSelect(QWidget* parent = nullptr);

 protected:
  void DeleteChosen(Long Index) override;
  void AddNewItem() override {}  // the area chooser adds nothing
  Long MemberCount(Long Index) const override;
  // lblLines states the area's size, from its boundary, not a count.
  bool ShowsMemberCount() const override { return false; }
  // An area whose boundary was never finished has no window of its own.
  bool HasPreviewWindow(Long Index) const override;
  String PreviewCaption(Long Index) const override;  // the area's name alone
  void DrawItemPreview(Long Index) override;
  void RenameChosen(Long Index, const String& Name) override;
};

// Shows the chooser modally for the current SelectAction.
void ShowAreaSelect();
// Select Area's chooser: true with the chosen area's name and index.
bool ChooseAreaItem(String& Name, Long& ItemNo);

}  // namespace lintavo
