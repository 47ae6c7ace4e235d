// frmLineProperties: the "Selected Line - Properties" dialog. It lists the
// selected entities of the current drawing, draws them in a small preview,
// and shows the data of the one picked from the list: identity, style,
// links and the measurements that suit its type. Colour, line style, line
// weight and line width are edited in place as they are typed (no undo
// step; the drawing is marked changed); the entity is redrawn when the
// dialog closes.
//
// The drawing window's right button opens it while a selection exists; the
// caller redraws its view afterwards.
#pragma once

#include <QDialog>
#include <vector>

#include "model/DataHand.h"
#include "model/TargetBorrow.h"
#include "platform/Types.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lintavo {

class Surface;
class SurfaceWidget;

class frmLineProperties : public QDialog {
  Q_OBJECT
 public:
  explicit frmLineProperties(QWidget* parent = nullptr);
  ~frmLineProperties() override;

  // ---- Controls ----------------------------------------------------------------------
  QListWidget* List1 = nullptr;    // "n - type name" per selected entity, in table order
  QLabel* Label13 = nullptr;       // " n Lines Selected"
  SurfaceWidget* Picture1 = nullptr;  // preview of the selection
  QCheckBox* Check1 = nullptr;     // "Show Construction Points"
  QLineEdit* Text10 = nullptr;     // "Line Number": index in Objs
  QLineEdit* Text2 = nullptr;      // "Line Type": type name
  QLineEdit* txtLayer = nullptr;   // "Layer ID": layer name
  QLineEdit* Text3 = nullptr;      // "Line Color*": RGB as a decimal number; editable
  QLineEdit* Text4 = nullptr;      // "Line Style*": Ltype; editable
  QLineEdit* Text5 = nullptr;      // "Line Weight*": Weight; editable
  QLineEdit* Text6 = nullptr;      // "Line Width*": Width; editable
  QLineEdit* Text8 = nullptr;      // "Number of Points"
  QLineEdit* txtObject = nullptr;  // "Object ID": name of the item shown
  QLineEdit* txtOwner = nullptr;   // "Owner ID": name of the owning group or area
  QLineEdit* txtXo = nullptr;      // "X origin": point 1, 3 decimals
  QLineEdit* txtYo = nullptr;      // "Y origin"
  QLineEdit* txtxs = nullptr;      // "X scale" of compound entities
  QLineEdit* txtys = nullptr;      // "Y scale"
  QLineEdit* txtang = nullptr;     // "Rotation"
  QLabel* lblLength = nullptr;     // measurement lines by type
  QLabel* lblAngle = nullptr;
  QLabel* lblAngle2 = nullptr;
  QPushButton* CancelButton = nullptr;  // "EXIT"

 private:
  void BuildControls();
  void ConnectEdits();
  void Form_Load();
  void Form_Unload();
  void SetPreviewView();
  void ExtendPreviewBox(Double X, Double Y);
  void ExtendPreviewBoxByObject(Long ObjNo);
  void DrawPreview(Long Highlighted);  // every selected entity; Highlighted in the selection colour
  void List1_Click(int row);
  void ShowObjGeometry(Long ObjNo);
  // Stores a typed number into the shown entity through store; not a
  // number, or no entity shown: nothing changes.
  void EditField(const QString& text, void (*store)(ObjRec&, Long));

  std::vector<Long> listed_;    // Objs index of each list line
  Long shown_ = 0;              // entity shown in the fields; 0 none
  Single boxMaxX_ = 0, boxMaxY_ = 0, boxMinX_ = 0, boxMinY_ = 0;  // preview box, world units
  Integer savedConPnts_ = 0;    // ShowConPnts before the dialog
  TargetBorrow target_;  // Picture1 as the drawing target while the dialog is open
  bool unloaded_ = false;
};

// Shows the dialog modally and returns when it closes.
void ShowLineProperties();

}  // namespace lintavo
