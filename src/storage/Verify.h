// Verify: what kind of database a file is, told by the names of the tables
// it holds. The dialogs ask before they read or write a file the user chose:
// the save drawing dialog wants a drawings database, the component dialogs a
// component database. The contents of the tables are not looked at. And
// whether a database may take a save at all: every save asks that first.
//
// Sections:
//   Database kinds
//   Table list
//   Checks
//   Fitness for a save
//   Checked writes
#pragma once

#include <memory>
#include <vector>

#include "platform/Database.h"
#include "platform/Types.h"
#include "platform/WriteWatch.h"
#include "storage/DbSchema.h"

namespace lintavo {

// ---- Database kinds ----------------------------------------------------------------
// Values of the kind argument; every table of the kind must be present, extra
// tables do no harm, and any other kind is never satisfied.
constexpr Integer DbKindDrawings = 1;   // Drawing, Components, Objects, Lines, Points
constexpr Integer DbKindComponents = 2;  // LinkTable, Components, Lines, Points
constexpr Integer DbKindFonts = 3;      // Fonts, Lines, Points

// ---- Table list --------------------------------------------------------------------
// Rewritten by every listing; the list grows with the database.
extern std::vector<String> DbTableNames;  // user table names, 1-based, in name order
extern Long DbTableCount;                 // names the last listing filled; 0 after a failure

// Fills DbTableNames and DbTableCount with the user tables of the database
// at path. False, with the count 0 and the reason in error, when the file
// cannot be opened as a database (missing, a text file, locked).
bool ListDbTables(const String& path, DbError& error);

// ---- Checks ------------------------------------------------------------------------
// True when the file exists and holds every table of the kind. Table names
// compare exactly: "lines" is not "Lines". A file that cannot be read as a
// database shows its error in a box titled "Verify Database" and gives False.
bool VerifyDatabase(const String& path, Integer kind);
// The same without the box: False with the reason in error when the file
// cannot be read (a file another program holds locked: IsLockError), False
// with error.Number 0 when it is no database of the kind.
bool VerifyDatabase(const String& path, Integer kind, DbError& error);
// The error says another program holds the file (SQLite's busy or locked).
bool IsLockError(const DbError& error);

// ---- Fitness for a save ------------------------------------------------------
// Whether the database open on connection (the file at path) may take a
// save into the tables of schema (SchemaDrawings or SchemaSettings): no read
// found it damaged since it last changed (FoundDamaged); in WAL mode, the
// file has one name (another name has a log of its own, whose commits this
// program would never see: DbErrSecondName); PRAGMA
// integrity_check finds nothing wrong (a quick check does not see an index
// that lacks rows, through which a save would miss the rows it replaces and
// store a drawing twice); and each table of the schema that it holds keys its
// rows by its key column (a copy made with CREATE TABLE ... AS SELECT keys
// them by a hidden rowid, and the keys a save reads back would not be
// stored). False, with error saying why (DbErrDamaged, DbErrSecondName,
// DbErrNoRowKey), before anything is written.
//
// The integrity check reads the whole file, which in a large database costs
// more than the save itself. A file this program checked and then committed
// into is remembered as the commit left it (Connection::Stamp), but only
// when nothing but this program wrote the file or its log from the check to
// that stamp (WriteWatch) and the stamp sees everything SQLite reads for the
// file (StampSeesAll); while it stays so nobody else has written it, and it
// is not read through again. A file changed by anybody else (or put
// back from a copy, or written over in place with its old time given back,
// even while the save ran) is checked again.
bool DatabaseFitToWrite(Connection& connection, const String& path, SchemaSet schema, DbError& error);

// ---- Checked writes ------------------------------------------------------------
// One write transaction into a database that may take it. Begin opens the
// file read-write, takes its write lock and checks the file
// (DatabaseFitToWrite) before anything is written; Commit commits, closes
// and remembers the file as this program left it; Close, or the end of the
// object, rolls back what was not committed. Every writer of the drawings
// and settings databases goes through one.
//
// The file is watched from the write lock on until the save lets go of it
// (the release of its write lock at the end of the commit in
// rollback-journal mode; its close, which folds the log into the file, in
// WAL mode). Commit says the save stored what it meant to only when nothing
// but this program (and, in WAL mode, SQLite's checkpoints) wrote the file
// or its log meanwhile, and the pages it wrote hold what it wrote when it
// lets go of the lock it wrote them under, or when a check made after the
// commit finds the file sound:
// - somebody else wrote what the commit writes into (the file or a log
//   beside it in rollback-journal mode, the log in WAL mode) after the
//   check: Commit rolls back and stores nothing (DbErrWrittenMeanwhile);
// - somebody wrote it between the commit's own writes, or before the save
//   let go of the file: the commit was made but what was stored cannot be
//   told whole (DbErrWrittenMeanwhile);
// - in WAL mode somebody wrote the file itself (another connection's
//   checkpoint does so rightly): the file is checked after the commit,
//   through a connection of its own that reads every page from the file
//   and its log (the save's connection would read the pages it cached
//   before), and damage found is reported (DbErrDamaged) though the commit
//   was made. The close folds the log into the file only when nobody wrote
//   it after that check.
// Whenever Commit fails, whenever anybody else wrote the file while the
// save ran, and when anybody wrote it after the save let go and before its
// stamp, the next save checks the file.
class CheckedWrite {
 public:
  CheckedWrite() = default;
  CheckedWrite(const CheckedWrite&) = delete;
  CheckedWrite& operator=(const CheckedWrite&) = delete;

  bool Begin(const String& path, SchemaSet schema);  // false: Error() says why; nothing written
  Connection& Db() { return connection_; }
  bool Commit();  // false: Error() says why; Committed() says whether the commit was made all the same
  void Close();  // rolls back what was not committed
  const DbError& Error() const { return error_; }  // the first failure of Begin or Commit
  // The commit was made into the file at the path: the rows written are
  // stored there, whether or not Commit could say they are whole.
  bool Committed() const { return committed_; }

 private:
  bool Fail(const DbError& error);
  bool CommitTargetsLeftAsOurs() const;
  bool WrittenIntoTheCommit() const;
  bool CheckedAfterCommit(DbError& error);

  Connection connection_;
  String path_;     // the file written
  SchemaSet schema_ = SchemaDrawings;  // the tables written, for the words of a failure
  DbError error_;   // the first failure
  bool committed_ = false;             // the commit was made (Committed)
  std::unique_ptr<WriteWatch> watch_;  // from the write lock to the stamp of what the commit left; null else
  bool intoLog_ = false;               // the commit writes into the write-ahead log, not into the file
};

void ResetVerify();  // the table list emptied, no file remembered as damaged or as written sound

}  // namespace lintavo
