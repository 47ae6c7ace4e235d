// frmLogin: the drawing database log-on dialog.
#include "windows/file/frmLogin.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "windows/controls/OptionBoxes.h"
#include "model/Top.h"
#include "platform/Services.h"

namespace lintavo {

frmLogin::frmLogin(QWidget* parent) : QDialog(parent) {
  setObjectName("frmLogin");
  setWindowTitle("Drawing DataBase Login");
  txtUserName = new QLineEdit(this);
  txtPassword = new QLineEdit(this);
  txtPassword->setEchoMode(QLineEdit::Password);
  cmdOK = new QPushButton("OK", this);
  cmdCancel = new QPushButton("Cancel", this);
  connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
  auto* form = new QFormLayout(this);
  form->addRow("&User Name:", txtUserName);
  form->addRow("&Password:", txtPassword);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  form->addRow(buttons);
  WidenForTitle(*this);
}

void frmLogin::Form_Load() {
  const String name = UserLoginName();
  txtUserName->setText(QString::fromStdString(name));
  if (!name.empty() && !DbPassword.empty()) txtPassword->setText(QString::fromStdString(DbPassword));
  UserName = txtUserName->text().toStdString();
  DbUserID = UserName;
}

void frmLogin::cmdOK_Click() {
  if (!txtPassword->text().isEmpty()) DbPassword = txtPassword->text().toStdString();
  LoginSucceeded = true;
  accept();
}

void frmLogin::cmdCancel_Click() {
  LoginSucceeded = false;
  reject();
}

}  // namespace lintavo
