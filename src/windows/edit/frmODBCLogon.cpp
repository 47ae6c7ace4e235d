// frmODBCLogon: the data-source dialog.
#include "windows/edit/frmODBCLogon.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Prompts.h"

namespace lintavo {

namespace {

String ConnectionSamples(const OdbcConnectionStrings& strings) {
  const String crlf = "\r\n";
  return "ADO:" + crlf + "  Connection.Open \"" + strings.Ado + "\"" + crlf + crlf + "DAO:" + crlf +
         "  OpenDatabase(\"\", False, False, \"" + strings.Dao + "\")" + crlf + crlf + "RDO:" + crlf +
         "  Environment.OpenConnection(\"\", , , \"" + strings.Dao + "\")";
}

}  // namespace

OdbcConnectionStrings BuildConnectionStrings(const String& DataSource, const String& Driver,
                                             const String& Server, const String& User,
                                             const String& Password, const String& Database) {
  String dsn, conn;
  if (!DataSource.empty()) dsn = "DSN=" + DataSource + " ";
  else conn = "Driver=" + Driver + " " + "Server=" + Server + " ";
  conn += "UID=" + User + " " + "PWD=" + Password + " ";
  if (!Database.empty()) conn += "Database=" + Database + " ";
  return {"PROVIDER=MSDASQL " + dsn + conn, "ODBC " + dsn + conn};
}

frmODBCLogon::frmODBCLogon(QWidget* parent) : QDialog(parent) {
  setObjectName("frmODBCLogon");
  setWindowTitle("ODBC Logon");
  cboDSNList = new QComboBox(this);
  cboDrivers = new QComboBox(this);
  txtServer = new QLineEdit(this);
  txtUID = new QLineEdit(this);
  txtPWD = new QLineEdit(this);
  txtPWD->setEchoMode(QLineEdit::Password);
  txtDatabase = new QLineEdit(this);
  auto* fraStep3 = new QGroupBox("Connection Values", this);
  auto* form = new QFormLayout(fraStep3);
  form->addRow("&DSN:", cboDSNList);
  form->addRow("Dri&ver:", cboDrivers);
  form->addRow("&Server:", txtServer);
  form->addRow("&UID:", txtUID);
  form->addRow("&Password:", txtPWD);
  form->addRow("Data&base:", txtDatabase);
  cmdOK = new QPushButton("&OK", this);
  cmdCancel = new QPushButton("Cancel", this);
  connect(cmdOK, &QPushButton::clicked, this, &frmODBCLogon::cmdOK_Click);
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(cboDSNList, &QComboBox::activated, this, &frmODBCLogon::cboDSNList_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fraStep3);
  layout->addLayout(buttons);
}

void frmODBCLogon::Form_Load() { GetDSNsAndDrivers(ReadOdbcCatalogue()); }

void frmODBCLogon::GetDSNsAndDrivers(const OdbcCatalogue& Catalogue) {
  cboDSNList->clear();
  cboDrivers->clear();
  cboDSNList->addItem(NoDataSource);
  for (const String& name : Catalogue.DataSources) cboDSNList->addItem(QString::fromStdString(name));
  String previous;
  for (const String& driver : Catalogue.Drivers) {
    if (cboDrivers->count() > 0 && driver == previous) continue;
    cboDrivers->addItem(QString::fromStdString(driver));
    previous = driver;
  }
  cboDSNList->setCurrentIndex(0);
  cboDSNList_Click();
}

void frmODBCLogon::cboDSNList_Click() {
  const bool none = cboDSNList->currentIndex() <= 0;
  txtServer->setEnabled(none);
  cboDrivers->setEnabled(none);
}

OdbcConnectionStrings frmODBCLogon::Strings() const {
  const String dataSource = cboDSNList->currentIndex() > 0 ? cboDSNList->currentText().toStdString() : String();
  return BuildConnectionStrings(dataSource, cboDrivers->currentText().toStdString(),
                                txtServer->text().toStdString(), txtUID->text().toStdString(),
                                txtPWD->text().toStdString(), txtDatabase->text().toStdString());
}

void frmODBCLogon::cmdOK_Click() { MsgBox(ConnectionSamples(Strings()), vbOKOnly, windowTitle().toStdString()); }

}  // namespace lintavo
