// OdbcConfig: the ODBC configuration the tests see, in place of the
// machine's. The driver manager reads the folder of odbcinst.ini and
// odbc.ini (ODBCSYSINI) once per process, at its first call, so the test
// program names one folder for its whole run at its start, before anything
// can call the driver manager; each test writes the files it needs into it
// afresh. The user's odbc.ini
// (ODBCINI) is an empty file there, so no data source of the machine or the
// user shows through.
#pragma once

#include "platform/Types.h"

namespace lintavo {

// Makes the folder with no driver and no data source and names it to the
// driver manager; false when it cannot. The test program's main calls it
// first of all.
bool PrepareOdbcConfig();

// Writes odbcinst.ini (drivers) and odbc.ini (data sources) with these texts.
void WriteOdbcConfig(const String& drivers, const String& dataSources);
// No driver and no data source.
void ConfigureNoDataSource();

// The SQLite ODBC driver (Debian's libsqliteodbc), whose data sources are
// SQLite files.
String SqliteOdbcDriverPath();
bool SqliteOdbcDriverInstalled();
// One data source name over the SQLite database file at database.
void ConfigureSqliteDataSource(const String& name, const String& database);

// Skips the test with a clear message when the SQLite ODBC driver is absent.
#define SKIP_WITHOUT_SQLITE_ODBC()                                                                  \
  if (!::lintavo::SqliteOdbcDriverInstalled())                                                     \
  GTEST_SKIP() << "The SQLite ODBC driver " << ::lintavo::SqliteOdbcDriverPath()                   \
               << " is not installed (Debian package libsqliteodbc; scripts/setup.sh installs it)"

}  // namespace lintavo
