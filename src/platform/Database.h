// Database: connections to the program's database files, their errors, and
// the values that pass between the program and a table.
//
// Drawings, option sets, fonts and patterns live in SQLite files that keep
// their old names ("Drawings_dwg.mdb"). A Connection opens one existing file
// read-only or read-write; it never creates a file, so a wrong path is an
// error and not a new empty database. Every operation the program makes opens
// its own connection and closes it before it returns; opening is one open
// call and one read of the schema page, cheap enough for that.
//
// Errors: every call returns false on failure and leaves a DbError with a
// number and a description, which callers show as "number: description"
// (ErrorText). Numbers below 10000 are SQLite result codes with SQLite's
// message; DbErr* numbers are the layer's own.
//
// Another program may hold the file: reading it, or in the middle of its own
// save. A connection waits for that program's lock at most BusyWaitMs (or
// the limit it was opened with) for one operation: a transaction from its beginning to its end, however often it
// meets the lock (a large save would meet it each time its page cache fills,
// and at the commit), or one statement outside a transaction. Then the call
// fails with SQLite's "5: database is locked". A write transaction takes the
// write lock when it begins, so a save that cannot have the file gives up
// before it writes a row, and one that has it never waits again.
//
// Paths are file names, never SQLite URIs: "file:Plan_dwg.mdb" names the file
// of that name in the current folder, as it does for the file-existence test.
//
// Recordsets over tables are in Recordset.h; they keep their database open
// until they close, so closing a connection first never leaves them dangling.
//
// Sections:
//   Errors
//   File stamps
//   Damage found
//   Values
//   Prepared statements
//   Connection
#pragma once

#include <cstdint>
#include <memory>
#include <sys/types.h>
#include <variant>
#include <vector>

#include "platform/Types.h"

struct sqlite3;
struct sqlite3_stmt;

