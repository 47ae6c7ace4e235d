// ScratchDatabase: making empty database files for tests.
#include "support/ScratchDatabase.h"

#include <sqlite3.h>

namespace lintavo {

String ScratchDatabaseTest::OpenNewDatabase(Connection& connection, const String& ddl,
                                            const String& name) {
  const String path = ScratchPath(name);
  sqlite3* db = nullptr;
  const int rc =
      sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  sqlite3_close(db);
  EXPECT_EQ(rc, SQLITE_OK) << "cannot make " << path;
  EXPECT_TRUE(connection.Open(path, OpenMode::ReadWrite)) << ErrorText(connection.Error());
  EXPECT_TRUE(connection.Execute(ddl)) << ErrorText(connection.Error());
  return path;
}

}  // namespace lintavo
