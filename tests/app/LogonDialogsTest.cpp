// The database log-on dialog and the ODBC data-source dialog.
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>

#include "windows/file/frmLogin.h"
#include "windows/edit/frmODBCLogon.h"
#include "model/Top.h"
#include "support/OdbcConfig.h"
#include "support/ProgramTest.h"

namespace lintavo {
namespace {

using LogonDialogsTest = ProgramTest;

TEST(OdbcConnection, StringsCarryTheDataSourceOrTheDriverAndServer) {
  struct Case {
    const char *dsn, *driver, *server, *user, *password, *database, *ado, *dao;
  };
  const Case cases[] = {
      {"DS1", "D", "S", "", "", "db", "PROVIDER=MSDASQL DSN=DS1 UID= PWD= Database=db ",
       "ODBC DSN=DS1 UID= PWD= Database=db "},
      {"", "SQLite3", "host", "me", "pw", "", "PROVIDER=MSDASQL Driver=SQLite3 Server=host UID=me PWD=pw ",
       "ODBC Driver=SQLite3 Server=host UID=me PWD=pw "},
  };
  for (const Case& c : cases) {
    const OdbcConnectionStrings s = BuildConnectionStrings(c.dsn, c.driver, c.server, c.user, c.password, c.database);
    EXPECT_EQ(s.Ado, c.ado);
    EXPECT_EQ(s.Dao, c.dao);
  }
}

TEST_F(LogonDialogsTest, LoginOkKeepsAStoredPasswordWhenNoneIsTypedAndSucceeds) {
  DbPassword = "secret";
  frmLogin login;
  login.Form_Load();
  EXPECT_EQ(DbUserID, UserName);
  login.txtPassword->clear();
  login.cmdOK_Click();
  EXPECT_TRUE(login.LoginSucceeded);
  EXPECT_EQ(DbPassword, "secret");
  login.txtPassword->setText("new");
  login.cmdOK_Click();
  EXPECT_EQ(DbPassword, "new");
  login.cmdCancel_Click();
  EXPECT_FALSE(login.LoginSucceeded);
}

TEST_F(LogonDialogsTest, TheLoginWindowIsWideEnoughForItsTitle) {
  frmLogin login;
  login.show();
  QFont bold = login.font();
  bold.setBold(true);
  const int title = QFontMetrics(bold).horizontalAdvance(login.windowTitle());
  EXPECT_GE(login.width(), title + 100) << "title of " << title << " pixels";  // the frame's icon and buttons
  login.close();
}

TEST_F(LogonDialogsTest, DataSourceListsAndTheirChoiceShapeTheConnection) {
  frmODBCLogon logon;
  logon.GetDSNsAndDrivers({{"DS1", "DS2"}, {"A", "A", "B", "A"}});
  ASSERT_EQ(logon.cboDSNList->count(), 3);
  EXPECT_EQ(logon.cboDSNList->itemText(0), "(None)");
  QStringList drivers;
  for (int i = 0; i < logon.cboDrivers->count(); ++i) drivers << logon.cboDrivers->itemText(i);
  EXPECT_EQ(drivers, QStringList({"A", "B", "A"}));  // neighbouring repeats only
  EXPECT_TRUE(logon.txtServer->isEnabled());
  logon.txtDatabase->setText("db");
  logon.cboDSNList->setCurrentIndex(1);
  logon.cboDSNList_Click();
  EXPECT_FALSE(logon.txtServer->isEnabled());
  EXPECT_FALSE(logon.cboDrivers->isEnabled());
  EXPECT_EQ(logon.Strings().Ado, "PROVIDER=MSDASQL DSN=DS1 UID= PWD= Database=db ");
}

TEST_F(LogonDialogsTest, TheCatalogueIsWhatTheDriverManagerKnows) {
  WriteOdbcConfig("[Test Driver]\nDriver=/nonexistent/libtest.so\n", "[TestSource]\nDriver=Test Driver\n");
  const OdbcCatalogue catalogue = ReadOdbcCatalogue();
  ConfigureNoDataSource();
  EXPECT_EQ(catalogue.Error.Number, DbErrNone) << catalogue.Error.Description;
  EXPECT_EQ(catalogue.DataSources, std::vector<String>{"TestSource"});
  EXPECT_EQ(catalogue.Drivers, std::vector<String>{"Test Driver"});
}

}  // namespace
}  // namespace lintavo
