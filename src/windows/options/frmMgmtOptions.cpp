// frmMgmtOptions: the options management dialog's controls and handlers.
#include "windows/options/frmMgmtOptions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/controls/OptionBoxes.h"
#include "windows/controls/OptionSetList.h"
#include "app/Setings.h"
#include "windows/main/frmMain.h"
#include "platform/Modal.h"

namespace lintavo {

namespace {

// A set list wide enough for a set name of 16 characters.
QComboBox* NamedList(const char* name, QWidget* parent) {
  QComboBox* list = NamedCombo(name, parent);
  list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  list->setMinimumContentsLength(16);
  return list;
}

}  // namespace

frmMgmtOptions::frmMgmtOptions(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Options Management"));
  BuildControls();
  LayOut();
  Profiles = new OptionSetList(*Combo1, SettingProfile, EchoInput::Show, [this] { FillProfileLists(); });
  Profiles->BindButtons(cmdUpdate, cmdDefault);
  Profiles->OnStored([this](const String& name, bool added) { ProfileStored(name, added); });
  FillProfileLists();
  for (Integer t = SettingDrawing; t <= SettingFills; ++t)
    connect(SetList(t), &QComboBox::currentIndexChanged, this, [this, t] { SetChosen(t); });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmMgmtOptions::BuildControls() {
  Combo1 = NamedList("Combo1", this);
  txtCount = new QLineEdit(this);
  txtCount->setObjectName(QStringLiteral("txtCount"));
  txtCount->setReadOnly(true);
  txtCount->setMaximumWidth(60);
  Combo6 = NamedList("Combo6", this);
  Combo2 = NamedList("Combo2", this);
  Combo3 = NamedList("Combo3", this);
  Combo4 = NamedList("Combo4", this);
  Combo5 = NamedList("Combo5", this);
  Command1 = NamedButton("Command1", "Change ALL of the Current Program Operational Settings", this);
  cmdUpdate = NamedButton("cmdUpdate", "Apply Setting Changes to Current Option Group", this);
  cmdDefault = NamedButton("cmdDefault", "Set Current Option Group as Default", this);
  cmdClose = NamedButton("cmdClose", "EXIT", this);
  lblResult = Caption("", this);
  lblResult->setObjectName(QStringLiteral("lblResult"));
}

void frmMgmtOptions::LayOut() {
  auto* profiles = new QGroupBox(QStringLiteral("Settings Database"), this);
  auto* profileGrid = new QGridLayout(profiles);
  profileGrid->addWidget(Caption("Available Option Groups", this), 0, 0);
  profileGrid->addWidget(txtCount, 0, 1);
  profileGrid->addWidget(Caption("Set Current Options Group", this), 1, 0, 1, 2);
  profileGrid->addWidget(Combo1, 2, 0, 1, 2);
  profileGrid->addWidget(cmdUpdate, 3, 0, 1, 2);
  profileGrid->addWidget(cmdDefault, 4, 0, 1, 2);

  auto* sets = new QGridLayout;
  const std::pair<const char*, QComboBox*> rows[] = {{"Drawing Setting Options", Combo6},
                                                     {"Display Setting Options", Combo2},
                                                     {"Text Setting Options", Combo3},
                                                     {"Dimensioning Setting Options", Combo4},
                                                     {"Fills and Hatch Setting Options ", Combo5}};
  for (int r = 0; r < static_cast<int>(std::size(rows)); ++r) {
    sets->addWidget(Caption(rows[r].first, this), r, 0);
    sets->addWidget(rows[r].second, r, 1);
  }

  auto* top = new QHBoxLayout;
  top->addWidget(profiles);
  top->addLayout(sets);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Command1, 1);
  bottom->addWidget(cmdClose);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addWidget(lblResult);
  all->addLayout(bottom);
}

QComboBox* frmMgmtOptions::SetList(Integer Stype) const {
  switch (Stype) {
    case SettingDrawing: return Combo6;
    case SettingDisplay: return Combo2;
    case SettingText: return Combo3;
    case SettingDimension: return Combo4;
    case SettingFills: return Combo5;
  }
  return nullptr;
}

void frmMgmtOptions::FillProfileLists() {
  Profiles->Fill();
  for (Integer t = SettingDisplay; t <= SettingFills; ++t) {
    FillSetNames(*SetList(t), t, ProfileSettingNames[t + 1]);
    SetChosen(t);
  }
  FillSetNames(*SetList(SettingDrawing), SettingDrawing, ProfileSettingNames[SettingDrawing + 1]);
  SetChosen(SettingDrawing);
  txtCount->setText(QString::number(Combo1->count()));
}

// A profile naming a missing set takes the name of the set its list shows.
void frmMgmtOptions::SetChosen(Integer Stype) {
  const QComboBox* list = SetList(Stype);
  if (list->currentIndex() < 0) return;
  const String shown = list->currentText().toStdString();
  if (shown != ProfileSettingNames[Stype + 1]) ProfileSettingNames[Stype + 1] = shown;
}

void frmMgmtOptions::ProfileStored(const String& name, bool added) {
  FillProfileLists();
  const int position = Combo1->findText(QString::fromStdString(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (position >= 0) {
    Combo1->setCurrentIndex(position);
    Profiles->ShownSetIndex = position;
  }
  const String names = ProfileSettingNames[SettingDrawing + 1] + ", " + ProfileSettingNames[SettingDisplay + 1] +
                       ", " + ProfileSettingNames[SettingText + 1] + ", " + ProfileSettingNames[SettingDimension + 1] +
                       ", " + ProfileSettingNames[SettingFills + 1];
  lblResult->setText(QString::fromStdString((added ? "New option group \"" : "Option group \"") + name +
                                            (added ? "\" stored with the sets " : "\" updated with the sets ") +
                                            names + "."));
}

// Every option from the profile's stored sets; a name that is no stored
// profile applies "Defaults".
void frmMgmtOptions::Command1_Click() {
  Profiles->OptionName = Combo1->currentText().toStdString();
  if (Profiles->OptionName.empty()) return;
  InitSettings(Profiles->OptionName);
  ApplyDisplaySettings();
}

void ShowMgmtOptions() {
  frmMgmtOptions dialog(MainForm);
  ShowModal(dialog);
}

}  // namespace lintavo
