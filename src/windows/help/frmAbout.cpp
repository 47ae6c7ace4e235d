// frmAbout: the About box.
#include "windows/help/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppInfo.h"
#include "platform/Icons.h"
#include "platform/Modal.h"

namespace lintavo {

namespace {

constexpr const char* Description =
    "A two-dimensional drafting program: lines, arcs, curves, text, dimensions, hatching "
    "and components on layers, kept in drawing databases.";
constexpr const char* Disclaimer =
    "This program is provided as it is, without warranty of any kind. You use it at your own risk.";

}  // namespace

String VersionText(int Major, int Minor, int Revision) {
  return "Version " + std::to_string(Major) + "." + std::to_string(Minor) + "." + std::to_string(Revision);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  picIcon = new QLabel(this);
  picIcon->setPixmap(ProgramIcon().pixmap(48, 48));
  lblTitle = new QLabel(this);
  lblTitle->setObjectName("lblTitle");
  QFont title = lblTitle->font();
  title.setPointSize(title.pointSize() + 6);
  title.setBold(true);
  lblTitle->setFont(title);
  lblVersion = new QLabel("Version", this);
  lblVersion->setObjectName("lblVersion");
  lblDescription = new QLabel(Description, this);
  lblDescription->setWordWrap(true);
  lblDisclaimer = new QLabel(this);
  lblDisclaimer->setWordWrap(true);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  cmdOK = new QPushButton("EXIT", this);
  cmdOK->setObjectName("cmdOK");
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : std::initializer_list<QWidget*>{picIcon, lblTitle, lblVersion, lblDescription, line,
                                                    lblDisclaimer, cmdOK})
    layout->addWidget(w);
}

void frmAbout::Form_Load() {
  setWindowTitle(QString("About ") + AppTitle);
  lblTitle->setText(AppTitle);
  lblVersion->setText(QString::fromStdString(VersionText(AppMajor, AppMinor, AppRevision)));
  lblDisclaimer->setText(Disclaimer);
}

void ShowAbout() {
  frmAbout dialog;
  dialog.Form_Load();
  ShowModal(dialog);
}

}  // namespace lintavo
