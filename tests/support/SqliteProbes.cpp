// SqliteProbes: a counting file system over the system's, and a statement
// trace installed in each new connection as an automatic extension.
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

// ---- Statements ----------------------------------------------------------------------
std::function<void(const char*)>* HookRoutine = nullptr;  // the live hook's routine; null when none
bool InRoutine = false;  // the routine is running: its statements start none

int OnStatementStart(unsigned /*kind*/, void* /*context*/, void* /*statement*/, void* sql) {
  if (HookRoutine == nullptr || InRoutine) return 0;
  InRoutine = true;
  (*HookRoutine)(static_cast<const char*>(sql));
  InRoutine = false;
  return 0;
}

int InstallTrace(sqlite3* db, const char** /*error*/, const sqlite3_api_routines* /*api*/) {
  sqlite3_trace_v2(db, SQLITE_TRACE_STMT, OnStatementStart, nullptr);
  return SQLITE_OK;
}

using ExtensionEntry = void (*)();

ExtensionEntry TraceEntry() { return reinterpret_cast<ExtensionEntry>(&InstallTrace); }

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

StatementHook::StatementHook(std::function<void()> routine)
    : StatementHook(std::function<void(const char*)>([routine](const char*) { routine(); })) {}

StatementHook::StatementHook(std::function<void(const char* sql)> routine) {
  HookRoutine = new std::function<void(const char*)>(std::move(routine));
  EXPECT_EQ(sqlite3_auto_extension(TraceEntry()), SQLITE_OK);
}

StatementHook::~StatementHook() {
  sqlite3_cancel_auto_extension(TraceEntry());
  delete HookRoutine;
  HookRoutine = nullptr;
}

}  // namespace lintavo
