// frmDwgProperties: the "Drawing Properties" dialog behind File, Properties.
// It shows the current drawing's record (Dwgs(CurDwg)): its name, source and
// destination databases, creation date, line count, extents and the counts
// of its layers, views, areas, groups, component placements and text
// characters, and edits its sheet limits, author, revision, type, category,
// part number and description.
//
// Opening it recounts the drawing: the record's layer and object counts are
// set from the counts, and a record without a sheet width takes the default
// sheet size; both stay whatever the user then does. "Keep Changes" writes
// the edited fields back and marks the drawing changed, so the next save
// stores them; "Cancel", Esc and the close box write nothing more. Shown
// modally; the main window redraws the active drawing afterwards.
#pragma once

#include <QDialog>

#include "platform/Types.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lintavo {

class frmDwgProperties : public QDialog {
  Q_OBJECT
 public:
  explicit frmDwgProperties(QWidget* parent = nullptr);

  // ---- The record, read only --------------------------------------------------------------
  QLineEdit* Text1 = nullptr;   // "Current Drawing": Name
  QLineEdit* Text3 = nullptr;   // "Drawing Source": the database it was loaded from
  QLineEdit* Text2 = nullptr;   // "Destination Database": DwgDbPath
  QLineEdit* Text12 = nullptr;  // "Creation Date"
  QLineEdit* Text17 = nullptr;  // "Number of Lines": Nlines
  QLineEdit* txtXmin = nullptr;  // "Drawing Extants"
  QLineEdit* txtYmin = nullptr;
  QLineEdit* txtXmax = nullptr;
  QLineEdit* txtYmax = nullptr;
  QLineEdit* Text18 = nullptr;  // "Number of Layers"
  QLineEdit* Text19 = nullptr;  // "Number of Views"
  QLineEdit* Text20 = nullptr;  // "Number of Areas"
  QLineEdit* Text21 = nullptr;  // "Number of Groups"
  QLineEdit* Text22 = nullptr;  // "Component Placements"
  QLineEdit* Text23 = nullptr;  // "Text Placements": text characters
  QLabel* lblWidth = nullptr;   // "Current Width = " and the extents' width in the user's unit
  QLabel* lblHeight = nullptr;  // "Current Height = " and the extents' height

  // ---- Written back by "Keep Changes" ---------------------------------------------------------
  QLineEdit* Text5 = nullptr;   // " Width Limit *": Xlimit, 3 decimals
  QLineEdit* Text6 = nullptr;   // "Height  Limit *": Ylimit, 3 decimals
  QLineEdit* Text13 = nullptr;  // "Author"
  QLineEdit* Text14 = nullptr;  // "Revision  *"
  QLineEdit* Text15 = nullptr;  // "Drawing Type  *": Rtype
  QLineEdit* Text16 = nullptr;  // "Drawing Category  *"
  QLineEdit* Text30 = nullptr;  // "Part Number"
  QLineEdit* Text31 = nullptr;  // "Description"

  QPushButton* cmdOK = nullptr;      // "Keep Changes"
  QPushButton* cmdCancel = nullptr;  // "Cancel"

 private:
  void BuildControls();
  void Form_Load();  // the record shown, the counts recomputed and stored
  void cmdOK_Click();
  QLineEdit* AddBox(const char* name, bool editable);
};

// Shows the dialog modally for the current drawing and returns when it
// closes; nothing while no drawing window holds the current drawing.
void ShowDwgProperties();

}  // namespace lintavo
