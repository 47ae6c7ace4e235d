// WriteWatch: the file system every connection of the program opens its
// database files through, the watch it keeps over the writes a save makes,
// and what a stamp of a database must see for a save to trust it.
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
// file's times.
//
// What the watch does not see, by another program that ignores SQLite's
// locks:
// - A write of the same size within the same tick of the file system's
//   clock as the program's last write: it leaves the stamp as that write
//   left it. It goes unseen not only by the save under way: the stamp of
//   what the save left takes it in, and later saves skip their check until
//   the file changes again. The tick is a few milliseconds, a second on a
//   file system that keeps whole seconds (whose stamps are never trusted:
//   StampSeesAll).
// - The finer times of Linux 6.13 on, where a time read from a file makes
//   its next write take a time of its own, close that tick only on file
//   systems with fine-grained times (ext4, XFS, btrfs, tmpfs); NFS, CIFS,
//   FUSE, vfat and exfat keep the coarse tick, as every file system does
//   on earlier kernels (Debian 12's among them).
// - A write between one of the program's writes and the stat right after
//   it (a window of microseconds): it is taken as the program's own.
// - In WAL mode, a frame of the log rewritten in place with the log's
//   modification time put back, while another program holds the file: the
//   save under way does not see it, as a log's stamp leaves out its inode
//   change time (LogStampOf: SQLite run as root changes the log's owner on
//   each open). The log then holds commits, so the next save checks the
//   file (StampSeesAll).
//
// A save watches its file from the moment it takes its write lock and
// checks it until it has stamped the file as it left it: the file is
// remembered as the program's own only when nothing but the program wrote
// it and its log in between (storage/Verify). Taking that stamp is a
// reading: the watch is sealed first (Seal), and any write tried through
// it then is refused.
//
// Connections of other file systems (another program, a test's own
// connections opened with SQLite's default) are not watched: their writes
// are somebody else's.
//
// Sections:
//   File system
//   Watches
//   What a stamp sees
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
  // From now on the program writes nothing into the watched files: what
  // follows is a reading of them. A write, truncation or deletion tried
  // through the watching file system (SQLite playing back a journal that
  // another program put down, say) is refused with an I/O error, changes
  // nothing, and counts as somebody else's.
  void Seal();

 private:
  String file_;  // the database file watched
};

// ---- What a stamp sees ----------------------------------------------------------
// A save skips its check of the whole file only when the file's stamp is
// one the program took after its own checked commit (storage/Verify). That
// is sound only when the stamp sees everything SQLite will read for the
// file; these are the files SQLite reads for a database "<file>":
//
//   <file>          the stamp's file stamp and header change counter. Seen
//                   only when the file has one name (another name has a
//                   journal and a log of its own, which this one never
//                   sees) and its time of last change has a part finer than
//                   a second (a file system keeping whole seconds hides a
//                   same-size write within the second).
//   <file>-journal  read only when hot, and then played back into the file
//                   by the next connection that opens it for writing: the
//                   next save's, before its check, which then sees the file
//                   changed. One put down before the stamp would be played
//                   back by the stamp's own reading: the sealed watch
//                   refuses it, the stamp is not taken, and the next save
//                   checks.
//   <file>-wal      a stamp is trusted only when no log holding a commit
//                   lies beside the file: the program's last connection to
//                   close folds its log into the file and removes it, so
//                   there is none unless another program holds the file.
//                   A log that holds a commit at the next save makes that
//                   stamp differ, and the save checks.
//   <file>-shm      the index of the log's frames, read only while a log
//                   holds a commit (without one no frame is read, and an
//                   index claiming a frame past the log's end fails the
//                   read with an error): covered by the rule of the log.
//
// Where a stamp does not see all of that, the next save checks the file: a
// cost only while another program holds the file in WAL mode, while the
// file has a second name, or on a file system with whole-second times.
bool StampSeesAll(const DatabaseStamp& stamp);

}  // namespace lintavo