namespace lintavo {

// ---- Errors ----------------------------------------------------------------
// Error numbers of the layer itself, shown to the user beside SQLite's result
// codes (1..28, with SQLite's message); never stored.
enum DbErrorNumber : Long {
  DbErrNone = 0,
  DbErrFileNotFound = 10001,  // no file at the path (a folder counts as none)
  DbErrNotDatabase = 10002,   // the file is there but is not a database
  DbErrNotOpen = 10003,       // the connection or recordset is not open
  DbErrNoCurrentRow = 10004,  // at the end, on a deleted row, or before the first
  DbErrNoSuchField = 10005,   // no field of that name or ordinal
  DbErrInvalidNull = 10006,   // a Null read as a number, a text, bytes or a date
  DbErrTypeMismatch = 10007,  // a stored value that is not of the kind asked for
  DbErrOverflow = 10008,      // a number outside the range of the type asked for
  DbErrFileMoved = 10009,     // the file was deleted, replaced or renamed while the connection wrote it
  DbErrRowNotChanged = 10010,  // an update or delete of a row by its key changed no row
  DbErrOdbc = 10011,           // an ODBC call failed: the description is its diagnostic (Odbc.h)
  DbErrNoRowKey = 10012,       // a table whose rows have no rowid to be addressed by (Recordset.h)
  DbErrDamaged = 10013,        // a file SQLite finds damaged, now or when it was last read
  DbErrChangedMeanwhile = 10014,  // another program stored or replaced the rows a question was about
                                  //   after it was asked
  DbErrWrittenMeanwhile = 10015,  // another program wrote the file, past SQLite's locks, while a save
                                  //   wrote into it (WriteWatch)
  DbErrSecondName = 10016,        // a file in WAL mode that has more than one name (hard links): each
                                  //   name has a log of its own, so another name's may hold commits
};

struct DbError {
  Long Number = DbErrNone;  // 0 no error; an SQLite result code or a DbErr* number
  String Description;       // the message shown after the number
};

String ErrorText(const DbError& error);  // "number: description"
DbError SqliteError(sqlite3* db);        // SQLite's last result code and message on db

// ---- File stamps -----------------------------------------------------------
// A file as it is now: which file it is, whatever the path that names it
// (relative, through a link), how many names it has, its size, its time of
// last change and its inode change time. A file put back from a copy is another file; one
// changed in place has another change time, even when whoever wrote it gave
// it back its old modification time (a copy made with its times kept, a
// restore from a backup): every write and every change of the times sets
// the inode change time, and no program can set it back. Taken with stat
// alone: the file is never opened.
struct FileStamp {
  dev_t Device = 0;           // the file system holding it
  ino_t Inode = 0;            // the file within it; 0 when there is no such file
  nlink_t Links = 0;          // the names it has in the file system (hard links); 0 when there is no such file
  off_t Size = -1;            // bytes
  std::int64_t Modified = 0;  // nanoseconds since the epoch
  std::int64_t Changed = 0;   // inode change time, nanoseconds since the epoch
  bool operator==(const FileStamp& other) const = default;
};
FileStamp StampOf(const String& path);
// The stamp of a write-ahead log: StampOf without the inode change time.
// SQLite run by root gives the log to the database's owner each time it
// opens it, which sets that time though nothing is written; a write still
// sets its modification time.
FileStamp LogStampOf(const String& path);

// A database file as a connection sees it, to tell later whether anybody
// has written it since: the file's stamp, the count of commits SQLite keeps
// in its header (rollback-journal mode), and the stamp of its write-ahead
// log with the log's salts, which SQLite renews whenever the log starts
// over (WAL mode). A commit by any program changes one of them, even one
// within the same tick of the file system's clock that leaves the size as
// it was. A log beside a file counts whatever the file's header says of its
// journal mode: SQLite reads any log that holds a commit.
//
// The header bytes are read through SQLite's own handles of the file and
// the log, never by opening them again: on Linux closing any descriptor of
// a file drops every lock the process holds on it, SQLite's too, and
// another program would then write the file while this one does.
constexpr off_t LogHeaderSize = 32;  // bytes; a write-ahead log no longer than its header holds no commit

struct DatabaseStamp {
  FileStamp File;                  // the database file; Inode 0: no such file
  std::uint32_t ChangeCounter = 0;  // header bytes 24..27
  FileStamp Log;                   // "<path>-wal"; Inode 0 when there is none or it holds no commit
  std::uint64_t LogSalts = 0;      // log header bytes 16..23; 0 without a log or when SQLite has none open
  bool operator==(const DatabaseStamp& other) const = default;
};

// ---- Damage found ----------------------------------------------------------
// SqliteError remembers the file of a database SQLite found damaged
// (SQLITE_CORRUPT, or SQLITE_NOTADB once it was open), as the file was then
// (which file, its size and time of last change), for the rest of the run:
// a writer refuses a file a reader has just found damaged, which a check of
// the file may not see again. A file changed since (put back from a copy,
// mended by another program) is no longer taken as damaged.
bool FoundDamaged(const String& path);  // path names such a file, unchanged since
void ForgetFoundDamaged();              // nothing remembered (a fresh program state)

// ---- Values ----------------------------------------------------------------
// One stored value: Null, a whole number, a real, a text (UTF-8) or bytes.
// Whole numbers are 64-bit because SQLite's are; the program's Integer and
// Long columns hold values in their own ranges.
using Bytes = std::vector<unsigned char>;  // contents of a long binary column

class DbValue {
 public:
  DbValue() = default;  // Null
  DbValue(Long value) : value_(std::int64_t{value}) {}
  DbValue(std::int64_t value) : value_(value) {}
  DbValue(Double value) : value_(value) {}
  DbValue(const String& value) : value_(value) {}
  DbValue(const char* value) : value_(String(value)) {}
  DbValue(const Bytes& value) : value_(value) {}

  bool operator==(const DbValue& other) const = default;  // the same kind and the same value

  bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
  bool IsText() const { return std::holds_alternative<String>(value_); }
  const std::variant<std::monostate, std::int64_t, Double, String, Bytes>& Get() const {
    return value_;
  }

 private:
  std::variant<std::monostate, std::int64_t, Double, String, Bytes> value_;
};

// How Find and a filtered recordset compare text. NoCase ignores the case of
// the letters A-Z, as the old database engine did for every text search;
// Exact compares byte for byte. Numbers compare by value either way.
enum class TextMatch { NoCase, Exact };

// ---- Prepared statements ---------------------------------------------------
// One prepared statement, finalized when it is destroyed or prepared again.
class Statement {
 public:
  Statement() = default;
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;

