// SqliteProbes: what a test watches of the SQLite library under the program,
// with no hook in the program: the waits for other programs' locks that its
// connections ask for, and the start of every statement they run.
//
// LockWaitMeter is the library's default file system while it lives, so
// every connection opened meanwhile goes through it. It passes everything to
// the system's file system but the waits: each one asked for is added up and
// returns at once, so a test sees how long the program would have waited
// without spending that time.
//
// StatementHook runs a routine at the start of every statement of each
// connection opened while it lives (it is installed in each as the
// connection opens), so a test can put another program's work between the
// program's reads, or before a chosen statement. The routine's own
// statements start no routine.
//
// One of each at a time; the connections a test opens before making one are
// not watched by it.
#pragma once

#include <functional>

namespace lintavo {

class LockWaitMeter {
 public:
  LockWaitMeter();   // becomes the default file system; counting starts at 0
  ~LockWaitMeter();  // the system's file system is the default again
  LockWaitMeter(const LockWaitMeter&) = delete;
  LockWaitMeter& operator=(const LockWaitMeter&) = delete;

  long long WaitedMs() const;  // milliseconds of waiting asked for since it was made
  long long Waits() const;     // how many waits were asked for
};

class StatementHook {
 public:
  explicit StatementHook(std::function<void()> routine);
  // The routine is given the text of the statement about to start.
  explicit StatementHook(std::function<void(const char* sql)> routine);
  ~StatementHook();  // connections still open then start no routine any more
  StatementHook(const StatementHook&) = delete;
  StatementHook& operator=(const StatementHook&) = delete;
};

}  // namespace lintavo
