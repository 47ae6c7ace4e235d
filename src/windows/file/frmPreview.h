// frmPreview: the print preview: the current drawing as it will be framed
// on paper, the choice of printer, and printing to scale or as a page image.
// Shown modally by File, Print Preview with the caption it is given.
//
// While it is open its picture box is the drawing surface (ActiveDoc) with
// the layer-preview switches set and the view cache fitted to the picture;
// "Print  To Scale" borrows the printer for the job and gives the picture
// back. Closing hands the surface back to the window that had it.
#pragma once

#include <QDialog>

#include "model/TargetBorrow.h"
#include "platform/Types.h"
#include "view/Print.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lintavo {

class Surface;
class SurfaceWidget;

// Shows the window and returns when it closes.
void ShowPreview(const String& Caption);

// The border and title block of a page printed to scale, on page (ActiveDoc
// with the printer transform, Y up): the border inset 5 pixels at up to 300
// pixels per inch, else 10; the title block 2 by 0.5 inches from the inset
// corner with FileName 0.2 inch in and 0.3 inch up. Both are drawn solid in
// CurColor: up to 300 pixels per inch with a 5-pixel pen, on finer paper
// with the preview's pens at their screen size.
void DrawPageFrame(const PrinterPage& Page, bool Border, bool Title, const String& FileName);

class frmPreview : public QDialog {
  Q_OBJECT
 public:
  explicit frmPreview(QWidget* parent = nullptr);
  ~frmPreview() override;

  void Form_Load();
  void Form_Unload();  // the surface back, PreviewMode off; once

  // ---- Controls ------------------------------------------------------------
  SurfaceWidget* Picture1 = nullptr;
  QPushButton* cboPrintImage = nullptr;
  QPushButton* cboPrintScale = nullptr;
  QPushButton* cboSetup = nullptr;
  QPushButton* cboClose = nullptr;
  QCheckBox* chkBorder = nullptr;
  QCheckBox* chkTitle = nullptr;
  QLineEdit* Text1 = nullptr;  // print scale; nothing reads it
  QLineEdit* Text2 = nullptr;  // printer resolution
  QLineEdit* Text3 = nullptr;  // printer name

  // ---- Handlers --------------------------------------------------------------
  void cboPrintImage_Click();
  void cboPrintScale_Click();
  void cboSetup_Click();
  void cboClose_Click();
  void chkBorder_Click();
  void chkTitle_Click();

  const PrinterPage& Page() const { return page_; }

 protected:
  void done(int result) override;

 private:
  void RestorePageScale();     // the picture box with the preview transform
  bool PrinterReady();         // false, with a message, when there is nowhere to print
  void EndJob(PrintJob& Job, bool Opened);  // ends it; a failure in a message
  void MeasurePage();          // page values and the two text boxes from the printer
  void DrawPreviewObjects();

  Long previewDwgNo_ = 0;
  String previewFileName_;
  PrinterPage page_;
  Integer borderDrawn_ = FlagFalse;
  Integer titleDrawn_ = FlagFalse;
  TargetBorrow target_;  // Picture1 as the drawing target while the dialog is open
  bool loaded_ = false;
  bool unloaded_ = false;
};

}  // namespace lintavo
