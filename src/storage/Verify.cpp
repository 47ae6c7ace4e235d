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
  DbError error;
  if (VerifyDatabase(path, kind, error)) return true;
  if (error.Number != DbErrNone) MsgBox(ErrorText(error), vbOKOnly, "Verify Database");
  return false;
}

bool VerifyDatabase(const String& path, Integer kind, DbError& error) {
  error = DbError{};
  if (!FileExists(path)) return false;
  if (!ListDbTables(path, error) || DbTableCount == 0) return false;
  const std::vector<String>& required = RequiredTables(kind);
  if (required.empty()) return false;
  return std::all_of(required.begin(), required.end(), IsListed);
}

bool IsLockError(const DbError& error) {
  const Long code = error.Number & 0xff;
  return error.Number < DbErrFileNotFound && (code == SQLITE_BUSY || code == SQLITE_LOCKED);
}

// ---- Fitness for a save ------------------------------------------------------

namespace {

// The files this program checked and then committed into, as it left them;
// one entry per file.
std::vector<DatabaseStamp> WrittenSound;

// Whether the file open on connection is as this program's last commit left
// it. Asked inside the save's transaction, which holds the write lock.
bool LeftSoundByUs(const Connection& connection) {
  const DatabaseStamp now = connection.Stamp();
  return now.File.Inode != 0 && std::find(WrittenSound.begin(), WrittenSound.end(), now) != WrittenSound.end();
}

// Remembers the file at path as it is now, in place of what was remembered
// of it. The stamp is read through a connection of its own, inside a read
// transaction, so that no commit is half seen; the file is never opened
// outside SQLite. A file another program has locked already is not waited
// for: that program is writing it, and the next save checks it again.
void NoteLeftSound(const String& path) {
  Connection connection;
  if (!connection.Open(path, OpenMode::ReadWrite, 0) || !connection.BeginReadTrans()) return;
  const DatabaseStamp now = connection.Stamp();
  connection.Close();
  if (now.File.Inode == 0) return;
  std::erase_if(WrittenSound, [&](const DatabaseStamp& known) {
    return known.File.Device == now.File.Device && known.File.Inode == now.File.Inode;
  });
  WrittenSound.push_back(now);
}

// What the user may do about a damaged database of the schema.
const char* DamagedAdvice(SchemaSet schema) {
  return schema == SchemaSettings ? "What was to be stored stays in use until the program ends."
                                  : "Save into another database.";
}

DbError Damaged(const String& path, const String& detail, SchemaSet schema) {
  return DbError{DbErrDamaged, "The database '" + path + "' is damaged (" + detail +
                                   "): nothing was saved into it. " + DamagedAdvice(schema)};
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

// Whether each keyed table of the schema that the file holds (by name,
// letter case ignored, as the writers' statements find it) keys its rows by
// its key column.
bool KeysAreRowKeys(Connection& connection, const String& path, SchemaSet schema, DbError& error) {
  std::vector<String> names;
  if (!connection.TableNames(names)) {
    error = connection.Error();
    return false;
  }
  for (const String& table : SchemaTableNames(schema)) {
    const String key = TableKeyColumn(table);
    const bool held =
        std::any_of(names.begin(), names.end(), [&](const String& name) { return SameTextNoCase(name, table); });
    if (key.empty() || !held) continue;
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

bool DatabaseFitToWrite(Connection& connection, const String& path, SchemaSet schema, DbError& error) {
  if (FoundDamaged(path)) {
    error = Damaged(path, "it was found so when it was read", schema);
    return false;
  }
  if (!LeftSoundByUs(connection)) {
    String report;
    if (!IntegrityReport(connection, report, error)) {
      if (FoundDamaged(path)) error = Damaged(path, error.Description, schema);  // the check met the damage itself
      return false;
    }
    if (report != "ok") {
      error = Damaged(path, report, schema);
      return false;
    }
  }
  return KeysAreRowKeys(connection, path, schema, error);
}

// ---- Checked writes ------------------------------------------------------------

bool CheckedWrite::Begin(const String& path, SchemaSet schema) {
  path_ = path;
  error_ = DbError{};
  if (!connection_.Open(path, OpenMode::ReadWrite) || !connection_.BeginTrans()) return Fail(connection_.Error());
  DbError unfit;
  if (!DatabaseFitToWrite(connection_, path, schema, unfit)) return Fail(unfit);
  return true;
}

// The stamp is taken once the connection is closed, through another one:
// closing may fold a write-ahead log back into the file. (Another program's
// commit in the moment between the two would be taken for this program's.)
bool CheckedWrite::Commit() {
  if (!connection_.CommitTrans()) return Fail(connection_.Error());
  connection_.Close();
  NoteLeftSound(path_);
  return true;
}

bool CheckedWrite::Fail(const DbError& error) {
  if (error_.Number == DbErrNone) error_ = error;
  connection_.Close();
  return false;
}

void ResetVerify() {
  DbTableNames.assign(1, String());
  DbTableCount = 0;
  ForgetFoundDamaged();
  WrittenSound.clear();
}

namespace {
const ModuleRegistrar Registered({"Verify", FloorStorage, ResetVerify});
}  // namespace

}  // namespace lintavo
