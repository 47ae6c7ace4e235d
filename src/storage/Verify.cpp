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

bool SameFile(const FileStamp& a, const FileStamp& b) { return a.Device == b.Device && a.Inode == b.Inode; }

// Whatever was remembered of the file at path is dropped.
void ForgetWrittenSound(const String& path) {
  const FileStamp file = StampOf(path);
  std::erase_if(WrittenSound, [&](const DatabaseStamp& known) { return SameFile(known.File, file); });
}

// Remembers the file at path as it is now, in place of what was remembered
// of it, when the watch saw nobody but this program write it since the
// check and the stamp sees everything SQLite will read for it
// (StampSeesAll); otherwise forgets it, and the next save checks it. The
// stamp is read through a connection of its own, inside a read transaction,
// so that no commit is half seen; the file is never opened outside SQLite.
// Taking it writes nothing: the watch is sealed first, so a journal another
// program put down is not played back by this reading (the reading fails,
// and the file is forgotten). A file another program has locked already is
// not waited for: that program is writing it.
void NoteLeftSound(const String& path, std::unique_ptr<WriteWatch> watch) {
  ForgetWrittenSound(path);
  watch->Seal();
  Connection connection;
  const bool read = connection.Open(path, OpenMode::ReadWrite, 0) && connection.BeginReadTrans();
  const DatabaseStamp now = read ? connection.Stamp() : DatabaseStamp{};
  const bool ours = read && StampSeesAll(now) && watch->LeftAsOurs(now);
  // The watch ends before the connection closes: closing may fold a log
  // into the file, which is SQLite's own work and no reading.
  watch.reset();
  connection.Close();
  if (ours) WrittenSound.push_back(now);
}

// The failure of a save that found the file written by somebody else since
// its check: stored is whether its commit was made.
DbError WrittenMeanwhile(const String& path, bool stored) {
  const String outcome = stored ? "what was stored cannot be told whole" : "nothing was saved into it";
  return DbError{DbErrWrittenMeanwhile, "Another program wrote the database '" + path +
                                            "' while this save was writing into it: " + outcome +
                                            ". Save again: the database is checked first."};
}

// What the user may do about a database of the schema that takes no save:
// save the drawing into another database, one that is as instead says, or
// go on with the settings in use.
String Advice(SchemaSet schema, const String& instead) {
  return schema == SchemaSettings ? "What was to be stored stays in use until the program ends."
                                  : "Save into " + instead + ".";
}

DbError Damaged(const String& path, const String& detail, SchemaSet schema) {
  return DbError{DbErrDamaged, "The database '" + path + "' is damaged (" + detail +
                                   "): nothing was saved into it. " + Advice(schema, "another database")};
}

// The refusal of a file in WAL mode that has more than one name.
DbError SecondName(const String& path, SchemaSet schema) {
  return DbError{DbErrSecondName, "The database '" + path +
                                      "' is in WAL mode and has another name (a hard link): another name of the "
                                      "file may hold commits this program cannot see, and nothing was saved "
                                      "into it. " +
                                      Advice(schema, "a database with one name")};
}

// Whether the file open on connection commits into a log and has more than
// one name. Each name of a file has a log and an index of its own: a
// program committing through another name sees none of this one's commits,
// nor this one any of its, and when both have let go one program's commits
// are lost. In rollback-journal mode every name locks and commits into the
// one file. A symbolic link is no second name: SQLite opens the file it
// leads to, under that file's own name.
bool InWalModeWithSecondName(const Connection& connection) {
  return connection.CommitsIntoLog() && StampOf(connection.FullPath()).Links > 1;
}

// The failure of a save whose commit was made into a file that somebody
// else wrote while it ran, and that a check after the commit found damaged.
DbError DamagedMeanwhile(const String& path, const String& detail, SchemaSet schema) {
  return DbError{DbErrDamaged, "The database '" + path + "' is damaged (" + detail +
                                   "): another program wrote it while this save was writing into it, and "
                                   "what was stored cannot be told whole. " +
                                   Advice(schema, "another database")};
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

// The words of a damaged file: Damaged before a save, DamagedMeanwhile after
// its commit.
using DamagedWords = DbError (*)(const String& path, const String& detail, SchemaSet schema);

// A check that could not be made: in the words damaged gives when SQLite
// met the damage itself on the way, else the failure as it is.
DbError CheckFailure(const String& path, const DbError& failure, SchemaSet schema, DamagedWords damaged) {
  return FoundDamaged(path) ? damaged(path, failure.Description, schema) : failure;
}

// Whether integrity_check finds the file open on connection sound; false
// with error saying why, in the words damaged gives it.
bool CheckedSound(Connection& connection, const String& path, SchemaSet schema, DbError& error,
                  DamagedWords damaged) {
  String report;
  if (!IntegrityReport(connection, report, error)) {
    error = CheckFailure(path, error, schema, damaged);
    return false;
  }
  if (report == "ok") return true;
  error = damaged(path, report, schema);
  return false;
}

// The check after a commit in WAL mode, through a connection opened for it
// alone. The save's own connection keeps the pages it read in its cache
// across its commit (the log's index then changed by that commit only), so
// a page another program wrote into the file after the check before the
// save would be read from that cache, and the damage go unseen. A fresh
// connection has no page cached: it reads each page from the log or the
// file. (Releasing the save connection's cache instead would keep every
// page a statement still open on it holds.) Read-only, it folds no log
// into the file. It is opened and closed while the save's connection still
// holds the file: no journal can be played back meanwhile (that needs the
// lock the save's connection keeps), and closing it drops none of that
// connection's locks (SQLite keeps a descriptor open while the process
// holds a lock on its file).
bool SoundAfterCommit(const String& path, SchemaSet schema, DbError& error) {
  Connection fresh;
  if (fresh.Open(path, OpenMode::ReadOnly)) return CheckedSound(fresh, path, schema, error, DamagedMeanwhile);
  error = CheckFailure(path, fresh.Error(), schema, DamagedMeanwhile);
  return false;
}

}  // namespace

