// WriteWatch: a file system passed through to SQLite's own, noting the
// program's writes into watched database files and their logs.
#include "platform/WriteWatch.h"

#include <algorithm>
#include <sqlite3.h>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lintavo {

namespace {

// ---- Watches ------------------------------------------------------------------

// What the program last wrote at one place of a watched database file.
struct PageWritten {
  int Amount = 0;          // bytes written
  std::size_t Digest = 0;  // of those bytes
};

// One watched database: how the program last left each of its files, and
// whether someone else wrote one of them before a write of the program's.
struct Watch {
  String Database;         // the database file, as SQLite names it
  String Log;              // Database + "-wal"
  FileStamp DatabaseLeft;  // as the program's last write (or the start) left it
  FileStamp LogLeft;
  bool DatabaseWrittenBetween = false;
  bool LogWrittenBetween = false;
  bool Sealed = false;     // the program writes nothing more: a write tried is refused (Seal)
  std::unordered_map<sqlite3_int64, PageWritten> Pages;  // by offset: what the program wrote into the
                                                         //   database file under a lock not yet let go (LetGo)
};

std::vector<Watch> Watches;  // at most one per file; a save watches one

Watch* WatchOf(const String& file) {
  const auto found =
      std::find_if(Watches.begin(), Watches.end(), [&](const Watch& w) { return w.Database == file; });
  return found == Watches.end() ? nullptr : &*found;
}

Watch* WatchOfPath(const char* path) { return path == nullptr ? nullptr : WatchOf(path); }

bool HoldsNoCommit(const FileStamp& log) { return log.Inode == 0 || log.Size <= LogHeaderSize; }

// Whether a file of the watch stands as it was left: a log that holds no
// commit, made or emptied by whoever, stands as any other such log.
bool Unchanged(const FileStamp& left, const FileStamp& now, bool isLog) {
  return now == left || (isLog && HoldsNoCommit(left) && HoldsNoCommit(now));
}

// The watch's fields for the file at path, when path is a watched database
// or its log; null otherwise.
struct WatchedPart {
  FileStamp* Left = nullptr;
  bool* WrittenBetween = nullptr;
  bool IsLog = false;
  bool Sealed = false;
};

WatchedPart PartOf(const char* path) {
  if (path == nullptr || Watches.empty()) return {};
  for (Watch& w : Watches) {
    if (w.Database == path) return {&w.DatabaseLeft, &w.DatabaseWrittenBetween, false, w.Sealed};
    if (w.Log == path) return {&w.LogLeft, &w.LogWrittenBetween, true, w.Sealed};
  }
  return {};
}

// Whether a write of the program's into the file at path is refused: the
// file's watch is sealed. The refused write counts as somebody else's.
bool RefusedWrite(const char* path) {
  const WatchedPart part = PartOf(path);
  if (!part.Sealed) return false;
  *part.WrittenBetween = true;
  return true;
}

// Around one write of the program's into the file at path (a write, a
// truncation, a deletion): before it, whether the file stands as the
// program left it; after it, the file as it now is.
FileStamp StampOfPart(const char* path, bool isLog) { return isLog ? LogStampOf(path) : StampOf(path); }

void BeforeOurWrite(const char* path) {
  const WatchedPart part = PartOf(path);
  if (part.Left && !Unchanged(*part.Left, StampOfPart(path, part.IsLog), part.IsLog)) *part.WrittenBetween = true;
}

void AfterOurWrite(const char* path) {
  const WatchedPart part = PartOf(path);
  if (part.Left) *part.Left = StampOfPart(path, part.IsLog);
}

// ---- Pages written ---------------------------------------------------------------
// A write by somebody else that comes while the program writes page after
// page may leave no trace in the stamps: the kernel gives a file a new time
// only when its time was read since the last change, and a program waiting
// for the file gets it straight after one of the program's writes, before
// the program reads the time again. What the program writes into a watched
// database file is therefore noted, and read back when it lets go of the
// lock it wrote under (LetGo): a copy put back meanwhile shows in the pages.

std::size_t Digest(const void* bytes, int amount) {
  return std::hash<std::string_view>{}(std::string_view(static_cast<const char*>(bytes), amount));
}

void NoteOurPage(Watch& w, const void* buffer, int amount, sqlite3_int64 offset) {
  w.Pages[offset] = {amount, Digest(buffer, amount)};
}

// The program cut the watched database file to size bytes.
void ForgetPagesFrom(Watch& w, sqlite3_int64 size) {
  std::erase_if(w.Pages, [&](const auto& page) { return page.first + page.second.Amount > size; });
}

// Whether every page noted holds, read through file, what the program
// wrote there; the notes are dropped.
bool PagesAsWritten(Watch& w, sqlite3_file* file) {
  std::vector<char> bytes;
  bool same = true;
  for (const auto& [offset, page] : w.Pages) {
    bytes.resize(static_cast<std::size_t>(page.Amount));
    same = file->pMethods->xRead(file, bytes.data(), page.Amount, offset) == SQLITE_OK &&
           Digest(bytes.data(), page.Amount) == page.Digest;
    if (!same) break;
  }
  w.Pages.clear();
  return same;
}

// ---- Letting go ------------------------------------------------------------------
// While the program holds a write lock on a watched database file (RESERVED
// or above, and the locks it steps down through until it holds none) no
// other program may rightly write the file or its log, nor, while it holds
// the log's checkpoint lock, copy the log into the file. Whatever changed
// what such a lock keeps, past the program's own writes, until the program
// lets go of it, was written past SQLite's locks.

// Whether the watched database stands as the program's last look left it,
// its log too, and nobody wrote either between the program's writes.
// Marks what it finds written.
bool StandsAsLeft(Watch& w) {
  if (!Unchanged(w.DatabaseLeft, StampOf(w.Database), false)) w.DatabaseWrittenBetween = true;
  if (!Unchanged(w.LogLeft, LogStampOf(w.Log), true)) w.LogWrittenBetween = true;
  return !w.DatabaseWrittenBetween && !w.LogWrittenBetween;
}

// Whether a write lock just granted on the watched database at path (the
// one a connection closing in WAL mode takes to fold the log into the
// file) is to be given back: somebody else wrote the file or its log since
// the program last looked, and the log folded would land on what they
// left. That write is marked. Another program's commits into the log since
// are its own and are folded with the program's: the log is taken as it
// stands.
bool WriteLockRefused(const char* path) {
  Watch* w = WatchOfPath(path);
  if (w == nullptr || w->Sealed) return false;
  w->LogLeft = LogStampOf(w->Log);
  return !StandsAsLeft(*w);
}

// Which lock the program lets go of.
enum class HeldLock {
  Checkpoint,  // the log index's lock a checkpoint copies the log into the file under (WAL mode)
  Write,       // its write lock on the database file
};

// The program lets go of a lock on the watched database it reads through
// file: from then on another program may rightly write what that lock
// kept. The pages the program wrote under it are read back and, for the
// write lock, the file and its log looked at one last time: what somebody
// else changed is marked.
void LetGo(Watch* w, sqlite3_file* file, HeldLock lock) {
  if (w == nullptr || w->Sealed) return;
  if (!PagesAsWritten(*w, file)) w->DatabaseWrittenBetween = true;
  if (lock == HeldLock::Write) StandsAsLeft(*w);
}

// ---- File system --------------------------------------------------------------
// Each file opened through the watching file system is this record, with
// the system's own file in the bytes after it.

struct PassedFile {
  sqlite3_file Base;   // what SQLite holds; its methods are PassedMethods
  sqlite3_file* Real;  // the system's file
  const char* Path;    // the name it was opened by; null for a temporary file
  bool Watchable;      // a main database or a write-ahead log
  int Level;           // the lock held (SQLITE_LOCK_NONE .. SQLITE_LOCK_EXCLUSIVE)
  bool WriteLocked;    // has held RESERVED or above since it last held no lock
};

constexpr int PassedFileSize = (sizeof(PassedFile) + 7) / 8 * 8;

sqlite3_vfs WatchingVfs{};
sqlite3_vfs* SystemVfs = nullptr;  // SQLite's "unix"

// The file system the calls are passed to: SQLite's default when it is not
// this one (a test may put a measuring copy of the system's in place) and
// its files fit the room reserved, else the system's.
sqlite3_vfs* Passed() {
  sqlite3_vfs* current = sqlite3_vfs_find(nullptr);
  if (current == nullptr || current == &WatchingVfs || current->szOsFile > SystemVfs->szOsFile) return SystemVfs;
  return current;
}

sqlite3_file* RealOf(sqlite3_file* file) { return reinterpret_cast<PassedFile*>(file)->Real; }

// -- File methods: each passed to the system's file.

// The watch of the database file opened as file; null when it is no
// watched database.
Watch* WatchOfFile(const PassedFile* file) { return file->Watchable ? WatchOfPath(file->Path) : nullptr; }

int Close(sqlite3_file* file) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  if (passed->WriteLocked) LetGo(WatchOfFile(passed), passed->Real, HeldLock::Write);  // closing drops every lock
  sqlite3_file* real = passed->Real;
  return real->pMethods ? real->pMethods->xClose(real) : SQLITE_OK;
}

