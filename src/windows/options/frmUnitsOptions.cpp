// frmUnitsOptions: the units dialog's controls, loading and clicks.
#include "windows/options/frmUnitsOptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include "model/Units.h"
#include "windows/controls/OptionBoxes.h"

namespace lintavo {

namespace {

// Runs apply with the chosen position on every choice the user makes:
// a change of entry, and a click on the entry already chosen.
template <typename Apply>
void OnChoice(QListWidget* list, Apply apply) {
  QObject::connect(list, &QListWidget::currentRowChanged, list, [apply](int row) {
    if (row >= 0) apply(row);
  });
  QObject::connect(list, &QListWidget::itemClicked, list,
                   [list, apply](QListWidgetItem* item) { apply(list->row(item)); });
}

// Two boxes of which exactly one is checked: clicking either sets the other
// to the opposite and the flag to whether `setsFlag` is now checked.
void PairBoxes(QCheckBox* setsFlag, QCheckBox* clearsFlag, Integer* flag) {
  QObject::connect(setsFlag, &QCheckBox::clicked, setsFlag, [clearsFlag, flag](bool checked) {
    clearsFlag->setChecked(!checked);
    *flag = Flag(checked);
  });
  QObject::connect(clearsFlag, &QCheckBox::clicked, clearsFlag, [setsFlag, flag](bool checked) {
    setsFlag->setChecked(!checked);
    *flag = Flag(!checked);
  });
}

}  // namespace

frmUnitsOptions::frmUnitsOptions(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Drawing Units"));
  BuildControls();
  Form_Load();
  ConnectClicks();  // after loading: a refresh is not a click
}

void frmUnitsOptions::BuildControls() {
  Check1 = NamedCheckBox("Check1", "English", this);
  Check2 = NamedCheckBox("Check2", "Metric", this);
  Check3 = NamedCheckBox("Check3", "Fractions Display", this);
  Check4 = NamedCheckBox("Check4", "Decimal Display", this);
  chkAutoscale = NamedCheckBox("chkAutoscale", "Use Autoscale", this);
  List1 = NamedList("List1", Entries(EnglishEntries, EnglishEntryCount), this);
  List2 = NamedList("List2", {"Millimeters", "Centimeters", "Decimeters", "Meters", "Kilometers"},
                    this);
  List3 = NamedList("List3", Entries(DecimalEntries, DecimalEntryCount), this);
  List4 = NamedList("List4", {"Degrees", "Minutes", "Radians"}, this);
  List5 = NamedList("List5", Entries(FractionEntries, FractionEntryCount), this);
  CancelButton = new QPushButton(QStringLiteral("EXIT"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(Check1, 0, 0);
  grid->addWidget(Check2, 0, 1);
  grid->addWidget(List1, 1, 0);
  grid->addWidget(List2, 1, 1);
  grid->addWidget(Check3, 2, 0);
  grid->addWidget(Check4, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("Fractions Value"), this), 3, 0);
  grid->addWidget(new QLabel(QStringLiteral("Decimal Point Precision"), this), 3, 1);
  grid->addWidget(List5, 4, 0);
  grid->addWidget(List3, 4, 1);
  grid->addWidget(new QLabel(QStringLiteral("Angle Display"), this), 5, 0);
  grid->addWidget(chkAutoscale, 5, 1);
  grid->addWidget(List4, 6, 0);
  grid->addWidget(CancelButton, 6, 1, Qt::AlignBottom);
}

void frmUnitsOptions::Form_Load() {
  Check1->setChecked(!MetricUnits);
  Check2->setChecked(MetricUnits != 0);
  Check3->setChecked(FractionDisplay != 0);
  Check4->setChecked(!FractionDisplay);
  chkAutoscale->setChecked(AutoScale != 0);
  List1->setCurrentRow(EnglishPosition(EnglishUnit));
  SelectCode(List2, MetricUnit);
  SelectCode(List3, DecimalPlaces);
  SelectCode(List4, AngleUnit);
  List5->setCurrentRow(FractionPosition(FractionDenom));
}

void frmUnitsOptions::ConnectClicks() {
  PairBoxes(Check2, Check1, &MetricUnits);
  PairBoxes(Check3, Check4, &FractionDisplay);
  connect(chkAutoscale, &QCheckBox::clicked, this, [](bool checked) { AutoScale = Flag(checked); });
  OnChoice(List1, [](int row) { EnglishUnit = EnglishCodeChosen(row, EnglishUnit); });
  OnChoice(List2, [](int row) { MetricUnit = static_cast<Integer>(row + 1); });
  OnChoice(List3, [](int row) { DecimalPlaces = static_cast<Integer>(row + 1); });
  OnChoice(List4, [](int row) { AngleUnit = static_cast<Integer>(row + 1); });
  OnChoice(List5, [](int row) { FractionDenom = FractionDenomAt(row); });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace lintavo
