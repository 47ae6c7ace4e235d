// Database: opening files, running SQL text, transactions and the table list
// on the SQLite C interface, and the files found damaged.
#include "platform/Database.h"

#include <algorithm>
#include <sqlite3.h>
#include <sys/stat.h>

#include "platform/Services.h"
#include "platform/WriteWatch.h"

namespace lintavo {

// ---- Errors ----------------------------------------------------------------

String ErrorText(const DbError& error) {
  return std::to_string(error.Number) + ": " + error.Description;
}

namespace {
void NoteDamage(sqlite3* db);
}  // namespace

DbError SqliteError(sqlite3* db) {
  if (db == nullptr) return DbError{SQLITE_NOMEM, "out of memory"};
  const int code = sqlite3_errcode(db);
  if ((code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB) NoteDamage(db);
  return DbError{code, sqlite3_errmsg(db)};
}

// ---- File stamps -----------------------------------------------------------

FileStamp StampOf(const String& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return FileStamp{};
  constexpr std::int64_t NsPerSecond = 1000000000;
  const std::int64_t modified = std::int64_t{info.st_mtim.tv_sec} * NsPerSecond + info.st_mtim.tv_nsec;
  const std::int64_t changed = std::int64_t{info.st_ctim.tv_sec} * NsPerSecond + info.st_ctim.tv_nsec;
  return FileStamp{info.st_dev, info.st_ino, info.st_nlink, info.st_size, modified, changed};
}

FileStamp LogStampOf(const String& path) {
  FileStamp stamp = StampOf(path);
  stamp.Changed = 0;
  return stamp;
}

namespace {

// The number in count bytes (at most 8) of an open file of SQLite's from
// offset, big-endian as SQLite writes its headers, read through SQLite's own
// handle; 0 when the file is not open or is shorter.
std::uint64_t HeaderNumber(sqlite3_file* file, sqlite3_int64 offset, int count) {
  if (file == nullptr || file->pMethods == nullptr) return 0;
  unsigned char bytes[8] = {};
  if (file->pMethods->xRead(file, bytes, count, offset) != SQLITE_OK) return 0;
  std::uint64_t number = 0;
  for (int i = 0; i < count; ++i) number = number << 8 | bytes[i];
  return number;
}

// SQLite's handle of the database file (op SQLITE_FCNTL_FILE_POINTER) or of
// its journal or write-ahead log (SQLITE_FCNTL_JOURNAL_POINTER); null when
// there is none.
sqlite3_file* FileHandle(sqlite3* db, int op) {
  sqlite3_file* file = nullptr;
  if (sqlite3_file_control(db, "main", op, &file) != SQLITE_OK) return nullptr;
  return file;
}

// The salts of the write-ahead log open on handle; 0 when the handle is no
// log (a rollback journal, or none). The magic number's last bit tells the
// byte order of the log's checksums; the number is either.
std::uint64_t LogSalts(sqlite3_file* handle) {
  constexpr sqlite3_int64 LogSaltsOffset = 16;  // of the write-ahead log's header
  constexpr std::uint64_t LogMagic = 0x377f0682;  // or with its last bit set
  if ((HeaderNumber(handle, 0, 4) | 1) != (LogMagic | 1)) return 0;
  return HeaderNumber(handle, LogSaltsOffset, 8);
}

}  // namespace

DatabaseStamp Connection::Stamp() const {
  constexpr sqlite3_int64 ChangeCounterOffset = 24;  // of the database header
  DatabaseStamp stamp;
  const String path = FullPath();
  if (path.empty()) return stamp;  // closed, or a database of no file
  sqlite3* db = handle_->Db;
  stamp.File = StampOf(path);
  if (stamp.File.Inode == 0) return stamp;
  sqlite3_file* file = FileHandle(db, SQLITE_FCNTL_FILE_POINTER);
  stamp.ChangeCounter = static_cast<std::uint32_t>(HeaderNumber(file, ChangeCounterOffset, 4));
  // A reader makes an empty log where the last writer to close removed it:
  // either way the log holds nothing. A log that holds more counts whatever
  // the file's header says of its journal mode: SQLite reads any such log
  // beside the file, and the file is what the two make together.
  const FileStamp logStamp = LogStampOf(path + "-wal");
  if (logStamp.Size <= LogHeaderSize) return stamp;
  stamp.Log = logStamp;
  stamp.LogSalts = LogSalts(FileHandle(db, SQLITE_FCNTL_JOURNAL_POINTER));
  return stamp;
}

String Connection::FullPath() const {
  const char* name = IsOpen() ? sqlite3_db_filename(handle_->Db, "main") : nullptr;
  return name == nullptr ? String() : String(name);
}

bool Connection::CommitsIntoLog() const {
  if (!IsOpen()) return false;
  Statement mode;
  if (!mode.Prepare(handle_->Db, "PRAGMA main.journal_mode") || sqlite3_step(mode.Get()) != SQLITE_ROW) return false;
  const unsigned char* text = sqlite3_column_text(mode.Get(), 0);
  return text != nullptr && String(reinterpret_cast<const char*>(text)) == "wal";
}

// ---- Damage found ----------------------------------------------------------

namespace {

std::vector<FileStamp> DamagedFiles;  // the files found damaged, as they were then

void NoteDamage(sqlite3* db) {
  const char* file = sqlite3_db_filename(db, "main");
  if (file == nullptr || *file == '\0') return;  // a database of no file
  const FileStamp stamp = StampOf(file);
  if (stamp.Inode == 0 || std::find(DamagedFiles.begin(), DamagedFiles.end(), stamp) != DamagedFiles.end()) return;
  DamagedFiles.push_back(stamp);
}

}  // namespace

bool FoundDamaged(const String& path) {
  const FileStamp stamp = StampOf(path);
  return stamp.Inode != 0 && std::find(DamagedFiles.begin(), DamagedFiles.end(), stamp) != DamagedFiles.end();
}

void ForgetFoundDamaged() { DamagedFiles.clear(); }

// ---- Prepared statements ---------------------------------------------------

Statement::~Statement() { Finalize(); }

Statement::Statement(Statement&& other) noexcept : stmt_(other.stmt_) { other.stmt_ = nullptr; }

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    Finalize();
    stmt_ = other.stmt_;
    other.stmt_ = nullptr;
  }
  return *this;
}

