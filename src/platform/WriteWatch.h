// WriteWatch: the file system every connection of the program opens its
// database files through, and the watch it keeps over the writes a save
// makes.
//
// The file system is the system's own (SQLite's "unix"), passed through
// call for call, with one addition: while a database file is watched, every
// write the program makes through SQLite into that file or into its
// write-ahead log is noted, with the file as the write left it. A file
// found changed just before one of the program's writes, from how the
// program's last write (or the start of the watch) left it, was written by
// someone else in between: a program that ignores SQLite's locks (a copy put
// back, a page written in place), or another program's checkpoint in WAL
// mode. Files are told apart by their stamps (StampOf): a write changes the
// inode change time, and the file system gives a write that follows a
// reading of the stamp a time of its own; only a write within the same
// moment as one of the program's own could go unseen.
//
// A save watches its file from the moment it takes its write lock and
// checks it until it has stamped the file as it left it: the file is
// remembered as the program's own only when nothing but the program wrote
// it and its log in between (storage/Verify).
//
// Connections of other file systems (another program, a test's own
// connections opened with SQLite's default) are not watched: their writes
// are somebody else's.
//
// Sections:
//   File system
//   Watches
#pragma once

#include "platform/Database.h"
#include "platform/Types.h"

namespace lintavo {

// ---- File system --------------------------------------------------------------
// The name of the watching file system, registered (not as SQLite's
// default) on the first call; Connection::Open opens every file through it.
const char* WatchingVfsName();

// ---- Watches ------------------------------------------------------------------
// Which file of a watched database a question is about.
enum class WatchedFile {
  Database,  // the database file itself
  Log,       // its write-ahead log ("<file>-wal")
};

// Watches the database file named file (as SQLite names it:
// sqlite3_db_filename) and its log from now until the object ends. One
// watch per file at a time; watching it again starts afresh.
class WriteWatch {
 public:
  explicit WriteWatch(const String& file);
  ~WriteWatch();
  WriteWatch(const WriteWatch&) = delete;
  WriteWatch& operator=(const WriteWatch&) = delete;

  // Someone else wrote the file between the start of the watch and one of
  // the program's writes into it, or between two of them.
  bool WrittenBetweenOurs(WatchedFile which) const;
  // The file stands as the program's last write into it (or the start of
  // the watch) left it, and nobody wrote it in between. A log that holds no
  // commit (none, or no longer than its header) stands as any other such.
  bool LeftAsOurs(WatchedFile which) const;
  // LeftAsOurs for both files, the database's stamp being now.File.
  bool LeftAsOurs(const DatabaseStamp& now) const;

 private:
  String file_;  // the database file watched
};

}  // namespace lintavo
