// frmDwgSelect: the drawing chooser, captioned "Drawing Select", shown
// modally by File Open. It lists the drawings stored in the Drawing table of
// the drawings database DwgDbPath in DrawID order, shows the fields of the
// row clicked, previews that drawing straight from its stored rows on its
// picture box, and lets the user switch to another drawings database (the
// new DwgDbPath stays in force after the dialog closes).
//
// While it is open its picture box is the drawing surface (ActiveDoc) with
// PreviewMode set and the view cache fitted to the row shown; closing gives
// the surface back to the window that had it and clears PreviewMode.
//
// Results, whichever way it closes: OK with drawings listed sets SelDwgName
// to the Name box's text, SelDwgID to the DrawID of the row shown and
// DlgCancelled to false; OK with an empty list, Cancel or closing the window
// set "", 0 and true.
#pragma once

#include <QDialog>
#include <vector>

#include "model/TargetBorrow.h"
#include "platform/Types.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QGridLayout;

namespace lintavo {

class Surface;
class SurfaceWidget;

class frmDwgSelect : public QDialog {
  Q_OBJECT
 public:
  explicit frmDwgSelect(QWidget* parent = nullptr);
  ~frmDwgSelect() override;

  // ---- Controls (object names as given here) --------------------------------------------
  QListWidget* List1 = nullptr;       // "Drawings Available": the Name of every Drawing row
  QLineEdit* txtCount = nullptr;      // entries in List1
  QLineEdit* txtPath = nullptr;       // "Current Drawing DataBase Path": DwgDbPath
  QLineEdit* TxtName = nullptr;       // "Name"
  QLineEdit* TxtType = nullptr;       // "Type": the drawing-type text (Rtype)
  QLineEdit* TxtRevision = nullptr;   // "Revision"
  QLineEdit* TxtCategory = nullptr;   // "Category"
  QLineEdit* TxtPart = nullptr;       // "Part Number"
  QLineEdit* TxtDesc = nullptr;       // "Description"
  QLineEdit* TextNl = nullptr;        // "Number of Lines"
  QLineEdit* TxtAuthor = nullptr;     // "Author"
  QLineEdit* TxtDate = nullptr;       // "Creation Date"
  QLineEdit* TextH = nullptr;         // "Height": Ymax - Ymin as a length
  QLineEdit* TextW = nullptr;         // "Width": Xmax - Xmin as a length
  SurfaceWidget* Picture1 = nullptr;  // the preview surface
  QPushButton* cmdShow = nullptr;     // "Preview Drawing"
  QPushButton* cmdPath = nullptr;     // "Select New Drawing Database"
  QPushButton* cmdOK = nullptr;       // "OK"
  QPushButton* cmdCancel = nullptr;   // "Cancel"

  // ---- Actions of the controls ----------------------------------------------------------
  void List1_Click(int row);  // shows row `row` (0-based) and fits the view to it
  void cmdShow_Click();       // draws the preview of the row shown, when an entry is selected
  void cmdPath_Click();       // asks for another drawings database and lists its drawings
  void cmdOK_Click();
  void cmdCancel_Click();

  void reject() override;  // Esc and the close box cancel as cmdCancel does

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void Form_Load();    // the surface, the view cache and the list
  void Form_Unload();  // the surface back, PreviewMode off; once
  void FillList();     // the drawings of DwgDbPath; nothing when the file is missing
  // The open-file dialog titled Title; a drawings database whose drawings can
  // be listed becomes DwgDbPath and is listed. False when none was taken.
  bool BrowseForDatabase(const String& Title);
  void ShowRow(int row);  // the fields of listed row `row` into the boxes
  void FitPreview();      // the view cache to the extents of the row shown
  void SetResults(bool cancelled);

  std::vector<Long> rowKeys_;  // DrawID of each list entry, in list order
  int position_ = -1;          // the list entry whose row is shown; -1 none
  DbKey currentDrawID_ = 0;    // DrawID of the row last shown
  Double extents_[4] = {0, 0, 0, 0};  // Xmin, Ymin, Xmax, Ymax of the row shown, world units
  Long storedLines_ = 0;              // Nlines of the row shown; 0 when unread
  TargetBorrow target_;               // Picture1 as the drawing target while the dialog is open
  bool loaded_ = false;    // Form_Load has run
  bool unloaded_ = false;  // Form_Unload has run since
};

}  // namespace lintavo
