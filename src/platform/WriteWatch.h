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
// The watch looks a last time when the program lets go of a lock it wrote
// the file under: its write lock on the file (at the end of a commit in
// rollback-journal mode, at the close of the connection that folds the log
// into the file in WAL mode) and the log's checkpoint lock (a checkpoint at
// a commit in WAL mode). Until then no other program may rightly write what
// the lock keeps: the file and its log must stand as the program's last
// look left them, and each page the program wrote under the lock, read
// back, must hold what it wrote. The pages are needed because a write that
// comes while the program writes page after page leaves the stamps as the
// program's own write left them (below). A write lock granted on a file
// somebody else wrote since the program last looked is given back at
// once, as when another program holds the file: a log is never folded into
// what they left.
//
// What the watch does not see, by another program that ignores SQLite's
// locks:
// - A write into a page the program does not write, made while the program
//   writes page after page (a commit, a checkpoint, the fold at a close;
//   milliseconds in a large save). The kernel gives a file a new time only
//   when its time was read since its last change, and a program waiting for
//   the file gets it straight after one of the program's writes, before the
//   program reads the time again: on Linux 6.18 with ext4, one write made
//   during 2,000 back-to-back page writes went unseen in 391 of 400 tries.
//   Only the pages the program wrote are read back: reading the others is
//   the check of the whole file that the stamp spares. What goes unseen is
//   unseen by later saves too: the stamp of what the save left takes it in,
//   and they skip their check until the file changes again.
// - A copy put back while the program writes that reached each page the
//   program wrote before the program's last write of it, or left it holding
//   what the program wrote (a page unchanged since the copy was taken): the
//   copy must begin within one of the program's writes and outrun the rest.
//   In 260 runs of the random-moment test of SpoiledBehindTheLocksTest
//   (2,600 rounds of a 3,000-line drawing) the stamp of what the save left
//   was then trusted once (the file was sound; the save after skipped its
//   check). Damage such a copy leaves goes unseen as above.
// - A write of the same size within the same tick of the file system's
//   clock as the program's last look at the file. From Linux 6.13 a time
//   read from a file makes its next write take a time of its own, but only
//   on file systems with fine-grained times (ext4, XFS, btrfs, tmpfs); NFS,
//   CIFS, FUSE, vfat and exfat keep the coarse tick of a few milliseconds,
//   as every file system does on earlier kernels (Debian 12's among them),
//   and a file system that keeps whole seconds ticks once a second (its
//   stamps are never trusted: StampSeesAll).
// - A write between the program's last look and its letting go of the lock
//   (microseconds): it is taken as coming after the save, which then says
//   "Saved!". A copy put back then takes the save's rows back whole; the
//   stamp of what the save left differs from the file, and the next save
//   checks it.
// - In WAL mode, a frame of the log rewritten in place with the log's
//   modification time put back, while another program holds the file: the
//   save under way does not see it, as a log's stamp leaves out its inode
//   change time (LogStampOf: SQLite run as root changes the log's owner on
//   each open). The log then holds commits, so the next save checks the
//   file (StampSeesAll).
//
// Measured against a copy put back with cp -p at a random moment of a save
// (a 30,000-line drawing; saved, kept with cp -p, saved again and timed;
// the copy put back after a random delay up to that time during a third
// save; 20 rounds in each journal mode a run): before the pages were read
// back and the file looked at on letting go, 19 of 960 rounds ended
// "Saved!" with the drawing then torn or unreadable (4) or the older copy
// back though it began before the save ended (15); after, none of 960.
//
// A save watches its file from the moment it takes its write lock and
// checks it until it has stamped the file as it left it: the file is
// remembered as the program's own only when nothing but the program wrote
// it and its log in between (storage/Verify). Taking that stamp is a
// reading: the watch is sealed first (Seal), and any write tried through
// it then is refused. So it is during the check after a commit in WAL mode:
// SQLite removes the log beside a file it finds empty, and a copy being put
// back leaves the file empty for a moment.
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
  // another program put down, say, or removing the log beside a file it
  // finds empty, as one emptied by a copy being put back) is refused with
  // an I/O error, changes nothing, and counts as somebody else's.
  void Seal();
  // The program's writes are passed again, after a reading made while it
  // still holds the file.
  void Unseal();
  // The database file is taken as standing as checked, a stamp taken just
  // before a check that found it sound: later writes are told from that.
  void TakeAsChecked(const FileStamp& checked);

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
