// The rich text reader of the introduction window.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "app/RtfReader.h"

namespace lintavo {
namespace {

TEST(RtfReader, ReadsTheTextAndSkipsTheTablesAndUnknownDestinations) {
  struct Case {
    const char* rtf;
    const char* text;
  };
  const Case cases[] = {
      {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}Plain text\par Next})",
       "Plain text\nNext"},
      {R"({\rtf1{\*\generator Writer 1.0;}{\info{\title T}}A\tab B})", "A\tB"},
      {R"({\rtf1 caf\'e9 \'93q\'94 \u8364?\uc2\u8364xy z})", "caf\u00e9 \u201cq\u201d \u20ac\u20ac z"},
      {R"({\rtf1 brace \{ back \\ end\})", "brace { back \\ end}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rtf);
    QTextDocument document;
    ASSERT_TRUE(ReadRtf(c.rtf, document));
    EXPECT_EQ(document.toPlainText(), QString::fromUtf8(c.text));
  }
  QTextDocument document;
  document.setPlainText("old");
  EXPECT_FALSE(ReadRtf("plain words", document));
  EXPECT_TRUE(document.isEmpty());
}

TEST(RtfReader, KeepsBoldItalicSizeAndColourToTheirGroups) {
  QTextDocument document;
  ASSERT_TRUE(ReadRtf(R"({\rtf1{\colortbl;\red0\green0\blue255;}{\b\fs32\cf1 Head}\i tail\i0  end})", document));
  const auto formatAt = [&](int position) {
    QTextCursor cursor(&document);
    cursor.setPosition(position + 1);
    return cursor.charFormat();
  };
  EXPECT_EQ(document.toPlainText(), "Headtail end");
  EXPECT_EQ(formatAt(0).fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(formatAt(0).fontPointSize(), 16);
  EXPECT_EQ(formatAt(0).foreground().color(), QColor(0, 0, 255));
  EXPECT_NE(formatAt(4).fontWeight(), QFont::Bold);  // the group ended
  EXPECT_TRUE(formatAt(4).fontItalic());
  EXPECT_FALSE(formatAt(9).fontItalic());
}

}  // namespace
}  // namespace lintavo
