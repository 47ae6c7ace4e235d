// frmDwgSave: the modal "Save Drawing" dialog behind File, Save. It saves
// the drawing of one drawing window under a name and revision into a
// drawings database the user may choose: it checks the file, its kind and
// the name, asks before it replaces a stored revision, and writes the
// components the drawing places that the database lacks together with the
// drawing, in one transaction.
//
// The result line lblMsg is coloured (Colors.h): ColorRed for refusals and
// failures, ColorBlue while saving, ColorGreen for a stored drawing. One successful save per
// opening; the dialog stays open until Exit.
#pragma once

#include <QDialog>
#include <QPointer>
#include <vector>

#include "platform/CommonDialogs.h"
#include "platform/Types.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lintavo {

class frmDocument;

// The longest drawing name or revision stored (a text column of the drawings
// database takes 255 characters).
constexpr int MaxStoredNameLength = 255;

class frmDwgSave : public QDialog {
  Q_OBJECT
 public:
  // The dialog for the drawing of document (its ID), or of CurDwg without one.
  explicit frmDwgSave(frmDocument* document, QWidget* parent = nullptr);

  // ---- Controls ----------------------------------------------------------------
  QLabel* Label1 = nullptr;          // "Enter a  Name for This Drawing"
  QLineEdit* Text1 = nullptr;        // drawing name
  QLabel* Label2 = nullptr;          // "And/Or Revision Level"
  QLineEdit* Text2 = nullptr;        // revision
  QLabel* Label3 = nullptr;          // "Save To Drawing Database"
  QLineEdit* Text3 = nullptr;        // path of the drawings database
  QPushButton* cmdBrowse = nullptr;  // "Browse for Database"
  QPushButton* cmdSave = nullptr;    // "Save Drawing"
  QPushButton* cmdExit = nullptr;    // "Exit": closes, saving nothing
  QLabel* lblMsg = nullptr;          // result and error line, coloured
  CommonDialog dlgDialog;            // file-open dialog of cmdBrowse

  Long MsgColor() const { return msgColor_; }  // colour of lblMsg's text

  // ---- Events ------------------------------------------------------------------
  void cmdBrowse_Click();  // another drawings database, when the file chosen is one
  void cmdSave_Click();    // the checks, then the save

 private:
  void BuildControls();
  void Form_Load();
  void ShowMessage(const String& text, Long color);
  void ShowTitle();  // "Save Drawing As: " and the drawing's name now
  bool CheckTarget();                   // the database and the name; a red line when refused
  // False, with a message saying so, when the box holds more characters
  // than a stored name or revision takes.
  bool NameFits(const QLineEdit& box, const char* what);
  bool IsDrawingsDatabase(const String& path);  // false with its red line: locked, or of another kind
  // A stored revision of that name: ask; false on No. asked: the key of the
  // stored drawing asked about, 0 when none is stored.
  bool AskOverwrite(bool& overwrite, DbKey& asked);
  bool RunSave(bool overwrite, DbKey asked);  // components and drawing, then the result line; true when stored
  void SetBusy(bool busy);              // hourglass on the dialog and the main window

  QPointer<frmDocument> document_;  // the drawing window saved; null when it closed
  Long n_ = 0;                      // drawing number saved, 0..10
  bool saved_ = false;              // a save succeeded since the dialog opened
  Long msgColor_ = 0;               // colour of lblMsg's text
};

}  // namespace lintavo
