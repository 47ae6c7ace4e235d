// frmODBCLogon: picks an ODBC data source or driver known to the driver
// manager and composes connection strings from it and the connection values.
// No menu shows it; a caller shows it modally.
#pragma once

#include <QDialog>
#include <vector>

#include "platform/Odbc.h"
#include "platform/Types.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lintavo {

constexpr const char* NoDataSource = "(None)";

// The connection strings for a data source (DataSource not empty) or else a
// driver and server; each part ends in one blank.
struct OdbcConnectionStrings {
  String Ado;  // "PROVIDER=MSDASQL " ...
  String Dao;  // "ODBC " ...
};
OdbcConnectionStrings BuildConnectionStrings(const String& DataSource, const String& Driver,
                                             const String& Server, const String& User,
                                             const String& Password, const String& Database);

class frmODBCLogon : public QDialog {
  Q_OBJECT
 public:
  explicit frmODBCLogon(QWidget* parent = nullptr);

  void Form_Load();  // GetDSNsAndDrivers
  // "(None)" and the data sources; the drivers with neighbouring repeats removed.
  void GetDSNsAndDrivers(const OdbcCatalogue& Catalogue);
  void cboDSNList_Click();  // driver and server only without a data source
  void cmdOK_Click();       // the strings, shown in a message box
  OdbcConnectionStrings Strings() const;

  QComboBox* cboDSNList = nullptr;
  QComboBox* cboDrivers = nullptr;
  QLineEdit* txtServer = nullptr;
  QLineEdit* txtUID = nullptr;
  QLineEdit* txtPWD = nullptr;
  QLineEdit* txtDatabase = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
};

}  // namespace lintavo