int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
  sqlite3_file* real = RealOf(file);
  return real->pMethods->xRead(real, buffer, amount, offset);
}

int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  if (passed->Watchable && RefusedWrite(passed->Path)) return SQLITE_IOERR_WRITE;
  if (passed->Watchable) BeforeOurWrite(passed->Path);
  const int rc = passed->Real->pMethods->xWrite(passed->Real, buffer, amount, offset);
  if (passed->Watchable) AfterOurWrite(passed->Path);
  if (Watch* w = rc == SQLITE_OK ? WatchOfFile(passed) : nullptr) NoteOurPage(*w, buffer, amount, offset);
  return rc;
}

int Truncate(sqlite3_file* file, sqlite3_int64 size) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  if (passed->Watchable && RefusedWrite(passed->Path)) return SQLITE_IOERR_TRUNCATE;
  if (passed->Watchable) BeforeOurWrite(passed->Path);
  const int rc = passed->Real->pMethods->xTruncate(passed->Real, size);
  if (passed->Watchable) AfterOurWrite(passed->Path);
  if (Watch* w = WatchOfFile(passed)) ForgetPagesFrom(*w, size);
  return rc;
}

int Sync(sqlite3_file* file, int flags) { return RealOf(file)->pMethods->xSync(RealOf(file), flags); }

