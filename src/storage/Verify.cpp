// Verify: the table list of a database file, the kind checks on it and
// whether it may take a save.
#include "storage/Verify.h"

#include <algorithm>
#include <sqlite3.h>

#include "model/ProgramState.h"
#include "platform/Prompts.h"
#include "platform/Recordset.h"
#include "platform/Services.h"
#include "platform/TextCompare.h"
#include "storage/DbSchema.h"

namespace lintavo {

std::vector<String> DbTableNames(1);
Long DbTableCount = 0;

namespace {

// The tables each kind requires, in the order the kinds are numbered.
const std::vector<String>& RequiredTables(Integer kind) {
  static const std::vector<String> none;
  static const std::vector<String> kinds[] = {
      {"Drawing", "Components", "Objects", "Lines", "Points"},
      {"LinkTable", "Components", "Lines", "Points"},
      {"Fonts", "Lines", "Points"},
  };
  if (kind < DbKindDrawings || kind > DbKindFonts) return none;
  return kinds[kind - DbKindDrawings];
}

bool IsListed(const String& table) {
  const auto first = DbTableNames.begin() + 1;
  return std::find(first, first + DbTableCount, table) != first + DbTableCount;
}

}  // namespace

// ---- Table list --------------------------------------------------------------------

bool ListDbTables(const String& path, DbError& error) {
  DbTableNames.assign(1, String());
  DbTableCount = 0;
  // Read-write, as a save opens it: a file left with the journal of an
  // interrupted save is put back in order before its tables are read.
  Connection connection;
  std::vector<String> names;
  if (!connection.Open(path, OpenMode::ReadWrite) || !connection.TableNames(names)) {
    error = connection.Error();
    return false;
  }
  DbTableNames.insert(DbTableNames.end(), names.begin(), names.end());
  DbTableCount = static_cast<Long>(names.size());
  return true;
}

// ---- Checks ------------------------------------------------------------------------

bool VerifyDatabase(const String& path, Integer kind) {
  if (!FileExists(path)) return false;
  DbError error;
  if (!ListDbTables(path, error)) {
    MsgBox(ErrorText(error), vbOKOnly, "Verify Database");
    return false;
  }
  if (DbTableCount == 0) return false;
  const std::vector<String>& required = RequiredTables(kind);
  if (required.empty()) return false;
  return std::all_of(required.begin(), required.end(), IsListed);
}

// ---- Fitness for a save ------------------------------------------------------

namespace {

DbError Damaged(const String& path, const String& detail) {
  return DbError{DbErrDamaged, "The database '" + path + "' is damaged (" + detail +
                                   "): nothing was saved into it. Save into another database."};
}

// The first line integrity_check reports: "ok" for a sound file. False when
// the check itself fails (error set).
bool IntegrityReport(Connection& connection, String& report, DbError& error) {
  sqlite3* db = connection.Handle()->Db;
  Statement check;
  // One problem is enough to refuse the file: the check stops at the first.
  if (!check.Prepare(db, "PRAGMA integrity_check(1)") || sqlite3_step(check.Get()) != SQLITE_ROW) {
    error = SqliteError(db);
    return false;
  }
  const unsigned char* text = sqlite3_column_text(check.Get(), 0);
  report = text == nullptr ? "" : reinterpret_cast<const char*>(text);
  return true;
}

// Whether each table of a drawings database that the file holds (by name,
// letter case ignored, as the save's statements find it) keys its rows by
// its key column.
bool KeysAreRowKeys(Connection& connection, const String& path, DbError& error) {
  std::vector<String> names;
  if (!connection.TableNames(names)) {
    error = connection.Error();
    return false;
  }
  for (const String& table : SchemaTableNames(SchemaDrawings)) {
    const bool held =
        std::any_of(names.begin(), names.end(), [&](const String& name) { return SameTextNoCase(name, table); });
    if (!held) continue;
    const String key = TableKeyColumn(table);
    ColumnDeclaration declared;
    DbError unread;
    if (DeclarationOf(connection, table, key, declared, unread) && declared.RowKey) continue;
    if (unread.Number != DbErrNone) {
      error = unread;
      return false;
    }
    error = DbError{DbErrNoRowKey, "The table " + table + " of the database '" + path +
                                       "' has no key of its own (its column " + key +
                                       " does not key its rows): nothing was saved into it."};
    return false;
  }
  return true;
}

}  // namespace

bool DatabaseFitToWrite(Connection& connection, const String& path, DbError& error) {
  if (FoundDamaged(path)) {
    error = Damaged(path, "it was found so when it was read");
    return false;
  }
  String report;
  if (!IntegrityReport(connection, report, error)) {
    if (FoundDamaged(path)) error = Damaged(path, error.Description);  // the check met the damage itself
    return false;
  }
  if (report != "ok") {
    error = Damaged(path, report);
    return false;
  }
  return KeysAreRowKeys(connection, path, error);
}

void ResetVerify() {
  DbTableNames.assign(1, String());
  DbTableCount = 0;
  ForgetFoundDamaged();
}

namespace {
const ModuleRegistrar Registered({"Verify", FloorStorage, ResetVerify});
}  // namespace

}  // namespace lintavo
