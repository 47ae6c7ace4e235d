// SpoiltDatabase: database files damaged as other programs and failing disks
// leave them, for the tests of the writers that must refuse them.
#pragma once

#include <QtGlobal>
#include <vector>

#include "platform/Types.h"

namespace lintavo {

// The statements that rebuild table as an outside repair tool may leave it:
// the same rows, no key and no index.
std::vector<String> WithoutKey(const String& table);

// The statements adding run while index is left out of the schema: the
// index lacks the rows they add.
std::vector<String> PastIndex(const String& index, const std::vector<String>& adding);

// Where the first page of table lies in the file at path.
struct TablePage {
  qint64 number = 0;  // 1-based page number; 0 when there is no such table
  qint64 size = 0;    // the file's page size, bytes
  qint64 Offset() const { return (number - 1) * size; }
};
TablePage FirstPageOf(const String& path, const String& table);

// The first page of table made unreadable: its page type is none. A small
// table has that one page.
void BreakPageOf(const String& path, const String& table);

// A write-ahead log left beside the file at path ("<path>-wal", made anew)
// as another program's crash leaves one: sound, with one commit whose frame
// holds table's first page made unreadable as BreakPageOf makes it. SQLite
// reads it into the file at the next open, whatever the file's journal mode.
// No connection may hold the file while it is made. Given into, the log is
// written there instead, for another program to put beside the file later.
void LogBreakingPageOf(const String& path, const String& table, const String& into = "");

// A hot rollback journal for the file at path, written at into, as a save
// cut short leaves one: its one page record gives table's first page back
// made unreadable, and the file back its size in pages as it is now. Put
// beside the file as "<path>-journal", it is played back into the file by
// the next connection that reads it and may write it. No connection may
// hold the file while it is made.
void JournalBreakingPageOf(const String& path, const String& table, const String& into);

// A copy of the file source at path (another file in place of any there),
// spoilt by the statements and, when brokenPage names a table, by
// BreakPageOf; a failure fails the test.
void SpoiltCopy(const String& source, const String& path, const std::vector<String>& statements,
                const char* brokenPage = nullptr);

}  // namespace lintavo