bool DatabaseFitToWrite(Connection& connection, const String& path, SchemaSet schema, DbError& error) {
  if (FoundDamaged(path)) {
    error = Damaged(path, "it was found so when it was read", schema);
    return false;
  }
  if (InWalModeWithSecondName(connection)) {
    error = SecondName(path, schema);
    return false;
  }
  if (!LeftSoundByUs(connection) && !CheckedSound(connection, path, schema, error, Damaged)) return false;
  return KeysAreRowKeys(connection, path, schema, error);
}

// ---- Checked writes ------------------------------------------------------------

// The watch starts with the write lock, before the check: whatever is
// written past the lock from then on is seen.
bool CheckedWrite::Begin(const String& path, SchemaSet schema) {
  path_ = path;
  schema_ = schema;
  error_ = DbError{};
  committed_ = false;
  watch_.reset();
  if (!connection_.Open(path, OpenMode::ReadWrite) || !connection_.BeginTrans()) return Fail(connection_.Error());
  watch_ = std::make_unique<WriteWatch>(connection_.FullPath());
  intoLog_ = connection_.CommitsIntoLog();
  DbError unfit;
  if (!DatabaseFitToWrite(connection_, path, schema, unfit)) return Fail(unfit);
  return true;
}

// What nobody else may write while the save runs, for the save to store
// what it means to. In WAL mode the commit goes into the log; another
// connection's checkpoint writes the file meanwhile, which only a check
// after the commit tells from damage. In rollback-journal mode the commit
// goes into the file, and no program may rightly put a log beside it while
// the save holds the write lock: SQLite would read that log over what the
// save stored.
bool CheckedWrite::CommitTargetsLeftAsOurs() const {
  return watch_->LeftAsOurs(WatchedFile::Log) && (intoLog_ || watch_->LeftAsOurs(WatchedFile::Database));
}

// After the commit: somebody wrote between the commit's own writes (which
// in rollback mode go into the file) or before the commit let go of its
// write lock, or put a log beside a file in rollback mode. A write into the
// file after the lock was let go is no part of it: another program may
// rightly commit then. A log found beside a rollback-mode file is taken as
// made during the commit: only a program switching the file to WAL mode in
// the moment after it could rightly have made one, and SQLite reads that
// log over the rows stored.
bool CheckedWrite::WrittenIntoTheCommit() const {
  if (intoLog_) return watch_->WrittenBetweenOurs(WatchedFile::Log);
  return watch_->WrittenBetweenOurs(WatchedFile::Database) || !watch_->LeftAsOurs(WatchedFile::Log);
}

// The stamp is taken once the connection is closed, through another one:
// closing may fold a write-ahead log back into the file, which the watch
// counts as this program's write.
bool CheckedWrite::Commit() {
  if (watch_ == nullptr) return Fail(DbError{DbErrNotOpen, "The connection is not open"});
  if (!CommitTargetsLeftAsOurs()) {
    connection_.RollbackTrans();
    return Fail(WrittenMeanwhile(path_, false));
  }
  if (!connection_.CommitTrans()) return Fail(connection_.Error());
  committed_ = true;
  if (WrittenIntoTheCommit()) return Fail(WrittenMeanwhile(path_, true));
  DbError damaged;
  const bool writtenByAnother = intoLog_ && !watch_->LeftAsOurs(WatchedFile::Database);
  if (writtenByAnother && !CheckedAfterCommit(damaged)) {
    // A check that could not be made (another program's lock, say) tells
    // nothing of what was stored: the save is not whole, as far as it knows.
    return Fail(damaged.Number == DbErrDamaged ? damaged : WrittenMeanwhile(path_, true));
  }
  connection_.Close();
  // Closing lets go of the file; in WAL mode it folds the log into the
  // file first. Somebody wrote the file or its log before that, past the
  // locks: what the file holds now cannot be told whole.
  if (watch_->WrittenBetweenOurs(WatchedFile::Database) || watch_->WrittenBetweenOurs(WatchedFile::Log))
    return Fail(WrittenMeanwhile(path_, true));
  if (!writtenByAnother) {
    NoteLeftSound(path_, std::move(watch_));
    return true;
  }
  // Found sound after the commit, but written by somebody else while the
  // save ran: the next save checks it all the same.
  Close();
  ForgetWrittenSound(path_);
  return true;
}

// The check after a commit in WAL mode (SoundAfterCommit), made with the
// watch sealed: the check's connection writes nothing, not even the removal
// of the log SQLite makes on finding the file empty (as a copy being put
// back leaves it a moment), which would take the save's commit with it.
// From a file found sound, the watch tells later writes from the file as it
// stood just before the check.
bool CheckedWrite::CheckedAfterCommit(DbError& error) {
  const FileStamp checked = StampOf(connection_.FullPath());
  watch_->Seal();
  const bool sound = SoundAfterCommit(path_, schema_, error);
  watch_->Unseal();
  if (sound) watch_->TakeAsChecked(checked);
  return sound;
}

void CheckedWrite::Close() {
  connection_.Close();
  watch_.reset();
}

// A save that fails once it watches the file leaves nothing of the file
// remembered: the next save checks it.
bool CheckedWrite::Fail(const DbError& error) {
  if (error_.Number == DbErrNone) error_ = error;
  const bool watched = watch_ != nullptr;
  Close();
  if (watched) ForgetWrittenSound(path_);
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