int FileSize(sqlite3_file* file, sqlite3_int64* size) {
  return RealOf(file)->pMethods->xFileSize(RealOf(file), size);
}

// A write lock granted on a watched database file that somebody else wrote
// since the program last looked is given back at once, as when another
// program holds the file (WriteLockRefused).
int Lock(sqlite3_file* file, int level) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  sqlite3_file* real = passed->Real;
  const int rc = real->pMethods->xLock(real, level);
  if (rc != SQLITE_OK || level < SQLITE_LOCK_RESERVED || !passed->Watchable) {
    if (rc == SQLITE_OK) passed->Level = level;
    return rc;
  }
  if (WriteLockRefused(passed->Path)) {
    real->pMethods->xUnlock(real, passed->Level);
    return SQLITE_BUSY;
  }
  passed->Level = level;
  passed->WriteLocked = true;
  return rc;
}

int Unlock(sqlite3_file* file, int level) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  if (passed->WriteLocked) LetGo(WatchOfFile(passed), passed->Real, HeldLock::Write);
  const int rc = passed->Real->pMethods->xUnlock(passed->Real, level);
  passed->Level = level;
  if (level == SQLITE_LOCK_NONE) passed->WriteLocked = false;
  return rc;
}

int CheckReservedLock(sqlite3_file* file, int* reserved) {
  return RealOf(file)->pMethods->xCheckReservedLock(RealOf(file), reserved);
}

int FileControl(sqlite3_file* file, int op, void* argument) {
  return RealOf(file)->pMethods->xFileControl(RealOf(file), op, argument);
}

int SectorSize(sqlite3_file* file) { return RealOf(file)->pMethods->xSectorSize(RealOf(file)); }

int DeviceCharacteristics(sqlite3_file* file) {
  return RealOf(file)->pMethods->xDeviceCharacteristics(RealOf(file));
}

int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory) {
  return RealOf(file)->pMethods->xShmMap(RealOf(file), region, size, extend, memory);
}

// The slot of the log index's lock that a checkpoint holds while it copies
// the log into the file (SQLite's WAL_CKPT_LOCK): no other checkpoint may
// write the file meanwhile.
constexpr int CheckpointLockSlot = 1;

