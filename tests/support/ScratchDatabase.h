// ScratchDatabase: a fixture for tests of database code, with new empty
// database files in the test folder.
//
// The database layer opens existing files only, so the fixture makes the
// empty file itself with SQLite; the tests then define their tables through
// the layer.
#pragma once

#include "platform/Database.h"
#include "support/ProgramTest.h"

namespace lintavo {

class ScratchDatabaseTest : public ProgramTest {
 protected:
  // Makes an empty database file name in the test folder and opens it
  // read-write on connection, then runs ddl on it; the file's path.
  String OpenNewDatabase(Connection& connection, const String& ddl,
                         const String& name = "Scratch_dwg.mdb");
};

}  // namespace lintavo
