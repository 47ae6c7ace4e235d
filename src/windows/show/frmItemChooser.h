// frmItemChooser: the pattern every item chooser shares (layers now; groups,
// areas, views and components reuse it): a list of the current drawing's
// items of one kind with their count line, a preview surface, a name box
// that renames on Enter, Add, Delete, OK and Cancel.
//
// The opener sets SelectAction and shows the chooser modally (ShowModal);
// the chooser's own class names its two results (the chosen index and name,
// which the chooser clears and sets) and says what an addition and a
// deletion do. While it is open its picture is the drawing
// target in preview mode (ChooserPreview); closing gives the target and the
// view cache back. Delete and Rename act only on an item clicked since the
// chooser opened (ChosenIndex >= 1): with none, a press changes nothing. A
// delete clears the results that named the deleted item, and the labels
// beside the picture and the count line say what is left.
#pragma once

#include <QDialog>
#include <span>

#include "model/TargetBorrow.h"
#include "organisation/ChooserPreview.h"
#include "platform/Types.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

class SurfaceWidget;

class frmItemChooser : public QDialog {
  Q_OBJECT
 public:
  // Kind: the item kind listed; ItemWord: "Layer", "Group" ...; ActionWords:
  // the caption's word by SelectAction 1..n (any other action gives none);
  // Selected and NameSought: the chooser's results (SelectedLayer and
  // LayerNameSought ...), the chosen item's index and name, 0 and empty
  // while nothing is chosen.
  frmItemChooser(Integer Kind, const char* ItemWord, std::span<const char* const> ActionWords, Long& Selected,
                 String& NameSought, QWidget* parent);
  ~frmItemChooser() override;

  QListWidget* List1 = nullptr;     // names of the current drawing's items of the kind
  SurfaceWidget* Picture1 = nullptr;  // preview surface
  QLabel* lblView = nullptr;        // the chosen item's name & " Selected"
  QLabel* lblLines = nullptr;       // "Lines = " & its entity count
  QLabel* lblWidth = nullptr;       // width of the preview window
  QLabel* lblHeight = nullptr;      // height of the preview window
  QLabel* lblCname = nullptr;       // "Edit/Change <word> Name"
  QLineEdit* TxtName = nullptr;     // chosen name; Enter renames the chosen item
  QPushButton* Command1 = nullptr;  // "Add New <word>"
  QPushButton* Command2 = nullptr;  // "Delete This <word>"
  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QLabel* Label1 = nullptr;  // count line
  QLabel* Label2 = nullptr;  // the chooser's note

  Long ChosenIndex = 0;  // Items index of the item last clicked; 0 none
  String ChosenName;     // its name as clicked or renamed

  static constexpr int PictureWidth = 320;   // preview surface, pixels
  static constexpr int PictureHeight = 240;

 protected:
  // ---- The results ----------------------------------------------------------------------
  void ClearResults();                              // nothing chosen
  void TakeChoice(Long Index, const String& Name);  // results := the clicked item

  // ---- What the chooser's own class decides ---------------------------------------
  virtual void DeleteChosen(Long Index) = 0;                    // deletes (it may ask first)
  virtual void AddNewItem() = 0;                                // Command1
  virtual void AcceptChoice() {}                                // on OK, before closing
  virtual Long MemberCount(Long Index) const = 0;               // entities shown by lblLines
  virtual bool ShowsMemberCount() const { return true; }        // lblLines := "Lines = " & MemberCount
  // Where a preview window of no width or height takes its upper corner.
  virtual PreviewCorner EmptyWindowCorner() const { return PreviewCorner::DrawingOne; }
  // Whether the item has a window of its own to preview; one without shows
  // its caption only, no size and no picture.
  virtual bool HasPreviewWindow(Long) const { return true; }
  // lblView's caption for the item previewed: its name and " Selected".
  virtual String PreviewCaption(Long Index) const;
  virtual void DrawItemPreview(Long Index);                     // after fitting; layers: the layer's entities
  virtual void RenameChosen(Long Index, const String& Name);    // Enter in TxtName; the item's Name

  // ---- The pattern --------------------------------------------------------------------
  void FillList();
  bool FindItemIndex(const String& Name, Long& Index) const;  // first item of the kind, exact name
  void ShowPreview(Long Index);  // the item's window fitted and its entities drawn
  void ClearPicture();
  void ShowNothingChosen();  // the picture cleared, the labels beside it at their design texts

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void accept() override;
  void reject() override;

 private:
  void Form_Load();
  void List1_Click(int row);
  void TxtName_Enter();
  void Command2_Click();
  void Command1_Click();

  Integer kind_;
  String itemWord_;
  std::span<const char* const> actionWords_;
  Long* selected_;       // the result: the chosen item's index
  String* nameSought_;   // the result: its name
  TargetBorrow preview_;  // Picture1 as the drawing target while the chooser is open
};

// What a chooser closed with: true, with the chosen item's name and index,
// unless it was cancelled or nothing was chosen.
bool ChosenItem(Long Selected, const String& NameSought, String& Name, Long& ItemNo);

}  // namespace lintavo
