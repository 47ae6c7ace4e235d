// frmUnitsOptions: the "Drawing Units" dialog, which edits the unit settings
// (Units.h) directly.
//
// Shown modally (ShowModal). Each opening loads the controls from the
// settings; every click changes its setting at once, and the changes stay in
// force after "EXIT" closes the dialog. The dialog neither reads nor writes
// option sets, and refreshing its controls never counts as a click.
#pragma once

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace lintavo {

class frmUnitsOptions : public QDialog {
  Q_OBJECT
 public:
  explicit frmUnitsOptions(QWidget* parent = nullptr);

  // ---- Controls ----------------------------------------------------------------
  QCheckBox* Check1 = nullptr;        // "English"; checked: MetricUnits false
  QCheckBox* Check2 = nullptr;        // "Metric"; checked: MetricUnits true
  QCheckBox* Check3 = nullptr;        // "Fractions Display"; checked: FractionDisplay true
  QCheckBox* Check4 = nullptr;        // "Decimal Display"; checked: FractionDisplay false
  QCheckBox* chkAutoscale = nullptr;  // "Use Autoscale": AutoScale
  QListWidget* List1 = nullptr;       // English units: EnglishUnit = position + 1
  QListWidget* List2 = nullptr;       // metric units: MetricUnit = position + 1
  QListWidget* List3 = nullptr;       // "Decimal Point Precision": DecimalPlaces = position + 1
  QListWidget* List4 = nullptr;       // "Angle Display": AngleUnit = position + 1
  QListWidget* List5 = nullptr;       // "Fractions Value": FractionDenom of the entry
  QPushButton* CancelButton = nullptr;  // "EXIT": closes the dialog

 private:
  void BuildControls();
  void Form_Load();  // the controls from the settings
  void ConnectClicks();
};

}  // namespace lintavo