bool Statement::Prepare(sqlite3* db, const String& sql) {
  Finalize();
  return sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()) + 1, &stmt_, nullptr) ==
         SQLITE_OK;
}

void Statement::Finalize() {
  sqlite3_finalize(stmt_);  // a null statement is a harmless no-op
  stmt_ = nullptr;
}

bool BindValue(sqlite3_stmt* stmt, int position, const DbValue& value) {
  const auto& v = value.Get();
  int rc = SQLITE_OK;
  if (const auto* whole = std::get_if<std::int64_t>(&v)) {
    rc = sqlite3_bind_int64(stmt, position, *whole);
  } else if (const auto* real = std::get_if<Double>(&v)) {
    rc = sqlite3_bind_double(stmt, position, *real);
  } else if (const auto* text = std::get_if<String>(&v)) {
    rc = sqlite3_bind_text64(stmt, position, text->data(), text->size(), SQLITE_TRANSIENT,
                             SQLITE_UTF8);
  } else if (const auto* bytes = std::get_if<Bytes>(&v)) {
    rc = sqlite3_bind_blob64(stmt, position, bytes->data(), bytes->size(), SQLITE_TRANSIENT);
  } else {
    rc = sqlite3_bind_null(stmt, position);
  }
  return rc == SQLITE_OK;
}