int ShmLock(sqlite3_file* file, int offset, int count, int flags) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  const bool checkpointLetGo =
      (flags & SQLITE_SHM_UNLOCK) != 0 && offset <= CheckpointLockSlot && CheckpointLockSlot < offset + count;
  if (checkpointLetGo) LetGo(WatchOfFile(passed), passed->Real, HeldLock::Checkpoint);
  return passed->Real->pMethods->xShmLock(passed->Real, offset, count, flags);
}

void ShmBarrier(sqlite3_file* file) { RealOf(file)->pMethods->xShmBarrier(RealOf(file)); }

int ShmUnmap(sqlite3_file* file, int deleteFlag) {
  return RealOf(file)->pMethods->xShmUnmap(RealOf(file), deleteFlag);
}

int Fetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** pointer) {
  return RealOf(file)->pMethods->xFetch(RealOf(file), offset, amount, pointer);
}

int Unfetch(sqlite3_file* file, sqlite3_int64 offset, void* pointer) {
  return RealOf(file)->pMethods->xUnfetch(RealOf(file), offset, pointer);
}

// One table of methods per version a system file may have: a file offers
// what its system file offers, no more.
constexpr int HighestMethodsVersion = 3;

sqlite3_io_methods MethodsOfVersion(int version) {
  sqlite3_io_methods methods{version,     Close,  Read,  Write, Truncate, Sync, FileSize, Lock, Unlock,
                             CheckReservedLock, FileControl, SectorSize, DeviceCharacteristics,
                             ShmMap,      ShmLock, ShmBarrier, ShmUnmap, Fetch, Unfetch};
  if (version < 2) methods.xShmMap = nullptr, methods.xShmLock = nullptr, methods.xShmBarrier = nullptr,
                   methods.xShmUnmap = nullptr;
  if (version < 3) methods.xFetch = nullptr, methods.xUnfetch = nullptr;
  return methods;
}

const sqlite3_io_methods* MethodsFor(const sqlite3_io_methods* real) {
  static const sqlite3_io_methods tables[] = {MethodsOfVersion(1), MethodsOfVersion(2), MethodsOfVersion(3)};
  if (real == nullptr) return nullptr;
  const int version = std::clamp(real->iVersion, 1, HighestMethodsVersion);
  return &tables[version - 1];
}

// -- File system methods: each passed to the file system in use.

int Open(sqlite3_vfs* /*vfs*/, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  auto* passed = reinterpret_cast<PassedFile*>(file);
  passed->Real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + PassedFileSize);
  passed->Real->pMethods = nullptr;
  passed->Path = name;
  passed->Watchable = name != nullptr && (flags & (SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_WAL)) != 0;
  passed->Level = SQLITE_LOCK_NONE;
  passed->WriteLocked = false;
  sqlite3_vfs* system = Passed();
  const int rc = system->xOpen(system, name, passed->Real, flags, outFlags);
  passed->Base.pMethods = MethodsFor(passed->Real->pMethods);
  return rc;
}

int Delete(sqlite3_vfs* /*vfs*/, const char* name, int syncDir) {
  if (RefusedWrite(name)) return SQLITE_IOERR_DELETE;
  BeforeOurWrite(name);
  const int rc = Passed()->xDelete(Passed(), name, syncDir);
  AfterOurWrite(name);
  return rc;
}

int Access(sqlite3_vfs*, const char* name, int flags, int* result) {
  return Passed()->xAccess(Passed(), name, flags, result);
}

int FullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  return Passed()->xFullPathname(Passed(), name, size, out);
}

void* DlOpen(sqlite3_vfs*, const char* name) { return Passed()->xDlOpen(Passed(), name); }
void DlError(sqlite3_vfs*, int size, char* message) { Passed()->xDlError(Passed(), size, message); }
void (*DlSym(sqlite3_vfs*, void* library, const char* symbol))(void) {
  return Passed()->xDlSym(Passed(), library, symbol);
}
void DlClose(sqlite3_vfs*, void* library) { Passed()->xDlClose(Passed(), library); }
int Randomness(sqlite3_vfs*, int size, char* out) { return Passed()->xRandomness(Passed(), size, out); }
int Sleep(sqlite3_vfs*, int microseconds) { return Passed()->xSleep(Passed(), microseconds); }
int CurrentTime(sqlite3_vfs*, double* now) { return Passed()->xCurrentTime(Passed(), now); }
int GetLastError(sqlite3_vfs*, int size, char* message) { return Passed()->xGetLastError(Passed(), size, message); }
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) { return Passed()->xCurrentTimeInt64(Passed(), now); }

}  // namespace