  bool Prepare(sqlite3* db, const String& sql);  // false: SqliteError(db) says why
  void Finalize();
  sqlite3_stmt* Get() const { return stmt_; }
  bool IsPrepared() const { return stmt_ != nullptr; }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

bool BindValue(sqlite3_stmt* stmt, int position, const DbValue& value);  // 1-based position
String QuoteName(const String& name);  // "name" with inner quotes doubled, for generated SQL

// ---- Connection ------------------------------------------------------------
enum class OpenMode { ReadOnly, ReadWrite };

// Milliseconds one operation of a connection waits, in all, for the locks of
// other programs.
constexpr int BusyWaitMs = 2000;

// The open database shared by a connection and its recordsets; closed when
// the last of them lets go.
struct DbHandle {
  sqlite3* Db = nullptr;     // the open database
  std::uint64_t Writes = 0;  // counts writes and rollbacks: a reading statement
                             // older than the last one is positioned again
  int BusyWaitLimitMs = BusyWaitMs;  // milliseconds one operation may wait, in all (0: it never waits)
  int BusyWaitedMs = 0;      // milliseconds the operation has waited for other programs' locks
                             //   (0..BusyWaitLimitMs)
  bool InTransaction = false;  // a transaction begun by the connection is open: its waits add up
  ~DbHandle();
};

class Connection {
 public:
  Connection() = default;
  ~Connection() { Close(); }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Opens the existing database file at path; false when there is no such
  // file (DbErrFileNotFound), when it is not a database (DbErrNotDatabase)
  // or when SQLite refuses it. Never creates or changes a file. Each
  // operation waits at most lockWaitMs for other programs' locks.
  bool Open(const String& path, OpenMode mode, int lockWaitMs = BusyWaitMs);
  // Closes the connection; an open transaction is rolled back first.
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }

  // Runs SQL text that returns no rows (table definitions, for instance).
  bool Execute(const String& sql);

  // ---- Transactions: one at a time; nothing is written to the file before
  // CommitTrans, and RollbackTrans leaves the file as it was at BeginTrans.
  // BeginTrans takes the write lock (no other program may then read a file
  // in rollback-journal mode, or write one in either mode); it fails, with
  // nothing written, when the lock stays taken for the connection's wait.
  // CommitTrans succeeds only when the path still names the file written:
  // a file deleted, replaced or renamed meanwhile fails with
  // DbErrFileMoved (before the commit the transaction is rolled back; a
  // commit into a file that went meanwhile is lost with that file).
  bool BeginTrans();
  bool CommitTrans();
  bool RollbackTrans();
  // A read transaction: every read until RollbackTrans or Close sees the
  // file as one moment left it, though another program saves meanwhile.
  // Other programs may read meanwhile; in rollback-journal mode they cannot
  // commit a save until it ends.
  bool BeginReadTrans();

  // The names of the user tables, in order of name; SQLite's own tables,
  // views and indexes are not listed.
  bool TableNames(std::vector<String>& names);

  // The database file as SQLite names it (its full path); empty while closed.
  String FullPath() const;
  // The stamp of the open database file as it stands now (DatabaseStamp).
  // Taken inside a transaction, it is what that transaction sees; outside
  // one, another program may be committing while it is read.
  DatabaseStamp Stamp() const;
  // Whether the connection writes its commits into a write-ahead log (WAL
  // mode, or a log found beside the file) rather than into the file.
  bool CommitsIntoLog() const;

  const DbError& Error() const { return error_; }  // the last failure of this connection
  const std::shared_ptr<DbHandle>& Handle() const { return handle_; }

 private:
  bool Begin(const char* sql);  // starts a transaction whose waits add up from 0
  bool Fail(Long number, const String& description);
  bool FailSqlite();
  bool FileMoved() const;  // the path no longer names the file the connection has open

  std::shared_ptr<DbHandle> handle_;  // null while closed
  String path_;                       // the path it was opened at
  DbError error_;                     // the last failure
};

}  // namespace lintavo
