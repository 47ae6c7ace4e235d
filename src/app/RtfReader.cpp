// RtfReader: a small rich text reader for the program's own texts.
#include "app/RtfReader.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <cctype>
#include <vector>

namespace lintavo {

namespace {

// State of one group: the character format, whether its text is skipped,
// and how many characters stand in for a Unicode escape.
struct GroupState {
  QTextCharFormat format;
  bool skipped = false;
  int unicodeSkip = 1;
};

constexpr int HalfPointsPerPoint = 2;

// Windows-1252 bytes 0x80..0x9F; the others are the same as Latin-1. 0 is unassigned.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

QChar Windows1252(int byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char16_t mapped = Windows1252High[byte - 0x80];
    return mapped ? QChar(mapped) : QChar(QChar::ReplacementCharacter);
  }
  return QChar(static_cast<char16_t>(byte));
}

class Reader {
 public:
  Reader(const QByteArray& rtf, QTextDocument& document) : rtf_(rtf), cursor_(&document) {}

  void Run() {
    stack_.push_back(GroupState{});
    while (pos_ < rtf_.size()) {
      const char c = rtf_[pos_];
      if (c == '{') {
        ++pos_;
        Flush();
        stack_.push_back(stack_.back());
        groupStart_ = true;
        continue;
      }
      if (c == '}') {
        ++pos_;
        Flush();
        if (stack_.size() > 1) stack_.pop_back();
        groupStart_ = false;
        continue;
      }
      if (c == '\\') {
        ControlWord();
        groupStart_ = false;
        continue;
      }
      ++pos_;
      groupStart_ = false;
      if (c == '\r' || c == '\n') continue;
      if (!State().skipped) pending_ += QChar::fromLatin1(c);
    }
    Flush();
  }

 private:
  GroupState& State() { return stack_.back(); }

  void Flush() {
    if (pending_.isEmpty()) return;
    cursor_.insertText(pending_, State().format);
    pending_.clear();
  }

  void Emit(const QString& text) {
    if (!State().skipped) pending_ += text;
  }

  void ControlWord() {
    ++pos_;  // the backslash
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      ++pos_;
      if (c == '\'') return HexCharacter();
      if (c == '*') State().skipped = true;  // a destination this reader does not know
      else if (c == '\\' || c == '{' || c == '}') Emit(QString(QChar::fromLatin1(c)));
      else if (c == '~') Emit(QString(QChar(0x00A0)));
      return;
    }
    const qsizetype start = pos_;
    while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
    const QByteArray word = rtf_.mid(start, pos_ - start);
    bool hasValue = false;
    int value = 0;
    const qsizetype numberStart = pos_;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-') ++pos_;
    while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
    if (pos_ > numberStart) {
      value = rtf_.mid(numberStart, pos_ - numberStart).toInt(&hasValue);
    }
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    Apply(word, hasValue, value);
  }

  void HexCharacter() {
    const QByteArray hex = rtf_.mid(pos_, 2);
    pos_ += hex.size();
    bool ok = false;
    const int code = hex.toInt(&ok, 16);
    if (!ok) return;
    Emit(QString(Windows1252(code)));
  }

  void SkipUnicodeFallback() {
    for (int k = 0; k < State().unicodeSkip && pos_ < rtf_.size(); ++k) {
      if (rtf_[pos_] == '\\' && pos_ + 1 < rtf_.size() && rtf_[pos_ + 1] == '\'') pos_ += 4;
      else if (rtf_[pos_] == '{' || rtf_[pos_] == '}') break;
      else ++pos_;
    }
  }

  void Apply(const QByteArray& word, bool hasValue, int value) {
    GroupState& state = State();
    const bool on = !hasValue || value != 0;
    if (groupStart_ && IsSkippedDestination(word)) {
      state.skipped = true;
      if (word == "colortbl") ReadColourTable();
      return;
    }
    if (word == "par") {
      Flush();
      if (!state.skipped) cursor_.insertBlock();
    } else if (word == "line") {
      Emit(QString(QChar::LineSeparator));
    } else if (word == "tab") {
      Emit("\t");
    } else if (word == "b") {
      Flush();
      state.format.setFontWeight(on ? QFont::Bold : QFont::Normal);
    } else if (word == "i") {
      Flush();
      state.format.setFontItalic(on);
    } else if (word == "ul") {
      Flush();
      state.format.setFontUnderline(on);
    } else if (word == "ulnone") {
      Flush();
      state.format.setFontUnderline(false);
    } else if (word == "fs" && hasValue && value > 0) {
      Flush();
      state.format.setFontPointSize(static_cast<double>(value) / HalfPointsPerPoint);
    } else if (word == "cf" && hasValue) {
      Flush();
      if (value > 0 && value < static_cast<int>(colours_.size())) state.format.setForeground(colours_[value]);
      else state.format.clearForeground();
    } else if (word == "plain") {
      Flush();
      state.format = QTextCharFormat();
    } else if (word == "uc" && hasValue) {
      state.unicodeSkip = value;
    } else if (word == "u" && hasValue) {
      Emit(QString(QChar(static_cast<char16_t>(value < 0 ? value + 65536 : value))));
      SkipUnicodeFallback();
    }
  }

  static bool IsSkippedDestination(const QByteArray& word) {
    static const char* const destinations[] = {"fonttbl", "colortbl", "stylesheet", "info", "pict",
                                               "header", "footer", "object", "listtable", "generator"};
    for (const char* d : destinations)
      if (word == d) return true;
    return false;
  }

  // \red\green\blue entries ended by ";", the first (often empty) entry the default.
  void ReadColourTable() {
    int red = 0, green = 0, blue = 0;
    while (pos_ < rtf_.size() && rtf_[pos_] != '}') {
      const char c = rtf_[pos_];
      if (c == ';') {
        colours_.emplace_back(red, green, blue);
        red = green = blue = 0;
        ++pos_;
      } else if (c == '\\') {
        ++pos_;
        const qsizetype start = pos_;
        while (pos_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
        const QByteArray word = rtf_.mid(start, pos_ - start);
        const qsizetype numberStart = pos_;
        while (pos_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[pos_]))) ++pos_;
        const int value = rtf_.mid(numberStart, pos_ - numberStart).toInt();
        if (word == "red") red = value;
        else if (word == "green") green = value;
        else if (word == "blue") blue = value;
      } else {
        ++pos_;
      }
    }
  }

  const QByteArray& rtf_;
  qsizetype pos_ = 0;
  QTextCursor cursor_;
  std::vector<GroupState> stack_;
  std::vector<QColor> colours_;
  QString pending_;
  bool groupStart_ = false;  // the next control word is the first of its group
};

}  // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument& document) {
  document.clear();
  if (!rtf.startsWith("{\\rtf")) return false;
  Reader(rtf, document).Run();
  return true;
}

}  // namespace lintavo