const char* WatchingVfsName() {
  static const char* const name = [] {
    SystemVfs = sqlite3_vfs_find("unix");
    if (SystemVfs == nullptr) SystemVfs = sqlite3_vfs_find(nullptr);
    WatchingVfs.iVersion = 2;  // up to the current time in 64 bits; system calls are not passed
    WatchingVfs.szOsFile = PassedFileSize + SystemVfs->szOsFile;
    WatchingVfs.mxPathname = SystemVfs->mxPathname;
    WatchingVfs.zName = "lintavo-watching";
    WatchingVfs.xOpen = Open;
    WatchingVfs.xDelete = Delete;
    WatchingVfs.xAccess = Access;
    WatchingVfs.xFullPathname = FullPathname;
    WatchingVfs.xDlOpen = DlOpen;
    WatchingVfs.xDlError = DlError;
    WatchingVfs.xDlSym = DlSym;
    WatchingVfs.xDlClose = DlClose;
    WatchingVfs.xRandomness = Randomness;
    WatchingVfs.xSleep = Sleep;
    WatchingVfs.xCurrentTime = CurrentTime;
    WatchingVfs.xGetLastError = GetLastError;
    WatchingVfs.xCurrentTimeInt64 = CurrentTimeInt64;
    sqlite3_vfs_register(&WatchingVfs, 0);
    return WatchingVfs.zName;
  }();
  return name;
}

// ---- Watches ------------------------------------------------------------------

WriteWatch::WriteWatch(const String& file) : file_(file) {
  std::erase_if(Watches, [&](const Watch& w) { return w.Database == file; });
  Watch watch;
  watch.Database = file;
  watch.Log = file + "-wal";
  watch.DatabaseLeft = StampOf(watch.Database);
  watch.LogLeft = LogStampOf(watch.Log);
  Watches.push_back(std::move(watch));
}

WriteWatch::~WriteWatch() {
  std::erase_if(Watches, [&](const Watch& w) { return w.Database == file_; });
}

bool WriteWatch::WrittenBetweenOurs(WatchedFile which) const {
  const Watch* w = WatchOf(file_);
  if (w == nullptr) return true;
  return which == WatchedFile::Database ? w->DatabaseWrittenBetween : w->LogWrittenBetween;
}

bool WriteWatch::LeftAsOurs(WatchedFile which) const {
  const Watch* w = WatchOf(file_);
  if (w == nullptr || WrittenBetweenOurs(which)) return false;
  if (which == WatchedFile::Database) return Unchanged(w->DatabaseLeft, StampOf(w->Database), false);
  return Unchanged(w->LogLeft, LogStampOf(w->Log), true);
}

void WriteWatch::Seal() {
  if (Watch* w = WatchOf(file_)) w->Sealed = true;
}

void WriteWatch::Unseal() {
  if (Watch* w = WatchOf(file_)) w->Sealed = false;
}

void WriteWatch::TakeAsChecked(const FileStamp& checked) {
  if (Watch* w = WatchOf(file_)) {
    w->DatabaseLeft = checked;
    w->DatabaseWrittenBetween = false;
  }
}

bool WriteWatch::LeftAsOurs(const DatabaseStamp& now) const {
  const Watch* w = WatchOf(file_);
  if (w == nullptr || WrittenBetweenOurs(WatchedFile::Database) || WrittenBetweenOurs(WatchedFile::Log))
    return false;
  return Unchanged(w->DatabaseLeft, now.File, false) && Unchanged(w->LogLeft, now.Log, true);
}

// ---- What a stamp sees ----------------------------------------------------------

bool StampSeesAll(const DatabaseStamp& stamp) {
  constexpr std::int64_t NsPerSecond = 1000000000;
  const FileStamp& file = stamp.File;
  const bool oneName = file.Links == 1;
  const bool finerThanSeconds = file.Modified % NsPerSecond != 0;
  const bool noLogWithCommits = stamp.Log.Inode == 0;
  return file.Inode != 0 && oneName && finerThanSeconds && noLogWithCommits;
}

}  // namespace lintavo
