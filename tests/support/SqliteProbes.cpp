// SqliteProbes: a counting file system over the system's.
#include "support/SqliteProbes.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace lintavo {

namespace {

// ---- Waits ---------------------------------------------------------------------------
// The meter's file system is a copy of the system's with its own name and
// its own sleep; the copy keeps the system's data, so files open through it
// just as through the original. It lives as long as the program, since a
// connection keeps the file system it opened with.
sqlite3_vfs MeterVfs{};
sqlite3_vfs* SystemVfs = nullptr;
long long WaitedMicroseconds = 0;
long long WaitCount = 0;

int CountSleep(sqlite3_vfs* /*vfs*/, int microseconds) {
  WaitedMicroseconds += microseconds;
  ++WaitCount;
  return microseconds;
}

}  // namespace

LockWaitMeter::LockWaitMeter() {
  if (SystemVfs == nullptr) {
    SystemVfs = sqlite3_vfs_find(nullptr);
    MeterVfs = *SystemVfs;
    MeterVfs.zName = "lintavo-lock-wait-meter";
    MeterVfs.xSleep = CountSleep;
  }
  WaitedMicroseconds = 0;
  WaitCount = 0;
  EXPECT_EQ(sqlite3_vfs_register(&MeterVfs, 1), SQLITE_OK);
}

LockWaitMeter::~LockWaitMeter() {
  sqlite3_vfs_unregister(&MeterVfs);
  sqlite3_vfs_register(SystemVfs, 1);
}

long long LockWaitMeter::WaitedMs() const { return WaitedMicroseconds / 1000; }
long long LockWaitMeter::Waits() const { return WaitCount; }

}  // namespace lintavo
