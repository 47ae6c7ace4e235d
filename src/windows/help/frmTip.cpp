// frmTip: the tip of the day.
#include "windows/help/frmTip.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

#include "app/AppInfo.h"
#include "platform/Modal.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"

namespace lintavo {

namespace {

constexpr const char* SettingsSection = "Options";
constexpr const char* ShowTipsKey = "Show Tips at Startup";

String MissingFileText() {
  const String name = TipFileName;
  return "That the " + name + " file was not found? " + "\r\n\r\n" + "Create a text file Named " + name +
         " using NotePad with 1 tip per line. " + "Then place it in the same directory as the application. ";
}

}  // namespace

frmTip::frmTip(QWidget* parent) : QDialog(parent) {
  setObjectName("frmTip");
  setWindowTitle("Tip of the Day");
  Label1 = new QLabel("Did you know...", this);
  QFont heading = Label1->font();
  heading.setBold(true);
  Label1->setFont(heading);
  lblTipText = new QLabel(this);
  lblTipText->setObjectName("lblTipText");
  lblTipText->setWordWrap(true);
  lblTipText->setMinimumSize(360, 120);
  lblTipText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  chkLoadTipsAtStartup = new QCheckBox("&Show Tips at Startup", this);
  connect(chkLoadTipsAtStartup, &QCheckBox::clicked, this, &frmTip::chkLoadTipsAtStartup_Click);
  cmdNextTip = new QPushButton("&Next Tip", this);
  connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
  cmdOK = new QPushButton("EXIT", this);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkLoadTipsAtStartup);
  buttons->addStretch();
  buttons->addWidget(cmdNextTip);
  buttons->addWidget(cmdOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(lblTipText);
  layout->addLayout(buttons);
}

void frmTip::Form_Load() {
  // Ticking the box writes the setting back: opening the window turns tips on again.
  chkLoadTipsAtStartup->setChecked(true);
  chkLoadTipsAtStartup_Click();
  if (!LoadTips(AppFilePath(TipFileName))) lblTipText->setText(QString::fromStdString(MissingFileText()));
}

bool frmTip::LoadTips(const String& Path) {
  if (Path.empty()) return false;
  QFile file(QString::fromStdString(Path));
  // A file that cannot be read counts as missing.
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  while (!in.atEnd()) tips_.push_back(in.readLine().toStdString());
  NextTip();
  return true;
}

void frmTip::DisplayCurrentTip() {
  if (tips_.empty()) return;
  lblTipText->setText(QString::fromStdString(tips_[static_cast<size_t>(currentTip_ - 1)]));
}

void frmTip::NextTip() {
  ++currentTip_;
  if (static_cast<Long>(tips_.size()) < currentTip_) currentTip_ = 1;
  DisplayCurrentTip();
}

void frmTip::cmdNextTip_Click() { NextTip(); }

void frmTip::chkLoadTipsAtStartup_Click() {
  SaveSetting(AppTitle, SettingsSection, ShowTipsKey, chkLoadTipsAtStartup->isChecked() ? "1" : "0");
}

void ShowTip() {
  frmTip dialog;
  dialog.Form_Load();
  ShowModal(dialog);
}

}  // namespace lintavo
