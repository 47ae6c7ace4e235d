// SpoiltDatabase: the statements and byte writes that spoil a database file.
#include "storage/SpoiltDatabase.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

#include "storage/TestDatabase.h"

namespace lintavo {

std::vector<String> WithoutKey(const String& table) {
  const String quoted = "\"" + table + "\"";
  return {"CREATE TABLE Rebuilt AS SELECT * FROM " + quoted, "DROP TABLE " + quoted,
          "ALTER TABLE Rebuilt RENAME TO " + quoted};
}

std::vector<String> PastIndex(const String& index, const std::vector<String>& adding) {
  std::vector<String> all = {
      "CREATE TEMP TABLE Kept AS SELECT * FROM sqlite_master WHERE name = '" + index + "'",
      "PRAGMA writable_schema = ON", "DELETE FROM sqlite_master WHERE name = '" + index + "'",
      "PRAGMA writable_schema = RESET"};
  all.insert(all.end(), adding.begin(), adding.end());
  all.insert(all.end(), {"PRAGMA writable_schema = ON", "INSERT INTO sqlite_master SELECT * FROM temp.Kept",
                         "PRAGMA writable_schema = RESET"});
  return all;
}

TablePage FirstPageOf(const String& path, const String& table) {
  TestDatabase db(path);
  return {static_cast<qint64>(db.Number("SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'")),
          static_cast<qint64>(db.Number("PRAGMA page_size"))};
}

void BreakPageOf(const String& path, const String& table) {
  const TablePage page = FirstPageOf(path, table);
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(page.number > 1 && file.open(QIODevice::ReadWrite) && file.seek(page.Offset()));
  file.write(QByteArray(1, '\0'));
}

namespace {

void PutBigEndian(QByteArray& bytes, qsizetype at, quint32 value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

quint32 BigEndianAt(const QByteArray& bytes, qsizetype at) {
  quint32 value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// SQLite's running checksum of a log over count bytes from `from` (a
// multiple of 8), words read big-endian as the magic number below says.
void LogChecksum(const QByteArray& bytes, qsizetype from, qsizetype count, quint32& s0, quint32& s1) {
  for (qsizetype i = from; i < from + count; i += 8) {
    s0 += BigEndianAt(bytes, i) + s1;
    s1 += BigEndianAt(bytes, i + 4) + s0;
  }
}

// Table's first page as it is in the file at path, made unreadable as
// BreakPageOf makes it, with where it lies and the file's size in pages.
struct BrokenPage {
  TablePage place;
  QByteArray bytes;
  qint64 pages = 0;
};

BrokenPage BrokenPageOf(const String& path, const String& table) {
  BrokenPage broken{FirstPageOf(path, table), {}, 0};
  QFile file(QString::fromStdString(path));
  EXPECT_TRUE(broken.place.number > 1 && file.open(QIODevice::ReadOnly) && file.seek(broken.place.Offset()));
  broken.bytes = file.read(broken.place.size);
  broken.pages = file.size() / std::max<qint64>(broken.place.size, 1);
  EXPECT_EQ(broken.bytes.size(), broken.place.size);
  if (!broken.bytes.isEmpty()) broken.bytes[0] = '\0';
  return broken;
}

void WriteWhole(const String& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace

void LogBreakingPageOf(const String& path, const String& table, const String& into) {
  constexpr quint32 BigEndianLogMagic = 0x377f0683;
  constexpr quint32 LogFormat = 3007000;
  constexpr qsizetype LogHeader = 32, FrameHeader = 24;
  const BrokenPage first = BrokenPageOf(path, table);
  const qint64 page = first.place.number, size = first.place.size, pages = first.pages;
  const QByteArray& broken = first.bytes;
  ASSERT_EQ(broken.size(), size);

  QByteArray log(LogHeader + FrameHeader, '\0');
  PutBigEndian(log, 0, BigEndianLogMagic);
  PutBigEndian(log, 4, LogFormat);
  PutBigEndian(log, 8, static_cast<quint32>(size));
  PutBigEndian(log, 16, 0x5a17f00d);  // the salts: any values, repeated in the frame
  PutBigEndian(log, 20, 0x0badcafe);
  quint32 s0 = 0, s1 = 0;
  LogChecksum(log, 0, 24, s0, s1);
  PutBigEndian(log, 24, s0);
  PutBigEndian(log, 28, s1);
  PutBigEndian(log, LogHeader, static_cast<quint32>(page));
  PutBigEndian(log, LogHeader + 4, static_cast<quint32>(pages));  // a commit: the file's size in pages after it
  PutBigEndian(log, LogHeader + 8, 0x5a17f00d);
  PutBigEndian(log, LogHeader + 12, 0x0badcafe);
  log += broken;
  LogChecksum(log, LogHeader, 8, s0, s1);
  LogChecksum(log, LogHeader + FrameHeader, size, s0, s1);
  PutBigEndian(log, LogHeader + 16, s0);
  PutBigEndian(log, LogHeader + 20, s1);
  WriteWhole(into.empty() ? path + "-wal" : into, log);
}

void JournalBreakingPageOf(const String& path, const String& table, const String& into) {
  constexpr quint32 JournalMagic[2] = {0xd9d505f9, 0x20a163d7};
  constexpr qsizetype SectorSize = 512;  // the header fills one sector; the records follow it
  constexpr quint32 Nonce = 0x5a17f00d;  // the checksums' starting value, any
  constexpr qsizetype ChecksumStride = 200;
  const BrokenPage first = BrokenPageOf(path, table);
  ASSERT_EQ(first.bytes.size(), first.place.size);
  QByteArray journal(SectorSize, '\0');
  PutBigEndian(journal, 0, JournalMagic[0]);
  PutBigEndian(journal, 4, JournalMagic[1]);
  PutBigEndian(journal, 8, 1);  // one page record
  PutBigEndian(journal, 12, Nonce);
  PutBigEndian(journal, 16, static_cast<quint32>(first.pages));  // the file's size before the save
  PutBigEndian(journal, 20, SectorSize);
  PutBigEndian(journal, 24, static_cast<quint32>(first.place.size));
  QByteArray record(4, '\0');
  PutBigEndian(record, 0, static_cast<quint32>(first.place.number));
  record += first.bytes;
  // SQLite's checksum of a page record: the nonce plus every 200th byte from the end.
  quint32 checksum = Nonce;
  for (qsizetype i = first.place.size - ChecksumStride; i > 0; i -= ChecksumStride)
    checksum += static_cast<unsigned char>(first.bytes[i]);
  record += QByteArray(4, '\0');
  PutBigEndian(record, record.size() - 4, checksum);
  WriteWhole(into, journal + record);
}

// Spoilt beside the file it replaces and renamed over it: the copy is
// another file, never one that takes the number of the file it replaces.
void SpoiltCopy(const String& source, const String& path, const std::vector<String>& statements,
                const char* brokenPage) {
  const String spoilt = path + ".spoilt";
  QFile::remove(QString::fromStdString(spoilt));
  ASSERT_TRUE(QFile::copy(QString::fromStdString(source), QString::fromStdString(spoilt)));
  {
    TestDatabase db(spoilt, true);
    for (const String& sql : statements) db.Exec(sql);
  }
  if (brokenPage) BreakPageOf(spoilt, brokenPage);
  ASSERT_EQ(std::rename(spoilt.c_str(), path.c_str()), 0);
}

}  // namespace lintavo
