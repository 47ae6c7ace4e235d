// SqliteProbes: what a test watches of the SQLite library under the program,
// with no hook in the program: the waits for other programs' locks that its
// connections ask for.
//
// LockWaitMeter is the library's default file system while it lives, so
// every connection opened meanwhile goes through it. It passes everything to
// the system's file system but the waits: each one asked for is added up and
// returns at once, so a test sees how long the program would have waited
// without spending that time.
//
// One at a time; the connections a test opens before making one are not
// watched by it.
#pragma once

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

}  // namespace lintavo