String QuoteName(const String& name) {
  String quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

// ---- Connection ------------------------------------------------------------

DbHandle::~DbHandle() {
  // close_v2 waits for any statement still prepared on the database.
  sqlite3_close_v2(Db);
}

namespace {

constexpr int BusyStepMs = 20;  // one wait for another program's lock, milliseconds

// SQLite's busy handler: waits one step while the operation has wait left
// (1), else gives up (0) and the call fails with SQLITE_BUSY. Inside a
// transaction the waits add up over every lock it meets, not per lock: a
// save whose cache fills again and again would otherwise wait again each
// time. Outside one, each statement meeting a lock (count 0) starts afresh.
int WaitForLock(void* context, int count) {
  auto* handle = static_cast<DbHandle*>(context);
  if (count == 0 && !handle->InTransaction) handle->BusyWaitedMs = 0;
  const int left = handle->BusyWaitLimitMs - handle->BusyWaitedMs;
  if (left <= 0) return 0;
  const int step = std::min(BusyStepMs, left);
  sqlite3_sleep(step);
  handle->BusyWaitedMs += step;
  return 1;
}

// The path as SQLite must be given it to open that file: a relative path
// gets "./" in front, so that one beginning with "file:" is not read as a
// URI (the library reads URIs in every file name it is given).
String PlainFileName(const String& path) {
  if (path.empty() || path.front() == '/') return path;
  return "./" + path;
}

// Reads the schema page: the first read of a file tells whether it is a
// database at all.
int ReadSchema(sqlite3* db) {
  Statement probe;
  if (!probe.Prepare(db, "SELECT count(*) FROM sqlite_master")) return sqlite3_errcode(db);
  int rc = sqlite3_step(probe.Get());
  return rc == SQLITE_ROW ? SQLITE_OK : rc;
}

}  // namespace

namespace {

// Opens the file with the flags and reads its schema; SQLITE_OK or the error.
int OpenAndProbe(const String& path, int flags, const std::shared_ptr<DbHandle>& handle) {
  const String file = PlainFileName(path);
  // Through the watching file system: a save tells its own writes from
  // anybody else's (WriteWatch).
  if (sqlite3_open_v2(file.c_str(), &handle->Db, flags, WatchingVfsName()) != SQLITE_OK)
    return sqlite3_errcode(handle->Db);
  sqlite3_busy_handler(handle->Db, WaitForLock, handle.get());
  // A double-quoted name that is no column must be an error, not a text
  // (SQLite's old leniency): generated SQL quotes every name that way.
  if (sqlite3_db_config(handle->Db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr) != SQLITE_OK)
    return sqlite3_errcode(handle->Db);
  return ReadSchema(handle->Db);
}

// A save cut short (the program killed, the power gone) leaves a journal
// that only a writer may roll back; until then a reader cannot open the
// file. Opening it once for writing puts the last complete save back.
bool RollBackInterruptedSave(const String& path) {
  auto writer = std::make_shared<DbHandle>();
  return OpenAndProbe(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, writer) == SQLITE_OK;
}

}  // namespace

bool Connection::Open(const String& path, OpenMode mode, int lockWaitMs) {
  Close();
  error_ = DbError{};
  if (!FileExists(path)) return Fail(DbErrFileNotFound, "Could not find file '" + path + "'");

  // The program runs on one thread, so the connection needs no mutex of its own.
  const int flags = (mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                    SQLITE_OPEN_NOMUTEX;
  auto handle = std::make_shared<DbHandle>();
  handle->BusyWaitLimitMs = lockWaitMs;
  int rc = OpenAndProbe(path, flags, handle);
  if (rc != SQLITE_OK && mode == OpenMode::ReadOnly && handle->Db &&
      sqlite3_extended_errcode(handle->Db) == SQLITE_READONLY_ROLLBACK && RollBackInterruptedSave(path)) {
    handle = std::make_shared<DbHandle>();
    handle->BusyWaitLimitMs = lockWaitMs;
    rc = OpenAndProbe(path, flags, handle);
  }
  if (rc == SQLITE_NOTADB) return Fail(DbErrNotDatabase, "The file '" + path + "' is not a database");
  if (rc != SQLITE_OK) {
    error_ = SqliteError(handle->Db);
    return false;
  }
  handle_ = std::move(handle);
  path_ = path;
  return true;
}

void Connection::Close() {
  if (handle_ == nullptr) return;
  if (sqlite3_get_autocommit(handle_->Db) == 0) RollbackTrans();
  handle_.reset();
}

bool Connection::Execute(const String& sql) {
  if (!IsOpen()) return Fail(DbErrNotOpen, "The connection is not open");
  // Any statement may write or end a transaction: readers reposition after it.
  ++handle_->Writes;
  const int rc = sqlite3_exec(handle_->Db, sql.c_str(), nullptr, nullptr, nullptr);
  handle_->InTransaction = sqlite3_get_autocommit(handle_->Db) == 0;
  return rc == SQLITE_OK || FailSqlite();
}

bool Connection::Begin(const char* sql) {
  if (!IsOpen()) return Fail(DbErrNotOpen, "The connection is not open");
  handle_->BusyWaitedMs = 0;
  handle_->InTransaction = true;
  return Execute(sql);
}

// EXCLUSIVE: in rollback-journal mode a transaction that only reserved the
// file would wait for its readers at every spill of the cache and at the
// commit, after writing; this one waits once, before (in WAL mode the two
// are the same).
bool Connection::BeginTrans() { return Begin("BEGIN EXCLUSIVE"); }

// The first read fixes the moment every later read sees.
bool Connection::BeginReadTrans() {
  if (!Begin("BEGIN")) return false;
  if (ReadSchema(handle_->Db) == SQLITE_OK) return true;
  FailSqlite();
  RollbackTrans();
  return false;
}

bool Connection::CommitTrans() {
  const String moved = "The file '" + path_ + "' was deleted, replaced or moved while it was being written";
  if (IsOpen() && FileMoved()) {
    RollbackTrans();
    return Fail(DbErrFileMoved, moved);
  }
  if (!Execute("COMMIT")) return false;
  // The commit went into the file the connection holds open: when the path
  // no longer names that file, what was written is not where the user will
  // look for it.
  if (FileMoved()) return Fail(DbErrFileMoved, moved);
  return true;
}

bool Connection::FileMoved() const {
  int moved = 0;
  if (sqlite3_file_control(handle_->Db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK) return false;
  return moved != 0 || !FileExists(path_);
}

bool Connection::RollbackTrans() { return Execute("ROLLBACK"); }

bool Connection::TableNames(std::vector<String>& names) {
  names.clear();
  if (!IsOpen()) return Fail(DbErrNotOpen, "The connection is not open");
  Statement list;
  if (!list.Prepare(handle_->Db,
                    "SELECT name FROM sqlite_master WHERE type = 'table' "
                    "AND substr(name, 1, 7) <> 'sqlite_' ORDER BY name")) {
    return FailSqlite();
  }
  int rc;
  while ((rc = sqlite3_step(list.Get())) == SQLITE_ROW) {
    names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list.Get(), 0)));
  }
  return rc == SQLITE_DONE || FailSqlite();
}

bool Connection::Fail(Long number, const String& description) {
  error_ = DbError{number, description};
  return false;
}

bool Connection::FailSqlite() {
  error_ = SqliteError(handle_->Db);
  return false;
}

}  // namespace lintavo
